#include "ai/Knowledge.h"

#include <algorithm>

#include "rules/ItemCatalogue.h"
#include "rules/Reach.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Status.h"

namespace ai {

bool Alive(int c) { return c >= 1 && c <= CharacterCount() && gd.Status[c] != status::kDead; }

int FirstOf(int player) { return (player - 1) * CharactersPerPlayer() + 1; }

PartyKeys KeysOf(int player) {
    PartyKeys k;
    const int m = CharactersPerPlayer();
    for (int c = FirstOf(player); c < FirstOf(player) + m; ++c) {
        if (!Alive(c)) continue;
        k.runic += rec::CountItem(c, items::kRunicKey);
        k.gold += rec::CountItem(c, items::kGoldKey);
        k.shadow += rec::CountItem(c, items::kShadowKey);
        k.master += rec::CountItem(c, items::kMasterKey);
    }
    k.door = player >= 1 && player <= kMaxPlayers ? gd.DoorState[player] : 0;
    const bool runicUsed = k.door == 4 || k.door >= 5;
    const bool otherUsed = k.door == 1 || k.door == 2 || k.door >= 5;
    k.needRunic = !runicUsed && k.runic == 0;
    k.needOther = !otherUsed && k.gold + k.shadow == 0;
    return k;
}

void Guardian(int floor, int& a, int& d, int& g) {
    static const int kValues[5][3] = {{32, 32, 16}, {23, 23, 61}, {43, 43, 22}, {54, 54, 32}, {52, 52, 30}};
    if (floor < 0) floor = 0;
    if (floor > 4) floor = 4;
    a = kValues[floor][0];
    d = kValues[floor][1];
    g = kValues[floor][2];
}

int ArmagueddonCost(int c) {
    if (!rec::HasItem(c, items::kEarthBook)) return -1;
    return std::max(0, 14 - 4 * rec::CountItem(c, items::kCelestialSceptre));
}

bool CanArmagueddon(int c) {
    const int cost = ArmagueddonCost(c);
    return cost >= 0 && cost <= gd.MagicPoints[c];
}

namespace {

// The party's best character for the next floor, of them all or of those on the tower door.
int BestClimber(int player, bool atDoorOnly) {
    int a, d, g;
    Guardian(gd.TowerFloor[player], a, d, g);
    int best = 0;
    double bestWin = -1;
    for (int c = FirstOf(player); c < FirstOf(player) + CharactersPerPlayer(); ++c) {
        if (!Alive(c) || gd.Status[c] == status::kPrison) continue;
        if (atDoorOnly && !reach::IsTowerDoor(reach::Standing(c))) continue;
        // Life does not count: a lost floor gives six points back. Armagueddon wins outright,
        // and the more casts the magic points hold, the more floors.
        FightSides s = SidesAgainst(c, a, d, g);
        s.life = 6;
        double w = WinChance(s).win;
        if (CanArmagueddon(c)) w = 1 + gd.MagicPoints[c] / (ArmagueddonCost(c) + 1.0);
        if (w > bestWin + 1e-9) {
            bestWin = w;
            best = c;
        }
    }
    return best;
}

}  // namespace

int Climber(int player) { return BestClimber(player, false); }

int DoorClimber(int player) {
    const int atDoor = BestClimber(player, true);
    return atDoor ? atDoor : Climber(player);
}

int BestArenaLevel(int c, double* worth) {
    static const int kLevel[3][4] = {{20, 20, 5, 2000}, {25, 25, 10, 5000}, {30, 30, 15, 11000}};
    int best = 1;
    double bestWorth = -1;
    for (int l = 0; l < 3; ++l) {
        double w = WinAgainst(c, kLevel[l][0], kLevel[l][1], kLevel[l][2]);
        // Gold in thousands, and the experience of a double win.
        double v = w * (kLevel[l][3] / 1000.0 + 2.0);
        if (v > bestWorth) {
            bestWorth = v;
            best = l + 1;
        }
    }
    if (worth) *worth = bestWorth;
    return best;
}

}  // namespace ai
