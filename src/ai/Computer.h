#pragma once
// The computer player: on whatever screen is in front during a computer party's turn, the
// next thing a person would do, as one line of the driver's commands (a key, a click on a
// control or the map, a menu entry, or a pause while the game's own timers run). It reads
// what the screens show (the whole board is public) and never the dice to come.
#include <string>

class Screen;

namespace ai {

struct Decision {
    std::string line;     // the command: "press frmJeu.Up", "click ChCmb.StepPix(0)", "wait 250"...
    std::string reason;   // why, in a few words
};

// Does the game wait for a computer party: a board or a screen opened from it is in front,
// and the character whose turn it is belongs to a party played by the computer?
bool ComputerToAct();
// Is a game under way at all (the board open and no end screen)?
bool GameRunning();

// The next action; popup and popupMenu name a pop-up menu waiting for its choice (or null).
Decision Decide(Screen* popup, const std::string& popupMenu);

// Forgets what the computer remembers of the running fight and shopping (a new game).
void ForgetMemory();

}  // namespace ai
