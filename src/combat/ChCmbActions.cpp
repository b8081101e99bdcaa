// The four actions of the panel and the enemy's answer.
#include "combat/ChCmb.h"
#include "combat/CombatForm.h"
#include "combat/Fight.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/Random.h"

namespace {

constexpr int kPause = 2000;  // ms a message stays

bool IsMonstre() { return rec::ClassNumber(gd.CurrentCharacter) == classes::kMonstre; }

// "<first> <enemy> <last>", the shape of every message about a blow.
std::string AboutEnemy(int firstRel, int lastRel) {
    return Msg(firstRel) + " " + EnemyName(gd.EnemyNumber) + " " + Msg(lastRel);
}

}  // namespace

void ChCmb::Act(int row) {
    CombatForm* combat = FightScreen();
    if (!combat) return;
    switch (row) {
        case 0:
            if (IsMonstre()) MonstreBlow(*combat, 127, 131);
            else Attack(*combat);
            break;
        case 1:
            ShowSpellMenu();
            break;
        case 2:
            if (IsMonstre()) {
                MonstreBlow(*combat, 128, 132);
            } else {
                combat->ShowMessage(Msg(544), kPause);
                Defending = -1;
                StartEnemyTurn();
            }
            break;
        case 3:
            // Flight always succeeds.
            gd.FightResult = 0;
            CloseFight(false);
            break;
        default:
            break;
    }
}

bool ChCmb::Hit() {
    if (--EnemyHitsLeft > 0) return false;
    gd.FightResult = 1;
    CloseFight(false);
    return true;
}

void ChCmb::Attack(CombatForm& combat) {
    int total = rec::EffectiveAttack(gd.CurrentCharacter) + FightAttackBonus;
    int mine = rnd::Below(10);
    int theirs = rnd::Below(6);
    if (total + mine > gd.EnemyDefense + theirs) {
        combat.ShowMessage(AboutEnemy(514, 515), kPause);
        if (Hit()) return;
    } else {
        combat.ShowMessage(AboutEnemy(514, 516), kPause);
    }
    StartEnemyTurn();
}

void ChCmb::MonstreBlow(CombatForm& combat, int messageRel, int resultRel) {
    // The Monstre's breath and grimace: no blow back from the enemy either way.
    if (rnd::D6() >= 4) {
        combat.ShowMessage(AboutEnemy(messageRel, resultRel), kPause);
        Hit();
    } else {
        combat.ShowMessage(AboutEnemy(messageRel, 133), kPause);
    }
}

void ChCmb::EnemyTurn() {
    C("MechantTimer").enabled = false;
    CombatForm* combat = FightScreen();
    if (!combat) return;
    // A spell cast after the last message but before this turn came is still on its frames:
    // the enemy waits for it, and the spell's end gives the enemy its turn again.
    Control& regul = combat->C("Regul");
    if (regul.enabled && regul.interval == 150) return;
    if (LastSpellCast() == 11) {
        // Main noire: this one attack is lost.
        combat->ShowMessage(EnemyName(gd.EnemyNumber) + " " + Msg(543), kPause);
        gd.PendingSpell = pending_spell::kNone;
        return;
    }
    EnemyAttacks();
}

void ChCmb::EnemyAttacks() {
    CombatForm* combat = FightScreen();
    if (!combat) return;
    const int c = gd.CurrentCharacter;
    int defence = rec::EffectiveDefense(c) + FightDefenseBonus;
    if (Defending) {
        defence += rnd::Below(10) + 1;
        Defending = 0;
    }
    int theirs = rnd::Below(6);
    int mine = rnd::Below(10);
    const std::string name = EnemyName(gd.EnemyNumber);
    if (gd.EnemyAttack + theirs > mine + defence) {
        combat->ShowMessage(name + " " + Msg(517) + " " + Msg(518), kPause);
        int life = rec::Life(c) - 1;
        rec::WriteLife(c, life < 0 ? 0 : life);
        if (rec::Life(c) == 0) {
            gd.FightResult = -1;
            CloseFight(false);
        }
    } else {
        combat->ShowMessage(name + " " + Msg(517) + " " + Msg(519), kPause);
    }
}
