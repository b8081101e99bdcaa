#include <gtest/gtest.h>

#include "support/Game.h"

// A key does what a click on its control does, and nothing while that control is disabled.
TEST(Keys, BoardKeysFollowTheirButtons) {
    Session s;
    ASSERT_EQ(s.Run("rnd 0\nnewgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\npress Return\n"), 0) << s.err();
    EXPECT_EQ(gd.CurrentCharacter, 1);  // nothing done yet: the end of the turn is disabled
    EXPECT_EQ(gd.MovesLeft, 1);
    ASSERT_EQ(s.Run("press Left\n"), 0) << s.err();  // the direction menu's shortcut
    EXPECT_EQ(gd.PosX[1], 8);
    EXPECT_EQ(gd.MovesLeft, 0);
    ASSERT_TRUE(gd.EndTurnAvailable);
    ASSERT_EQ(s.Run("press Return\n"), 0) << s.err();
    EXPECT_EQ(gd.CurrentCharacter, 7);
}

TEST(Keys, UnknownKeysDoNothing) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\npress Ctrl+Q\npress Z\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmJeu\n");
    EXPECT_EQ(gd.CurrentCharacter, 1);
}
