// A game that goes on: the board's own values read back, and the board drawn from the state
// as the turn that was running left it.
#include "board/BoardResume.h"

#include "board/HandOver.h"

#include <memory>

#include "board/Board.h"
#include "board/FightForecast.h"
#include "board/frmJeu.h"
#include "state/GlobalDecl.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Ui.h"

BoardValues CurrentBoardValues() {
    BoardValues v;
    frmJeu* b = Jeu();
    if (!b) return v;
    v.HourCounter = gb.HourCounter;
    v.DisplayedZone = gb.DisplayedZone;
    for (int i = 0; i <= 16; ++i) {
        v.BlockX[i] = gb.BlockX[i];
        v.BlockY[i] = gb.BlockY[i];
        v.BlockZone[i] = gb.BlockZone[i];
        v.iconsShown[i] = i >= 1 && b->C("Perso1", i).visible;
    }
    for (int k = 1; k <= 4; ++k) v.thumbnails[k] = b->C("Carte", k).drawOps;
    for (size_t k = 0; k < v.panel.size(); ++k) v.panel[k] = b->C(kPanelLabels[k]).caption;
    v.fightPending = FightPending();
    v.informations = Informations();
    return v;
}

void OpenBoardAt(const BoardValues& values) { Ui::Get().Show(std::make_unique<frmJeu>(&values)); }

void frmJeu::Resume(const BoardValues& v) {
    TakeOver();
    SetBoardCaptions(*this);
    gb.HourCounter = v.HourCounter - 1;
    AdvanceClock();
    for (int i = 0; i <= 16; ++i) {
        gb.BlockX[i] = v.BlockX[i];
        gb.BlockY[i] = v.BlockY[i];
        gb.BlockZone[i] = v.BlockZone[i];
    }
    // Showing the current character's icon shows it in the panel too: the panel is drawn
    // again afterwards for the character it showed, at the line its item list showed.
    const int shown = gd.ShownCharacter;
    const int16_t scroll = gd.InventoryScroll;
    // As at a turn's start: the zone's contents first, its thumbnail's frame last.
    gb.DisplayedZone = 0;
    const int zone = v.DisplayedZone != 0 ? v.DisplayedZone : gd.Zone[gd.CurrentCharacter];
    ShowZonePicture(zone);
    // The icons the map showed: those of the zone shown, and the current character's, which a
    // step shows even while the map shows another zone.
    for (int i = 1; i <= CharacterCount(); ++i) {
        if (v.iconsShown[i]) ShowCharacterOnMap(i);
        else HideCharacterIcon(i);
        ShowObstacle(i, zone);
    }
    gb.DisplayedZone = v.DisplayedZone;
    for (int k = 1; k <= 4; ++k) {
        C("Carte", k).drawOps = v.thumbnails[k];
        gb.thumbnails[k] = ThumbnailMarksOf(k, v.thumbnails[k]);
    }
    gd.ShownCharacter = shown;
    RefreshPanel(shown);
    gd.InventoryScroll = scroll;
    ShowItemList(shown);
    for (size_t k = 0; k < v.panel.size(); ++k) C(kPanelLabels[k]).caption = v.panel[k];
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
