#pragma once
// The player's commands for saved games: saving from the board (Ctrl+S, the save button),
// loading from the title screen (Ctrl+O, File > Load a game...), and the question asked when
// the board is closed. The driver's `save FILE` and `load FILE` run the same commands, the
// file dialog answering with FILE.
class Screen;

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

// The entries the board and the title offer (AddSaveEntry, AddLoadEntry, CaptionSaveEntries)
// are in ui/Navigation.h.
