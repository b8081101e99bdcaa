#pragma once
// The board's own values as a saved game keeps them, and opening the board on a game that
// goes on (a loaded one) instead of starting a new one.
#include <array>
#include <string>
#include <vector>

#include "ui/Control.h"

struct BoardValues {
    int HourCounter = 13;
    int DisplayedZone = 0;
    std::array<int, 17> BlockX{}, BlockY{}, BlockZone{};
    std::array<bool, 17> iconsShown{};   // the characters whose icons the map shows
    // What each zone's thumbnail (1-4) shows drawn over its picture: the markers and the frame,
    // in the order they were drawn (a marker stays until its thumbnail is drawn again).
    std::array<std::vector<DrawOp>, 5> thumbnails{};
    // The character panel's texts as shown: a value stays as it was drawn until the panel is
    // drawn again (see kPanelLabels).
    std::array<std::string, 13> panel{};
    bool fightPending = false;   // the fight button waits for its press
    std::string informations;    // the information line
};

// The panel's labels, in the order of BoardValues::panel.
inline constexpr const char* kPanelLabels[13] = {"lblNom", "lblNiv", "lblClasse", "lblMvt", "lblAtt", "lblDef",
                                                 "LblAg", "lblPognon", "lblLife", "lblResource", "Inventaire(0)",
                                                 "Inventaire(1)", "Inventaire(2)"};

// The values of the open board (a default set when none is open).
BoardValues CurrentBoardValues();
// Opens the board on the shared state as it stands, with these values of its own: no
// start-up (nothing is placed, reset or rolled), the map, the panel, the buttons, the clock
// and the information line are drawn from the state.
void OpenBoardAt(const BoardValues& values);
