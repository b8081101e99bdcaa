// The arena's entrance: the choice of a level and the walk to its stand.
#include "combat/CombatForm.h"
#include "combat/Fight.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "ui/Ui.h"

namespace {

constexpr int kStep = 32;       // pixels per step of the walk
constexpr int kWalkTick = 250;  // ms per step
constexpr int kStandTop = 128, kStandBottom = 160, kExitBelow = 256;

// A level's stand (the open x range on the picture) and the guard's values there.
struct Level {
    int standLeft, standRight;
    int attack, defense, agility;
};
constexpr Level kLevels[3] = {{64, 96, 20, 20, 5}, {192, 224, 25, 25, 10}, {320, 352, 30, 30, 15}};

}  // namespace

void LoadTournament(CombatForm& combat) {
    combat.caption = Msg(582);
    combat.picture = "tournoi.bmp";
    combat.PlaceCharacterIcon();
    combat.WriteMessage(Msg(583));
    // What each level's stand pays to its winner.
    for (int level = 1; level <= 3; ++level) {
        Control& prize = combat.C("lblPrix", level);
        prize.caption = DigitText(ArenaPrize(kLevels[level - 1].attack)) + " " + Msg(8);
        prize.visible = true;
    }
}

void TournamentMouseDown(CombatForm& combat, int x, int y) {
    if (y > kExitBelow) {
        if (Screen* panel = Ui::Get().Find("ChCmb")) Ui::Get().Close(*panel);
        Ui::Get().Close(combat);
        gd.CombatMode = combat_mode::kFight;
        return;
    }
    if (y < kStandTop || y > kStandBottom) return;
    for (int level = 1; level <= 3; ++level) {
        const Level& l = kLevels[level - 1];
        if (x <= l.standLeft || x >= l.standRight) continue;
        combat.Seller = level;
        combat.HideMessage();
        combat.StartTimer(combat.C("Regul"), kWalkTick);
        return;
    }
}

bool TournamentPlacePoint(int place, int& x, int& y) {
    if (place == 0) {
        x = 208;
        y = kExitBelow + 16;
        return true;
    }
    if (place < 1 || place > 3) return false;
    const Level& l = kLevels[place - 1];
    x = (l.standLeft + l.standRight) / 2;
    y = (kStandTop + kStandBottom) / 2;
    return true;
}

void TournamentWalk(CombatForm& combat) {
    Control& icon = combat.C("Perso");
    const int level = combat.Seller;
    if (level == 1 && icon.left > 64) {
        icon.left -= kStep;
    } else if (level == 2 && icon.left > 192) {
        icon.left -= kStep;
    } else if (level == 2 && icon.left < 192) {
        icon.left += kStep;
    } else if (level == 3 && icon.left < 320) {
        icon.left += kStep;
    } else if (icon.top > kStandTop) {
        icon.top -= kStep;
    } else {
        // At the stand: the guard of that level waits for the board to start the fight.
        gd.EnemyNumber = 1;
        gd.CombatMode = combat_mode::kFight;
        combat.C("Regul").enabled = false;
        if (level >= 1 && level <= 3) {
            const Level& l = kLevels[level - 1];
            gd.EnemyAttack = l.attack;
            gd.EnemyDefense = l.defense;
            gd.EnemyAgility = l.agility;
        }
        Ui::Get().Close(combat);
    }
}
