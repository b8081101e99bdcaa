// The board's buttons and pictures that the items part answers, registered on the board.
#include "items/Capacities.h"
#include "items/Inventory.h"
#include "items/Spells.h"
#include "ui/Navigation.h"

void AddItemHandlersToBoard(Screen& board) {
    AddItemHandlers(board);
    AddCapacityHandlers(board);
    AddSpellHandlers(board);
}
