// What happens on the road: the capacity offers while a character still has movement, and
// the event of the cell where its movement runs out.
#include <algorithm>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/Encounter.h"
#include "board/EventRules.h"
#include "board/Events.h"
#include "rules/Enemies.h"
#include "rules/ItemCatalogue.h"
#include "rules/ResourceKinds.h"
#include "rules/RoadMonsters.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "state/Text.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"

namespace {

struct Divisor {
    int d;
    RoadEvent event;
};

// The divisors of each zone in the order they are tried.
const Divisor kPlain[] = {{11, RoadEvent::Diamonds}, {7, RoadEvent::OldWoman},
                          {5, RoadEvent::CollapsedBridge}, {3, RoadEvent::Monsters}};
const Divisor kMountain[] = {{13, RoadEvent::Mercury}, {11, RoadEvent::Spring},
                             {7, RoadEvent::Prospector}, {5, RoadEvent::Avalanche},
                             {3, RoadEvent::Monsters}};
const Divisor kTown[] = {{11, RoadEvent::Mine}, {7, RoadEvent::YoungGirl}, {5, RoadEvent::Crowd},
                         {3, RoadEvent::Monsters}};
const Divisor kForest[] = {{13, RoadEvent::Wood}, {11, RoadEvent::Spring}, {7, RoadEvent::Hermit},
                           {5, RoadEvent::FallenTree}, {3, RoadEvent::Monsters}};

template <size_t N>
RoadEvent FirstDivisor(const Divisor (&list)[N], int s) {
    for (const Divisor& entry : list)
        if (s % entry.d == 0) return entry.event;
    return RoadEvent::None;
}

int Die() { return RollDice(1, 0); }

bool IconVisible(int i) {
    Screen* board = Board();
    return board && board->Shown(board->C("Perso1", i));
}

bool AlwaysHasCapacity(int classNumber) {
    return classNumber == 9 || classNumber == 15 || classNumber == 4 || classNumber == 6;
}

void OfferCapacity() {
    gd.CapacityAvailable = true;
    RefreshActionButtons();
}

// A thief (or a holder of the thieves' book) sharing a cell with a visible character may
// steal; other steps take the capacity away from the classes that do not always have one.
bool StealOffer() {
    const int me = gd.CurrentCharacter;
    const int myClass = rec::ClassNumber(me);
    // Every pair of a character and one of my items is looked at in turn. Which of my items
    // makes me a thief, and whether a character stands visible on my cell, are read once: the
    // pairs only combine them.
    const int count = rec::ItemCount(me);
    std::vector<bool> thief(static_cast<size_t>(std::max(count, 0)));
    for (int j = 0; j < count; ++j)
        thief[static_cast<size_t>(j)] = rec::ItemAt(me, j).number == items::kThievesBook || myClass == 16;
    // Taking the capacity away is done once: the pairs looked at after it change nothing, and
    // doing it again for each of them would only repaint the same buttons.
    bool takenAway = false;
    for (int i = 1; i <= CharacterCount(); ++i) {
        const bool sameCell = gd.Zone[i] == gd.Zone[me] && gd.PosX[i] == gd.PosX[me] && gd.PosY[i] == gd.PosY[me];
        const bool beside = count > 0 && sameCell && i != me && IconVisible(i);
        for (int j = 0; j < count; ++j) {
            if (beside && thief[static_cast<size_t>(j)]) {
                OfferCapacity();
                return true;
            }
            if (!AlwaysHasCapacity(myClass) && !takenAway) {
                gd.CapacityAvailable = false;
                RefreshActionButtons();
                SetInformations("");
                takenAway = true;
            }
        }
    }
    return false;
}

// A character carrying arrows may shoot at anyone in reach.
bool ShootingOffer() {
    const int me = gd.CurrentCharacter;
    for (int i = 1; i <= CharacterCount(); ++i) {
        for (int j = 0; j < rec::ItemCount(me); ++j) {
            int n = rec::ItemAt(me, j).number;
            if ((n == items::kWhiteArrows || n == items::kBronzeArrows) && IsWithinReach(i)) {
                OfferCapacity();
                return true;
            }
        }
    }
    return false;
}

void Find(int resource, int message) {
    int n = Die();
    SetInformations(Msg(574) + NumberText(n) + " " + Msg(message));
    rec::AddResource(gd.CurrentCharacter, resource, n);
    RefreshPanel(gd.CurrentCharacter);
}

void Spring() {
    SetInformations(Msg(110));
    RaiseLifeByOne(gd.CurrentCharacter);
    RefreshPanel(gd.CurrentCharacter);
}

void Prospector() {
    if (Die() <= 4) {
        SetInformations(Msg(116));
    } else {
        SetInformations(Msg(117));
        rec::AddItemBack(gd.CurrentCharacter, items::kRunicKey, 0);
    }
    RefreshPanel(gd.CurrentCharacter);
}

void OldWoman() {
    if (Die() <= 3) {
        SetInformations(Msg(118));
    } else {
        SetInformations(Msg(119));
        rec::AddItemBack(gd.CurrentCharacter, items::kBread, 0);
        RaiseLifeByOne(gd.CurrentCharacter);
    }
    RefreshPanel(gd.CurrentCharacter);
}

void Obstacle(int code, int message) {
    gd.Status[gd.CurrentCharacter] = code;
    SetInformations(Msg(message));
}

void Meet(int enemy) {
    EnemyValues v = EnemyTable(enemy);
    MeetMonster(v.number, v.attack, v.defense, v.agility);
}

void Hermit() {
    if (Die() >= 3)
        Meet(14);
    else
        SetInformations(Msg(579));
}

void Monsters(int zone) {
    int die = Die();
    int band = (die - 1) / 2;  // 0 for 1-2, 1 for 3-4, 2 for 5-6
    int myClass = rec::ClassNumber(gd.CurrentCharacter);
    if (zone == 2 && band == 1 && (myClass == 12 || myClass == 14)) {
        SetInformations(Msg(126));
        return;
    }
    if (zone >= 1 && zone <= 4) Meet(RoadMonster(zone, band));
}

void TownMine() {
    gd.EndTurnAvailable = false;
    RefreshActionButtons();
    OpenMine();
}

void CellEvent() {
    const int me = gd.CurrentCharacter;
    const int zone = gd.Zone[me];
    switch (RoadEventAt(zone, gd.PosX[me] + gd.PosY[me])) {
        case RoadEvent::None: break;
        case RoadEvent::Diamonds: Find(kDiamond, 575); break;
        case RoadEvent::Mercury: Find(kMercury, 576); break;
        case RoadEvent::Wood: Find(kWood, 577); break;
        case RoadEvent::Spring: Spring(); break;
        case RoadEvent::OldWoman: OldWoman(); break;
        case RoadEvent::Prospector: Prospector(); break;
        case RoadEvent::Hermit: Hermit(); break;
        case RoadEvent::YoungGirl: Meet(4); break;
        case RoadEvent::Mine: TownMine(); break;
        case RoadEvent::CollapsedBridge: Obstacle(status::kBridge, 138); break;
        case RoadEvent::Avalanche: Obstacle(status::kAvalanche, 134); break;
        case RoadEvent::Crowd: Obstacle(status::kCrowd, 136); break;
        case RoadEvent::FallenTree: Obstacle(status::kFallenTree, 140); break;
        case RoadEvent::Monsters: Monsters(zone); break;
    }
}

}  // namespace

RoadEvent RoadEventAt(int zone, int s) {
    switch (zone) {
        case 1: return FirstDivisor(kPlain, s);
        case 2: return FirstDivisor(kMountain, s);
        case 3: return FirstDivisor(kTown, s);
        case 4: return FirstDivisor(kForest, s);
        default: return RoadEvent::None;
    }
}

void RaiseLifeByOne(int c) {
    int life = rec::Life(c);
    if (life != 9) rec::WriteLife(c, life + 1);
}

void RoadEvents() {
    if (gd.MovesLeft != 0) {
        if (!StealOffer()) ShootingOffer();
        return;
    }
    CellEvent();
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
}
