// A game that goes on: the board's own values read back, and the board drawn from the state
// as the turn that was running left it.
#include "board/BoardResume.h"

#include <memory>

#include "board/Board.h"
#include "board/frmJeu.h"
#include "state/GlobalDecl.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Ui.h"

BoardValues CurrentBoardValues() {
    BoardValues v;
    frmJeu* b = Jeu();
    if (!b) return v;
    v.HourCounter = b->HourCounter;
    v.DisplayedZone = b->DisplayedZone;
    for (int i = 0; i <= 16; ++i) {
        v.BlockX[i] = b->BlockX[i];
        v.BlockY[i] = b->BlockY[i];
        v.BlockZone[i] = b->BlockZone[i];
    }
    v.fightPending = FightPending();
    v.informations = Informations();
    return v;
}

void OpenBoardAt(const BoardValues& values) { Ui::Get().Show(std::make_unique<frmJeu>(&values)); }

void frmJeu::Resume(const BoardValues& v) {
    SetPanelView(this);
    SetBoardCaptions(*this);
    HourCounter = v.HourCounter - 1;
    AdvanceClock();
    for (int i = 0; i <= 16; ++i) {
        BlockX[i] = v.BlockX[i];
        BlockY[i] = v.BlockY[i];
        BlockZone[i] = v.BlockZone[i];
    }
    // Showing the current character's icon shows it in the panel too: the panel is drawn
    // again afterwards for the character it showed, at the line its item list showed.
    const int shown = gd.ShownCharacter;
    const int16_t scroll = gd.InventoryScroll;
    DisplayedZone = v.DisplayedZone;
    const int zone = DisplayedZone != 0 ? DisplayedZone : gd.Zone[gd.CurrentCharacter];
    ShowZonePicture(zone);
    for (int i = 1; i <= 16; ++i) {
        if (i <= CharacterCount() && gd.Zone[i] == zone && gd.Status[i] != status::kDead) ShowCharacterOnMap(i);
        else HideCharacterIcon(i);
        ShowObstacle(i, zone);
    }
    RefreshThumbnails(0);
    gd.ShownCharacter = shown;
    RefreshPanel(shown);
    gd.InventoryScroll = scroll;
    ShowItemList(shown);
    RefreshActionButtons();
    Control& fight = C("BattleNow");
    fight.visible = fight.enabled = v.fightPending;
    if (v.fightPending) fight.picture = "combat1.bmp";
    C("Informations").caption = v.informations;
}
