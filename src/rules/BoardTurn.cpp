#include "rules/BoardTurn.h"

#include <cstdint>

#include "rules/BoardMap.h"
#include "rules/BoardView.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "state/SharedRules.h"
#include "state/Status.h"

int RollDice(int count, int bonus) {
    int sum = bonus;
    for (int i = 0; i < count; ++i) sum += rnd::D6();
    return static_cast<int16_t>(sum);
}

void SetMovesLeft(int n) {
    gd.MovesLeft = n;
    if (BoardView* view = CurrentBoardView()) view->DrawMovesLeft();
}

void EnableEndTurn() {
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
}

void DeadlyDead() {
    const int c = gd.CurrentCharacter;
    if (rec::ClassNumber(c) == classes::kCavalierNoir) return;  // the Cavalier Noir cannot die
    gd.Status[c] = status::kDead;
    TakeOffTheMap(c);
}

void TakeOffTheMap(int c) {
    HideCharacterIcon(c);
    SetMovesLeft(0);
    gd.EndTurnAvailable = true;
    gd.CapacityAvailable = false;
    gd.MagicAvailable = false;
    RefreshActionButtons();
}

void SetBoardVisible(bool visible) {
    if (BoardView* view = CurrentBoardView()) view->DrawBoardShown(visible);
}
