// Item use on the board: the master key after a failed chest, the life items, the potions
// and the three tower door keys.
#include "items/ItemUse.h"

#include <algorithm>

#include "items/Graveyard.h"
#include "rules/BoardInformation.h"
#include "rules/ItemCatalogue.h"
#include "rules/Reach.h"
#include "state/CharacterRecord.h"
#include "state/GameLimits.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/SharedRules.h"

namespace {

int Me() { return gd.CurrentCharacter; }

void RaiseLife(int amount) { rec::WriteLife(Me(), std::min(rec::Life(Me()) + amount, 9)); }

// Removes the first entry of item n.
void UseUp(int n) {
    if (int pos = rec::FindItem(Me(), n)) rec::RemoveItem(Me(), pos);
}

// A failed chest may still be opened with the master key; the key stays.
void MasterKey() {
    struct Chest { int arrival, success, key, count; };
    static const Chest kChests[] = {
        {77, 79, items::kRunicKey, 2}, {80, 81, items::kGoldKey, 1}, {82, 83, items::kShadowKey, 1}};
    const std::string shown = Informations();
    for (const Chest& chest : kChests) {
        if (shown != Msg(chest.arrival) + " " + Msg(78)) continue;
        SetInformations(Msg(chest.arrival) + " " + Msg(chest.success));
        for (int k = 0; k < chest.count; ++k) rec::AddItemBack(Me(), chest.key, 0);
        RefreshPanel(Me());
        return;
    }
}

// The ring has two charges: value 01 becomes 00, anything else removes it.
void MagicRing() {
    RaiseLife(3);
    int pos = rec::FindItem(Me(), items::kMagicRing);
    if (rec::ReadNumber(Me(), pos + 2, 2) == 1)
        rec::SetItemValue(Me(), pos, 0);
    else
        rec::RemoveItem(Me(), pos);
    RefreshPanel(Me());
}

void LifeItem(int n, int amount) {
    RaiseLife(amount);
    UseUp(n);
    RefreshPanel(Me());
}

// An element potion doubles one kind of spell until the end of the turn.
void ElementPotion(int n, int status, int element) {
    UseUp(n);
    gd.Status[Me()] = status;
    SetInformations(Msg(559) + Msg(element) + Msg(564));
    RefreshPanel(Me());
}

void LifePotion() {
    UseUp(items::kLifePotion);
    RefreshPanel(Me());
    OpenGraveyard();
    RefreshPanel(Me());
}

// A potion adds to one of the character's values, up to its limit.
void Potion(int n, int& value, int amount, int most) {
    UseUp(n);
    value = limits::Grown(value, amount, 0, std::max(value, most));
    RefreshPanel(Me());
}

bool OnTowerDoor() { return reach::IsTowerDoor(reach::Standing(Me())); }

// The checks run one after the other, each on the state the previous one left. Only a key
// that moves the door on refreshes the panel; a reminder or an open door changes nothing.
void DoorKey(int n) {
    if (!OnTowerDoor()) return;
    int& state = gd.DoorState[rec::Owner(Me())];
    const int before = state;
    if (n == items::kShadowKey || n == items::kGoldKey) {
        const int opened = n == items::kShadowKey ? 5 : 6;
        const int firstKey = n == items::kShadowKey ? 1 : 2;
        if (state == 1) SetInformations(Msg(146));
        if (state == 2) SetInformations(Msg(146));
        if (state == 0) {
            SetInformations(Msg(144));
            state = firstKey;
        }
        if (state == 4) {
            SetInformations(Msg(145));
            state = opened;
        }
    } else {
        if (state == 1) {
            SetInformations(Msg(145));
            state = 5;
        }
        if (state == 2) {
            SetInformations(Msg(145));
            state = 6;
        }
        if (state == 0) {
            SetInformations(Msg(144));
            state = 4;
        }
        if (state == 4) SetInformations(Msg(147));
    }
    if (state != before) RefreshPanel(Me());
}

// The usable items in the order their names are compared with the clicked line.
constexpr int kUsable[] = {
    items::kMasterKey,     items::kMagicRing,     items::kTalisman,        items::kHealingOintment,
    items::kMagicPotion,   items::kLifePotion,    items::kFirePotion,      items::kWaterPotion,
    items::kAirPotion,     items::kEarthPotion,   items::kStrengthPotion,  items::kDefencePotion,
    items::kShadowKey,     items::kGoldKey,       items::kRunicKey,
};

void Use(int n) {
    switch (n) {
        case items::kMasterKey: MasterKey(); break;
        case items::kMagicRing: MagicRing(); break;
        case items::kTalisman: LifeItem(n, 2); break;
        case items::kHealingOintment: LifeItem(n, 2); break;
        case items::kMagicPotion: Potion(n, gd.MagicPoints[Me()], 4, limits::kMostMagic); break;
        case items::kLifePotion: LifePotion(); break;
        case items::kFirePotion: ElementPotion(n, 10, 560); break;
        case items::kWaterPotion: ElementPotion(n, 11, 561); break;
        case items::kAirPotion: ElementPotion(n, 12, 563); break;
        case items::kEarthPotion: ElementPotion(n, 13, 562); break;
        case items::kStrengthPotion: Potion(n, gd.AttackBonus[Me()], 4, limits::kMostBonus); break;
        case items::kDefencePotion: Potion(n, gd.DefenseBonus[Me()], 4, limits::kMostBonus); break;
        case items::kShadowKey:
        case items::kGoldKey:
        case items::kRunicKey: DoorKey(n); break;
        default: break;
    }
}

}  // namespace

void UseItemNamed(const std::string& caption) {
    if (caption.empty()) return;
    for (int n : kUsable) {
        if (caption != items::ItemName(n)) continue;
        // The line names an item of the list; a stale caption of an item no longer held does nothing.
        if (!rec::HasItem(Me(), n)) return;
        Use(n);
        return;
    }
}
