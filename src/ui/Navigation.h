#pragma once
// How one part of the game opens a screen that another part owns. A part opens the others'
// screens through these calls alone and never includes their screens; each call is defined by
// the part that owns the screen (title and set-up: setup; board and its pop-up: board; fights,
// shops and the mine: combat and items; the end screen, the about box and the help: ending;
// saving and loading: save).
#include <memory>
#include <string>

#include "ui/Control.h"

class Screen;
struct BoardState;

// The title screen, freshly loaded (program start, Cancel on set-up, the end of a game).
void OpenTitleScreen();
// The title screen while it is open, nullptr otherwise.
Screen* TitleScreen();

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
// The board while it is open, nullptr otherwise.
Screen* Board();
// The board's small detail pop-up, shown modally with a caption, one line of text and a
// background colour.
void ShowDetail(const std::string& caption, const std::string& text, Rgb back = colors::kButtonFace);

// Hides the board and shows the fight (CombatMode 0) without waiting.
void StartFight();
// The Combat screen as a modal dialog for the current CombatMode (1 to 4); returns when closed.
void OpenCombatModal();
// Is the Combat screen open (a fight, a shop, the arena's entrance, a tower floor) or the
// fight's action panel?
bool CombatOpen();
// The mine dialog, modally, for the current character.
void OpenMine();

// The market and the forge are modes of the Combat screen that the items part runs: the
// screen keeps one of these while it is open and hands it the events of those modes.
class ShopOnCombat {
public:
    virtual ~ShopOnCombat() = default;
    // The screen's Load in a shop mode.
    virtual void Load(int combatMode) = 0;
    // A press on the form's picture at (x, y).
    virtual void MouseDown(int x, int y) = 0;
    // Where a click reaches place k of the shop's picture (1 to 5 the market's sellers, 1 the
    // forge's anvil, 0 the way out); false when the shop has no such place.
    virtual bool PlacePoint(int place, int& x, int& y) const = 0;
    // Regul_Timer (the walk), Item_Click(index) and List1_Click (the yes / no answer).
    virtual void Timer() = 0;
    virtual void ItemClick(int index) = 0;
    virtual void ListClick() = 0;
};
// The shop for the Combat screen `combat`, whose seller value is `seller`.
std::unique_ptr<ShopOnCombat> MakeShopOnCombat(Screen& combat, int& seller);
// Is CombatMode one of the shops?
bool IsShopMode(int combatMode);

// The board's handlers that the items part answers: the item list and the panel's gold and
// resources icons (Inventaire_Click, Image7_Click, Image15_Click), the class capacity
// (Capacity_Click) and the Magic button (Magic_Click).
void AddItemHandlersToBoard(Screen& board);
// A board spell waiting for its target gets one: character t's icon was clicked (Glace
// noire, Armagueddon, Envoutement), or the cell at column, row (from 1) of the displayed
// zone (Bloc: the caster's obstacle goes there).
void CompleteSpellOnCharacter(int t);
void CompleteSpellOnCell(int column, int row);

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
