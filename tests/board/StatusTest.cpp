// The lasting statuses that the turn cycle releases, counts down or obeys.
#include <gtest/gtest.h>

#include "board/Board.h"
#include "board/BoardSupport.h"
#include "state/CharacterRecord.h"
#include "state/Messages.h"

namespace {

void EndTurn(Session& s) { ASSERT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err(); }

TEST(Statuses, TheSleeperWakesAtSevenInTheMorning) {
    Session s(false);
    StartBoardAlways(TwoPlayers());
    ASSERT_EQ(s.Run("set Status[7] 17\nset HourCounter 30\n"), 0);  // day 2, 6 h
    EndTurn(s);
    EXPECT_EQ(gd.CurrentCharacter, 2) << "asleep at 6 h";
    EXPECT_EQ(gd.Status[7], 17);
    for (int t = 0; t < 10; ++t) EndTurn(s);  // up to character 12, then 7 h and character 1
    ASSERT_EQ(gd.CurrentCharacter, 1);
    EndTurn(s);
    EXPECT_EQ(gd.CurrentCharacter, 7) << "awake at 7 h";
    EXPECT_EQ(gd.Status[7], 0);
}

TEST(Statuses, APrisonerWithTwelveThousandGoldPaysHisWayOut) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    rec::WriteGold(7, 12000);
    gd.Status[7] = 1;
    EndTurn(s);
    EXPECT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(gd.Status[7], 0);
    EXPECT_EQ(rec::ReadText(7, rec::kGold, 5), U"02000");
    EXPECT_EQ(Informations(), "Vous sortez de prison!");
    EXPECT_EQ(board.C("lblPognon").caption, " 2000");
}

TEST(Statuses, APoorPrisonerLeavesOnlyOnASix) {
    Session s(false);
    StartBoardAlways(TwoPlayers());
    rec::WriteGold(7, 9999);
    gd.Status[7] = 1;
    ASSERT_EQ(s.Run("rnd 0.8\ncall EndTurn_Click\n"), 0);  // a 5
    EXPECT_EQ(gd.CurrentCharacter, 2);
    EXPECT_EQ(gd.Status[7], 1);
    gd.CurrentCharacter = 1;
    ASSERT_EQ(s.Run("rnd 0.99\ncall EndTurn_Click\n"), 0);  // a 6
    EXPECT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(gd.Status[7], 0);
    EXPECT_EQ(rec::Gold(7), 9999);
    EXPECT_EQ(Informations(), Msg(143));
}

TEST(Statuses, ForgingIsSkippedThreeTimesThenTheWeaponIsReady) {
    Session s(false);
    StartBoardAlways(TwoPlayers());
    gd.Status[7] = 21;
    for (int expected : {20, 19, 18}) {
        gd.CurrentCharacter = 1;
        EndTurn(s);
        EXPECT_EQ(gd.CurrentCharacter, 2) << "skipped while forging";
        EXPECT_EQ(gd.Status[7], expected);
    }
    gd.CurrentCharacter = 1;
    EndTurn(s);
    EXPECT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(gd.Status[7], 0);
    EXPECT_EQ(Informations(), "Votre nouvelle arme est forgée.");
}

TEST(Statuses, TheAvalancheMeltsOnFiveOrSixAndTheDayRuleStillHolds) {
    Session s(false);
    MakeParties(TwoPlayers());
    for (int i = 1; i <= 12; ++i) ActAlways(i);
    SetActs(7, true, false);
    StartBoard();
    gd.Status[7] = 4;
    ASSERT_EQ(s.Run("rnd 0.5\ncall EndTurn_Click\n"), 0);  // a 4 by day: still blocked
    EXPECT_EQ(gd.CurrentCharacter, 2);
    EXPECT_EQ(gd.Status[7], 4);
    gd.CurrentCharacter = 1;
    ASSERT_EQ(s.Run("set HourCounter 21\nrnd 0.7\ncall EndTurn_Click\n"), 0);  // a 5 at night
    EXPECT_EQ(gd.Status[7], 0) << "the snow melted";
    EXPECT_EQ(gd.CurrentCharacter, 2) << "but a day-only character does not play at night";
    EXPECT_EQ(Informations(), Msg(135)) << "the release message stays";
    gd.CurrentCharacter = 1;
    gd.Status[7] = 4;
    ASSERT_EQ(s.Run("set HourCounter 10\nrnd 0.7\ncall EndTurn_Click\n"), 0);  // a 5 by day
    EXPECT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(gd.Status[7], 0);
}

TEST(Statuses, TheOtherObstaclesAndTheLostTurn) {
    struct Case { int status, releasingDie, holdingDie, message; };
    for (Case c : {Case{2, 5, 4, 137}, Case{3, 4, 3, 139}, Case{5, 4, 3, 141}}) {
        Session s(false);
        StartBoardAlways(TwoPlayers());
        gd.Status[7] = c.status;
        ASSERT_EQ(s.Run("rnd " + std::to_string((c.holdingDie - 0.5) / 6) + "\ncall EndTurn_Click\n"), 0);
        EXPECT_EQ(gd.CurrentCharacter, 2) << "status " << c.status;
        EXPECT_EQ(gd.Status[7], c.status);
        gd.CurrentCharacter = 1;
        ASSERT_EQ(s.Run("rnd " + std::to_string((c.releasingDie - 0.5) / 6) + "\ncall EndTurn_Click\n"), 0);
        EXPECT_EQ(gd.CurrentCharacter, 7) << "status " << c.status;
        EXPECT_EQ(gd.Status[7], 0);
        EXPECT_EQ(Informations(), Msg(c.message));
    }
    Session s(false);
    StartBoardAlways(TwoPlayers());
    gd.Status[7] = 7;
    EndTurn(s);
    EXPECT_EQ(gd.CurrentCharacter, 2) << "a lost turn";
    EXPECT_EQ(gd.Status[7], 0);
}

TEST(Statuses, EffectsOfTheTurnEndWithIt) {
    for (int status : {10, 11, 12, 13, 15}) {
        Session s(false);
        StartBoardAlways(TwoPlayers());
        gd.Status[1] = status;
        EndTurn(s);
        EXPECT_EQ(gd.Status[1], 0) << status;
    }
}

TEST(Statuses, TheDeadAreNeverShownAndTheBlackKnightCannotDie) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    gd.CurrentCharacter = 1;  // the Cavalier Noir
    DeadlyDead();
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_FALSE(gd.EndTurnAvailable);
    gd.CurrentCharacter = 3;  // the Guerrier, in the plain like the Amazone 7
    gd.MovesLeft = 4;
    DeadlyDead();
    EXPECT_EQ(gd.Status[3], 6);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_FALSE(gd.MagicAvailable);
    EXPECT_FALSE(board.C("Perso1", 3).visible);
    gd.CurrentCharacter = 6;
    EndTurn(s);
    EXPECT_EQ(gd.CurrentCharacter, 12) << "the Sorcier plays in the plain";
    EXPECT_FALSE(board.C("Perso1", 3).visible) << "the dead Guerrier is not on the map";
    EXPECT_TRUE(board.C("Perso1", 5).visible);
    gd.CurrentCharacter = 8;
    EndTurn(s);
    EXPECT_EQ(gd.CurrentCharacter, 9) << "the dead Guerrier's turn is skipped";
}

}  // namespace
