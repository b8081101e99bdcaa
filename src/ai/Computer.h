#pragma once
// The computer player: on whatever screen is in front during a computer party's turn, the
// next thing a person would do, as one line of the driver's commands (a key, a click on a
// control or the map, a menu entry, or a pause while the game's own timers run). It reads
// what the screens show (the whole board is public) and never the dice to come.
#include <string>
#include <utility>

class Screen;

namespace ai {

struct Decision {
    Decision() = default;
    Decision(std::string l, std::string r, std::string s = "") : line(std::move(l)), reason(std::move(r)), say(std::move(s)) {}
    std::string line;     // the command: "press frmJeu.Up", "click ChCmb.StepPix(0)", "wait 250"...
    std::string reason;   // why, in a few words
    std::string say;      // for the player, in the game's language: what and why (ai/Sayings.h), or ""
};

// Says a decision's sentence in the window, the first time it comes in a turn: on the board's
// plate and in the journal's asides. Decisions that say nothing change nothing. True when
// the sentence was said now.
bool Tell(const Decision& d);

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
