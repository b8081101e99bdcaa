#pragma once
// The board's values of the running game: the clock, the zone the big map shows, the
// characters' obstacles, a fight waiting for its button and the information line. The rules
// read and write them here; the board screen only shows them.
#include <array>
#include <string>

#include "state/GlobalDecl.h"

struct BoardState {
    int HourCounter = 0;     // hours since the game began
    int DisplayedZone = 0;   // zone on the big map, 0 while the view is switched
    // Obstacle of character i: its cell and zone, 0 = none.
    std::array<int, kMaxCharacters + 1> BlockX{}, BlockY{}, BlockZone{};
    bool fightPending = false;   // a fight waits for the fight button
    std::string informations;    // the information line
};

// The board's values of the one game of the process (beside gd).
extern BoardState gb;
// Puts them back to their values at program start.
void ResetBoardState();
