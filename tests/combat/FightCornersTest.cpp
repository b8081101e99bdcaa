// Corners of a fight that the other tests pass by: the English menu, a guardian left by
// flight, the hermit who wins.
#include "combat/FightFixture.h"
#include "state/Messages.h"
#include "ui/Navigation.h"

namespace {

class FightCornersTest : public FightTest {};

// The menu's captions are looked up in the language shown, and the effects speak it too.
TEST_F(FightCornersTest, InEnglishTheMenuCastsBySpellNameAndTheMessagesAreEnglish) {
    gd.LanguageOffset = 2000;
    Make(1, 6);  // Fée: Tourbillon, Guérison
    rec::WriteLife(1, 4);
    Enemy(5);
    Fight();
    Run("click ChCmb.StepPix(1)\n");
    EXPECT_EQ(Panel()->C("CastSpell", 0).caption, MsgId(2520));
    EXPECT_EQ(Panel()->C("CastSpell", 1).caption, MsgId(2522));
    Run("menu CastSpell(0)\nwait 450\n");
    EXPECT_EQ(gd.EnemyAttack, 12);
    EXPECT_EQ(Message(), MsgId(2504) + " " + MsgId(2540) + " Att-4");
    Run("wait 2000\nrnd 0 0.99\nwait 200\nwait 2000\n");  // the enemy misses
    ASSERT_EQ(Life(), 4);
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(1)\nwait 450\n");
    EXPECT_EQ(Life(), 7);
    EXPECT_EQ(Message(), MsgId(2065) + " " + MsgId(2540) + " PV+3");
    EXPECT_EQ(gd.MagicPoints[1], 10 - 2 - 4);
}

TEST_F(FightCornersTest, FleeingFromATowerGuardianChangesNeitherFloorNorLife) {
    gd.Zone[1] = 3;  // the tower door stands in the town: no prison for its fights
    gd.PosX[1] = 19;
    gd.PosY[1] = 10;
    gd.TowerFloor[1] = 2;
    rec::WriteLife(1, 3);
    Enemy(17);
    gd.EnemyAgility = 0;
    Fight();
    Run("click ChCmb.StepPix(3)\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, 0);
    EXPECT_EQ(gd.TowerFloor[1], 2);
    EXPECT_EQ(Life(), 3);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST_F(FightCornersTest, LosingToTheHermitKillsButTakesNoItems) {
    gd.Zone[1] = 4;
    rec::WriteLife(1, 1);
    const std::u32string items = rec::ItemsText(1);
    ASSERT_FALSE(items.empty());
    Enemy(14);
    rnd::Queue({0.0, 0.99, 0.99, 0.0});  // the hermit acts first and hits
    StartFight();
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, -1);
    EXPECT_EQ(gd.Status[1], 6);
    EXPECT_EQ(rec::ItemsText(1), items);
}

}  // namespace
