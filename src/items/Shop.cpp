// What the market and the forge share: the mode dispatch, the entrance, leaving.
#include "items/Shop.h"

#include "board/Board.h"
#include "items/ShopCommon.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Random.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

ShopState& CurrentShop() {
    static ShopState state;
    return state;
}

namespace shop {

void ShowMessage(Screen& combat, const std::string& text) {
    combat.C("Message").caption = text;
    combat.C("Message").visible = true;
    combat.C("Fond").visible = true;
}

std::string Greeting() { return Msg(401 + rnd::Below(3)); }

void PopupMenu(Screen& combat) { Ui::Get().Popup(combat, "MNU_Item", 150, 50); }

void HideEntries(Screen& combat, int from, int to) {
    for (int i = from; i <= to && i <= kLastMenuEntry; ++i) combat.C("Item", i).visible = false;
}

void Leave(Screen& combat) {
    Ui::Get().Close(combat);
    SetBoardVisible(true);
    gd.CombatMode = combat_mode::kFight;
}

// The steps both shops take when the screen opens: the icon at the entrance, the first
// message, the menu emptied, the music.
static void OpenShop(Screen& combat, const std::string& music) {
    CurrentShop() = ShopState{};
    Control& perso = combat.C("Perso");
    perso.picture = classes::IconFile(rec::ClassNumber(gd.CurrentCharacter));
    perso.left = kEntranceLeft;
    perso.top = kEntranceTop;
    perso.visible = true;
    combat.C("List1").items.clear();
    combat.C("List1").visible = false;
    HideEntries(combat, 1, kLastMenuEntry);
    combat.Music().SetFileName(music);
    combat.Music().Command("open");
    combat.Music().Command("play");
}

}  // namespace shop

void ShopLoad(Screen& combat) {
    if (gd.CombatMode == combat_mode::kMarket) {
        shop::MarketLoad(combat);
        shop::OpenShop(combat, "marche.mid");
    } else if (gd.CombatMode == combat_mode::kForge) {
        shop::ForgeLoad(combat);
        shop::OpenShop(combat, "forge.mid");
    }
}

void ShopMouseDown(Screen& combat, int x, int y) {
    if (gd.CombatMode == combat_mode::kMarket) shop::MarketMouseDown(combat, x, y);
    else if (gd.CombatMode == combat_mode::kForge) shop::ForgeMouseDown(combat, x, y);
}

bool ShopPlacePoint(int place, int& x, int& y) {
    if (gd.CombatMode == combat_mode::kMarket) return shop::MarketPlacePoint(place, x, y);
    if (gd.CombatMode == combat_mode::kForge) return shop::ForgePlacePoint(place, x, y);
    return false;
}

void ShopTimer(Screen& combat) {
    if (gd.CombatMode == combat_mode::kMarket) shop::MarketTimer(combat);
    else if (gd.CombatMode == combat_mode::kForge) shop::ForgeTimer(combat);
}

void ShopItemClick(Screen& combat, int index) {
    if (gd.CombatMode == combat_mode::kMarket) shop::MarketItemClick(combat, index);
    else if (gd.CombatMode == combat_mode::kForge) shop::ForgeItemClick(combat, index);
}

void ReturnToEntrance(Screen& combat) {
    combat.C("Perso").left = shop::kEntranceLeft;
    combat.C("Perso").top = shop::kEntranceTop;
    shop::HideEntries(combat, 1, CurrentShop().menuCount);
}
