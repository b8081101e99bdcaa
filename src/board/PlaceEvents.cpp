// What happens when a character enters one of the sixteen places of the map.
#include <algorithm>
#include <string>

#include "board/Board.h"
#include "board/EventRules.h"
#include "board/Events.h"
#include "rules/MapTables.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Random.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Navigation.h"

namespace {

int Me() { return gd.CurrentCharacter; }
int Die() { return RollDice(1, 0); }

// Sleep at the inn or the camp: some magic and life back, asleep until seven.
void RestCure() {
    int& magic = gd.MagicPoints[Me()];
    magic = std::min(magic + rnd::Below(10), 10);
    gd.Status[Me()] = status::kAsleep;
    rec::WriteLife(Me(), std::min(rec::Life(Me()) + rnd::Below(3), 9));
    RefreshPanel(Me());
}

void Pay(long price) {
    rec::WriteGold(Me(), rec::Gold(Me()) - price);
    RefreshPanel(Me());
}

void Inn() {
    if (rec::Gold(Me()) < 300) {
        SetInformations(Msg(32));
        return;
    }
    Pay(300);
    SetInformations(Msg(33));
    RestCure();
}

void Camp() {
    if (!rec::HasItem(Me(), items::kTent)) {
        SetInformations(Msg(36));
    } else if (rec::Gold(Me()) < 50) {
        SetInformations(Msg(34));
    } else {
        Pay(50);
        SetInformations(Msg(35));
        RestCure();
    }
}

void Tower() {
    int die = Die();
    if (die >= 5) {
        SetInformations(Msg(37));
        RaiseLifeByOne(Me());
        gd.Status[Me()] = status::kFree;
        RefreshPanel(Me());
    } else if (die <= 3) {
        SetInformations(Msg(38));
        gd.Status[Me()] = status::kLosesNextTurn;
    }
}

void Volcano() {
    int die = Die();
    if (die == 1) {
        SetInformations(Msg(88));
        rec::WriteLife(Me(), 0);
        RefreshPanel(Me());
        DeadlyDead();
    } else if (die <= 4) {
        SetInformations(Msg(89));
    } else {
        SetInformations(Msg(90));
        rec::AddItemBack(Me(), items::kPlushParrot, 0);
        RefreshPanel(Me());
    }
}

// A chest: opened on a six, with its keys appended to the items.
void Chest(int arrival, int success, int key, int keyCount) {
    if (Die() == 6) {
        SetInformations(Msg(arrival) + " " + Msg(success));
        for (int k = 0; k < keyCount; ++k) rec::AddItemBack(Me(), key, 0);
        RefreshPanel(Me());
    } else {
        SetInformations(Msg(arrival) + " " + Msg(78));
    }
}

// The swamp may hypnotise the visitor into giving all it carries to the Monstre.
void Swamp() {
    if (Die() != 1) {
        SetInformations(Msg(84));
        return;
    }
    SetInformations(Msg(85));
    const std::u32string goods = rec::ItemsText(Me());
    for (int c = 1; c <= 3 * gd.PlayerCount && c <= kMaxCharacters; ++c)
        if (rec::ClassNumber(c) == classes::kMonstre) rec::AppendItemsText(c, goods);
    rec::ClearItems(Me());
    RefreshPanel(Me());
}

void Fountain() {
    if (Die() >= 4) {
        SetInformations(Msg(406));
        RaiseLifeByOne(Me());
    }
    gd.Status[Me()] = status::kFree;
    RefreshPanel(Me());
}

// The arena offers a tournament; a chosen level starts the fight at once.
void Arena() {
    gd.EnemyAttack = 0;
    gd.CombatMode = combat_mode::kTournament;
    OpenCombatModal();
    gd.CombatMode = combat_mode::kFight;
    if (gd.EnemyAttack != 0) StartFight();
}

// The market and the forge: the character's icon leaves the map while it is inside.
void Shop(int mode) {
    gd.CombatMode = mode;
    HideCharacterIcon(Me());
    OpenCombatModal();
    gd.CombatMode = combat_mode::kFight;
    ShowCharacterOnMap(Me());
}

void Market() {
    int myClass = rec::ClassNumber(Me());
    if (myClass == 10)
        SetInformations(Msg(30));
    else if (myClass == 14)
        SetInformations(Msg(31));
    else
        Shop(1);
}

void RunPlace(map::Place place) {
    using map::Place;
    switch (place) {
        case Place::Volcano: Volcano(); break;
        case Place::UndergroundChest: Chest(82, 83, items::kShadowKey, 1); break;
        case Place::Swamp: Swamp(); break;
        case Place::Inn: Inn(); break;
        case Place::Tower: Tower(); break;
        case Place::Camp: Camp(); break;
        case Place::ForestChest: Chest(77, 79, items::kRunicKey, 2); break;
        case Place::Fountain: Fountain(); break;
        case Place::TempleChest: Chest(80, 81, items::kGoldKey, 1); break;
        case Place::Arena: Arena(); break;
        case Place::Forge: Shop(2); break;
        case Place::Market: Market(); break;
        case Place::Ruins:
        case Place::None: break;
    }
}

}  // namespace

void PlaceEvents() {
    gd.EndTurnAvailable = false;
    RefreshActionButtons();
    RunPlace(map::PlaceAt(gd.Zone[Me()], gd.PosX[Me()], gd.PosY[Me()]));
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
}
