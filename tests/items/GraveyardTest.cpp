// The graveyard: which dead characters it shows and how a click raises one.
#include <gtest/gtest.h>

#include "items/Graveyard.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "support/Game.h"

namespace {

// A screen whose one handler opens the graveyard, as the potion and the necromancer do.
class Opener : public Screen {
public:
    Opener() : Screen("Opener", 100, 100) {
        On("Open_Click", [](const EventArgs&) { OpenGraveyard(); });
    }
};

class GraveyardTest : public ::testing::Test {
protected:
    void Game(int players, int current) {
        session = std::make_unique<Session>(false);
        gd.PlayerCount = players;
        gd.CurrentCharacter = gd.ShownCharacter = current;
        for (int c = 1; c <= CharacterCount(); ++c)
            gd.CharacterRecords[c] = rec::Make(rec::Owner(c), "P", c, "C", classes::Template(c));
        Ui::Get().Show(std::make_unique<Opener>());
    }
    void Kill(int c) {
        gd.Status[c] = 6;
        rec::WriteLife(c, 0);
    }
    std::string Run(const std::string& script) {
        session->ClearOutput();
        EXPECT_EQ(session->Run(script), 0) << session->err();
        return session->out();
    }
    Screen* graveyard() { return Ui::Get().Find("Graveyard"); }
    std::unique_ptr<Session> session;
};

TEST_F(GraveyardTest, SlotsShowTheDeadOfTheActingPartyInCharacterOrder) {
    Game(2, 8);
    Kill(7);
    Kill(10);
    Kill(2);  // the other party's dead are never shown
    Run("call Open_Click\nwait 10\n");
    Screen* g = graveyard();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->caption, "Cimetière");
    EXPECT_EQ(g->C("Label1").caption, "Choisissez le personnage à ressuciter.");
    EXPECT_EQ(g->picture, "cimetiere.bmp");
    EXPECT_EQ(g->C("PersoMort", 0).picture, classes::IconFile(7));
    EXPECT_EQ(g->C("PersoMort", 1).picture, classes::IconFile(10));
    for (int s = 2; s < 5; ++s) EXPECT_EQ(g->C("PersoMort", s).picture, "") << s;

    std::string before = ToUtf8(gd.CharacterRecords[10]);
    Run("click PersoMort(1)\n");
    EXPECT_EQ(graveyard(), nullptr);
    EXPECT_EQ(gd.Status[10], 0);
    EXPECT_EQ(rec::Life(10), 1);
    std::string after = ToUtf8(gd.CharacterRecords[10]);
    ASSERT_EQ(after.size(), before.size());
    after[after.size() - 3] = before[before.size() - 3];
    EXPECT_EQ(after, before);  // nothing but the life digit changed
    EXPECT_EQ(gd.Status[7], 6);
    EXPECT_EQ(gd.Status[2], 6);
}

TEST_F(GraveyardTest, NobodyToRaiseOpensNoDialog) {
    Game(2, 8);
    Kill(2);
    Kill(3);
    std::string out = Run("call Open_Click\nscreen\n");
    EXPECT_EQ(out.find("Graveyard"), std::string::npos) << out;
    EXPECT_EQ(gd.Status[2], 6);
    EXPECT_EQ(gd.Status[3], 6);
}

TEST_F(GraveyardTest, FourPlayersExamineOnlyTheirOwnFourCharacters) {
    Game(4, 13);
    Kill(12);
    Kill(14);
    Kill(16);
    Run("call Open_Click\nwait 10\n");
    Screen* g = graveyard();
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->C("PersoMort", 0).picture, "13.ico");  // class 14
    EXPECT_EQ(g->C("PersoMort", 1).picture, "15.ico");  // class 16
    EXPECT_EQ(g->C("PersoMort", 2).picture, "");
    Run("click PersoMort(0)\n");
    EXPECT_EQ(gd.Status[14], 0);
    EXPECT_EQ(gd.Status[16], 6);
    EXPECT_EQ(gd.Status[12], 6);
}

TEST_F(GraveyardTest, AnEmptySlotOrClosingTheWindowRaisesNobody) {
    Game(3, 6);
    Kill(7);
    Kill(9);
    Run("call Open_Click\nclick PersoMort(4)\nclick PersoMort(2)\nwait 10\n");
    ASSERT_NE(graveyard(), nullptr);  // still open
    EXPECT_EQ(gd.Status[7], 6);
    EXPECT_EQ(gd.Status[9], 6);
    Run("close\n");
    EXPECT_EQ(graveyard(), nullptr);
    EXPECT_EQ(gd.Status[7], 6);
    EXPECT_EQ(gd.Status[9], 6);
    EXPECT_EQ(rec::Life(9), 0);
}

TEST_F(GraveyardTest, TheRaisedKeepItsArmourGoldAndPlace) {
    Game(2, 1);
    rec::ClearItems(4);
    rec::AddItemFront(4, 25, 5);
    rec::WriteGold(4, 3000);
    gd.Zone[4] = 2;
    gd.PosX[4] = 7;
    gd.PosY[4] = 3;
    gd.AttackBonus[4] = 3;
    Kill(4);
    Run("call Open_Click\nclick PersoMort(0)\n");
    EXPECT_EQ(gd.Status[4], 0);
    EXPECT_EQ(rec::Life(4), 1);
    EXPECT_TRUE(rec::HasItem(4, 25));
    EXPECT_EQ(rec::Gold(4), 3000);
    EXPECT_EQ(gd.Zone[4], 2);
    EXPECT_EQ(gd.PosX[4], 7);
    EXPECT_EQ(gd.AttackBonus[4], 3);
}

TEST_F(GraveyardTest, FiveDeadFillTheFiveSlots) {
    Game(2, 12);
    for (int c = 7; c <= 11; ++c) Kill(c);
    Run("call Open_Click\nwait 10\n");
    Screen* g = graveyard();
    ASSERT_NE(g, nullptr);
    for (int s = 0; s < 5; ++s) EXPECT_EQ(g->C("PersoMort", s).picture, classes::IconFile(7 + s)) << s;
    Run("click PersoMort(4)\n");
    EXPECT_EQ(gd.Status[11], 0);
    EXPECT_EQ(gd.Status[10], 6);
}

}  // namespace

// Keys 1 to 5 raise the dead of the slot with that number, as a click on the slot does; the
// key of an empty slot raises nobody.
TEST_F(GraveyardTest, NumberKeysRaiseTheDeadOfTheirSlot) {
    Game(2, 1);
    Kill(4);
    Kill(5);
    Run("call Open_Click\npress 5\npress 3\npress 2\n");
    EXPECT_EQ(gd.Status[4], 6);  // slots 5 and 3 are empty: nothing happened yet
    EXPECT_EQ(gd.Status[5], 0);  // the second dead, in slot 2
    EXPECT_EQ(rec::Life(5), 1);
    EXPECT_EQ(rec::Life(4), 0);
}
