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

// The seller's menu: one entry per item name up to the first "--", then "Quitter" after a gap.
void ShowSellerMenu(Screen& combat, ShopState& st) {
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
void Refuse(Screen& combat, const ShopState& st, int message) {
    combat.C("Message").caption = Msg(message);
    ReturnToEntrance(combat, st);
}

}  // namespace

// Seller s stands behind the counter at left 64 s.
const Spot kSellers[5] = {{64, 96, 96, 128}, {128, 160, 96, 128}, {192, 224, 96, 128}, {256, 288, 96, 128},
                          {320, 352, 96, 128}};

void MarketTimer(Screen& combat, ShopState& st) {
    Control& perso = combat.C("Perso");
    if (perso.top > kCounterTop) {
        perso.top -= 32;
        return;
    }
    int target = 64 * st.seller;
    if (perso.left < target) perso.left += 32;
    else if (perso.left > target) perso.left -= 32;
    if (perso.left != target) return;
    combat.C("Regul").enabled = false;
    ShowMessage(combat, Greeting());
    ShowSellerMenu(combat, st);
}

void MarketItemClick(Screen& combat, ShopState& st, int index) {
    if (index == st.menuCount) {
        ReturnToEntrance(combat, st);
        ShowMessage(combat, Msg(400));
        return;
    }
    const items::CatalogueItem* item = items::SellerItem(st.seller, index);
    if (!item) return;
    if (item->stock == items::Stock::OutOfStock) {  // seller 3's first sceptres and the teddy bear
        Refuse(combat, st, 19);
        return;
    }
    if (int refusal = items::RefusalMessage(item->number, rec::ClassNumber(gd.CurrentCharacter))) {
        Refuse(combat, st, refusal);  // the lion and liliputian armours
        return;
    }
    if (item->stock != items::Stock::ForSale) return;  // forged items are only shown
    OfferItem(combat, st, PadDigits(item->number, 2) + PadDigits(item->value, 2), item->price, item->groupFirst,
              item->groupLast);
}

}  // namespace shop

void OfferItem(Screen& combat, ShopState& st, const std::string& entry, long price, int groupFirst,
               int groupLast) {
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

void ShopListClick(Screen& combat, ShopState& st) {
    Control& list = combat.C("List1");
    list.visible = false;
    if (list.listIndex == 0) Oui_Click(combat, st);
    else Non_Click(combat);
}

void Non_Click(Screen& combat) {
    combat.C("List1").items.clear();
    combat.C("Message").caption = shop::Greeting();
    shop::PopupMenu(combat);
}

void Oui_Click(Screen& combat, ShopState& st) {
    int c = gd.CurrentCharacter;
    combat.C("List1").items.clear();
    long gold = rec::Gold(c);
    if (gold < st.offeredPrice) {
        combat.C("Message").caption = Msg(23);
        ReturnToEntrance(combat, st);
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
