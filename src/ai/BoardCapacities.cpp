// The computer's capacity button. One press runs every capacity the character has, one after
// the other (the Amazon's seduction, the necromancer's graveyard, flight, theft, archery), so
// the button is pressed only when each capacity that would run is wanted: arrows fly at every
// living character in reach, friend or foe, and a flight costs the rest of the turn and the
// next one.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ai/BoardPlan.h"
#include "ai/Forging.h"
#include "ai/Level.h"
#include "ai/Memory.h"
#include "ai/Sayings.h"
#include "ai/Screens.h"
#include "rules/BoardFight.h"
#include "rules/MapTables.h"
#include "items/Capacities.h"
#include "rules/ItemCatalogue.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Status.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

namespace {

bool Flier(int cls) { return cls == classes::kFee || cls == classes::kDiablotin || cls == classes::kVampire; }

bool HasArrows(int c) {
    return rec::HasItem(c, items::kWhiteArrows) || rec::HasItem(c, items::kBronzeArrows) || rec::HasItem(c, items::kFireArrow);
}

// In reach of the bow: one or two cells along a row or a column, whatever the zone.
bool InReach(int c, int t) {
    if (t == c) return false;
    const int dx = std::abs(gd.PosX[t] - gd.PosX[c]), dy = std::abs(gd.PosY[t] - gd.PosY[c]);
    return (dy == 0 && (dx == 1 || dx == 2)) || (dx == 0 && (dy == 1 || dy == 2));
}

struct Volley {
    int foes = 0, friends = 0;
    int climbers = 0;   // foes who climb their party's open tower
};
// The living characters c's arrows would strike.
Volley Targets(int c) {
    Volley v;
    for (int t = 1; t <= CharacterCount(); ++t) {
        if (!InReach(c, t) || !Alive(t)) continue;
        ++(SameOwner(c, t) ? v.friends : v.foes);
        const int q = rec::Owner(t);
        if (!SameOwner(c, t) && gd.DoorState[q] >= 5 && DoorClimber(q) == t) ++v.climbers;
    }
    return v;
}

// The character a theft would rob: the first one sharing c's cell; 0 when c cannot steal.
int TheftVictim(int c) {
    const bool thief = rec::ClassNumber(c) == classes::kVoleur || rec::HasItem(c, items::kThievesBook);
    if (!thief || rec::ItemCount(c) == 0) return 0;
    for (int t = 1; t <= CharacterCount(); ++t)
        if (t != c && gd.Zone[t] == gd.Zone[c] && gd.PosX[t] == gd.PosX[c] && gd.PosY[t] == gd.PosY[c]) return t;
    return 0;
}

// An arrow that kills ends the movement; with a fight waiting and the turn not yet endable,
// the fight button would be left as the only way on.
bool ArrowsMayStrand(int c, const Volley& v) { return HasArrows(c) && v.foes > 0 && FightPending() && !gd.EndTurnAvailable; }

// The button as a person sees it: shown and enabled.
bool ButtonUsable(Screen& board) {
    Control* button = board.Find("Capacity");
    return button && board.Usable(*button);
}

bool DeadFriend(int c) {
    for (int t = FirstOf(rec::Owner(c)); t < FirstOf(rec::Owner(c)) + CharactersPerPlayer(); ++t)
        if (gd.Status[t] == status::kDead) return true;
    return false;
}

enum class LootKind { Item, Gold, Resources };
struct Loot {
    LootKind kind = LootKind::Gold;
    int item = 0;
    double worth = 0;
};

// A key taken from a party that holds only that one and has not used its kind yet holds it back.
double KeyWorth(int item, const PartyKeys& mine, const PartyKeys& theirs) {
    if (item == items::kRunicKey) {
        if (mine.needRunic) return 30;
        const bool used = theirs.door == 4 || theirs.door >= 5;
        return !used && theirs.runic == 1 ? 15 : 1;
    }
    if (mine.needOther) return 30;
    const bool used = theirs.door == 1 || theirs.door == 2 || theirs.door >= 5;
    return !used && theirs.gold + theirs.shadow == 1 ? 15 : 1;
}

// Of the victim's items, its gold and its resources, what the thief gains most by.
Loot BestLoot(int thief, int victim) {
    const PartyKeys mine = KeysOf(rec::Owner(thief)), theirs = KeysOf(rec::Owner(victim));
    Loot best;
    const long room = rec::kMaxGold - rec::Gold(thief);
    best.worth = 2.0 * std::min<long>(rec::Gold(victim), room) / 1000.0;
    if (CanForge(thief)) {
        int units = 0;
        for (int r = 1; r <= 7; ++r) units += rec::Resource(victim, r);
        if (units / 4.0 > best.worth) best = {LootKind::Resources, 0, units / 4.0};
    }
    for (int k = 0; k < rec::ItemCount(victim); ++k) {
        const rec::ItemEntry e = rec::ItemAt(victim, k);
        double w = 0;
        switch (e.number) {
            case items::kEarthBook: w = 30; break;
            case items::kRunicKey:
            case items::kGoldKey:
            case items::kShadowKey: w = KeyWorth(e.number, mine, theirs); break;
            case items::kMasterKey: w = mine.master == 0 && (mine.needRunic || mine.needOther) ? 20 : 3; break;
            case items::kCelestialSceptre: w = ArmagueddonCost(thief) > 0 ? 12 : 2; break;
            default:
                w = rec::CountsForAttack(e.number) ? e.value : rec::CountsForDefense(e.number) ? 0.8 * e.value : 0;
        }
        if (w > best.worth) best = {LootKind::Item, e.number, w};
    }
    return best;
}

// The landing cell for a walk's goal: the goal itself on a road, else a road cell from which
// one step enters the place; -1 steps when there is none.
int LandingFor(const Goal& goal, int cls, const Obstacles& obstacles, Spot& land) {
    auto free = [&](const Spot& s) {
        if (s.x < 1 || s.x > map::kColumns || s.y < 1 || s.y > map::kRows) return false;
        for (const Spot& o : obstacles)
            if (o == s) return false;
        return map::IsRoadCell(s.zone, s.x, s.y) && map::PlaceAt(s.zone, s.x, s.y) == map::Place::None;
    };
    if (free(goal.spot)) {
        land = goal.spot;
        return 0;
    }
    static const int dx[4] = {0, 0, -1, 1}, dy[4] = {-1, 1, 0, 0};
    for (int d = 0; d < 4; ++d)
        for (int k = 1; k <= 2; ++k) {
            const Spot s{goal.spot.zone, goal.spot.x - k * dx[d], goal.spot.y - k * dy[d]};
            if (!free(s)) continue;
            const Step step = Walk(s, d, cls, obstacles);
            if (step.enteredPlace && step.to == goal.spot) {
                land = s;
                return 1;
            }
        }
    return -1;
}

}  // namespace

bool FlightPays(int c, Spot& land, std::string& why) {
    const Obstacles obstacles = BoardObstacles();
    const Goal goal = ChooseGoal(c, KeysOf(rec::Owner(c)), obstacles);
    if (goal.worth <= 0) return false;
    const int cls = rec::ClassNumber(c);
    const int after = LandingFor(goal, cls, obstacles, land);
    if (after < 0) return false;
    int walk = StepsBetween(Spot{gd.Zone[c], gd.PosX[c], gd.PosY[c]}, goal.spot, cls, obstacles);
    if (walk < 0) walk = 200;   // shut in: only the wings get there
    // The flight takes the rest of this turn's movement and the whole next turn.
    const double nextTurn = 3.5 * rec::ReadNumber(c, rec::kMoveDice, 1) + rec::ReadNumber(c, rec::kMoveBonus, 1);
    const double saved = walk - after - (gd.MovesLeft + nextTurn);
    if (saved <= 3) return false;
    char buf[64];
    std::snprintf(buf, sizeof buf, "fly, %.0f steps saved: ", saved);
    why = buf + goal.why;
    return true;
}

Decision FlightLanding(Screen& board) {
    const bool jeu = Ui::Get().Find("frmJeu") != nullptr;
    const int c = gd.CurrentCharacter;
    Spot land;
    std::string why;
    if (!FlightPays(c, land, why)) {
        if (gd.MagicAvailable) return {"click frmJeu.Magic", "drop the flight, it does not pay"};
        land = Spot{gd.Zone[c], gd.PosX[c], gd.PosY[c]};
        why = "complete the waiting flight where I stand";
    }
    if (jeu && gb.DisplayedZone != land.zone) return {"click frmJeu.Carte(" + std::to_string(land.zone) + ")", "show the zone of the landing"};
    (void)board;
    return {MapClick(land.x, land.y), why};
}

bool SeductionMove(Screen& board, double winChance, Decision& out) {
    const int c = gd.CurrentCharacter;
    if (rec::ClassNumber(c) != classes::kAmazone || !ButtonUsable(board) || winChance >= 0.9) return false;
    // A failed seduction lets the arrows fly in the same press.
    if (HasArrows(c) && (Targets(c).friends > 0 || ArrowsMayStrand(c, Targets(c)))) return false;
    if (const int v = TheftVictim(c); v && SameOwner(c, v)) return false;
    char buf[80];
    std::snprintf(buf, sizeof buf, "seduce the enemy rather than fight at %.0f%%", winChance * 100);
    out = {"click frmJeu.Capacity", buf, Say(Saying::Seduce, c, Percent(winChance))};
    return true;
}

namespace {

std::string LifeSaying(int c, int item) {
    return Say(Saying::LifeItem, c, InSentence(items::ItemName(item)), std::to_string(rec::Life(c)));
}

}  // namespace

bool CapacityMove(Screen& board, Decision& out) {
    Memory& m = Mem();
    const int c = gd.CurrentCharacter, cls = rec::ClassNumber(c);
    // The life potion raises the dead as the necromancer does.
    const bool forgetsItems = Forgets(c, Lapse::LifeItems);
    if (rec::HasItem(c, items::kLifePotion) && DeadFriend(c) && !forgetsItems) {
        out = UseItem(board, c, items::kLifePotion, "a friend lies dead: the life potion",
                      Say(Saying::LifePotion, c, InSentence(items::ItemName(items::kLifePotion))));
        return true;
    }
    // Life items when life runs low, the cheapest first: the ring gives three points twice, so
    // it waits until all three count.
    const bool lowLife = !forgetsItems && rec::Life(c) <= 4;
    if (lowLife && rec::HasItem(c, items::kHealingOintment)) {
        out = UseItem(board, c, items::kHealingOintment, "life runs low: the ointment", LifeSaying(c, items::kHealingOintment));
        return true;
    }
    if (lowLife && rec::HasItem(c, items::kMagicRing)) {
        out = UseItem(board, c, items::kMagicRing, "life runs low: the magic ring", LifeSaying(c, items::kMagicRing));
        return true;
    }
    if (lowLife && rec::HasItem(c, items::kTalisman)) {
        out = UseItem(board, c, items::kTalisman, "life runs low: the talisman", LifeSaying(c, items::kTalisman));
        return true;
    }
    if (!ButtonUsable(board) || gd.PendingSpell != 0 || m.capacityClicks >= 4) return false;
    if (Forgets(c, Lapse::Capacities)) return false;
    const bool fightPending = Visible(board, "BattleNow");
    if (cls == classes::kAmazone && fightPending) return false;   // decided with the fight
    std::string why, say;
    // In the order the button runs them: the graveyard costs a life point.
    if (cls == classes::kNecromancien) {
        if (!DeadFriend(c) || rec::Life(c) < 3) return false;
        why = "raise my dead";
        say = Say(Saying::RaiseDead, c);
    }
    if (Flier(cls)) {
        Spot land;
        std::string flight;
        if (fightPending || gd.MovesLeft <= 0 || !FlightPays(c, land, flight)) return false;
        why = flight;
        say = Say(Saying::Flight, c);
    }
    if (const int victim = TheftVictim(c)) {
        // A theft ends the press before the arrows.
        if (SameOwner(c, victim) || BestLoot(c, victim).worth < 2) return false;
        if (why.empty()) {
            why = "rob the " + classes::Name(rec::ClassNumber(victim));
            say = Say(Saying::Theft, c, CharacterName(victim));
        }
    } else if (HasArrows(c)) {
        const Volley v = Targets(c);
        if (v.friends > 0 || ArrowsMayStrand(c, v)) return false;
        // Arrows are few, and a kill ends the shooter's walk: they are kept for the climbers.
        if (v.climbers > 0 && why.empty()) {
            why = "shoot at the climber of an open tower";
            say = Say(Saying::Arrows, c);
        }
    }
    if (why.empty()) return false;
    ++m.capacityClicks;
    out = {"click frmJeu.Capacity", why, say};
    return true;
}

bool TheftMove(Screen& board, Decision& out) {
    const int thief = gd.CurrentCharacter, victim = gd.ShownCharacter;
    if (victim == thief || !TheftInProgress()) return false;
    const Loot loot = BestLoot(thief, victim);
    switch (loot.kind) {
        case LootKind::Item: out = UseItem(board, victim, loot.item, "steal " + items::ItemName(loot.item)); break;
        case LootKind::Gold: out = {"click frmJeu.Image7", "steal the gold"}; break;
        case LootKind::Resources: out = {"click frmJeu.Image15", "steal the resources for my forge"}; break;
    }
    return true;
}

Decision GraveyardMove(Screen& graveyard) {
    const int c = gd.CurrentCharacter;
    int slot = 0, best = -1, bestValue = -1;
    for (int t = FirstOf(rec::Owner(c)); t < FirstOf(rec::Owner(c)) + CharactersPerPlayer(); ++t) {
        if (gd.Status[t] != status::kDead) continue;
        // The strongest comes back first; one who can cast Armagueddon before all.
        const int value = rec::EffectiveAttack(t) + rec::EffectiveDefense(t) + (rec::HasItem(t, items::kEarthBook) ? 100 : 0);
        if (value > bestValue) {
            bestValue = value;
            best = slot;
        }
        ++slot;
    }
    (void)graveyard;
    if (best < 0) return {"close", "nobody to raise"};
    return {"click Graveyard.PersoMort(" + std::to_string(best) + ")", "raise the strongest of my dead"};
}

}  // namespace ai
