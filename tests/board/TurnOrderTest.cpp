// The order in which characters play, the clock, and the start of the game.
#include <gtest/gtest.h>

#include "board/BoardSupport.h"
#include "state/Messages.h"
#include "state/Text.h"

namespace {

// The clock label as the players read it on day d at hour h.
std::string ClockText(int day, int hour) { return Msg(104) + NumberText(day) + Msg(105) + NumberText(hour) + "H"; }

// Ends turns one after the other and returns who plays after each.
std::vector<int> NextPlayers(Session& s, int turns) {
    std::vector<int> order;
    for (int t = 0; t < turns; ++t) {
        EXPECT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err();
        order.push_back(gd.CurrentCharacter);
    }
    return order;
}

TEST(TurnOrder, TwoPlayersAlternateAndTheHourPassesAfterCharacterTwelve) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    EXPECT_EQ(gd.CurrentCharacter, 1);
    EXPECT_EQ(board.C("TimeIsOnMySide").caption, ClockText(1, 13));
    std::vector<int> order = NextPlayers(s, 11);
    EXPECT_EQ(order, (std::vector<int>{7, 2, 8, 3, 9, 4, 10, 5, 11, 6, 12}));
    EXPECT_EQ(board.C("TimeIsOnMySide").caption, ClockText(1, 13)) << "the hour passes only after character 12";
    NextPlayers(s, 1);
    EXPECT_EQ(gd.CurrentCharacter, 1);
    EXPECT_EQ(board.C("TimeIsOnMySide").caption, ClockText(1, 14));
}

TEST(TurnOrder, ThreePlayers) {
    Session s(false);
    StartBoardAlways({{"A", {1, 2, 3, 4, 5}}, {"B", {6, 7, 8, 9, 10}}, {"C", {11, 12, 13, 14, 15}}});
    EXPECT_EQ(NextPlayers(s, 15), (std::vector<int>{6, 11, 2, 7, 12, 3, 8, 13, 4, 9, 14, 5, 10, 15, 1}));
}

TEST(TurnOrder, FourPlayers) {
    Session s(false);
    StartBoardAlways({{"A", {1, 2, 3, 4}}, {"B", {5, 6, 7, 8}}, {"C", {9, 10, 11, 12}}, {"D", {13, 14, 15, 16}}});
    EXPECT_EQ(NextPlayers(s, 16), (std::vector<int>{5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16, 1}));
}

TEST(TurnOrder, ANightOnlyFirstCharacterGivesTheFirstTurnToTheNext) {
    Session s(false);
    MakeParties({{"Ann", {4, 2, 3, 7, 8, 9}}, {"Bob", {1, 5, 6, 10, 11, 13}}});
    Screen& board = StartBoard();
    EXPECT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(gd.ShownCharacter, 7);
    EXPECT_EQ(board.C("lblNom").caption, "Kayla");
    EXPECT_EQ(board.C("TimeIsOnMySide").caption, ClockText(1, 13));
}

TEST(TurnOrder, DayOnlyCharactersWaitForTheMorning) {
    Session s(false);
    MakeParties(TwoPlayers());
    for (int i = 1; i <= 12; ++i) ActAlways(i);
    SetActs(7, true, false);
    StartBoard();
    ASSERT_EQ(s.Run("set HourCounter 20\n"), 0);
    EXPECT_EQ(NextPlayers(s, 1), std::vector<int>{2}) << "a day-only character is skipped at 20 h";
    ASSERT_EQ(s.Run("set HourCounter 6\n"), 0);
    NextPlayers(s, 10);  // 8, 3, 9, 4, 10, 5, 11, 6, 12, 1: the clock turns to 7 h
    EXPECT_EQ(NextPlayers(s, 1), std::vector<int>{7});
}

TEST(Clock, TheSundialFollowsTheHour) {
    struct Case { int hour; const char* picture; };
    for (Case c : {Case{0, "soleil0.bmp"}, Case{12, "soleil12.bmp"}, Case{13, "soleil1.bmp"}, Case{23, "soleil11.bmp"}}) {
        Session s(false);
        Screen& board = StartBoardAlways(TwoPlayers());
        // The hour passes when the last character's turn ends.
        ASSERT_EQ(s.Run("set CurrentCharacter 12\nset HourCounter " + std::to_string(c.hour + 24 - 1) +
                        "\ncall EndTurn_Click\n"), 0) << s.err();
        EXPECT_EQ(board.C("CadranSoleil").picture, c.picture) << c.hour << " h";
        EXPECT_EQ(board.C("TimeIsOnMySide").caption, ClockText(2, c.hour));
    }
}

TEST(BoardStart, EveryCharacterStartsOnItsClassCellWithFreshValues) {
    Session s(false);
    MakeParties({{"-*GODMODE*", {7, 2, 3, 4, 5, 6}}, {"-*GODMODE", {1, 8, 9, 10, 11, 12}}});
    gd.Status[3] = 6;
    gd.AttackBonus[2] = 4;
    gd.MagicPoints[5] = 1;
    gd.DoorState[2] = 5;
    gd.FreeMoveCharacter = 3;
    Screen& board = StartBoard();
    EXPECT_EQ(gd.Zone[1], 1);
    EXPECT_EQ(gd.PosX[1], 3);
    EXPECT_EQ(gd.PosY[1], 3);
    EXPECT_EQ(gd.Zone[2], 3);
    EXPECT_EQ(gd.PosX[2], 16);
    EXPECT_EQ(gd.PosY[2], 13);
    EXPECT_EQ(gd.Status[3], 0);
    EXPECT_EQ(gd.AttackBonus[2], 0);
    EXPECT_EQ(gd.MagicPoints[5], 10);
    EXPECT_EQ(gd.DoorState[2], 0);
    EXPECT_EQ(gd.FreeMoveCharacter, 0);
    EXPECT_EQ(gd.Resources[1], "99999999999999") << "the exact cheat name";
    EXPECT_EQ(gd.Resources[7], "00000000000000") << "one character short of it";
    EXPECT_EQ(board.C("Image1").picture, "table1.bmp") << "the Guerrier plays first, in the plain";
    EXPECT_TRUE(board.C("Perso1", 1).visible);
    EXPECT_EQ(board.C("Perso1", 1).picture, "06.ico");
    EXPECT_FALSE(board.C("Perso1", 2).visible) << "the Cavalier Noir is in the town";
    EXPECT_FALSE(gd.EndTurnAvailable);
    EXPECT_GE(gd.MovesLeft, 1);
    EXPECT_LE(gd.MovesLeft, 6);
    EXPECT_EQ(board.C("lblMvt").caption, NumberText(gd.MovesLeft));
}

TEST(GameEnd, WhenEveryCharacterIsDeadTheGameEndsOnTheTitleScreen) {
    Session s(false);
    StartBoardAlways(TwoPlayers());
    for (int i = 1; i <= 12; ++i) gd.Status[i] = 6;
    ASSERT_EQ(s.Run("call EndTurn_Click\ndump\nclick MsgBox.OK\n"), 0) << s.err();
    EXPECT_NE(s.out().find("Tous les personnages sont morts. La partie est termin"), std::string::npos);
    EXPECT_EQ(Ui::Get().Find("frmJeu"), nullptr);
    EXPECT_NE(Ui::Get().Find("frmBegin"), nullptr);
    EXPECT_EQ(Ui::Get().Find("MsgBox"), nullptr);
}

TEST(GameEnd, OneLivingCharacterKeepsPlayingAlone) {
    Session s(false);
    StartBoardAlways(TwoPlayers());
    for (int i = 1; i <= 12; ++i)
        if (i != 9) gd.Status[i] = 6;
    EXPECT_EQ(NextPlayers(s, 3), (std::vector<int>{9, 9, 9}));
    EXPECT_NE(Ui::Get().Find("frmJeu"), nullptr);
}

}  // namespace
