#pragma once
// The player's inputs as the game's record keeps them. Every input that reaches a screen from
// outside the game's handlers (the outermost call: a key that clicks a button is one input, not
// two; inside a modal dialog or a pop-up menu the player's input is outermost again) becomes one
// line in the scripted driver's words, screen-qualified ("click frmJeu.Image1 96 64 1 0"),
// with before it a `wait` of the game clock's time since the previous line. Nothing is made
// while no sink listens: the screens pay one counter per input.
#include <functional>
#include <string>

class Screen;

namespace input_log {

using Sink = std::function<void(const std::string& line)>;

// Where lines go from now on (nullptr: nowhere). The clock's time so far is not written.
void SetSink(Sink sink);
bool Active();

// A machine that follows another's game (a network game joined) applies none of its player's
// inputs itself: each outermost input of the player's (a key or click being handled, see
// ui/PlayerInput.h) is first given, as its line, to this gate, which answers whether it is
// applied here (the help, the journal) or not (sent to the host, or refused). nullptr: every
// input is applied here.
using PlayerGate = std::function<bool(const std::string& line)>;
void SetPlayerGate(PlayerGate gate);
bool PlayerGateSet();

// A line of its own (a party given to the computer, a save's outcome): written whatever
// handler runs, after the wait up to now.
void Note(const std::string& line);
// Writes the game clock's time since the last line as `wait` lines (each at most the longest
// wait a record holds).
void WriteWait();
// The same between two inputs (none being handled, nothing quiet), once at least minMs have
// passed since the last line: a host keeps the machines that follow its game up to its time,
// where timers run with no input (a fight's pace).
void WriteWaitIfOver(long long minMs);

// One input from outside: constructed at the start of each input call of the screens, its
// line is written only when it is the outermost.
class Input {
public:
    Input();
    ~Input();
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;
    // The outermost input, while a sink listens: its line is to be written.
    bool Outermost() const { return outer_; }
    // Writes the line when the input is the outermost one. False when the player's gate
    // takes the input elsewhere (see SetPlayerGate): the caller then applies nothing.
    bool Write(const std::string& line) const;

private:
    bool outer_;
};

// The game's own work (a timer tick): inputs it makes are not the player's.
class Inside {
public:
    Inside();
    ~Inside();
    Inside(const Inside&) = delete;
    Inside& operator=(const Inside&) = delete;
};

// A modal dialog's or a pop-up's own interaction: the player's inputs there are outermost again.
// A dialog opened by a timer tick first has the wait up to that tick written; one that a tick
// closes has the wait up to its end written before what follows (its opener goes on only then).
class Fresh {
public:
    Fresh();
    ~Fresh();
    Fresh(const Fresh&) = delete;
    Fresh& operator=(const Fresh&) = delete;

private:
    int depth_;
};

// A command whose outcome alone is kept (saving, loading: the file dialog and the questions are
// outside the game): no input inside it is written, dialogs included.
class Quiet {
public:
    Quiet();
    ~Quiet();
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;
};

// A pop-up menu's interaction: when no entry was chosen in it, its dismissal is a `close`.
class PopupChoice {
public:
    PopupChoice();
    ~PopupChoice();
    PopupChoice(const PopupChoice&) = delete;
    PopupChoice& operator=(const PopupChoice&) = delete;
    // The pop-up's wait ended: a dismissal by the player (its screen still open) is written.
    void Finish(bool screenOpen);

private:
    bool outerChosen_;
};
// A menu entry was chosen as the player's input (ends the pop-up's wait for a choice).
void MenuChosen();

// A word of a line: as it is, or in quotes when it has blanks, quotes or nothing in it.
std::string Word(const std::string& text);
// "Screen.Control", the way lines name a control.
std::string Path(const Screen& screen, const std::string& key);

// The game's moments that a record marks: each character's turn handed over, a screen opened or
// closed (the record knows the game's end by them).
void SetHandOverHook(std::function<void()> hook);
void HandOver();
void SetScreenHook(std::function<void(const Screen&, bool opened)> hook);
void ScreenEvent(const Screen& screen, bool opened);

}  // namespace input_log
