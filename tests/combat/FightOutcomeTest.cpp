// What a fight writes back when it closes: tower floors, the young girl's key, experience,
// prison, the arena's prize and the hermit's theft.
#include "combat/FightFixture.h"
#include "state/Text.h"
#include "ui/Navigation.h"

namespace {

class OutcomeTest : public FightTest {
protected:
    void StandAt(int zone, int x, int y) {
        gd.Zone[1] = zone;
        gd.PosX[1] = x;
        gd.PosY[1] = y;
    }
    // Wins the open fight with one more hit.
    void WinWithOneBlow() { Run("set EnemyHitsLeft 1\nrnd 0.99 0\nclick ChCmb.StepPix(0)\n"); }
    std::string Tail(int c = 1) { return ToUtf8(gd.CharacterRecords[c].substr(gd.CharacterRecords[c].size() - 7)); }
};

TEST_F(OutcomeTest, LosingToATowerGuardianSetsLifeBackToSixAndKeepsTheFloor) {
    gd.TowerFloor[1] = 0;
    rec::WriteLife(1, 1);
    Enemy(15);
    rnd::Queue({0.0, 0.99, 0.99, 0.0});  // Gorak wins the initiative and hits at once
    StartFight();
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, -1);
    EXPECT_EQ(Life(), 6);
    EXPECT_EQ(gd.TowerFloor[1], 0);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST_F(OutcomeTest, WinningATowerFloorRaisesThePartysCountAndTheFifthEndsTheGame) {
    gd.CurrentCharacter = 8;  // player 2
    gd.DoorState[2] = 6;
    gd.TowerFloor[2] = 3;
    gd.AttackBonus[8] = 60;  // enough to hit the guardians, who also act last here
    Enemy(18);
    gd.EnemyAgility = 0;
    Fight(0.99, 0.0);
    WinWithOneBlow();
    EXPECT_EQ(gd.TowerFloor[2], 4);
    EXPECT_EQ(session->screen("frmFini"), nullptr);
    EXPECT_EQ(rec::Experience(8), 0);  // the tower pays no experience

    Enemy(19);
    gd.EnemyAgility = 0;
    Fight(0.99, 0.0);
    WinWithOneBlow();
    EXPECT_EQ(gd.TowerFloor[2], 5);
    ASSERT_NE(session->screen("frmFini"), nullptr);
    EXPECT_EQ(session->screen("frmFini")->C("Label2").caption,
              "Comme votre morale l'a voulu, le monde se trouve, à présent, en paix à jamais.");
}

TEST_F(OutcomeTest, ACavalierNoirWhoLosesStaysOnTheBoardWithNoLife) {
    Make(1, 2);
    rec::WriteLife(1, 1);
    Enemy(5);
    Fight();
    Run("click ChCmb.StepPix(2)\nrnd 0 0.99 0\nwait 2200\n");
    EXPECT_EQ(gd.FightResult, -1);
    EXPECT_EQ(Life(), 0);
    EXPECT_EQ(gd.Status[1], 0);
}

TEST_F(OutcomeTest, AWinGivesTheClassExperienceGain) {
    Make(1, 8);  // gain 5
    rec::WriteExperience(1, 10);
    Enemy(5);
    Fight();
    WinWithOneBlow();
    EXPECT_EQ(rec::Experience(1), 15);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST_F(OutcomeTest, AnAmazonWhoWinsCannotSeduceAnyMore) {
    Make(1, 1);
    gd.CapacityAvailable = true;
    Enemy(5);
    Fight();
    WinWithOneBlow();
    EXPECT_FALSE(gd.CapacityAvailable);
}

TEST_F(OutcomeTest, WinningOrFleeingInTownSendsToPrisonButNotOnTheArena) {
    StandAt(3, 10, 10);
    gd.MovesLeft = 3;
    Enemy(2);
    Fight();
    WinWithOneBlow();
    EXPECT_EQ(gd.Status[1], 1);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_FALSE(gd.MagicAvailable);

    gd.Status[1] = 0;
    Fight();
    Run("click ChCmb.StepPix(3)\n");
    EXPECT_EQ(gd.Status[1], 1);

    gd.Status[1] = 0;
    StandAt(3, 3, 5);
    Fight();
    WinWithOneBlow();
    EXPECT_EQ(gd.Status[1], 0);
    Fight();
    Run("click ChCmb.StepPix(3)\n");
    EXPECT_EQ(gd.Status[1], 0);
}

TEST_F(OutcomeTest, TheArenaAtLevelThreePays11000AndTheExperienceTwice) {
    Make(1, 8);  // 2000 gold, gain 5
    gd.AttackBonus[1] = 20;
    gd.AgilityBonus[1] = 10;
    StandAt(3, 3, 5);
    Enemy(1);
    gd.EnemyAttack = gd.EnemyDefense = 30;
    gd.EnemyAgility = 15;
    Fight(0.99, 0.0);
    WinWithOneBlow();
    EXPECT_EQ(rec::Gold(1), 13000);
    EXPECT_EQ(rec::Experience(1), 10);
}

TEST_F(OutcomeTest, TourbillonAtArenaLevelOnePaysNoPrizeButStillTheDoubleExperience) {
    Make(1, 8);
    gd.AttackBonus[1] = 10;
    StandAt(3, 3, 5);
    Enemy(1);
    gd.EnemyAttack = gd.EnemyDefense = 20;
    gd.EnemyAgility = 5;
    Fight(0.99, 0.0);
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(0)\nwait 450\n");
    EXPECT_EQ(gd.EnemyAttack, 16);
    Run("wait 2000\nrnd 0 0.99\nwait 200\nwait 2000\n");
    WinWithOneBlow();
    EXPECT_EQ(rec::Gold(1), 2000);
    EXPECT_EQ(rec::Experience(1), 10);
}

TEST_F(OutcomeTest, LosingOnTheArenaLeavesTheCharacterAliveWithSixLife) {
    StandAt(3, 3, 5);
    rec::WriteLife(1, 1);
    Enemy(1);
    gd.EnemyAttack = gd.EnemyDefense = 25;
    Fight();
    Run("click ChCmb.StepPix(2)\nrnd 0 0.99 0\nwait 2200\n");
    EXPECT_EQ(gd.FightResult, -1);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_EQ(Life(), 6);
}

TEST_F(OutcomeTest, FleeingFromTheHermitEmptiesTheItemsButKeepsTheGold) {
    StandAt(4, 8, 8);
    Enemy(14);
    gd.EnemyAgility = 0;
    Fight();
    Run("click ChCmb.StepPix(3)\n");
    EXPECT_EQ(rec::ItemCount(1), 0);
    EXPECT_EQ(rec::Gold(1), 1000);
    EXPECT_EQ(gd.CharacterRecords[1].size(), 41u);

    Make(1, 7);
    Fight();
    WinWithOneBlow();
    EXPECT_EQ(rec::ItemCount(1), 3);
}

TEST_F(OutcomeTest, TheYoungGirlsKeyIsAppendedAtTheEndOfTheItems) {
    StandAt(3, 10, 10);
    Enemy(4);
    rnd::Queue({0.3});
    StartFight();
    ASSERT_TRUE(FightOpen());
    EXPECT_EQ(Message(), "La jeune fille vous donne une clé runique.");
    EXPECT_EQ(Panel()->C("StepDesc", 0).caption, "  Enlacer");
    EXPECT_EQ(Panel()->C("StepDesc", 3).caption, "  Fuir");
    Run("wait 7999\n");
    EXPECT_TRUE(FightOpen());
    Run("wait 1\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, 1);
    EXPECT_EQ(Tail(), "9900611");
    EXPECT_EQ(rec::ItemAt(1, 0).number, 18);  // the first item stays first
    EXPECT_EQ(gd.Status[1], 0);                // no prison for her
    EXPECT_EQ(rec::Experience(1), 0);
}

TEST_F(OutcomeTest, TheYoungGirlsSlapGivesNothingAndHerRowsDoNothing) {
    StandAt(3, 10, 10);
    Enemy(4);
    rnd::Queue({0.7});
    StartFight();
    EXPECT_EQ(Message(), "La jeune fille vous gifle et se sauve, pervers!");
    Run("wait 8000\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, 0);
    EXPECT_EQ(rec::ItemCount(1), 3);
    EXPECT_EQ(gd.Status[1], 0);
}

}  // namespace
