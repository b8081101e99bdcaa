#pragma once
// A whole game as a save file holds it, and the file's text.
#include <string>

#include "state/BoardState.h"
#include "state/GameRules.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Random.h"

struct SavedGame {
    GlobalDecl state;           // every shared variable, slot 0 included, the computer parties
    BoardState board;           // the clock, the zone shown, the obstacles, the fight, the information line
    JournalState journal;
    rnd::Position dice;         // where the dice generator stands
};

// The format's version. The versions from the first on are read too: the first kept the dice
// as a seed to replay, and both earlier ones kept the board's screen beside the game (read,
// checked and set aside: the board is drawn again from the game).
constexpr int kSaveVersion = 3;
constexpr int kFirstSaveVersion = 1;
// The file's suffix, without the dot.
constexpr const char* kSaveSuffix = "quelmor";
// The largest file a loader reads (a long game's journal stays far below it).
constexpr long long kLargestSave = 16LL * 1024 * 1024;

// The board's values that the game's rules check.
BoardNumbers NumbersOf(const BoardState& board);

// The running game (the board is open).
SavedGame CaptureGame();
// Makes the saved game the running one: the state, the board's values, the journal and the
// dice, then the board opens on it in the saved language, drawn from the game.
void ResumeGame(SavedGame game);

// The file's text: JSON, one value a line where it helps reading (see docs/save-format.md).
std::string SaveFileText(const SavedGame& game);
// Reads and checks a file's text. On any fault, false with why (a sentence in the game's
// language naming the fault); out is then left as it was.
bool ReadSaveText(const std::string& text, SavedGame& out, std::string& why);
