// The market and the forge entered from the board: the place event opens them, the board
// takes the turn back when they close, and the forging countdown of the turn cycle.
#include <gtest/gtest.h>

#include <memory>

#include "board/Board.h"
#include "board/frmJeu.h"
#include "combat/CombatForm.h"
#include "state/CharacterRecord.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "support/Game.h"

namespace {

class ShopBoardTest : public ::testing::Test {
protected:
    // Ann's party: Nain, Guerrier, Magicien, Elfe, Chevalier, Voleur; Bob's: six more.
    void SetUp() override {
        session = std::make_unique<Session>();
        Run("newgame \"Ann\" 11,7,8,5,3,16 \"Bob\" 2,9,1,6,13,10\n");
        ASSERT_NE(Jeu(), nullptr);
        ASSERT_EQ(gd.CurrentCharacter, 1);
    }
    void Run(const std::string& script) {
        int status = session->Run(script);
        EXPECT_EQ(status, 0) << session->err();
    }
    std::unique_ptr<Session> session;
};

TEST_F(ShopBoardTest, EnteringTheMarketOpensItAndLeavingGivesTheTurnBack) {
    Run("set Zone[1] 3\nset PosX[1] 5\nset PosY[1] 13\nset MovesLeft 3\nmenu MNU_Left\n"
        "screen\n"
        "click Form 208 110\nwait 1500\nmenu Item(8)\nselect List1 1\nmenu Item(13)\n"
        "click Form 100 300\nscreen\n");
    std::string out = session->out();
    EXPECT_NE(out.find("frmJeu Combat"), std::string::npos) << out;
    EXPECT_EQ(gd.PosX[1], 3);
    EXPECT_EQ(gd.CombatMode, 0);
    EXPECT_EQ(Ui::Get().Find("Combat"), nullptr);
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_TRUE(Jeu()->C("Perso1", 1).visible);
    EXPECT_EQ(rec::Gold(1), 3000);  // the tools were offered, not bought
}

// The panel shows the new gold and items at once; its captions (read by the rules, dumped by
// the driver) change only when the board takes the turn back, as before.
TEST_F(ShopBoardTest, ThePanelShowsEachPurchaseAtOnceWhileItsCaptionsWaitForTheWayOut) {
    frmJeu& board = *Jeu();
    const Control& gold = board.C("lblPognon");
    const std::string firstItem = board.C("Inventaire", 0).caption;
    gd.CombatMode = 1;
    Ui::Get().Show(MakeCombatForm());   // over the board, as the market's square opens it
    Run("click Combat.Form 80 110\nwait 1500\nmenu Item(3)\nselect List1 0\nclose\n");
    EXPECT_EQ(gold.caption, " 3000");
    EXPECT_EQ(ShownCaption(gold), " 2400");
    EXPECT_EQ(board.C("Inventaire", 0).caption, firstItem);
    EXPECT_EQ(ShownCaption(board.C("Inventaire", 0)), Msg(303));
    Run("click Combat.Form 100 300\n");
    ShowCharacterOnMap(1);   // what the board does when the market has closed
    EXPECT_EQ(gold.caption, " 2400");
    EXPECT_FALSE(gold.live);
}

TEST_F(ShopBoardTest, AForgedDaggerCostsFourTurnsAndIsAnnouncedAtTheFifth) {
    gd.Resources[1] = "01000403000004";
    Run("set Zone[1] 3\nset PosX[1] 14\nset PosY[1] 5\nset MovesLeft 2\nmenu MNU_Right\n"
        "click Form 270 170\nwait 1500\nmenu Item(17)\nclick Form 270 300\n");
    ASSERT_EQ(gd.Status[1], 22);
    ASSERT_EQ(Ui::Get().Find("Combat"), nullptr);
    EXPECT_EQ(ToUtf8(rec::ItemsText(1)), "060825054800" "7710");
    EXPECT_EQ(gd.Resources[1], "00000000000000");

    int startHour = gb.HourCounter;
    int skipped = 0;  // the countdown passes each skipped turn
    for (int turn = 0; turn < 200; ++turn) {
        int before = gd.Status[1];
        Run("call EndTurn_Click\n");
        if (gd.Status[1] == before - 1) ++skipped;
        if (gd.CurrentCharacter == 1) break;
    }
    EXPECT_EQ(gd.CurrentCharacter, 1);
    EXPECT_EQ(skipped, 4);
    EXPECT_EQ(gb.HourCounter, startHour + 5);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_EQ(Informations(), "Votre nouvelle arme est forgée.");
}

}  // namespace
