// The market: five sellers, their menus, the offer and the purchase.
#include <cctype>

#include "items/Shop.h"
#include "items/ShopCommon.h"
#include "items/ShopNotes.h"
#include "rules/BoardInformation.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "state/Text.h"
#include "ui/Screen.h"

namespace shop {

namespace {

// The notes beside the seller's items (price, value, and the mark of what the buyer cannot
// have or afford), from the buyer's gold now.
void NoteSellerMenu(Screen& combat, const ShopState& st) {
    const int c = gd.CurrentCharacter;
    for (int p = 0; p < st.menuCount - 1; ++p) {
        Control& entry = combat.C("Item", p);
        const EntryNote note = SellerEntryNote(st.seller, p, rec::ClassNumber(c), rec::Gold(c));
        entry.note = note.text;
        entry.noteWarning = note.warning;
    }
}

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
    quit.note.clear();
    quit.noteWarning = false;
    quit.visible = true;
    NoteSellerMenu(combat, st);
    PopupMenu(combat);
}

// The journal's line for a purchase: what was bought and for how much.
std::string PurchaseNote(const std::string& name, long price) {
    const bool english = gd.LanguageOffset == 2000;
    return std::string(english ? "Bought: " : "Achat\u00A0: ") + name + (english ? " for " : " pour ") +
           DigitText(price) + " " + Msg(8) + ".";
}

// A refusal at the counter: the seller's answer, and the buyer walks back.
void Refuse(Screen& combat, const ShopState& st, int message) {
    combat.C("Message").caption = Msg(message);
    ReturnToEntrance(combat, st);
}

// The name of the item an entry holds (its first two digits), "" for an entry without them.
std::string OfferedName(const std::string& entry) {
    if (entry.size() < 2 || !std::isdigit(static_cast<unsigned char>(entry[0])) ||
        !std::isdigit(static_cast<unsigned char>(entry[1])))
        return "";
    return items::ItemName(10 * (entry[0] - '0') + (entry[1] - '0'));
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
    shop::ShowOfferName(combat, shop::OfferedName(entry));
    Control& list = combat.C("List1");
    list.items = {Msg(21), Msg(22)};
    list.listIndex = -1;
    list.visible = true;
}

void ShopListClick(Screen& combat, ShopState& st) {
    Control& list = combat.C("List1");
    list.visible = false;
    shop::HideOfferName(combat);
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
    NoteInJournal(shop::PurchaseNote(shop::OfferedName(st.offeredEntry), st.offeredPrice));
    // The board's panel shows the new gold and items at once; its captions wait for the way out.
    ShowPanelAhead(c);
    combat.C("Message").caption = shop::Greeting();
    shop::NoteSellerMenu(combat, st);  // what the gold left affords
    shop::PopupMenu(combat);
}

void DiscardItemGroup(int first, int last) {
    int c = gd.CurrentCharacter;
    for (int n = first; n <= last; ++n)
        while (int pos = rec::FindItem(c, n)) rec::RemoveItem(c, pos);
}
