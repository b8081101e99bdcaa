// The computer at the market: the purchase that adds most to attack and defence for the gold
// it has (and the master key while the party still lacks keys); the forge has a file of its own.
#include <string>

#include "ai/Knowledge.h"
#include "ai/Market.h"
#include "ai/Memory.h"
#include "ai/Sayings.h"
#include "ai/Screens.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "ui/Screen.h"

namespace ai {

namespace {

// What buying item it adds, the group it replaces taken off.
double Gain(int c, const items::CatalogueItem& it, const PartyKeys& keys) {
    if (it.number == items::kMasterKey) return keys.master == 0 && (keys.needRunic || keys.needOther) ? 25 : 0;
    if (it.number == items::kStrengthPotion || it.number == items::kDefencePotion) return 4;
    // Armagueddon wins any fight, the tower's floors included: the book that teaches it,
    // the sceptres that cheapen it and the potions that pay for it.
    const int armagueddon = ArmagueddonCost(c);
    if (it.number == items::kEarthBook) return armagueddon < 0 ? 20 : 0;
    if (it.number == items::kCelestialSceptre) return armagueddon > 0 ? 16 : 0;
    if (it.number == items::kMagicPotion) {
        if (armagueddon <= 0) return 0;
        return gd.MagicPoints[c] < armagueddon ? 10 : gd.MagicPoints[c] < 2 * armagueddon ? 3 : 0;
    }
    const bool attack = rec::CountsForAttack(it.number), defense = rec::CountsForDefense(it.number);
    if (!attack && !defense) return 0;
    double lost = 0;
    if (it.groupLast != 0)
        for (int k = 0; k < rec::ItemCount(c); ++k) {
            rec::ItemEntry e = rec::ItemAt(c, k);
            if (e.number >= it.groupFirst && e.number <= it.groupLast) lost += e.value;
        }
    return (it.value - lost) * (attack ? 1.0 : 0.8);
}

}  // namespace

Purchase BestPurchase(int c) {
    Purchase best;
    const long gold = rec::Gold(c);
    const PartyKeys keys = KeysOf(rec::Owner(c));
    const int cls = rec::ClassNumber(c);
    for (int i = 0; i < items::CatalogueSize(); ++i) {
        const items::CatalogueItem& it = items::Catalogue()[i];
        if (it.stock != items::Stock::ForSale || it.price > gold || items::RefusalMessage(it.number, cls) != 0) continue;
        double g = Gain(c, it, keys);
        if (g > best.gain + 1e-9 || (best.item && g > best.gain - 1e-9 && g > 0 && it.price < best.item->price)) {
            best.item = &it;
            best.gain = g;
        }
    }
    if (best.gain < 2) best = Purchase{};
    return best;
}

bool WantsMarketFor(int c) {
    const int cls = rec::ClassNumber(c);
    if (cls == classes::kMonstre || cls == classes::kTroll) return false;
    return BestPurchase(c).item != nullptr;
}

Decision MarketMove(Screen& combat, Screen* popup, const std::string& popupMenu) {
    if (gd.CombatMode == combat_mode::kForge) return ForgeMove(combat, popup, popupMenu);
    Memory& m = Mem();
    const int c = gd.CurrentCharacter;
    if (popup) {
        // The seller's menu: the planned item, else "Quitter".
        return ShopMenuChoice(*popup, popupMenu, [&m](Control& e) -> std::optional<Decision> {
            if (m.wantPosition < 0 || e.index != m.wantPosition || gd.CombatMode != combat_mode::kMarket) return std::nullopt;
            m.wantPosition = -1;
            return Decision{"menu " + e.Key(), "buy " + e.caption};
        }, "nothing more from this seller");
    }
    if (gd.CombatMode != combat_mode::kMarket) return {"click Combat.Form 200 300", "not a shop"};
    Control* list = combat.Find("List1");
    if (list && list->visible && !list->items.empty()) return {"select Combat.List1 0", "yes, I pay"};
    Control* regul = combat.Find("Regul");
    if (regul && regul->enabled) return {"wait 250", "walking to the seller"};
    if (m.purchases >= 3) return {"click Combat.Form 200 300", "done shopping"};
    Purchase p = BestPurchase(c);
    if (!p.item) return {"click Combat.Form 200 300", "nothing worth buying"};
    ++m.purchases;
    m.wantSeller = p.item->seller;
    m.wantPosition = p.item->position;
    return {"click Combat.Form " + std::to_string(64 * p.item->seller + 16) + " 112",
            "go to seller " + std::to_string(p.item->seller) + " for " + items::ItemName(p.item->number),
            Say(Saying::Buy, c, InSentence(items::ItemName(p.item->number)))};
}

Decision ShopMenuChoice(Screen& popup, const std::string& menu,
                        const std::function<std::optional<Decision>(Control&)>& wanted, const std::string& why) {
    Control* quit = nullptr;
    for (Control& e : popup.Controls()) {
        if (e.kind != Kind::Menu || e.parent != menu || !e.visible) continue;
        if (std::optional<Decision> d = wanted(e)) return *d;
        if (e.caption == Msg(405)) quit = &e;
    }
    if (quit) return {"menu " + quit->Key(), why};
    return {"close", "nothing to choose"};
}

}  // namespace ai
