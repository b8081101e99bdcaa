#include "save/SaveName.h"

#include <string_view>

#include "rules/BoardInformation.h"
#include "save/SaveTexts.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"

namespace {

// A player's name as part of a file name: every byte that a desktop's file system or a shell
// reading the name would take for something else becomes "_" (UTF-8 letters stay whole).
std::string Safe(const std::string& name) {
    std::string out;
    for (unsigned char ch : name) {
        const bool unsafe = ch < 0x20 || ch == 0x7F || std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos;
        out.push_back(unsafe ? '_' : static_cast<char>(ch));
    }
    const size_t first = out.find_first_not_of(' '), last = out.find_last_not_of(' ');
    return first == std::string::npos ? "" : out.substr(first, last - first + 1);
}

}  // namespace

std::string SaveNameFrom(const std::vector<std::string>& players, int day, const std::string& dayWord) {
    std::string names;
    for (const std::string& p : players) {
        const std::string safe = Safe(p);
        if (!safe.empty()) names += (names.empty() ? "" : "-") + safe;
    }
    if (names.empty()) names = "Quelmor";
    if (names.front() == '.') names.front() = '_';  // not a hidden file
    return names + dayWord + std::to_string(day);
}

std::string SuggestedSaveName() {
    std::vector<std::string> players;
    for (int p = 1; p <= gd.PlayerCount; ++p)
        for (int c = 1; c <= CharacterCount(); ++c)
            if (rec::PlayerNumber(c) == p) {
                players.push_back(rec::ReadName(c, rec::Name::Player));
                break;
            }
    return SaveNameFrom(players, CurrentBoardView() ? DayNumber(gb.HourCounter) : 1, Say(SaveText::DayInName));
}
