#pragma once
// The board's own values of the running game, and opening the board on a game that goes on (a
// loaded one) instead of starting a new one.
#include "state/BoardState.h"

// The values of the open board (a default set when none is open).
BoardState CurrentBoardValues();
// Opens the board on the shared state as it stands, with these values of its own: no
// start-up (nothing is placed, reset or rolled); the map, the thumbnails, the panel, the
// buttons, the clock and the information line are drawn from the game.
void OpenBoardAt(const BoardState& values);
