// The character panel's own handlers: choosing the shown character on the map, the
// direction menu, the item list's arrows and the detail pop-ups of the values.
#include "board/Board.h"
#include "board/PanelTexts.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/SharedRules.h"
#include "state/Text.h"
#include "state/Status.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace {

// A click on character k's icon: its panel, and for the current character the direction
// menu at the pointer; a waiting targeted spell takes k as its target instead.
void Perso1_Click(frmJeu& b, const EventArgs& a) {
    const int k = a.index;
    if (k < 1 || k > 16) return;
    if (pending_spell::WaitsForACharacter(gd.PendingSpell)) {
        CompleteSpellOnCharacter(k);
        return;
    }
    RefreshPanel(k);
    if (k == gd.CurrentCharacter) {
        SetMovesLeft(gd.MovesLeft);
        const Control& icon = b.C("Perso1", k);
        Ui::Get().Popup(b, "MNU_Dir", icon.left + a.x, icon.top + a.y);
    }
    gd.ShownCharacter = k;
}

int Shown() {
    if (gd.ShownCharacter == 0) gd.ShownCharacter = gd.CurrentCharacter;
    return gd.ShownCharacter;
}

void ScrollUp_Click() {
    const int c = Shown();
    if (gd.InventoryScroll <= 0) return;
    --gd.InventoryScroll;
    ShowItemList(c);
}

void ScrollDn_Click() {
    const int c = Shown();
    if (rec::ItemCount(c) - gd.InventoryScroll <= 3) return;
    ++gd.InventoryScroll;
    ShowItemList(c);
}

// The controller pop-up: the name of the player who commands the character, on his colour.
void lblNom_Click() {
    const int k = gd.Status[gd.CurrentCharacter] == status::kControlled ? gd.Status[0] : gd.ShownCharacter;
    ShowDetail(Msg(9), rec::PlayerNameField(k), PlayerColor(rec::Owner(k)));
}

}  // namespace

void AddPanelHandlers(frmJeu& board) {
    board.On("Perso1_Click", [&board](const EventArgs& a) { Perso1_Click(board, a); }, "IBSXY");
    board.On("ScrollUp_Click", [](const EventArgs&) { ScrollUp_Click(); });
    board.On("ScrollDn_Click", [](const EventArgs&) { ScrollDn_Click(); });
    board.On("lblNom_Click", [](const EventArgs&) { lblNom_Click(); });
    board.On("lblClasse_Click", [](const EventArgs&) { lblNom_Click(); });
    board.On("Image2_Click", [](const EventArgs&) { ShowDetail(Msg(1).substr(2), AttackDetail(gd.ShownCharacter)); });
    board.On("Image3_Click", [](const EventArgs&) { ShowDetail(Msg(3).substr(2), DefenseDetail(gd.ShownCharacter)); });
    board.On("Image4_Click", [](const EventArgs&) { ShowDetail(Msg(100), AgilityDetail(gd.ShownCharacter)); });
    board.On("Image5_Click", [](const EventArgs&) { ShowDetail(Msg(101), MovementDetail(gd.ShownCharacter)); });
    board.On("Image6_Click", [](const EventArgs&) { ShowDetail(Msg(102), ExperienceDetail(gd.ShownCharacter)); });
    board.On("Image14_Click", [](const EventArgs&) { ShowDetail(Msg(86), LifeDetail(gd.ShownCharacter)); });
}
