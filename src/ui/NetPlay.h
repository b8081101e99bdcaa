#pragma once
// What the screens ask of network play, which lives above them (the window's sessions): the
// title's "Join a network game...", the board's "Host a network game...", the state of a game
// hosted or joined and the way out of it. The program sets the hooks at start, before the
// title opens; with none set (the tests, the driver) no entry or dialog of network play exists.
#include <functional>
#include <string>

constexpr int kNetDefaultPort = 28657;

// The title's Join dialog, as the player filled it in.
struct NetJoinAsk {
    std::string address = "127.0.0.1";
    int port = kNetDefaultPort;
    std::string code;
    std::string name;
};

// seat[p] for the game's parties p = 1..4: how party p is played.
enum class NetSeat { Here = 0, Remote = 1, Computer = 2 };

// The board's Host dialog, as the player filled it in.
struct NetHostAsk {
    int port = kNetDefaultPort;
    std::string code;
    NetSeat seat[5] = {};
};

struct NetPlayHooks {
    std::function<void(const NetJoinAsk&)> join;        // the title's Join dialog was accepted
    std::function<void(const NetHostAsk&)> host;        // the board's Host dialog was accepted
    std::function<std::string()> newCode;               // a fresh join code to show
    std::function<bool()> hosting;                      // this machine hosts the game on the board
    std::function<bool()> joined;                       // this machine follows a host's game
    std::function<void()> stop;                         // stop hosting / leave the network game
    std::function<int()> awayParty;                     // a remote party whose machine is away (0: none)
    std::function<void(int)> handToComputer;            // hand that party to the computer until its machine returns
};

void SetNetPlayHooks(NetPlayHooks hooks);
const NetPlayHooks& NetPlay();

// The hooks' answers, false or 0 where a hook is not set.
bool NetHosting();
bool NetJoined();
int NetAwayParty();
// A fresh code from the hook, "" without one.
std::string NetNewCode();

// The players' names are 1 to 10 characters, as the set-up cuts them.
constexpr int kNetLongestName = 10;

// A port typed in a dialog: digits alone (blanks around them allowed), 1 to 65535.
bool ReadNetPort(const std::string& text, int& port);
// The text without its blanks at both ends.
std::string TrimBlanks(const std::string& text);
// Characters (code points, not bytes) of a UTF-8 text.
int CharacterLength(const std::string& text);
