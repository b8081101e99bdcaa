#pragma once
// A whole game as a save file holds it, and the file's text.
#include <string>

#include "board/BoardResume.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Random.h"

struct SavedGame {
    GlobalDecl state;           // every shared variable, slot 0 included
    BoardValues board;          // the board's own values, the fight button, the information line
    JournalState journal;
    rnd::Position dice;         // where the dice generator stands
};

// The format's version; a file of another version is refused, but for the first, which is
// still read (its dice are replayed from their seed).
constexpr int kSaveVersion = 2;
constexpr int kFirstSaveVersion = 1;
// The file's suffix, without the dot.
constexpr const char* kSaveSuffix = "quelmor";
// The largest file a loader reads (a long game's journal stays far below it).
constexpr long long kLargestSave = 16LL * 1024 * 1024;

// The running game (the board is open).
SavedGame CaptureGame();
// Makes the saved game the running one: the state, the journal and the dice, then the board
// opens on it in the saved language.
void ResumeGame(SavedGame game);

// The file's text: JSON, one value a line where it helps reading (see docs/save-format.md).
std::string SaveFileText(const SavedGame& game);
// Reads and checks a file's text. On any fault, false with why (a sentence in the game's
// language naming the fault); out is then left as it was.
bool ReadSaveText(const std::string& text, SavedGame& out, std::string& why);
