// The fight screen's own display of the fight: life, magic and spell gains of the character,
// and the enemy's remaining blows as six pips, as each message appears.
#include "combat/FightFixture.h"
#include "state/Messages.h"
#include "ui/Navigation.h"

namespace {

class FightStatusTest : public FightTest {
protected:
    Control& Shown(const std::string& key) { return Combat()->C(key); }
    std::string Caption(const std::string& key) { return Combat()->C(key).caption; }
    // The pips still full: six edge discs, and a filled disc inside each blow left.
    int FullPips() {
        int filled = 0;
        for (const DrawOp& op : Combat()->C("Coups").drawOps) filled += op.type == DrawOp::FillEllipse;
        return filled - 6;
    }
};

TEST_F(FightStatusTest, PipsAndLifeChangeWithTheMessageThatTellsIt) {
    Enemy(5);
    gd.EnemyDefense = 0;   // every blow lands,
    gd.EnemyAttack = 99;   // both ways
    const int life = Life();
    Fight(0.99, 0.0);
    ASSERT_TRUE(Combat()->Shown(Shown("Coups")));
    EXPECT_EQ(FullPips(), 6);
    EXPECT_EQ(Caption("EtatVie"), "Vie " + std::to_string(life));
    EXPECT_EQ(Caption("EtatMagie"), "Magie 10");
    EXPECT_EQ(Caption("EtatMechantNom"), EnemyName(5));

    Run("click ChCmb.StepPix(0)\n");
    ASSERT_TRUE(MessageShown());
    EXPECT_EQ(FullPips(), 5);
    EXPECT_EQ(Caption("CoupsTexte"), "Coups à porter\u00A0: 5");

    Run("wait 2200\n");  // the enemy's blow, and its message
    ASSERT_TRUE(MessageShown());
    EXPECT_EQ(Message(), EnemyName(5) + " vous attaque et vous touche!");
    EXPECT_EQ(Caption("EtatVie"), "Vie " + std::to_string(life - 1));
    EXPECT_EQ(FullPips(), 5);
}

TEST_F(FightStatusTest, SpellGainsShowUntilTheFightEnds) {
    Make(1, 13);  // Sorcier
    Enemy(5);
    Fight(0.99, 0.0);
    EXPECT_FALSE(Combat()->Shown(Shown("EtatSorts")));
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(3)\nwait 450\n");  // Volcan: Att+4, PV-2, 4 points
    ASSERT_TRUE(MessageShown());
    EXPECT_TRUE(Combat()->Shown(Shown("EtatSorts")));
    EXPECT_EQ(Caption("EtatSorts"), "Sorts\u00A0: Att +4");
    EXPECT_EQ(Caption("EtatMagie"), "Magie 6");
    EXPECT_EQ(Caption("EtatVie"), "Vie " + std::to_string(Life()));

    Run("wait 4500\nclick ChCmb.StepPix(3)\n");  // flight
    ASSERT_FALSE(FightOpen());
    Fight(0.99, 0.0);
    EXPECT_FALSE(Combat()->Shown(Shown("EtatSorts"))) << "the gains lasted one fight";
    EXPECT_EQ(Caption("EtatMagie"), "Magie 6");
}

TEST_F(FightStatusTest, TheYoungGirlHasNoBlowsToCount) {
    Enemy(4);
    rnd::Queue({0.1});
    StartFight();
    EXPECT_TRUE(Combat()->Shown(Shown("EtatPerso")));
    EXPECT_FALSE(Combat()->Shown(Shown("Coups")));
}

}  // namespace
