#include "driver/Invariants.h"

#include "state/GlobalDecl.h"
#include "state/Text.h"
#include "ui/Ui.h"

namespace {

bool Digits(const std::u32string& r, size_t from, size_t to) {  // 1-based, inclusive
    for (size_t i = from; i <= to; ++i)
        if (i > r.size() || r[i - 1] < U'0' || r[i - 1] > U'9') return false;
    return true;
}

bool KnownStatus(int s) {
    return (s >= 0 && s <= 7) || (s >= 10 && s <= 13) || s == 15 || (s >= 17 && s <= 29);
}

std::string Where(int c) { return "character " + std::to_string(c) + ": "; }

}  // namespace

std::string CheckInvariants() {
    const int count = CharacterCount();
    for (int c = 1; c <= count; ++c) {
        const std::u32string& r = gd.CharacterRecords[c];
        if (r.size() < 41 || (r.size() - 41) % 4 != 0)
            return Where(c) + "record length " + std::to_string(r.size()) + " is not 41 + 4n";
        if (!Digits(r, 1, 2) || !Digits(r, 13, 14) || !Digits(r, 25, 38) || !Digits(r, 39, r.size()))
            return Where(c) + "a numeric field holds something else than digits: " + ToUtf8(r);
        char32_t day = r[r.size() - 2], night = r[r.size() - 1];
        if ((day != U'0' && day != U'1') || (night != U'0' && night != U'1'))
            return Where(c) + "day and night flags are not 0 or 1";
        for (size_t i = 2; i < 12; ++i)
            if (r[i] < 0x20) return Where(c) + "control character in the player name";
        const std::string& res = gd.Resources[c];
        if (res.size() != 14 || res.find_first_not_of("0123456789") != std::string::npos)
            return Where(c) + "resources are not 14 digits: " + res;
        if (!KnownStatus(gd.Status[c])) return Where(c) + "unknown status " + std::to_string(gd.Status[c]);
        if (gd.Zone[c] < 1 || gd.Zone[c] > 4) return Where(c) + "zone " + std::to_string(gd.Zone[c]);
        if (gd.PosX[c] < 0 || gd.PosX[c] > 21 || gd.PosY[c] < 0 || gd.PosY[c] > 16)
            return Where(c) + "position (" + std::to_string(gd.PosX[c]) + ", " + std::to_string(gd.PosY[c]) +
                   ") is off the grid";
        if (gd.MagicPoints[c] < 0) return Where(c) + "negative magic points";
    }
    if (count > 0 && (gd.CurrentCharacter < 1 || gd.CurrentCharacter > count))
        return "current character " + std::to_string(gd.CurrentCharacter) + " is not in play";
    if (gd.MovesLeft < 0) return "negative movement points";
    for (int p = 1; p <= kMaxPlayers; ++p)
        if (gd.TowerFloor[p] < 0 || gd.TowerFloor[p] > 5) return "tower floor out of range";
    if (Ui::Get().OpenScreens().size() > 6)
        return "a stack of " + std::to_string(Ui::Get().OpenScreens().size()) + " open screens: " +
               [] {
                   std::string names;
                   for (Screen* s : Ui::Get().OpenScreens()) names += s->Name() + " ";
                   return names;
               }();
    return {};
}
