// Fights started from the real board's fight button: the board hides and comes back, and
// the outcome reaches its icons, its information line and its buttons.
#include <gtest/gtest.h>

#include "board/Board.h"
#include "board/Encounter.h"
#include "state/CharacterRecord.h"
#include "support/Game.h"

namespace {

class BoardFightTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
        board = s.screen("frmJeu");
        ASSERT_NE(board, nullptr);
    }
    int Run(const std::string& script) {
        int status = s.Run(script);
        EXPECT_EQ(status, 0) << s.err();
        return status;
    }
    Session s;
    Screen* board = nullptr;
};

TEST_F(BoardFightTest, TheBoardHidesDuringTheFightAndReturnsAfterIt) {
    MeetMonster(5, 16, 16, 6);
    Run("rnd 0.99 0\nclick frmJeu.BattleNow\n");
    ASSERT_NE(s.screen("Combat"), nullptr);
    EXPECT_FALSE(board->visible);
    EXPECT_FALSE(board->C("BattleNow").visible);
    Run("click ChCmb.StepPix(3)\n");
    EXPECT_EQ(s.screen("Combat"), nullptr);
    EXPECT_EQ(s.screen("ChCmb"), nullptr);
    EXPECT_TRUE(board->visible);
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_TRUE(board->C("Perso1", 1).visible);
}

TEST_F(BoardFightTest, ALostFightKillsAndHidesTheIconButNotTheCavalierNoirs) {
    rec::WriteLife(1, 1);
    MeetMonster(5, 16, 16, 6);
    Run("rnd 0 0.99 0.99 0\nclick frmJeu.BattleNow\n");  // the enemy strikes first
    EXPECT_EQ(gd.FightResult, -1);
    EXPECT_EQ(gd.Status[1], 6);
    EXPECT_FALSE(board->C("Perso1", 1).visible);
    EXPECT_FALSE(gd.MagicAvailable);
    EXPECT_TRUE(board->visible);

    // Character 2 is the Cavalier Noir.
    gd.CurrentCharacter = 2;
    rec::WriteLife(2, 1);
    MeetMonster(5, 16, 16, 6);
    Run("rnd 0 0.99 0.99 0\nclick frmJeu.BattleNow\n");
    EXPECT_EQ(gd.FightResult, -1);
    EXPECT_EQ(gd.Status[2], 0);
    EXPECT_EQ(rec::Life(2), 0);
}

TEST_F(BoardFightTest, FleeingInTownWritesThePrisonMessage) {
    gd.Zone[1] = 3;
    gd.PosX[1] = 10;
    gd.PosY[1] = 10;
    MeetMonster(2, 18, 18, 8);
    Run("rnd 0.99 0\nclick frmJeu.BattleNow\nclick ChCmb.StepPix(3)\n");
    EXPECT_EQ(gd.Status[1], 1);
    EXPECT_EQ(Informations(), "Vous allez en prison!");
    EXPECT_FALSE(board->C("Perso1", 1).visible);
    EXPECT_EQ(gd.MovesLeft, 0);
}

TEST_F(BoardFightTest, FleeingFromTheHermitShowsTheTheft) {
    gd.AgilityBonus[1] = 10;  // the hermit is quick
    MeetMonster(14, 18, 18, 12);
    Run("rnd 0.99 0\nclick frmJeu.BattleNow\nclick ChCmb.StepPix(3)\n");
    EXPECT_EQ(Informations(), "L'ermite vous vole tout ce que vous possèdez.");
    EXPECT_EQ(rec::ItemCount(1), 0);
}

}  // namespace
