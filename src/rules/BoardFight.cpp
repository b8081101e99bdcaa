#include "rules/BoardFight.h"

#include <cstdlib>

#include "rules/BoardView.h"
#include "state/BoardState.h"
#include "state/GlobalDecl.h"

namespace {
// The fight button's face while the fight waits.
constexpr const char* kWaiting = "combat1.bmp";
}  // namespace

bool FightPending() { return gb.fightPending; }

void OfferFight() {
    gb.fightPending = true;
    if (BoardView* view = CurrentBoardView()) view->DrawFightButton(kWaiting);
}

void CallOffFight() {
    gb.fightPending = false;
    if (BoardView* view = CurrentBoardView()) view->DrawFightButton("");
}

bool IsWithinReach(int t) {
    const int a = gd.CurrentCharacter;
    if (t == a) return false;
    const int dx = gd.PosX[a] - gd.PosX[t];
    const int dy = gd.PosY[a] - gd.PosY[t];
    if (dy == 0 && (std::abs(dx) == 1 || std::abs(dx) == 2)) return true;
    if (dx == 0 && (std::abs(dy) == 1 || std::abs(dy) == 2)) return true;
    return false;
}
