// The market: five sellers, their menus, the offer and the purchase.
#include "items/Shop.h"
#include "items/ShopCommon.h"
#include "items/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "ui/Screen.h"

namespace shop {

namespace {

constexpr int kSellerRowTop = 96, kSellerRowBottom = 128, kSellerWidth = 32;
constexpr int kCounterTop = 160;
constexpr int kLeaveBelow = 256;

// The seller's menu: one entry per item name up to the first "--", then "Quitter" after a gap.
void ShowSellerMenu(Screen& combat) {
    ShopState& st = CurrentShop();
    HideEntries(combat, 1, st.menuCount);
    st.menuCount = 0;
    for (int p = 0; p <= 19; ++p) {
        std::string name = Msg(300 + 20 * (st.seller - 1) + p);
        if (name == "--") break;
        Control& entry = combat.C("Item", st.menuCount);
        entry.caption = name;
        entry.visible = true;
        ++st.menuCount;
    }
    ++st.menuCount;
    Control& quit = combat.C("Item", st.menuCount);
    quit.caption = Msg(405);
    quit.visible = true;
    PopupMenu(combat);
}

// A refusal at the counter: the seller's answer, and the buyer walks back.
void Refuse(Screen& combat, int message) {
    combat.C("Message").caption = Msg(message);
    ReturnToEntrance(combat);
}

}  // namespace

void MarketLoad(Screen& combat) {
    combat.caption = Msg(404);
    combat.picture = "marche.bmp";
    ShowMessage(combat, Msg(400));
}

bool MarketPlacePoint(int place, int& x, int& y) {
    if (place == 0) {
        x = kEntranceLeft + 16;
        y = kLeaveBelow + 16;
        return true;
    }
    if (place < 1 || place > 5) return false;
    x = 64 * place + kSellerWidth / 2;
    y = (kSellerRowTop + kSellerRowBottom) / 2;
    return true;
}

void MarketMouseDown(Screen& combat, int x, int y) {
    if (y > kLeaveBelow) {
        Leave(combat);
        return;
    }
    if (y < kSellerRowTop || y > kSellerRowBottom) return;
    for (int s = 1; s <= 5; ++s) {
        if (x > 64 * s && x < 64 * s + kSellerWidth) {
            CurrentShop().seller = s;
            combat.C("Message").visible = false;
            combat.C("Fond").visible = false;
            combat.StartTimer(combat.C("Regul"), kWalkInterval);
            return;
        }
    }
}

void MarketTimer(Screen& combat) {
    Control& perso = combat.C("Perso");
    if (perso.top > kCounterTop) {
        perso.top -= 32;
        return;
    }
    int target = 64 * CurrentShop().seller;
    if (perso.left < target) perso.left += 32;
    else if (perso.left > target) perso.left -= 32;
    if (perso.left != target) return;
    combat.C("Regul").enabled = false;
    ShowMessage(combat, Greeting());
    ShowSellerMenu(combat);
}

void MarketItemClick(Screen& combat, int index) {
    ShopState& st = CurrentShop();
    if (index == st.menuCount) {
        ReturnToEntrance(combat);
        ShowMessage(combat, Msg(400));
        return;
    }
    const items::CatalogueItem* item = items::SellerItem(st.seller, index);
    if (!item) return;
    if (item->stock == items::Stock::OutOfStock) {  // seller 3's first sceptres and the teddy bear
        Refuse(combat, 19);
        return;
    }
    if (int refusal = items::RefusalMessage(item->number, rec::ClassNumber(gd.CurrentCharacter))) {
        Refuse(combat, refusal);  // the lion and liliputian armours
        return;
    }
    if (item->stock != items::Stock::ForSale) return;  // forged items are only shown
    OfferItem(combat, PadDigits(item->number, 2) + PadDigits(item->value, 2), item->price, item->groupFirst,
              item->groupLast);
}

}  // namespace shop

void OfferItem(Screen& combat, const std::string& entry, long price, int groupFirst, int groupLast) {
    ShopState& st = CurrentShop();
    st.offeredEntry = entry;
    st.offeredPrice = price;
    st.groupFirst = groupFirst;
    st.groupLast = groupLast;
    combat.C("Message").caption = Msg(20) + " " + DigitText(price) + " " + Msg(8);
    Control& list = combat.C("List1");
    list.items = {Msg(21), Msg(22)};
    list.listIndex = -1;
    list.visible = true;
}

void ShopListClick(Screen& combat) {
    Control& list = combat.C("List1");
    list.visible = false;
    if (list.listIndex == 0) Oui_Click(combat);
    else Non_Click(combat);
}

void Non_Click(Screen& combat) {
    combat.C("List1").items.clear();
    combat.C("Message").caption = shop::Greeting();
    shop::PopupMenu(combat);
}

void Oui_Click(Screen& combat) {
    ShopState& st = CurrentShop();
    int c = gd.CurrentCharacter;
    combat.C("List1").items.clear();
    long gold = rec::Gold(c);
    if (gold < st.offeredPrice) {
        combat.C("Message").caption = Msg(23);
        ReturnToEntrance(combat);
        return;
    }
    rec::WriteGold(c, gold - st.offeredPrice);
    if (st.groupLast != 0) DiscardItemGroup(st.groupFirst, st.groupLast);
    rec::InsertItemTextFront(c, FromUtf8(st.offeredEntry));
    combat.C("Message").caption = shop::Greeting();
    shop::PopupMenu(combat);
}

void DiscardItemGroup(int first, int last) {
    int c = gd.CurrentCharacter;
    for (int n = first; n <= last; ++n)
        while (int pos = rec::FindItem(c, n)) rec::RemoveItem(c, pos);
}
