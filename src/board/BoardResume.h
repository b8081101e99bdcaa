#pragma once
// The board's own values as a saved game keeps them, and opening the board on a game that
// goes on (a loaded one) instead of starting a new one.
#include <array>
#include <string>

struct BoardValues {
    int HourCounter = 13;
    int DisplayedZone = 0;
    std::array<int, 17> BlockX{}, BlockY{}, BlockZone{};
    bool fightPending = false;   // the fight button waits for its press
    std::string informations;    // the information line
};

// The values of the open board (a default set when none is open).
BoardValues CurrentBoardValues();
// Opens the board on the shared state as it stands, with these values of its own: no
// start-up (nothing is placed, reset or rolled), the map, the panel, the buttons, the clock
// and the information line are drawn from the state.
void OpenBoardAt(const BoardValues& values);
