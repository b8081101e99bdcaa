// The action panel: initiative, the four actions, the message pause and the enemy's turn.
#include "combat/FightFixture.h"
#include "state/Messages.h"
#include "ui/Navigation.h"

namespace {

TEST_F(FightTest, PanelOpensBesideTheFightWithItsCaptionsAndTheEnemyPicture) {
    Enemy(5);
    Fight();
    ASSERT_TRUE(FightOpen());
    EXPECT_TRUE(Panel()->topMost);
    EXPECT_EQ(Panel()->besideScreen, "Combat");
    EXPECT_EQ(Panel()->caption, "Actions");
    EXPECT_EQ(Combat()->caption, "Mode Combat");
    EXPECT_EQ(Combat()->picture, "cmbpln.bmp");
    EXPECT_EQ(Combat()->C("Mechant").picture, "des5.gif");
    EXPECT_TRUE(Combat()->C("Mechant").visible);
    const char* captions[4] = {"  Attaque", "  Magie", "  Défense", "  Fuite"};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(Panel()->C("StepDesc", r).caption, captions[r]);
    EXPECT_EQ(Panel()->C("StepPix", 0).picture, "action0.gif");
    // The fight music: file name, open, play.
    const auto& log = session->services().log;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "music open battle.mid");
    EXPECT_EQ(log.back(), "music play battle.mid");
}

// The fight's picture has no places: the keys that walk the shops and the arena (and leave
// them) belong to no control in a fight, so a fight can't be left by a key.
TEST_F(FightTest, TheShopsAndArenasKeysDoNothingInAFight) {
    Enemy(5);
    Fight();
    ASSERT_TRUE(FightOpen());
    for (const char* key : {"1", "2", "3", "4", "5", "Esc"}) EXPECT_FALSE(Combat()->PressKey(key)) << key;
    EXPECT_TRUE(FightOpen());
    EXPECT_EQ(gd.CombatMode, 0);
}

// A window manager gives the keyboard to the fight screen when the fight opens: the four
// action keys work there as on the panel, once each.
TEST_F(FightTest, TheActionKeysWorkWhicheverFightWindowHasTheKeyboard) {
    Enemy(1);
    Fight();
    Run("press Combat.3\n");
    EXPECT_EQ(Message(), "Vous défendez.");
    EXPECT_EQ(PanelVar("Defending"), -1);
    Run("rnd 0.99 0 0\nwait 2200\nwait 2000\n");
    ASSERT_FALSE(MessageShown());
    Run("rnd 0.99 0\npress ChCmb.1\n");
    EXPECT_EQ(PanelVar("EnemyHitsLeft"), 5) << "one blow for one key";
    Run("press Combat.5\npress Combat.Esc\n");
    EXPECT_TRUE(FightOpen()) << "no other key of the fight screen leaves the fight";
}

TEST_F(FightTest, MonstreBreathesSixTimesAndWinsBeforeTheEnemyEverActs) {
    Make(1, 10);
    Enemy(5);  // agility 6: the Monstre's 2 + 6 beats its 6 + 1
    Fight();
    ASSERT_TRUE(FightOpen());
    EXPECT_EQ(Panel()->C("StepDesc", 0).caption, "  Haleine");
    EXPECT_EQ(Panel()->C("StepDesc", 1).caption, "  Magie");
    EXPECT_EQ(Panel()->C("StepDesc", 2).caption, "  Grimace");
    EXPECT_EQ(Panel()->C("StepDesc", 3).caption, "  Fuite");
    EXPECT_EQ(Panel()->C("StepPix", 0).picture, "action0m.gif");
    EXPECT_EQ(Panel()->C("StepPix", 2).picture, "action2m.gif");
    for (int blow = 1; blow <= 5; ++blow) {
        Run(blow % 2 ? "rnd 0.99\nclick ChCmb.StepPix(0)\n" : "rnd 0.5\nclick ChCmb.StepPix(2)\n");
        EXPECT_EQ(Message(), blow % 2 ? "Le monstre souffle. Le squelette guerrier est intoxiqué."
                                      : "Le monstre fait une grimace. Le squelette guerrier prend peur.");
        EXPECT_FALSE(Panel()->C("MechantTimer").enabled);
        Run("wait 2000\n");
        EXPECT_FALSE(MessageShown());
    }
    Run("wait 5000\n");  // no enemy turn is on its way
    EXPECT_FALSE(MessageShown());
    Run("rnd 0.99\nclick ChCmb.StepPix(0)\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, 1);
    EXPECT_EQ(Life(), 6);
}

TEST_F(FightTest, AMonstreBreathOnOneToThreeMissesAndCostsNoBlow) {
    Make(1, 10);
    Enemy(5);
    Fight();
    Run("rnd 0.4\nclick ChCmb.StepPix(0)\n");
    EXPECT_EQ(Message(), "Le monstre souffle. Le squelette guerrier évite.");
    EXPECT_EQ(PanelVar("EnemyHitsLeft"), 6);
}

TEST_F(FightTest, KarogStrikesFirstUnlessTheAgilityWithItsBonusReaches56) {
    Enemy(16);
    gd.AgilityBonus[1] = 50;  // Guerrier agility 6: 56 in all; best roll ties Karog's worst
    Fight(0.99, 0.0);
    ASSERT_TRUE(FightOpen());
    EXPECT_FALSE(MessageShown());
    Ui::Get().Close(*Panel());
    Ui::Get().Close(*Combat());

    gd.AgilityBonus[1] = 49;
    rnd::Queue({0.99, 0.0, 0.0, 0.0});  // initiative, then the enemy's attack dice
    StartFight();
    ASSERT_TRUE(FightOpen());
    EXPECT_TRUE(MessageShown());
    EXPECT_EQ(Message(), "Karog vous attaque et vous touche!");
    EXPECT_EQ(Life(), 5);
}

TEST_F(FightTest, ATieInTheInitiativeLetsThePlayerActFirst) {
    Enemy(1);  // agility 6, as the Guerrier's
    Fight(0.5, 0.5);
    ASSERT_TRUE(FightOpen());
    EXPECT_FALSE(MessageShown());
    EXPECT_EQ(Life(), 6);
}

TEST_F(FightTest, AnAttackHitsOrMissesAndTheEnemyAnswersAfter2200Ms) {
    Enemy(1);  // defence 16; the Guerrier attacks with 13
    Fight();
    Run("rnd 0.99 0\nclick ChCmb.StepPix(0)\n");  // 13 + 9 > 16 + 0
    EXPECT_EQ(Message(), "Vous attaquez Le garde et vous le touchez!");
    EXPECT_EQ(PanelVar("EnemyHitsLeft"), 5);
    EXPECT_TRUE(Panel()->C("MechantTimer").enabled);
    Run("wait 2000\n");
    EXPECT_FALSE(MessageShown());
    Run("rnd 0 0.99\nwait 200\n");  // 16 + 0 > 9 + 8 fails: the enemy misses
    EXPECT_EQ(Message(), "Le garde vous attaque et vous rate!");
    Run("wait 2000\nrnd 0 0.99\nclick ChCmb.StepPix(0)\n");  // 13 + 0 > 16 + 5 fails
    EXPECT_EQ(Message(), "Vous attaquez Le garde et vous le ratez!");
    EXPECT_EQ(PanelVar("EnemyHitsLeft"), 5);
}

TEST_F(FightTest, ClicksDuringAMessagePauseAreRefused) {
    Enemy(1);
    Fight();
    Run("rnd 0.99 0\nclick ChCmb.StepPix(0)\nclick ChCmb.StepDesc(0)\n");
    EXPECT_EQ(PanelVar("EnemyHitsLeft"), 5);
    EXPECT_EQ(rnd::QueuedCount(), 0);
    // The caption acts as the icon of its row once the pause is over.
    Run("wait 2000\nrnd 0.99 0\nclick ChCmb.StepDesc(0)\n");
    EXPECT_EQ(PanelVar("EnemyHitsLeft"), 4);
}

TEST_F(FightTest, TheDefenceBonusCountsForExactlyOneEnemyAttack) {
    Enemy(1);  // attack 16 against the Guerrier's defence 8
    Fight();
    Run("click ChCmb.StepPix(2)\n");
    EXPECT_EQ(Message(), "Vous défendez.");
    EXPECT_EQ(PanelVar("Defending"), -1);
    // With the bonus (0.99: +10) 16 + 0 > 0 + 18 fails.
    Run("rnd 0.99 0 0\nwait 2200\n");
    EXPECT_EQ(Message(), "Le garde vous attaque et vous rate!");
    EXPECT_EQ(PanelVar("Defending"), 0);
    // The same dice without it hit.
    Run("wait 2000\nrnd 0 0.99\nclick ChCmb.StepPix(0)\nwait 2000\nrnd 0 0\nwait 200\n");
    EXPECT_EQ(Message(), "Le garde vous attaque et vous touche!");
    EXPECT_EQ(Life(), 5);
}

TEST_F(FightTest, SixHitsWinTheFightAtOnce) {
    Enemy(5);
    Fight();
    Run("set EnemyHitsLeft 1\nrnd 0.99 0\nclick ChCmb.StepPix(0)\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, 1);
    EXPECT_EQ(rec::Experience(1), 1);  // the Guerrier's gain
}

TEST_F(FightTest, LosingTheLastLifePointEndsTheFightLost) {
    Enemy(5);
    rec::WriteLife(1, 1);
    Fight();
    Run("click ChCmb.StepPix(2)\nrnd 0 0.99 0\nwait 2200\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, -1);
    EXPECT_EQ(Life(), 0);
}

TEST_F(FightTest, FlightAlwaysSucceedsAndSoundsNothing) {
    Enemy(5);
    Fight();
    size_t sounds = session->services().log.size();
    Run("click ChCmb.StepPix(3)\n");
    EXPECT_FALSE(FightOpen());
    EXPECT_EQ(gd.FightResult, 0);
    EXPECT_EQ(session->services().log.size(), sounds);
}

TEST_F(FightTest, EachActionRowButFlightPlaysItsSound) {
    Enemy(5);
    Fight();
    Run("click ChCmb.StepPix(2)\n");
    EXPECT_EQ(session->services().log.back(), "sound cmbsnd3.wav 1");
}

TEST_F(FightTest, RowFramesFollowThePointer) {
    Enemy(5);
    Fight();
    Run("call ChCmb.StepPix_MouseMove 1 0 0 4 4\n");
    EXPECT_EQ(PanelVar("HoverRow"), 2);
    const auto& ops = Panel()->C("Cadre").drawOps;
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].y1, 38);  // row 1's frame: 36 · 1 + 2
    EXPECT_EQ(ops[0].color, colors::kHighlight3D);
    EXPECT_EQ(ops[2].color, colors::kButtonShadow);
    Run("call ChCmb.Form_MouseMove 0 0 1 1\n");
    EXPECT_EQ(PanelVar("HoverRow"), 0);
    EXPECT_TRUE(Panel()->C("Cadre").drawOps.empty());
}

TEST_F(FightTest, ClicksOnTheEnemyAndThePanelCloseBoxDoNotEndARunningFight) {
    Enemy(5);
    Fight();
    Run("click Combat.Mechant\nclose\n");
    EXPECT_TRUE(FightOpen());
}

}  // namespace
