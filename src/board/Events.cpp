// Placeholder until the events land: a move that ends simply allows the end of the turn.
#include "board/Events.h"

#include "board/Board.h"
#include "state/GlobalDecl.h"

void RoadEvents() {
    if (gd.MovesLeft == 0) EnableEndTurn();
}
void PlaceEvents() { EnableEndTurn(); }
