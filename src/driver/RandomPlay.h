#pragma once
// Random play: complete games from the title screen with random parties and hostile names,
// then random legal and illegal actions on whatever screen is on top, checking the game's
// rules after every action.
#include <cstdint>
#include <string>
#include <vector>

struct RandomPlayResult {
    int games = 0;            // games started
    long long actions = 0;    // actions run in all
    std::string failure;      // "" when every rule held
    long long failedAction = 0;
    std::string lastLine;     // the action that broke the rule
    uint64_t stateHash = 0;   // a hash of every dump, to compare two runs of one seed
    // With timings: the milliseconds of each action, from the moment its line was handed to
    // the driver to the moment the driver asked for the next line (a line that opens a dialog
    // stops counting when the dialog waits for input; the rule checks between lines are left out).
    std::vector<float> timings;
    std::string slowestLine;  // the action that took longest
};

struct RandomPlayOptions {
    uint64_t seed = 1;
    int games = 10;                  // stop after this many games...
    long long actions = 10000;       // ...or this many actions in all
    long long actionsPerGame = 1500; // a game is capped at this many actions
    bool hashDumps = false;          // hash the dump after every action (slower)
    bool verbose = false;            // print every action
    bool timings = false;            // time every action (RandomPlayResult::timings)
    int watchdogSeconds = 10;        // abort when one action runs longer (0: no watchdog)
    bool jumpStarts = true;          // half the games start in a late state (see JumpStarts.h)
};

RandomPlayResult RunRandomPlay(const RandomPlayOptions& options);

// A random name from the hostile set: empty, very long, accents, emoji, right-to-left,
// control characters, digits, blanks around.
std::string HostileName(uint64_t& state);
