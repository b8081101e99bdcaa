// The panel's item lines, gold icon and resources icon: item use, the gold pop-up and the
// resources screen, or the thief's pick while a theft waits.
#include "items/Inventory.h"

#include <string>

#include "items/Capacities.h"
#include "items/ItemUse.h"
#include "items/Resource.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"

namespace {

void InventaireClick(Screen& board, int index) {
    const std::string name = board.C("Inventaire", index).caption;
    if (TheftInProgress()) {
        StealItem(name);
        return;
    }
    if (gd.ShownCharacter != gd.CurrentCharacter) return;
    UseItemNamed(name);
}

void GoldClick() {
    if (TheftInProgress()) {
        StealGold();
        return;
    }
    ShowDetail(Msg(103), NumberText(rec::Gold(gd.ShownCharacter)) + " " + Msg(8));
}

void ResourcesClick() {
    if (TheftInProgress()) {
        StealResources();
        return;
    }
    OpenResources();
}

}  // namespace

void AddItemHandlers(Screen& board) {
    board.On("Inventaire_Click", [&board](const EventArgs& a) { InventaireClick(board, a.index); }, "I");
    board.On("Image7_Click", [](const EventArgs&) { GoldClick(); });
    board.On("Image15_Click", [](const EventArgs&) { ResourcesClick(); });
}
