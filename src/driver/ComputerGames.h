#pragma once
// Whole games played by computer parties and random-play parties, from a seed, through the
// driver: the tournament runner and the tests use them.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Screen;

struct ComputerGameOptions {
    uint64_t seed = 1;
    int players = 2;
    std::vector<bool> computer;      // per player (index 0 = player 1): the computer, else random play
    std::vector<int> levels;         // per player: the computer's level (computer_level), hard if absent
    long long maxActions = 200000;   // the game is left unfinished after this many actions
    bool checkRules = false;         // the random-play tester's checks after every action
    bool verbose = false;            // print each decision with its reason
    // Called before each of the computer's decisions with the pop-up in front (or null): the
    // bench times decisions in other situations there. It must leave the game as it found it.
    std::function<void(Screen* popup)> beforeDecision;
    // Where the game's record is written, from the title screen on ("" = none).
    std::string recordPath;
};

struct ComputerGameResult {
    int winner = 0;              // player who won the tower, 0 when unfinished
    long long actions = 0;
    long long characterTurns = 0;
    std::string failure;         // a broken rule or a refused command, "" when none
    // Where each party stood when the game stopped: door, floor, living characters, best values.
    std::string standing;
    // Milliseconds the computer took for each of its decisions.
    std::vector<float> decisionMs;
    // The driver's dump of the game as it stands at the end (the dump's own keys for what the
    // screens asked of the platform left out).
    std::string finalState;
    // Per player (index 0 = player 1), the class numbers of the party's characters.
    std::vector<std::vector<int>> classes;
    // Per level (index computer_level's, 0 unused): the decisions taken at the level, and the
    // mistakes made there.
    struct LevelCount {
        long long decisions = 0, lapses = 0, weakFights = 0;
    };
    LevelCount levels[4];
};

ComputerGameResult RunComputerGame(const ComputerGameOptions& options);
