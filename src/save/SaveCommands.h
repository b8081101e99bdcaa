#pragma once
// The player's commands for saved games: saving from the board (Ctrl+S, the save button),
// loading from the title screen (Ctrl+O, File > Load a game...), and the question asked when
// the board is closed. The driver's `save FILE` and `load FILE` run the same commands, the
// file dialog answering with FILE.
#include <functional>
#include <string>

class Screen;
struct SavedGame;

// Saves the running game to a file the player names. Refused, with a message saying why,
// unless the board is open and between two actions (no fight, shop, dialog or menu open).
// True when the game was written.
bool RequestSave();
// Loads a game the player names, from the title screen: the board opens on it. A file that
// cannot be loaded is named with its fault, and nothing changes.
void RequestLoad();
// Loads a game the player names from the board's game menu: unless nothing changed since the
// game was saved or loaded, asks whether to save first; then, once a file loads, the board goes
// on with it. Cancelled or refused, the running game goes on untouched.
void RequestLoadOnBoard(Screen& board);
// The board's close box: unless nothing changed since the game was saved or loaded, asks
// whether to save first; closes the board unless the player cancels (or the save fails).
void RequestLeaveBoard(Screen& board);

// The game's record. While one is written, each save and load writes what it came to
// ("saved NAME", "notsaved", "start save TEXT", "notloaded"); while one is replayed, these
// answer instead of the file dialog and no file is touched: save returns false for a save
// not made, else true with the file's name; load false for a game not loaded, else true with
// the game's text.
struct SaveReplay {
    std::function<bool(std::string& name)> save;
    std::function<bool(std::string& text)> load;
};
void SetSaveReplay(SaveReplay replay);
// What a save that was made does besides the file: the notice, the journal, "unchanged".
void MarkSaved(const std::string& name);
// Is the board's game as it was last saved or loaded?
bool UnchangedSinceSave();
// The running game's save text on one line.
std::string GameLine();
// Makes a game the running one (the board opens on it), as it was saved or not.
void ResumeRecordedGame(SavedGame game, bool unchangedSinceSave);

// The entries the board and the title offer (AddSaveEntry, AddLoadEntry, CaptionSaveEntries)
// are in ui/Navigation.h.
