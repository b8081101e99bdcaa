#include "driver/Invariants.h"

#include <array>

#include "board/Board.h"
#include "board/frmJeu.h"
#include "state/BoardState.h"
#include "state/GameRules.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "state/Text.h"
#include "ui/Ui.h"

namespace {

// The parts of each record that the game writes only when it creates the record: player
// number, both names, class, movement dice and bonus (1-26), the four class digits (30-33)
// and, at the end, the two day and night flags.
struct Fixed {
    std::u32string head, digits, flags;
    bool operator==(const Fixed&) const = default;
};
std::array<Fixed, kMaxCharacters + 1> gFixed;
bool gKnown = false;

Fixed FixedPart(const std::u32string& r) {
    return Fixed{r.substr(0, 26), r.substr(29, 4), r.substr(r.size() - 2)};
}

}  // namespace

void ResetInvariants() { gKnown = false; }

void StartRun(uint64_t seed) {
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    ResetGlobalDecl();
    ResetBoardState();
    rnd::Reset();
    rnd::FixSeed(seed);
    ResetInvariants();
}

std::string CheckRecords() {
    // The board's own numbers while a board is open (a fight or a dialog may hide it).
    BoardNumbers numbers;
    const frmJeu* b = Jeu();
    if (b) {
        numbers.hourCounter = gb.HourCounter;
        numbers.displayedZone = gb.DisplayedZone;
        for (int i = 0; i <= kMaxCharacters; ++i) {
            numbers.blockX[i] = gb.BlockX[i];
            numbers.blockY[i] = gb.BlockY[i];
            numbers.blockZone[i] = gb.BlockZone[i];
        }
    }
    if (RuleBreak broken = CheckGameRules(gd, b ? &numbers : nullptr)) return broken.detail;
    // The last floor won opens the end screen at once: a game the board goes on with has no winner.
    if (b && !Ui::Get().Find("frmFini"))
        if (RuleBreak broken = CheckGameGoesOn(gd, numbers)) return broken.detail;
    return {};
}

std::string CheckInvariants() {
    if (std::string broken = CheckRecords(); !broken.empty()) return broken;
    if (std::string broken = CheckScreens(); !broken.empty()) return broken;
    // The parts written once stay as the board found them, for the whole game.
    if (!Ui::Get().Find("frmJeu")) {
        gKnown = false;
        return {};
    }
    const int count = CharacterCount();
    if (!gKnown) {
        for (int c = 1; c <= count; ++c) gFixed[c] = FixedPart(gd.CharacterRecords[c]);
        gKnown = true;
        return {};
    }
    for (int c = 1; c <= count; ++c)
        if (!(FixedPart(gd.CharacterRecords[c]) == gFixed[c]))
            return "character " + std::to_string(c) + ": a field written only at creation changed: " + ToUtf8(gd.CharacterRecords[c]);
    return {};
}
