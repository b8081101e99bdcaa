#pragma once
// How one part of the game opens a screen that another part owns. A part opens the others'
// screens through these calls alone and never includes their screens; each call is defined by
// the part that owns the screen (title and set-up: setup; board and its pop-up: board; fights,
// shops and the mine: combat and items; the end screen, the about box and the help: ending;
// saving and loading: save).
#include <string>

#include "ui/Control.h"

class Screen;
struct BoardState;

// The title screen, freshly loaded (program start, Cancel on set-up, the end of a game).
void OpenTitleScreen();

// The board after set-up (its start-up runs in its Load).
void OpenBoard();
// The board on a game that goes on (a loaded one): nothing is placed, reset or rolled; the map,
// the thumbnails, the panel, the buttons, the clock and the information line are drawn from the
// game and these values of the board's own.
void ResumeBoard(const BoardState& values);
// Every text of the open board in the language now chosen (the game menu changes it mid-game).
void RecaptionOpenBoard(Screen& board);
// Closes the board when it is open.
void CloseBoard();
// The board's small detail pop-up, shown modally with a caption, one line of text and a
// background colour.
void ShowDetail(const std::string& caption, const std::string& text, Rgb back = colors::kButtonFace);

// Hides the board and shows the fight (CombatMode 0) without waiting.
void StartFight();
// The Combat screen as a modal dialog for the current CombatMode (1 to 4); returns when closed.
void OpenCombatModal();
// The mine dialog, modally, for the current character.
void OpenMine();

// The end screen, without waiting (the fifth tower floor was won by CurrentCharacter).
void OpenEndScreen();
// The about box, modally.
void OpenAbout();
// Gives a screen the help key (F1 opens the rules help) and the journal key (F2 opens the
// journal): two menu entries "MNU_AideRegles" and "MNU_AideJournal" carrying the keys, with
// their handlers. They go under the screen's menu `menu` when one is named (the title's "?"
// menu shows them with their keys), otherwise under a pop-up menu "MNU_Aide" that is never
// shown and only holds the keys.
void AddHelpKeys(Screen& screen, const std::string& menu = "");
// Captions the two entries in the current language (for a screen whose language can change
// while it is open, such as the title screen).
void CaptionHelpKeys(Screen& screen);

// The saved-game entries: the board's save button "Sauvegarde" beside the action buttons
// (Ctrl+S), with its close question; the title's "MNU_Load" under File, after New game (Ctrl+O).
void AddSaveEntry(Screen& board);
void AddLoadEntry(Screen& title);
// Their captions in the current language.
void CaptionSaveEntries(Screen& screen);
// The board's game menu "MNU_Jeu" and its button "MenuJeu" (Esc): save, load, language, full
// screen, sound, help, journal and leaving, each showing its key (save: the saved-game part).
void AddGameMenu(Screen& board);
// Its captions in the current language.
void CaptionGameMenu(Screen& board);
