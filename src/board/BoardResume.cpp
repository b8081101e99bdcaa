// A game that goes on: the board's own values taken back, and the whole board drawn again from
// the game as a turn's start or a step would draw it; nothing of an earlier screen is kept.
#include "state/BoardState.h"
#include "ui/Navigation.h"

#include <memory>

#include "board/Board.h"
#include "board/FightForecast.h"
#include "board/HandOver.h"
#include "board/frmJeu.h"
#include "state/GlobalDecl.h"
#include "state/SharedRules.h"
#include "ui/GameRecord.h"
#include "ui/Ui.h"

void ResumeBoard(const BoardState& values) {
    Ui::Get().Show(std::make_unique<frmJeu>(&values));
    TellGameStarted();
}

void frmJeu::Resume(const BoardState& values) {
    const BoardState v = values;   // the values may be gb's own
    TakeOver();
    SetBoardCaptions(*this);
    gb.HourCounter = v.HourCounter;
    ShowClock(*this);
    gb.DisplayedZone = v.DisplayedZone;
    for (int i = 0; i <= kMaxCharacters; ++i) {
        gb.BlockX[i] = v.BlockX[i];
        gb.BlockY[i] = v.BlockY[i];
        gb.BlockZone[i] = v.BlockZone[i];
    }
    // Showing the current character's icon shows it in the panel too: the panel is drawn
    // again afterwards for the character it showed, at the line its item list showed.
    const int shown = gd.ShownCharacter;
    const int16_t scroll = gd.InventoryScroll;
    // As at a turn's start: the zone shown with its characters and obstacles; then the four
    // thumbnails with every character's marker where it stands, the frame of the zone shown last.
    const int zone = gb.DisplayedZone != 0 ? gb.DisplayedZone : gd.Zone[gd.CurrentCharacter];
    ShowZonePicture(zone);
    for (int i = 1; i <= CharacterCount(); ++i) {
        if (gd.Zone[i] == zone) ShowCharacterOnMap(i);
        else HideCharacterIcon(i);
        ShowObstacle(i, zone);
    }
    RefreshThumbnails(0);
    HighlightThumbnail(gb.DisplayedZone);
    gd.ShownCharacter = shown;
    RefreshPanel(shown);
    gd.InventoryScroll = scroll;
    ShowItemList(shown);
    RefreshActionButtons();
    gb.fightPending = v.fightPending;
    DrawFightButton(v.fightPending ? "combat1.bmp" : "");
    RefreshFightForecast(*this);
    gb.informations = v.informations;
    DrawInformations();
    // A game taken up again says whose turn it is, and the icons stand on their bases.
    ShowTurnBanner();
    RefreshIconBases();
    ExplainBoardButtons(*this);
}
