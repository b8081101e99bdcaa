// The panel's item lines, gold icon and resources icon on the board: a theft in progress is
// served first; otherwise the gold pop-up, the resources screen and item use.
#include <gtest/gtest.h>

#include "board/EventsGame.h"
#include "rules/ItemCatalogue.h"
#include "state/Classes.h"
#include "state/Messages.h"
#include "state/SharedRules.h"

using namespace events_test;

namespace {

// Character 1 (the thief's turn) looks at character 2's panel with a theft started.
void StartTheft(BoardGame& game) {
    game.Stand(1, 1, 10, 7, 0);
    gd.ShownCharacter = 2;
    RefreshPanel(2);
    SetInformations(Msg(107) + classes::Name(rec::ClassNumber(2)));
}

}  // namespace

TEST(GoldIcon, ShowsTheShownCharactersGold) {
    BoardGame game;
    REQUIRE_BOARD(game);
    rec::WriteGold(2, 1234);
    game.Run("click frmJeu.Perso1(2)\nclick frmJeu.Image7\ndump\nclick Detail.Command1\n");
    const std::string out = game.session().out();
    EXPECT_NE(out.find("\"Label1\": {\"caption\": \" 1234 " + Msg(8) + "\""), std::string::npos);
    EXPECT_NE(out.find("\"caption\": \"" + Msg(103) + "\""), std::string::npos);
    EXPECT_EQ(game.session().screen("Detail"), nullptr);
    EXPECT_EQ(rec::Gold(2), 1234);
}

TEST(GoldIcon, TakesTheVictimsGoldDuringATheft) {
    BoardGame game;
    REQUIRE_BOARD(game);
    StartTheft(game);
    rec::WriteGold(1, 100);
    rec::WriteGold(2, 250);
    game.Run("click frmJeu.Image7\n");
    EXPECT_EQ(game.session().screen("Detail"), nullptr);
    EXPECT_EQ(rec::Gold(1), 350);
    EXPECT_EQ(rec::Gold(2), 0);
    EXPECT_EQ(Informations(), "");
}

TEST(ResourcesIcon, TakesTheVictimsStocksDuringATheft) {
    BoardGame game;
    REQUIRE_BOARD(game);
    StartTheft(game);
    gd.Resources[1] = "60000000000001";
    gd.Resources[2] = "70000000000002";
    game.Run("click frmJeu.Image15\n");
    EXPECT_EQ(game.session().screen("Resource"), nullptr);
    EXPECT_EQ(gd.Resources[1], "99000000000003");
    EXPECT_EQ(gd.Resources[2], "00000000000000");
}

TEST(ItemLines, TakeTheClickedItemDuringATheftInsteadOfUsingIt) {
    BoardGame game;
    REQUIRE_BOARD(game);
    SetItems(2, "18074401");
    SetItems(1, "");
    rec::WriteLife(2, 5);
    StartTheft(game);
    ASSERT_EQ(game.C("Inventaire(1)").caption, items::ItemName(items::kMagicRing));
    game.Run("click frmJeu.Inventaire(1)\n");
    EXPECT_EQ(Items(1), "4401");
    EXPECT_EQ(Items(2), "1807");
    EXPECT_EQ(rec::Life(2), 5);
    EXPECT_EQ(gd.ShownCharacter, 1);
}

TEST(ItemLines, UseTheCurrentCharactersItemOnTheBoard) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 1, 3, 3, 0);
    SetItems(1, "18074401");
    rec::WriteLife(1, 2);
    RefreshPanel(1);
    game.Run("click frmJeu.Inventaire(1)\n");
    EXPECT_EQ(rec::Life(1), 5);
    EXPECT_EQ(Items(1), "18074400");
    EXPECT_EQ(game.C("lblLife").caption, " 5");
}

