// The end screen: the winners' sentence and the way back to the title.
#include <gtest/gtest.h>

#include "support/Game.h"
#include "ui/Navigation.h"

namespace {

const char* kChaos = "Comme votre morale l'a voulu, le monde se trouve, à présent, plongé dans le chaos.";
const char* kPeace = "Comme votre morale l'a voulu, le monde se trouve, à présent, en paix à jamais.";

class FiniTest : public ::testing::Test {
protected:
    Session session{false};
    Screen* End() { return session.screen("frmFini"); }
};

TEST_F(FiniTest, TheWinnersDoorStateChoosesTheSentence) {
    gd.PlayerCount = 2;
    gd.CurrentCharacter = 3;
    gd.DoorState[1] = 5;
    gd.DoorState[2] = 6;
    OpenEndScreen();
    ASSERT_NE(End(), nullptr);
    EXPECT_EQ(End()->caption, "GAGNE!");
    EXPECT_EQ(End()->width, 800);
    EXPECT_EQ(End()->height, 600);
    EXPECT_EQ(End()->picture, "fin.bmp");
    EXPECT_EQ(End()->C("Label1").caption, "Vous avez battu Quelmor et ses sbires!");
    EXPECT_EQ(End()->C("Label2").caption, kChaos);
    EXPECT_EQ(End()->C("Command1").caption, "&OK");
    Ui::Get().Close(*End());

    gd.CurrentCharacter = 7;
    OpenEndScreen();
    EXPECT_EQ(End()->C("Label2").caption, kPeace);
}

TEST_F(FiniTest, AThreePlayerGameWonByCharacterEightReadsPlayerTwosDoor) {
    gd.PlayerCount = 3;
    gd.CurrentCharacter = 8;
    gd.DoorState[1] = 6;
    gd.DoorState[2] = 5;
    gd.DoorState[3] = 6;
    OpenEndScreen();
    EXPECT_EQ(End()->C("Label2").caption, kChaos);
}

TEST_F(FiniTest, OkReturnsToTheTitleInFrench) {
    gd.PlayerCount = 2;
    gd.CurrentCharacter = 1;
    gd.DoorState[1] = 6;
    gd.LanguageOffset = 2000;
    OpenEndScreen();
    EXPECT_EQ(session.Run("click frmFini.Command1\nscreen\n"), 0) << session.err();
    EXPECT_EQ(End(), nullptr);
    ASSERT_NE(session.screen("frmBegin"), nullptr);
    EXPECT_EQ(session.out(), "frmBegin\n");
    EXPECT_EQ(gd.LanguageOffset, 1000);
}

}  // namespace
