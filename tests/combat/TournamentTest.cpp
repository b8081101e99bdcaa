// The arena's entrance and the tower-floor screen (modes 3 and 4 of the Combat screen).
#include "combat/FightFixture.h"
#include "ui/Navigation.h"

namespace {

class EntranceTest : public FightTest {
protected:
    void SetUp() override {
        FightTest::SetUp();
        gd.Zone[1] = 3;
        gd.PosX[1] = 3;
        gd.PosY[1] = 5;
        gd.EnemyAttack = 0;
        gd.CombatMode = 3;
        Stage([] { OpenCombatModal(); });
    }
    // Opens the entrance, runs the script inside it, and tells where the icon went.
    void Inside(const std::string& script) {
        Run("call Stage.Open_Click\n" + script + "dump\nquit\n");
    }
    Control& Icon() { return Combat()->C("Perso"); }
};

TEST_F(EntranceTest, TheEntranceShowsTheIconAtTheDoorAndAsksForTheLevel) {
    Inside(
        "click Form 10 10\n");  // nothing happens on the sand
    ASSERT_NE(Combat(), nullptr);
    EXPECT_EQ(Combat()->caption, "Tournoi");
    EXPECT_EQ(Combat()->picture, "tournoi.bmp");
    EXPECT_EQ(Icon().picture, "06.ico");  // Guerrier
    EXPECT_EQ(Icon().left, 192);
    EXPECT_EQ(Icon().top, 224);
    EXPECT_EQ(Message(), "Choisissez votre niveau de difficulté");
    EXPECT_TRUE(MessageShown());
    EXPECT_FALSE(Combat()->C("Regul").enabled);
    EXPECT_EQ(session->services().log.size(), 0u);  // no music here
}

TEST_F(EntranceTest, LevelTwoWalksStraightUpAndSetsTheGuard) {
    Inside("call Form_MouseDown 1 0 200 140\nwait 250\n");
    EXPECT_FALSE(MessageShown());
    EXPECT_EQ(Icon().left, 192);
    EXPECT_EQ(Icon().top, 192);
    Run("wait 500\n");
    EXPECT_EQ(Icon().top, 128);
    EXPECT_NE(Combat(), nullptr);
    EXPECT_EQ(gd.EnemyAttack, 0);
    Run("wait 250\n");
    EXPECT_EQ(Combat(), nullptr);
    EXPECT_EQ(gd.EnemyNumber, 1);
    EXPECT_EQ(gd.EnemyAttack, 25);
    EXPECT_EQ(gd.EnemyDefense, 25);
    EXPECT_EQ(gd.EnemyAgility, 10);
    EXPECT_EQ(gd.CombatMode, 0);
}

// Keys 1 to 3 walk to the stands as clicks do; 4 and 5 name no stand; Escape leaves.
TEST_F(EntranceTest, KeysChooseTheLevelAndEscapeLeaves) {
    Inside("press 4\npress 5\nwait 1000\n");
    ASSERT_NE(Combat(), nullptr);
    EXPECT_TRUE(MessageShown());
    EXPECT_EQ(Icon().left, 192);
    EXPECT_EQ(Icon().top, 224);
    Run("press 3\nwait 2000\n");
    EXPECT_EQ(Combat(), nullptr);
    EXPECT_EQ(gd.EnemyAttack, 30);
    EXPECT_EQ(gd.EnemyDefense, 30);
    EXPECT_EQ(gd.EnemyAgility, 15);

    gd.EnemyAttack = 0;
    gd.CombatMode = 3;
    Inside("press Esc\n");
    EXPECT_EQ(Combat(), nullptr);
    EXPECT_EQ(gd.CombatMode, 0);
    EXPECT_EQ(gd.EnemyAttack, 0);  // no guard waits
}

TEST_F(EntranceTest, LevelsOneAndThreeWalkFourStepsAsideThenThreeUp) {
    Inside("call Form_MouseDown 1 0 80 150\nwait 1000\n");
    EXPECT_EQ(Icon().left, 64);
    EXPECT_EQ(Icon().top, 224);
    Run("wait 750\n");
    EXPECT_EQ(Icon().top, 128);
    Run("wait 250\n");
    EXPECT_EQ(gd.EnemyAttack, 20);
    EXPECT_EQ(gd.EnemyAgility, 5);

    gd.CombatMode = 3;
    gd.EnemyAttack = 0;
    Inside("call Form_MouseDown 1 0 340 130\nwait 1750\n");
    EXPECT_EQ(Icon().left, 320);
    EXPECT_EQ(Icon().top, 128);
    Run("wait 250\n");
    EXPECT_EQ(gd.EnemyAttack, 30);
    EXPECT_EQ(gd.EnemyAgility, 15);
}

TEST_F(EntranceTest, TheStandBordersAreOpenSidewaysAndClosedUpAndDown) {
    for (const char* point : {"80 128", "80 160"}) {
        gd.CombatMode = 3;
        Inside(std::string("call Form_MouseDown 1 0 ") + point + "\n");
        EXPECT_TRUE(Combat()->C("Regul").enabled) << point;
        EXPECT_FALSE(MessageShown());
        Run("close\n");
    }
    for (const char* point : {"64 140", "96 140", "80 127", "80 161", "192 140", "224 140", "352 140"}) {
        gd.CombatMode = 3;
        Inside(std::string("call Form_MouseDown 1 0 ") + point + "\n");
        EXPECT_FALSE(Combat()->C("Regul").enabled) << point;
        EXPECT_TRUE(MessageShown());
        Run("close\n");
    }
}

TEST_F(EntranceTest, AClickBelowTheSandLeavesWithoutAFight) {
    Inside("click Combat.Fond 20 20\n");
    EXPECT_EQ(Combat(), nullptr);
    EXPECT_EQ(gd.EnemyAttack, 0);
    EXPECT_EQ(gd.CombatMode, 0);
}

class TowerFloorTest : public FightTest {
protected:
    void SetUp() override {
        FightTest::SetUp();
        gd.CombatMode = 4;
        Stage([] { OpenCombatModal(); });
    }
};

TEST_F(TowerFloorTest, TheSecondFloorReadsEtage2AndShowsNekarat) {
    gd.CurrentCharacter = 9;  // player 2
    gd.TowerFloor[2] = 2;
    gd.TowerFloor[1] = 4;
    Run("call Stage.Open_Click\ndump\nquit\n");
    ASSERT_NE(Combat(), nullptr);
    EXPECT_EQ(Combat()->caption, "Tournoi");
    EXPECT_EQ(Combat()->picture, "mechant.bmp");
    EXPECT_EQ(Message(), "Etage 2");
    EXPECT_TRUE(MessageShown());
    EXPECT_EQ(Combat()->C("Mechant").picture, "des17.gif");
    EXPECT_TRUE(Combat()->C("Mechant").visible);
    EXPECT_EQ(Combat()->C("Perso").left, 192);
    EXPECT_EQ(Combat()->C("Perso").top, 224);
}

TEST_F(TowerFloorTest, AClickOnTheGuardianClosesTheScreenAndChangesNothing) {
    gd.TowerFloor[1] = 0;
    gd.EnemyNumber = 3;
    Run("call Stage.Open_Click\nclick Combat.Mechant\nscreen\n");
    EXPECT_EQ(Combat(), nullptr);
    EXPECT_EQ(gd.EnemyNumber, 3);
    EXPECT_EQ(gd.FightResult, 0);
    EXPECT_EQ(session->out(), "Stage\n");
}

TEST_F(TowerFloorTest, EnglishFallsBackToTheFrenchFloorWord) {
    gd.LanguageOffset = 2000;
    gd.TowerFloor[1] = 0;
    Run("call Stage.Open_Click\ndump\nquit\n");
    EXPECT_EQ(Message(), "Etage 0");
    EXPECT_EQ(Combat()->C("Mechant").picture, "des15.gif");
}

}  // namespace
