// Placeholder until the board lands: keeps the game linkable.
#include "board/Board.h"

#include "state/GlobalDecl.h"
#include "state/Random.h"

void OpenBoard() {}
Screen* Board() { return nullptr; }
void SetInformations(const std::string&) {}
std::string Informations() { return {}; }
int RollDice(int count, int bonus) {
    int sum = bonus;
    for (int i = 0; i < count; ++i) sum += rnd::D6();
    return sum;
}
void DeadlyDead() {}
void ShowCharacterOnMap(int) {}
void HideCharacterIcon(int) {}
bool FightPending() { return false; }
void SetBoardVisible(bool) {}
int DisplayedZone() { return 0; }
void SetMovesLeft(int n) { gd.MovesLeft = n; }
void EnableEndTurn() { gd.EndTurnAvailable = true; }
void PlaceObstacle(int, int, int, int) {}
