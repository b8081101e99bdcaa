// The computer on the board: which fight to take, which keys to use at the door, and where
// to walk so that the movement runs out on a useful cell or in a useful place.
#include <cmath>
#include <string>
#include <vector>

#include "ai/BoardPlan.h"
#include "ai/Forging.h"
#include "ai/Knowledge.h"
#include "ai/Level.h"
#include "ai/Market.h"
#include "ai/Memory.h"
#include "ai/Paths.h"
#include "ai/Sayings.h"
#include "ai/Screens.h"
#include "rules/BoardMap.h"
#include "rules/Enemies.h"
#include "rules/ItemCatalogue.h"
#include "rules/MapTables.h"
#include "rules/Reach.h"
#include "rules/RoadMonsters.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/Status.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

namespace {

Spot SpotOf(const map::Cell& cell) { return Spot{cell.zone, cell.column, cell.row}; }
Spot PlaceSpot(map::Place place) { return SpotOf(reach::CellOf(place)); }

const Spot kDoor = SpotOf(map::kTowerDoor);
const Spot kArena = PlaceSpot(map::Place::Arena);
const Spot kMarket = PlaceSpot(map::Place::Market);
const Spot kForge = PlaceSpot(map::Place::Forge);

// The three monsters of a zone (attack, defence, agility), each met on a third of the dice.
void ZoneMonsters(int zone, int out[3][3]) {
    for (int band = 0; band < 3; ++band) {
        const EnemyValues e = EnemyTable(RoadMonster(zone, band));
        out[band][0] = e.attack;
        out[band][1] = e.defense;
        out[band][2] = e.agility;
    }
}

// Is a fight worth taking? Deaths count far more than a level's experience.
// say: the same for the player.
bool WorthFighting(int c, int enemy, int a, int d, int g, std::string& why, std::string& say) {
    const int cls = rec::ClassNumber(c);
    char buf[96];
    if (enemy == 4) {
        why = "the young girl may give a runic key";
        say = Say(Saying::FightGirl, c);
        return true;
    }
    const double w = WinAgainst(c, a, d, g);
    std::snprintf(buf, sizeof buf, "win chance %.0f%%", w * 100);
    if (enemy >= 15) {
        why = std::string(buf) + ", a lost floor only costs life";
        say = Say(Saying::FightFloor, c);
        return true;
    }
    if (reach::IsArena(reach::Standing(c))) {
        why = std::string(buf) + " at the arena, where losing costs nothing";
        say = Say(Saying::FightArena, c);
        return true;
    }
    if (gd.Zone[c] == map::Town) {
        why = "a fight in town ends in prison";
        say.clear();
        return false;
    }
    if (cls == classes::kCavalierNoir && FightsEveryFightUndying()) {
        why = std::string(buf) + ", and a Cavalier Noir cannot die";
        say = Say(Saying::FightUndying, c, classes::Name(classes::kCavalierNoir));
        return true;
    }
    const int level = LevelOf(c);
    const bool worth = w >= FightThreshold(level);
    why = std::string(buf) + (worth ? ", worth the risk" : ", too risky");
    say = Say(worth ? Saying::Fight : Saying::Avoid, c, Percent(w));
    // Taken below the hard level's odds: a mistake of the easier levels.
    if (worth && w < FightThreshold(computer_level::kHard)) ++Mistakes(level).weakFights;
    return worth;
}

// Gold is worth winning while there is room in the purse for it (it holds 99,999 at most).
double PurseRoom(int c) { return std::max(0.0, 1.0 - static_cast<double>(rec::Gold(c)) / 90000.0); }

// What a fight with one of the zone's monsters is worth on average (0 when not taken).
double MonsterWorth(int c, int zone) {
    if (zone == map::Town && rec::ClassNumber(c) != 0) return 0;
    int m[3][3];
    ZoneMonsters(zone, m);
    const bool undying = rec::ClassNumber(c) == classes::kCavalierNoir && FightsEveryFightUndying();
    const double threshold = FightThreshold(LevelOf(c));
    double sum = 0;
    for (auto& e : m) {
        double w = WinAgainst(c, e[0], e[1], e[2]);
        if (w >= threshold || undying) sum += w * 4 - (1 - w) * 30;
    }
    return std::max(0.0, sum / 3);
}

// What the event at the end of a walk is worth to c (in steps saved, roughly).
double EndWorth(int c, const WalkEnd& e, const PartyKeys& keys) {
    const int cls = rec::ClassNumber(c);
    const int life = rec::Life(c);
    const long gold = rec::Gold(c);
    if (e.stuck) return -1;
    if (e.place) {
        const double keyChest = keys.master > 0 ? 40 : 12;
        switch (map::PlaceAt(e.spot.zone, e.spot.x, e.spot.y)) {
            // The inn takes its price, the rest of the turn and the night, asleep; it gives life
            // back (and magic points, brought down to ten), worth it only when life runs short.
            case map::Place::Inn:
                if (gold < 300) return -3;   // the turn ended for nothing
                // Not wanted, it costs what passing through it costs a walk (Paths.cpp), and
                // more than the steps it saves.
                return life <= 4 && gd.MagicPoints[c] <= 10 ? 6 : -65;
            case map::Place::Tower: return -1;
            case map::Place::Camp:
                return life <= 5 && gold >= 50 && rec::HasItem(c, items::kTent) && gd.MagicPoints[c] <= 10 ? 4 : -2;
            case map::Place::Volcano: return -30;
            case map::Place::Swamp: return -4;
            case map::Place::UndergroundChest:
            case map::Place::TempleChest: return keys.needOther ? keyChest : -1;
            case map::Place::ForestChest: return keys.needRunic ? keyChest : -1;
            case map::Place::Arena: {
                double worth = 0;
                BestArenaLevel(c, &worth);
                return (2 + 3 * worth) * PurseRoom(c);
            }
            case map::Place::Market:
            case map::Place::Forge: return 0;  // valued through the goal
            case map::Place::Fountain: return life < 9 ? 1 : 0;
            default: return -1;
        }
    }
    const int s = e.spot.x + e.spot.y;
    auto is = [s](int d) { return s % d == 0; };
    // Diamonds, mercury, wood and the mine's metals feed a smith's forge.
    const double find = CanForge(c) ? 3 : 1;
    switch (e.spot.zone) {
        case map::Plain:
            if (is(11)) return find;
            if (is(7)) return 1.5;
            if (is(5)) return -8;
            if (is(3)) return MonsterWorth(c, 1);
            return 0;
        case map::Mountain:
            if (is(13)) return find;
            if (is(11)) return life < 9 ? 1 : 0;
            if (is(7)) return keys.needRunic ? 8 : 0.5;
            if (is(5)) return -8;
            if (is(3)) return MonsterWorth(c, 2);
            return 0;
        case map::Town:
            if (is(11)) return find;
            if (is(7)) return keys.needRunic ? 14 : 1;
            if (is(5)) return -8;
            return 0;
        case map::Forest:
            if (is(13)) return find;
            if (is(11)) return life < 9 ? 1 : 0;
            if (is(7)) return 0;
            if (is(5)) return -8;
            if (is(3)) return MonsterWorth(c, 4);
            return 0;
        default: return 0;
    }
    (void)cls;
}

// Does c hold a key the door can take now?
int UsefulKey(int c, int door) {
    const bool runic = rec::HasItem(c, items::kRunicKey), gold = rec::HasItem(c, items::kGoldKey),
               shadow = rec::HasItem(c, items::kShadowKey);
    if (door == 0) return runic ? items::kRunicKey : gold ? items::kGoldKey : shadow ? items::kShadowKey : 0;
    if (door == 1 || door == 2) return runic ? items::kRunicKey : 0;
    if (door == 4) return gold ? items::kGoldKey : shadow ? items::kShadowKey : 0;
    return 0;
}

// Could the party open the door with what its living characters hold?
bool PartyCanOpen(const PartyKeys& k) { return !k.needRunic && !k.needOther; }

// Is there any sense in c's trying the party's next tower floor?
// c's chance against the guardian of the party's next floor (a lost floor leaves life enough
// to try).
double TowerWin(int c, int p) {
    int a, d, g;
    Guardian(gd.TowerFloor[p], a, d, g);
    FightSides tower = SidesAgainst(c, a, d, g);
    tower.life = std::max(tower.life, 1);
    return WinChance(tower).win;
}

bool TowerHope(int c, int p) { return CanArmagueddon(c) || TowerWin(c, p) >= 0.02; }

// Would c, standing on the open door, try the party's next floor?
bool WouldClimb(int c, int p) { return (Climber(p) == c && TowerHope(c, p)) || TowerWin(c, p) >= 0.1; }

// What stopping on a cell the walk passes is worth, giving up the movement left (0 when
// nothing happens there). The door takes c's keys; open, it leads to the next floor, and a
// floor in reach comes before anything else (the last one wins the game).
double StopWorth(int c, const Spot& s, const PartyKeys& keys, const Memory& m) {
    if (!(s == kDoor) || m.doorReached) return 0;
    const int p = rec::Owner(c);
    if (keys.door < 5) return UsefulKey(c, keys.door) ? 30 : 0;
    if (m.towerTried || !WouldClimb(c, p)) return 0;
    return gd.TowerFloor[p] >= 4 ? 1000 : 100;
}

}  // namespace

Goal ChooseGoal(int c, const PartyKeys& keys, const Obstacles& obstacles) {
    const int p = rec::Owner(c), cls = rec::ClassNumber(c);
    const Spot here{gd.Zone[c], gd.PosX[c], gd.PosY[c]};
    std::vector<Goal> goals;
    if (keys.door >= 5 && Climber(p) == c && TowerHope(c, p))
        goals.push_back({kDoor, 200, "climb the tower, my party's best fighter", Say(Saying::GoClimb, c)});
    if (keys.door < 5 && PartyCanOpen(keys) && UsefulKey(c, keys.door))
        goals.push_back({kDoor, 150, "bring my key to the tower door", Say(Saying::GoKey, c)});
    // A missing key holds the whole party back: its chests come before gold and levels.
    const double chest = keys.master > 0 ? 120 : 90;
    if (keys.needRunic)
        goals.push_back({PlaceSpot(map::Place::ForestChest), chest, "the forest chest holds runic keys", Say(Saying::GoForestChest, c)});
    if (keys.needOther) {
        goals.push_back({PlaceSpot(map::Place::UndergroundChest), chest, "the underground chest holds a shadow key",
                         Say(Saying::GoUndergroundChest, c)});
        const Spot temple = PlaceSpot(map::Place::TempleChest);
        if (IsPlaceFor(temple, cls)) goals.push_back({temple, chest, "the temple chest holds a gold key", Say(Saying::GoTempleChest, c)});
    }
    if (WantsMarketFor(c)) goals.push_back({kMarket, 45, "gold to spend at the market", Say(Saying::GoMarket, c)});
    double forged = 0;
    if (const int recipe = BestRecipe(c, &forged); recipe != kNoRecipe)
        goals.push_back({kForge, 30 + 2 * forged, "resources enough for the forge", Say(Saying::GoForge, c, InSentence(Msg(430 + recipe - 1)))});
    double arena = 0;
    BestArenaLevel(c, &arena);
    // Gold is worth winning while there is room in the purse for it.
    if (arena > 0.01)
        goals.push_back({kArena, 12 * arena * std::max(0.1, PurseRoom(c)), "the arena pays gold and experience", Say(Saying::GoArena, c)});
    // Failing anything better, fights won in the wild bring levels and gold.
    if (goals.empty()) {
        static const Spot kHunting[3] = {{map::Plain, 8, 12}, {map::Mountain, 10, 3}, {map::Forest, 15, 9}};
        const Spot* where = nullptr;
        double bestHunt = 0;
        for (const Spot& s : kHunting)
            if (double w = MonsterWorth(c, s.zone); w > bestHunt) {
                bestHunt = w;
                where = &s;
            }
        if (where) goals.push_back({*where, 10 + 5 * bestHunt, "monsters I can beat live there", Say(Saying::GoHunt, c)});
    }
    Goal best;
    double bestScore = -1e9;
    for (const Goal& g : goals) {
        int d = StepsBetween(here, g.spot, cls, obstacles);
        if (d < 0) continue;
        double score = g.worth - 1.5 * d;
        if (score > bestScore) {
            bestScore = score;
            best = g;
        }
    }
    return best;
}

Obstacles BoardObstacles() {
    Obstacles o;
    for (const map::Cell& cell : StandingObstacles()) o.push_back(Spot{cell.zone, cell.column, cell.row});
    return o;
}

namespace {

// The inventory line showing item n, or -1 (scrolling is needed).
int InventoryLine(Screen& board, int item) {
    const std::string name = items::ItemName(item);
    for (int line = 0; line < 3; ++line)
        if (Control* l = board.Find("Inventaire(" + std::to_string(line) + ")"))
            if (l->visible && l->caption == name) return line;
    return -1;
}

}  // namespace

Decision UseItem(Screen& board, int c, int item, const std::string& why, const std::string& say) {
    int line = InventoryLine(board, item);
    if (line >= 0) return {"click frmJeu.Inventaire(" + std::to_string(line) + ")", why, say};
    int k = rec::FindItem(c, item);
    if (k >= 0 && k < gd.InventoryScroll) return {"press frmJeu.PgUp", "scroll to " + items::ItemName(item)};
    return {"press frmJeu.PgDown", "scroll to " + items::ItemName(item)};
}

bool SameOwner(int a, int b) { return rec::Owner(a) == rec::Owner(b); }

namespace {

// Would direction d move the current character now?
bool StepPossible(int d) {
    const int c = gd.CurrentCharacter;
    return gd.MovesLeft != 0 && Walk(SpotOf(reach::Standing(c)), d, rec::ClassNumber(c), BoardObstacles()).moved;
}

bool AnyStepPossible() { return StepPossible(Up) || StepPossible(Down) || StepPossible(Left) || StepPossible(Right); }

Decision Fallback(Screen& board, const std::string& why) {
    if (gd.EndTurnAvailable) return {"click frmJeu.EndTurn", why};
    for (int d = 0; d < 4; ++d)
        if (StepPossible(d)) return {std::string("press frmJeu.") + DirectionKey(d), why + ": any step"};
    (void)board;
    return {"wait 250", why + ": waiting"};
}

}  // namespace


Decision BoardMove(Screen& board) {
    Memory& m = Mem();
    const bool jeu = Ui::Get().Find("frmJeu") != nullptr;
    const int c = gd.CurrentCharacter;
    const int hour = jeu ? gb.HourCounter : 0;
    if (m.turnCharacter != c || m.turnHour != hour) {
        m.turnCharacter = c;
        m.turnHour = hour;
        m.actionsThisTurn = 0;
        m.purchases = 0;
        m.shopDone = false;
        m.arenaChosen = false;
        m.towerTried = false;
        m.doorReached = false;
        m.forgeDone = false;
        m.forgeTries = 0;
        m.boardSpellTries = 0;
        m.spellClicks = 0;
        m.capacityClicks = 0;
        m.lapsesCounted = 0;
    }
    if (++m.actionsThisTurn > 60) return Fallback(board, "this turn has gone on too long");
    const int p = rec::Owner(c);
    const PartyKeys keys = KeysOf(p);

    // A flight waiting for its landing, a spell for its target.
    if (gd.PendingSpell == pending_spell::kFlight) return FlightLanding(board);
    if (pending_spell::WaitsForACharacter(gd.PendingSpell)) {
        Decision d = SpellTargetMove(board);
        if (!d.line.empty()) return d;
    }
    if (pending_spell::WaitsForACell(gd.PendingSpell)) {
        if (gd.MagicAvailable) return {"click frmJeu.Magic", "drop the action waiting for a target"};
        if (gd.PendingSpell == pending_spell::kBloc) {
            // An obstacle on a road could shut my own characters in: put it off the roads.
            for (int row = 1; row <= map::kRows; ++row)
                for (int column = 1; column <= map::kColumns; ++column)
                    if (jeu && !map::IsRoadCell(gb.DisplayedZone, column, row) &&
                        map::PlaceAt(gb.DisplayedZone, column, row) == map::Place::None)
                        return {MapClick(column, row), "put the obstacle where no road runs"};
        }
        return {MapClick(gd.PosX[c], gd.PosY[c]), "complete the waiting action where I stand"};
    }
    Decision special;
    if (TheftMove(board, special)) return special;
    // The map shows my own zone again after a spell struck elsewhere.
    if (jeu && gb.DisplayedZone != 0 && gb.DisplayedZone != gd.Zone[c])
        return {"click frmJeu.Carte(" + std::to_string(gd.Zone[c]) + ")", "show my own zone again"};
    // A fight waiting for the fight button.
    if (Visible(board, "BattleNow") && board.Usable(*board.Find("BattleNow"))) {
        std::string why;
        const int enemy = gd.EnemyNumber;
        if (enemy != 4 && enemy < 15 && !reach::IsArena(reach::Standing(c))) {
            const double w = gd.Zone[c] == map::Town ? 0 : WinAgainst(c, gd.EnemyAttack, gd.EnemyDefense, gd.EnemyAgility);
            if (SeductionMove(board, w, special)) return special;
        }
        std::string say;
        if (WorthFighting(c, gd.EnemyNumber, gd.EnemyAttack, gd.EnemyDefense, gd.EnemyAgility, why, say))
            return {"click frmJeu.BattleNow", "fight: " + why, say};
        if (gd.MovesLeft == 0 && gd.EndTurnAvailable) return {"click frmJeu.EndTurn", "no fight: " + why, say};
        if (gd.MovesLeft == 0 && !AnyStepPossible())
            return {"click frmJeu.BattleNow", "fight, the only way on: " + why, Say(Saying::FightForced, c)};
    }
    // Strength and defence potions last: drink them at once.
    for (int potion : {items::kStrengthPotion, items::kDefencePotion, items::kMagicPotion})
        if (rec::HasItem(c, potion) && !Forgets(c, Lapse::Potions))
            return UseItem(board, c, potion, "drink " + items::ItemName(potion) + ", it lasts",
                           Say(Saying::Drink, c, InSentence(items::ItemName(potion))));
    // The master key after a failed chest.
    if (rec::HasItem(c, items::kMasterKey) && !Forgets(c, Lapse::MasterKey)) {
        const std::string info = board.Find("Informations") ? board.Find("Informations")->caption : "";
        for (int chest : {77, 80, 82})
            if (info == Msg(chest) + " " + Msg(78))
                return UseItem(board, c, items::kMasterKey, "the master key opens the chest",
                               Say(Saying::MasterKey, c, InSentence(items::ItemName(items::kMasterKey))));
    }
    if ((!Forgets(c, Lapse::Spells) && SpellMove(board, special)) || CapacityMove(board, special)) return special;
    // At the tower door: the keys, then the floors.
    if (reach::IsTowerDoor(reach::Standing(c))) {
        m.doorReached = true;
        int key = UsefulKey(c, gd.DoorState[p]);
        if (key && gd.DoorState[p] < 5)
            return UseItem(board, c, key, "use " + items::ItemName(key) + " on the door", Say(Saying::UseKey, c, InSentence(items::ItemName(key))));
        if (gd.DoorState[p] >= 5 && !m.towerTried && WouldClimb(c, p)) {
            m.towerTried = true;
            const std::string floor = std::to_string(gd.TowerFloor[p] + 1);
            return {MapClick(kDoor.x, kDoor.y - 1), "enter the tower, floor " + floor, Say(Saying::EnterTower, c, floor)};
        }
    }
    if (gd.MovesLeft > 0) {
        const Spot here{gd.Zone[c], gd.PosX[c], gd.PosY[c]};
        const int cls = rec::ClassNumber(c);
        
        const Obstacles obstacles = BoardObstacles();
        std::vector<WalkEnd> ends = TurnEnds(here, gd.MovesLeft, cls, obstacles);
        // A turn that loses sight of the plan walks to whatever looks best nearby.
        const Goal goal = Forgets(c, Lapse::Plan) ? Goal{} : ChooseGoal(c, keys, obstacles);
        const WalkEnd* best = nullptr;
        double bestScore = -1e9;
        for (const WalkEnd& e : ends) {
            double score = EndWorth(c, e, keys);
            // The door and the tower come before anything met on the way.
            if (goal.worth >= 100) score = std::min(score, 0.0);
            if (goal.worth > 0) {
                int d = StepsBetween(e.spot, goal.spot, cls, obstacles);
                score -= d < 0 ? 100 : 1.5 * d;
                if (e.spot == goal.spot) score += 20;
            }
            if (score > bestScore) {
                bestScore = score;
                best = &e;
            }
        }
        int bestDirection = best ? best->firstDirection : -1;
        std::string stopWhy, stopSay;
        // A cell passed on the way may be worth stopping on, the movement left given up.
        const std::vector<WalkStop> stops = Forgets(c, Lapse::StopOnTheWay) ? std::vector<WalkStop>{} : TurnStops(here, gd.MovesLeft, cls, obstacles);
        for (const WalkStop& st : stops) {
            const double worth = StopWorth(c, st.spot, keys, m);
            if (worth <= 0) continue;
            double score = worth + 20;
            if (goal.worth > 0 && !(st.spot == goal.spot)) {
                const int d = StepsBetween(st.spot, goal.spot, cls, obstacles);
                score -= d < 0 ? 100 : 1.5 * d;
            }
            if (score > bestScore) {
                bestScore = score;
                bestDirection = st.firstDirection;
                stopWhy = keys.door < 5 ? "stop on the tower door to use my key" : "stop on the open tower door";
                stopSay = Say(Saying::StopOnDoor, c);
            }
        }
        if (bestDirection >= 0) {
            const int d = bestDirection;
            std::string why = !stopWhy.empty() ? stopWhy : goal.why.empty() ? "walk" : goal.why;
            const std::string say = !stopWhy.empty() ? stopSay : goal.say;
            // The last step up onto the door by a click: the direction key would stop at the lock.
            Step s = Walk(here, d, cls, obstacles);
            if (s.to == kDoor && d == Up) return {MapClick(kDoor.x, kDoor.y), "step onto the tower door: " + why, say};
            return {std::string("press frmJeu.") + DirectionKey(d), why, say};
        }
    }
    return Fallback(board, "turn over");
}

}  // namespace ai
