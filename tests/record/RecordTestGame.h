#pragma once
// The short game the record's tests play: a new two-player game and a few turns of walking,
// waiting and ending turns, the banner's timers running between them; and the game's state as
// the saved game's text, to compare two games.
#include <string>

#include "save/SavedGame.h"

namespace record_test {

constexpr const char* kNewGame = "newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n";
constexpr const char* kPlay =
    "press frmJeu.Up\nwait 300\npress frmJeu.Right\nclick frmJeu.EndTurn\nwait 1200\n"
    "press frmJeu.Down\npress frmJeu.Left\nwait 50\nclick frmJeu.EndTurn\nwait 700\n"
    "press frmJeu.Up\nclick frmJeu.Image1 10 10\nclick frmJeu.EndTurn\nwait 2500\n";

inline std::string Game() { return SaveFileText(CaptureGame()); }

}  // namespace record_test
