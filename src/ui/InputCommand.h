#pragma once
// One line of a player's input commands, applied to the open screens: the scripted driver's
// input commands, the computer's decisions and the game's record all go through here, so that
// a click means one thing wherever it comes from. The words are those of the driver
// (ui/CommandLine.h); see docs/record-format.md for the commands only a record writes
// (`down`, `up`, `move`, `dblevent`, `presson`).
#include <string>

#include "ui/CommandLine.h"

class Screen;

// The longest `wait`, in milliseconds: an hour of the game's time.
constexpr int kLongestWait = 3600000;

// A pop-up menu waiting for its choice (its screen and menu), or none.
struct PopupWait {
    Screen* screen = nullptr;
    std::string menu;
    void Clear() {
        screen = nullptr;
        menu.clear();
    }
};

enum class InputCheck {
    // The driver's scripts: a screen, control or argument that does not exist is a fault; an
    // input on a hidden or disabled control does nothing, as in the window.
    Script,
    // The game's record, input from outside: besides, every argument must be there and well
    // formed, screens named, and the control one a player could use then (shown, enabled).
    Record,
    // The computer's decisions: nothing is a fault; false when the line cannot be followed.
    Lenient,
};

// Is this one of the input commands (click, press, menu, wait...)?
bool IsInputCommand(const std::string& command);

// Applies an input command. False when it cannot be followed, with the fault in the driver's
// words (empty for the computer's lines).
bool ApplyInput(const CommandLine& line, PopupWait& popup, InputCheck check, std::string& fault);

// While a replay is watched, the player's input (the driver's script, the computer's lines)
// reaches the replay's own panel alone: the game's screens take the record's input only
// (InputCheck::Record), and time passes on them only as the record says. nullptr: none.
void SetInputOnlyTo(const Screen* panel);
const Screen* InputOnlyTo();
