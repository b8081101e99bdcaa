#pragma once
// The player's own windows. The window handles each key and click of the player's inside a
// PlayerInput; whatever that input opens (a file dialog, a question, the help, the journal, a
// pop-up menu, a message box its action brings) runs its own loop inside that handling. So,
// while a player's input is still being handled, the player has a window of his own open: the
// computer parties wait, never acting behind it nor answering it.
class PlayerInput {
public:
    PlayerInput();
    ~PlayerInput();
    PlayerInput(const PlayerInput&) = delete;
    PlayerInput& operator=(const PlayerInput&) = delete;
};

// Is a player's key or click still being handled (a window of his open)?
bool PlayerWindowOpen();
