#pragma once
// The board screen `frmJeu` and the procedures its handlers share: the turn cycle, the map
// display, movement and the character panel. The board's values live in the board state
// (state/BoardState.h); other parts of the game change them through the rules (rules/Board*.h),
// which tell the open board, registered as their BoardView, what to show.
#include <string>
#include <vector>

#include "board/HandOver.h"
#include "rules/BoardFight.h"
#include "rules/BoardInformation.h"
#include "rules/BoardMap.h"
#include "rules/BoardTurn.h"
#include "rules/BoardView.h"
#include "state/BoardState.h"
#include "state/SharedRules.h"
#include "ui/Screen.h"

// Every turn can be ended: once the current character has nothing left that carries its turn
// on (no step to take, no fight waiting for the fight button, no flight or spell waiting for
// its target), the end of the turn becomes available. The board runs it after every input.
void KeepTurnEndable();

class frmJeu;
void ShowMagicPoints(frmJeu& board);
struct BoardState;

class frmJeu : public Screen, public PanelView, public BoardView {
public:
    // With values, the board goes on with a game (a loaded one) instead of starting one.
    explicit frmJeu(const BoardState* resume = nullptr);
    ~frmJeu() override;
    // Board start-up: placement and values of every character, then the first turn.
    void Load() override;
    void Unload() override;

    // The character panel that the shared procedures fill while the board is open.
    void SetCaption(const std::string& control, const std::string& text) override;
    void SetButton(const std::string& control, bool enabled, const std::string& picture) override;
    void SetPicture(const std::string& control, const std::string& picture) override;
    void SetLiveCaption(const std::string& control, const std::string& text) override;

    // What the board's rules tell it to show (rules/BoardView.h).
    void DrawInformations() override;
    void DrawFightButton(const std::string& picture) override;
    void DrawCharacterIcon(int i) override;
    void DrawIconHidden(int i) override;
    void DrawObstacle(int i, int z) override;
    void DrawThumbnail(int k) override;
    void DrawMovesLeft() override;
    void DrawBoardShown(bool shown) override;
    void DrawNotice(const std::string& text, FightNoticeTone tone) override;

    // How long the hand-over banner stays (presentation only, never read by a rule).
    BannerWatch bannerWatch;

protected:
    // Every turn stays endable, the bases under the icons follow who plays whom, the panel's
    // magic points follow the shown character and the buttons' tips the turn.
    void AfterInput() override;

private:
    // The panel and the board's values are shown here from now on.
    void TakeOver();
    // Draws the board from the shared state and these values of its own (BoardResume.cpp).
    void Resume(const BoardState& values);
    const BoardState* resume_ = nullptr;
};

// The panel's magic points of the shown character, beside the action buttons (ShowMagicPoints
// is declared above the board's class).
void AddMagicPointsLabel(frmJeu& board);

// The captions that come from the catalogue: the value icons' tooltips, the direction menu.
void SetBoardCaptions(frmJeu& board);

// Every text of the board in the language now chosen (the game menu changes it during a game):
// the captions above, the clock, the shown character's class and items, the entries, the tips.
void RecaptionBoard(frmJeu& board);

// The open board, nullptr when none is open.
frmJeu* Jeu();

// Handler registration, one group per file.
void AddTurnHandlers(frmJeu& board);
void AddMovementHandlers(frmJeu& board);
void AddPanelHandlers(frmJeu& board);
void AddMapClickHandlers(frmJeu& board);

// Turn cycle.
// Ends the current character's turn, selects the next one that may play, prepares its turn.
void EndTurn_Click();
// One hour more; the clock label and the sundial follow.
void AdvanceClock();
// MovesLeft := the current character's movement roll, shown in the movement label.
void RollMovement();
// Recomputes the capacity, magic and end-of-turn flags for the current character.
void RefreshTurnFlags();
// Does character c cast spells (by its class or a book of magic it carries)? Does its class
// have a capacity at the start of every turn?
bool CastsSpells(int c);
bool HasTurnCapacity(int c);
// The clock label and the sundial show the board's hour (in the current language).
void ShowClock(frmJeu& board);
// Each action button's tip says what it does and, while it cannot be used, why (in the
// current language); the board runs it after every input.
void ExplainBoardButtons(frmJeu& board);
// Puts character i on the start cell of its class.
void PlaceAtStart(int i);
// Is hour (0-23) a day hour (7 to 19)?
bool IsDayHour(int hour);

// Map display.
// The big map shows the zone of character i.
void LoadZonePicture(int i);
// The big map shows zone z.
void ShowZonePicture(int z);
// The colour of player p: red, blue, green, yellow.
Rgb PlayerColor(int p);
// Shows the icons and obstacles of zone z, hides all others.
void ShowZoneContents(int z);

// Map rules and movement.
// Would the direction command (dx, dy) move the current character now? Nothing moves (the
// rule is reach::Direction, rules/DirectionStep.h).
bool CanStep(int dx, int dy);
// Would any of the four direction commands move it?
bool CanStepAnywhere();
// Moves the current character through the zone exit at (column, row).
void ChangeZone(int column, int row);
// One direction command; true when the character moved. keyRule: the tower door check.
bool MoveDirection(int dx, int dy, bool keyRule);
// The small dialog at the tower door for a character carrying exactly three keys.
void ShowTowerDoorDialog();
