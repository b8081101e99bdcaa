#include "board/BoardSupport.h"

#include "board/Board.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

void MakeParties(const std::vector<Party>& parties) {
    gd.PlayerCount = static_cast<int>(parties.size());
    const int m = CharactersPerPlayer();
    for (int p = 1; p <= gd.PlayerCount; ++p) {
        const Party& party = parties[p - 1];
        for (size_t k = 0; k < party.classes.size(); ++k) {
            const int cls = party.classes[k];
            gd.CharacterRecords[(p - 1) * m + 1 + k] =
                rec::Make(p, party.name, cls, classes::DefaultName(cls), classes::Template(cls));
        }
    }
}

void SetActs(int i, bool byDay, bool byNight) {
    std::u32string& r = gd.CharacterRecords[i];
    r[r.size() - 2] = byDay ? U'1' : U'0';
    r[r.size() - 1] = byNight ? U'1' : U'0';
}

void ActAlways(int i) { SetActs(i, true, true); }

Screen& StartBoard() {
    OpenBoard();
    return *Ui::Get().Find("frmJeu");
}

Screen& StartBoardAlways(const std::vector<Party>& parties) {
    MakeParties(parties);
    for (int i = 1; i <= CharacterCount(); ++i) ActAlways(i);
    return StartBoard();
}

std::vector<Party> TwoPlayers() { return {{"Ann", {2, 3, 7, 8, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 13}}}; }

std::string DumpedField(const std::string& dump, const std::string& screen, const std::string& control,
                        const std::string& field) {
    size_t at = dump.find("\"" + screen + "\": {\"Form\"");
    if (at == std::string::npos) return "<no screen>";
    at = dump.find("\"" + control + "\": {", at);
    if (at == std::string::npos) return "<no control>";
    const size_t end = dump.find('}', at);
    at = dump.find("\"" + field + "\": ", at);
    if (at == std::string::npos || at > end) return "<no field>";
    at += field.size() + 4;
    size_t stop = at;
    if (dump[at] == '"') {
        for (stop = at + 1; stop < dump.size() && dump[stop] != '"'; ++stop)
            if (dump[stop] == '\\') ++stop;
        ++stop;
    } else if (dump[at] == '[') {
        int depth = 0;
        for (stop = at; stop < dump.size(); ++stop) {
            if (dump[stop] == '[') ++depth;
            if (dump[stop] == ']' && --depth == 0) break;
        }
        ++stop;
    } else {
        stop = dump.find_first_of(",}", at);
    }
    return dump.substr(at, stop - at);
}

std::string DumpedText(const std::string& dump, const std::string& screen, const std::string& control,
                       const std::string& field) {
    std::string raw = DumpedField(dump, screen, control, field);
    if (raw.size() >= 2 && raw.front() == '"') return raw.substr(1, raw.size() - 2);
    return raw;
}
