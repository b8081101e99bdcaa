// What the market and the forge share: the table of the two shops, the entrance, the clicks on
// the picture, leaving.
#include "items/Shop.h"

#include "items/ShopCommon.h"
#include "rules/BoardInformation.h"
#include "rules/BoardTurn.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Messages.h"
#include "state/Random.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace shop {

namespace {

constexpr Mode kModes[] = {
    {combat_mode::kMarket, 404, "marche.bmp", "marche.mid", 400, kSellers, 5, true, MarketTimer, MarketItemClick},
    {combat_mode::kForge, 24, "forge.bmp", "forge.mid", 25, kAnvil, 1, false, ForgeTimer, ForgeItemClick},
};

}  // namespace

const Mode* FindMode(int combatMode) {
    for (const Mode& m : kModes)
        if (m.combatMode == combatMode) return &m;
    return nullptr;
}

void ShowMessage(Screen& combat, const std::string& text) {
    combat.C("Message").caption = text;
    combat.C("Message").visible = true;
    combat.C("Fond").visible = true;
}

std::string Greeting() { return Msg(401 + rnd::Below(3)); }

void PopupMenu(Screen& combat) {
    // The menu waits for the player's choice: the journal keeps the message shown above it first.
    const Control& message = combat.C("Message");
    JournalMoment now;
    if (BoardMoment(now)) JournalRecord(message.visible ? message.caption : "", now, JournalLine::Fight);
    Ui::Get().Popup(combat, "MNU_Item", 150, 50);
}

void ShowOfferName(Screen& combat, const std::string& name) {
    Control& label = combat.C("lblOffre");
    label.caption = name;
    label.visible = true;
}

void HideOfferName(Screen& combat) { combat.C("lblOffre").visible = false; }

void HideEntries(Screen& combat, int from, int to) {
    for (int i = from; i <= to && i <= kLastMenuEntry; ++i) combat.C("Item", i).visible = false;
}

void Leave(Screen& combat) {
    Ui::Get().Close(combat);
    SetBoardVisible(true);
    gd.CombatMode = combat_mode::kFight;
}

}  // namespace shop

void ShopState::Reset(const shop::Mode* opened) {
    mode = opened;
    seller = 0;
    menuCount = 0;
    offeredEntry.clear();
    offeredPrice = 0;
    groupFirst = groupLast = 0;
}

bool IsShopMode(int combatMode) { return shop::FindMode(combatMode) != nullptr; }

// The screen's caption, picture and first message, the icon at the entrance, the menu emptied,
// the music.
void ShopLoad(Screen& combat, ShopState& st, int combatMode) {
    const shop::Mode* m = shop::FindMode(combatMode);
    if (!m) return;
    combat.caption = Msg(m->caption);
    combat.picture = m->picture;
    shop::ShowMessage(combat, Msg(m->welcome));
    st.Reset(m);
    Control& perso = combat.C("Perso");
    perso.picture = classes::IconFile(rec::ClassNumber(gd.CurrentCharacter));
    perso.left = shop::kEntranceLeft;
    perso.top = shop::kEntranceTop;
    perso.visible = true;
    combat.C("List1").items.clear();
    combat.C("List1").visible = false;
    shop::HideOfferName(combat);
    shop::HideEntries(combat, 1, shop::kLastMenuEntry);
    combat.Music().SetFileName(m->music);
    combat.Music().Command("open");
    combat.Music().Command("play");
}

// Below the counter is the way out; a click on a place walks there.
void ShopMouseDown(Screen& combat, ShopState& st, int x, int y) {
    if (!st.mode) return;
    if (y > shop::kLeaveBelow) {
        shop::Leave(combat);
        return;
    }
    for (int place = 1; place <= st.mode->spotCount; ++place) {
        const shop::Spot& spot = st.mode->spots[place - 1];
        if (y < spot.top || y > spot.bottom || x <= spot.left || x >= spot.right) continue;
        if (st.mode->spotIsSeller) st.seller = place;
        combat.C("Message").visible = false;
        combat.C("Fond").visible = false;
        combat.StartTimer(combat.C("Regul"), shop::kWalkInterval);
        return;
    }
}

bool ShopPlacePoint(const ShopState& st, int place, int& x, int& y) {
    if (!st.mode) return false;
    if (place == 0) {
        x = shop::kEntranceLeft + 16;
        y = shop::kLeaveBelow + 16;
        return true;
    }
    if (place < 1 || place > st.mode->spotCount) return false;
    const shop::Spot& spot = st.mode->spots[place - 1];
    x = (spot.left + spot.right) / 2;
    y = (spot.top + spot.bottom) / 2;
    return true;
}

void ShopTimer(Screen& combat, ShopState& st) {
    if (st.mode) st.mode->walk(combat, st);
}

void ShopItemClick(Screen& combat, ShopState& st, int index) {
    if (st.mode) st.mode->choose(combat, st, index);
}

void ReturnToEntrance(Screen& combat, const ShopState& st) {
    combat.C("Perso").left = shop::kEntranceLeft;
    combat.C("Perso").top = shop::kEntranceTop;
    shop::HideEntries(combat, 1, st.menuCount);
}
