// The computer's chance of winning a fight, against the dice counted by hand and against
// fights played out on the real fight screens with fixed seeds.
#include <gtest/gtest.h>

#include "ai/Computer.h"
#include "ai/Knowledge.h"
#include "combat/Combat.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "support/Game.h"
#include "ui/Navigation.h"

namespace {

TEST(FightOddsTest, BlowsAndFirstMoveCountEveryPairOfDice) {
    // 18 + 0..9 beats 20 + 0..5 when the ten-sided draw is 3 more than the six-sided one:
    // 7 + 6 + 5 + 4 + 3 + 2 = 27 pairs of 60.
    EXPECT_DOUBLE_EQ(ai::PlayerHitChance(18, 20), 27.0 / 60);
    EXPECT_DOUBLE_EQ(ai::PlayerHitChance(30, 16), 1.0);
    EXPECT_DOUBLE_EQ(ai::PlayerHitChance(5, 20), 0.0);
    // The enemy's 20 + 0..5 always beats 0..9 + 8; against 0..9 + 20 it needs a draw above.
    EXPECT_DOUBLE_EQ(ai::EnemyHitChance(20, 8, false), 1.0);
    EXPECT_DOUBLE_EQ(ai::EnemyHitChance(20, 20, false), 15.0 / 60);
    EXPECT_LT(ai::EnemyHitChance(20, 20, true), ai::EnemyHitChance(20, 20, false));
    // A tie goes to the character: 21 of 36 at equal agility; the flying guardian's 61 needs 56.
    EXPECT_DOUBLE_EQ(ai::FirstMoveChance(8, 8), 21.0 / 36);
    EXPECT_DOUBLE_EQ(ai::FirstMoveChance(55, 61), 0.0);
    EXPECT_GT(ai::FirstMoveChance(56, 61), 0.0);
}

TEST(FightOddsTest, MoreLifeOrAttackNeverLowersTheChance) {
    ai::FightSides s;
    s.attack = 20;
    s.defense = 14;
    s.agility = 8;
    s.enemyAttack = 18;
    s.enemyDefense = 18;
    s.enemyAgility = 8;
    double last = -1;
    for (int life = 1; life <= 9; ++life) {
        s.life = life;
        double w = ai::WinChance(s).win;
        EXPECT_GE(w, last) << "life " << life;
        last = w;
    }
    s.life = 5;
    EXPECT_LE(ai::WinChance(s).win, [&] { ai::FightSides t = s; t.attack += 4; return ai::WinChance(t).win; }());
    // A Monstre's breath wins unless the enemy moves first and strikes its last life point.
    ai::FightSides m = s;
    m.monstre = true;
    m.life = 3;
    EXPECT_DOUBLE_EQ(ai::WinChance(m).win, 1.0);
}

// The chance from the start is the first move's chance of each side times the chance with
// that side to move; the forecast reads it in whole per cents, never rounding to a sure thing.
TEST(FightOddsTest, TheChanceWithTheEnemyFirstAndItsText) {
    ai::FightSides s;
    s.attack = 16;
    s.defense = 12;
    s.agility = 6;
    s.life = 4;
    s.enemyAttack = 15;
    s.enemyDefense = 14;
    s.enemyAgility = 9;
    const ai::FightOutlook o = ai::WinChance(s);
    const double first = ai::FirstMoveChance(6, 9);
    EXPECT_NEAR(o.win, first * o.winToAct + (1 - first) * o.winEnemyNext, 1e-12);
    EXPECT_GT(o.winEnemyNextDefended, o.winEnemyNext) << "defending blunts the blow to come";
    EXPECT_LT(o.winEnemyNext, o.winToAct);

    gd.LanguageOffset = 1000;
    EXPECT_EQ(odds::ChanceText(0.734), "Chance de victoire\u00A0: 73\u00A0%");
    EXPECT_EQ(odds::ChanceFigure(0.996), "> 99\u00A0%");
    EXPECT_EQ(odds::ChanceFigure(1.0), "100\u00A0%");
    gd.LanguageOffset = 2000;
    EXPECT_EQ(odds::ChanceText(0.004), "Chance of winning: < 1%");
    EXPECT_EQ(odds::ChanceFigure(0.0), "0%");
    gd.LanguageOffset = 1000;
}

// One fight on the real screens, at the arena (no flight), played by the computer; true if won.
bool PlayOneFight(uint64_t seed, int attackBonus, int defenseBonus, double* estimate) {
    Session session(false);
    rnd::FixSeed(seed);
    gd.PlayerCount = 2;
    for (int c = 1; c <= 12; ++c) {
        gd.CharacterRecords[c] = rec::Make(c < 7 ? 1 : 2, "Joueur", classes::kGuerrier, "Perso",
                                           classes::Template(classes::kGuerrier));
        gd.Zone[c] = 3;
        gd.PosX[c] = 3;
        gd.PosY[c] = 5;
    }
    gd.ComputerPlayer[1] = true;
    gd.CurrentCharacter = 1;
    gd.AttackBonus[1] = attackBonus;
    gd.DefenseBonus[1] = defenseBonus;
    gd.EnemyNumber = 1;
    gd.EnemyAttack = 20;
    gd.EnemyDefense = 20;
    gd.EnemyAgility = 5;
    gd.CombatMode = 0;
    ai::FightSides sides;
    sides.attack = rec::EffectiveAttack(1);
    sides.defense = rec::EffectiveDefense(1);
    sides.agility = rec::EffectiveAgility(1);
    sides.life = rec::Life(1);
    sides.enemyAttack = 20;
    sides.enemyDefense = 20;
    sides.enemyAgility = 5;
    *estimate = ai::WinChance(sides).win;
    ai::ForgetMemory();
    StartFight();
    for (int step = 0; step < 2000 && session.screen("ChCmb"); ++step) {
        ai::Decision d = ai::Decide(nullptr, "");
        EXPECT_EQ(session.Run(d.line + "\n"), 0) << d.line << session.err();
    }
    EXPECT_EQ(session.screen("ChCmb"), nullptr) << "the fight did not end";
    return gd.FightResult == 1;
}

TEST(FightOddsTest, EstimateMatchesFightsPlayedOnTheRealScreens) {
    // Two match-ups, one even and one lopsided; 240 seeded fights each.
    const int kFights = 240;
    for (auto [attack, defense] : {std::pair{6, 10}, std::pair{7, 8}}) {
        int wins = 0;
        double estimate = 0;
        for (int i = 0; i < kFights; ++i) wins += PlayOneFight(1000 + i, attack, defense, &estimate) ? 1 : 0;
        double measured = static_cast<double>(wins) / kFights;
        // Three standard deviations of 240 draws are under 0.1.
        EXPECT_NEAR(measured, estimate, 0.1) << "attack +" << attack << ", defence +" << defense;
    }
}

}  // namespace
