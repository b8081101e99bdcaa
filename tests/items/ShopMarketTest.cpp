// The market: the walk to a seller, the menus, offers, refusals and purchases.
#include <gtest/gtest.h>

#include "rules/ItemCatalogue.h"
#include "items/ShopFixture.h"
#include "state/Messages.h"

namespace {

std::string Offer(long price) { return Msg(20) + " " + std::to_string(price) + " " + Msg(8); }
bool IsGreeting(const std::string& text) { return text == Msg(401) || text == Msg(402) || text == Msg(403); }

TEST_F(ShopTest, OpeningPutsTheIconAtTheEntranceAndPlaysTheMarketTune) {
    Hero(5, 2000);
    Screen& s = Open(1);
    EXPECT_EQ(s.caption, "Marché");
    EXPECT_EQ(s.picture, "marche.bmp");
    EXPECT_EQ(s.C("Perso").picture, "04.ico");
    EXPECT_EQ(s.C("Perso").left, 192);
    EXPECT_EQ(s.C("Perso").top, 224);
    EXPECT_EQ(s.C("Message").caption, "Cliquez sur le vendeur voulu");
    EXPECT_TRUE(s.C("Message").visible && s.C("Fond").visible);
    for (int i = 1; i <= 21; ++i) EXPECT_FALSE(s.C("Item", i).visible) << i;
    const auto& log = session->services().log;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "music open marche.mid");
    EXPECT_EQ(log.back(), "music play marche.mid");
}

TEST_F(ShopTest, TheWalkGoesUpThenAlongTheCounterToTheSeller) {
    Hero(5, 2000);
    Screen& s = Open(1);
    Run("click Form 336 100\nwait 500\n");  // seller 5
    EXPECT_FALSE(s.C("Message").visible);
    EXPECT_EQ(s.C("Perso").top, 160);
    EXPECT_EQ(s.C("Perso").left, 192);
    Run("wait 750\n");
    EXPECT_EQ(s.C("Perso").left, 288);
    EXPECT_TRUE(s.C("Regul").enabled);
    Run("wait 250\nclose\n");  // arrives, the menu pops up; dismiss it
    EXPECT_EQ(s.C("Perso").left, 320);
    EXPECT_FALSE(s.C("Regul").enabled);
    EXPECT_TRUE(IsGreeting(s.C("Message").caption));
    EXPECT_EQ(s.C("Item", 0).caption, "Livre des forgerons");
}

TEST_F(ShopTest, ClicksOutsideTheSellersDoNothing) {
    Hero(5, 2000);
    Screen& s = Open(1);
    Run("click Form 64 110\nclick Form 112 110\nclick Form 80 95\nclick Form 80 129\nclick Form 80 256\n");
    EXPECT_FALSE(s.C("Regul").enabled);
    EXPECT_TRUE(s.C("Message").visible);
    EXPECT_EQ(shop(), &s);
}

TEST_F(ShopTest, ExactlyTheDaggersPriceIsAffordableAndLeavesNoGold) {
    Hero(13, 8000);  // a Sorcier holds only a wooden sword
    Screen& s = Open(1);
    Run(AtSeller(1) + "menu Item(0)\n");
    EXPECT_EQ(s.C("Message").caption, Offer(8000));
    ASSERT_TRUE(s.C("List1").visible);
    EXPECT_EQ(s.C("List1").items, (std::vector<std::string>{"Oui", "Non"}));
    Run("select List1 0\nclose\n");
    EXPECT_EQ(GoldField(), "00000");
    EXPECT_EQ(Items(), "00061306");
    EXPECT_TRUE(s.C("List1").items.empty());
    EXPECT_FALSE(s.C("List1").visible);
    EXPECT_TRUE(IsGreeting(s.C("Message").caption));
}

TEST_F(ShopTest, TooLittleGoldSendsTheBuyerBackUnchanged) {
    Hero(13, 7999);
    Screen& s = Open(1);
    std::string before = ToUtf8(gd.CharacterRecords[1]);
    Run(AtSeller(1) + "menu Item(0)\nselect List1 0\n");
    EXPECT_EQ(s.C("Message").caption, "Vous n'avez pas assez d'argent");
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[1]), before);
    EXPECT_EQ(s.C("Perso").left, 192);
    EXPECT_EQ(s.C("Perso").top, 224);
    for (int i = 1; i <= 21; ++i) EXPECT_FALSE(s.C("Item", i).visible) << i;
}

TEST_F(ShopTest, ANewItemReplacesOnlyTheItemsOfItsGroup) {
    Hero(8, 30000);  // Magicien: white dagger 0008, sceptre 4100, stone armour 2305
    Open(1);
    Run(AtSeller(1) + "menu Item(1)\nselect List1 0\nmenu Item(21)\n");
    EXPECT_EQ(Items(), "011041002305");  // the ruby dagger at the front, no white dagger
    EXPECT_EQ(rec::Gold(1), 15000);
    Run(AtSeller(2) + "menu Item(9)\nselect List1 0\nclose\n");
    EXPECT_EQ(Items(), "2903011041002305");  // the helmet keeps the armour
    Run(AtSeller(2) + "menu Item(2)\nselect List1 0\nclose\n");
    EXPECT_EQ(Items(), "2204290301104100");  // a second armour: only the leather one is left
    EXPECT_EQ(rec::Gold(1), 15000 - 1000 - 2500);
}

TEST_F(ShopTest, OnlyTheLionAndLiliputianArmoursAreRestricted) {
    Hero(4, 26000);  // Diablotin
    Screen& s = Open(1);
    Run(AtSeller(2) + "menu Item(0)\n");
    EXPECT_EQ(s.C("Message").caption, "Un diablotin ne peut pas porter cette armure.");
    EXPECT_EQ(s.C("Perso").left, 192);
    EXPECT_FALSE(s.C("List1").visible);
    Run(AtSeller(2) + "menu Item(5)\nselect List1 0\nclose\n");
    EXPECT_EQ(rec::Gold(1), 0);
    EXPECT_EQ(Items(), "25054700" "1205");  // the runic armour replaced the liliputian one

    Hero(6, 1000);  // Fée
    Run(AtSeller(2) + "menu Item(0)\n");
    EXPECT_EQ(s.C("Message").caption, "Une fée ne peut pas porter cette armure.");
    Run(AtSeller(2) + "menu Item(1)\n");
    EXPECT_EQ(s.C("Message").caption, Offer(1000));
    Run("select List1 1\nclose\n");

    Hero(7, 5000);  // Guerrier
    Run(AtSeller(2) + "menu Item(1)\n");
    EXPECT_EQ(s.C("Message").caption, "Vous ne pouvez pas porter cette armure.");
    Run(AtSeller(2) + "menu Item(0)\n");
    EXPECT_EQ(s.C("Message").caption, Offer(1000));
    Run("select List1 1\nclose\n");
}

TEST_F(ShopTest, SellerThreeListsTwelveObjectsAndQuitsAtThirteen) {
    Hero(7, 30000);
    Screen& s = Open(1);
    Run(AtSeller(3) + "close\n");
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(s.C("Item", i).visible) << i;
        EXPECT_EQ(s.C("Item", i).caption, Msg(340 + i)) << i;
    }
    EXPECT_FALSE(s.C("Item", 12).visible);
    EXPECT_TRUE(s.C("Item", 13).visible);
    EXPECT_EQ(s.C("Item", 13).caption, "Quitter");
    EXPECT_EQ(State().menuCount, 13);

    std::string before = ToUtf8(gd.CharacterRecords[1]);
    Run("click Form 208 110\nwait 2000\nmenu Item(0)\n");
    EXPECT_EQ(s.C("Message").caption, "Désolé, cet objet est en rupture de stock.");
    EXPECT_EQ(s.C("Perso").left, 192);
    EXPECT_EQ(s.C("Perso").top, 224);
    for (int i = 1; i <= 13; ++i) EXPECT_FALSE(s.C("Item", i).visible) << i;
    for (int p : {1, 3}) {
        Run(AtSeller(3) + "menu Item(" + std::to_string(p) + ")\n");
        EXPECT_EQ(s.C("Message").caption, Msg(19));
    }
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[1]), before);
}

TEST_F(ShopTest, QuitterGoesBackToTheEntranceAndAnotherSellerCanBeChosen) {
    Hero(7, 30000);
    Screen& s = Open(1);
    Run(AtSeller(5) + "menu Item(11)\n");  // seller 5: ten books, "Quitter" at 11
    EXPECT_EQ(s.C("Message").caption, "Cliquez sur le vendeur voulu");
    EXPECT_TRUE(s.C("Message").visible && s.C("Fond").visible);
    EXPECT_EQ(s.C("Perso").left, 192);
    Run(AtSeller(1) + "close\n");  // seller 1: twenty weapons, "Quitter" at 21
    EXPECT_TRUE(s.C("Item", 19).visible);
    EXPECT_FALSE(s.C("Item", 20).visible);
    EXPECT_EQ(s.C("Item", 21).caption, "Quitter");
    Run(AtSeller(4) + "close\n");  // seller 4: nine potions and nine forged items
    EXPECT_EQ(s.C("Item", 17).caption, "Dague");
    EXPECT_FALSE(s.C("Item", 18).visible);
    EXPECT_EQ(s.C("Item", 19).caption, "Quitter");
    EXPECT_FALSE(s.C("Item", 21).visible);
}

TEST_F(ShopTest, ForgedItemsAreShownButNotSold) {
    Hero(7, 30000);
    Screen& s = Open(1);
    std::string before = ToUtf8(gd.CharacterRecords[1]);
    Run(AtSeller(4) + "menu Item(12)\n");
    EXPECT_FALSE(s.C("List1").visible);
    EXPECT_EQ(s.C("Perso").left, 256);  // stays at the seller
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[1]), before);
}

TEST_F(ShopTest, BooksAtTheFiveDigitMaximum) {
    Hero(7, 99999);
    Screen& s = Open(1);
    Run(AtSeller(5) + "menu Item(8)\n");
    EXPECT_EQ(s.C("Message").caption, Offer(60000));
    Run("select List1 0\nmenu Item(9)\n");
    EXPECT_EQ(s.C("Message").caption, Offer(80000));
    Run("select List1 0\n");
    EXPECT_EQ(s.C("Message").caption, "Vous n'avez pas assez d'argent");  // 39999 left
    EXPECT_EQ(GoldField(), "39999");
    EXPECT_EQ(rec::ItemAt(1, 0).number, 88);

    Hero(7, 99999);
    Run(AtSeller(5) + "menu Item(9)\nselect List1 0\nclose\n");
    EXPECT_EQ(GoldField(), "19999");
    EXPECT_EQ(rec::ItemAt(1, 0).number, 89);
}

TEST_F(ShopTest, DecliningAnOfferGreetsAgainAndReopensTheMenu) {
    Hero(7, 30000);
    Screen& s = Open(1);
    std::string before = ToUtf8(gd.CharacterRecords[1]);
    Run(AtSeller(4) + "menu Item(3)\n");
    EXPECT_EQ(State().offeredEntry, "6300");
    EXPECT_EQ(State().offeredPrice, 8000);
    Run("select List1 1\nmenu Item(0)\n");  // the menu is up again: the magic potion
    EXPECT_EQ(s.C("Message").caption, Offer(5000));
    Run("select List1 1\nclose\n");
    EXPECT_TRUE(IsGreeting(s.C("Message").caption));
    EXPECT_TRUE(s.C("List1").items.empty());
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[1]), before);
}

TEST_F(ShopTest, SeveralPurchasesInARowAndTheGreetingsAreDrawnAtRandom) {
    Hero(7, 20000);
    Screen& s = Open(1);
    Run("rnd 0.99\n" + AtSeller(4) + "close\n");
    EXPECT_EQ(s.C("Message").caption, Msg(403));
    Run("click Form 272 110\nrnd 0\nwait 2000\nmenu Item(0)\nselect List1 0\nmenu Item(1)\nrnd 0\nselect List1 0\nclose\n");
    EXPECT_EQ(s.C("Message").caption, Msg(401));  // after the second purchase
    EXPECT_EQ(rec::Gold(1), 0);
    EXPECT_EQ(rec::ItemAt(1, 0).number, 61);
    EXPECT_EQ(rec::ItemAt(1, 1).number, 60);
}

TEST_F(ShopTest, AClickBelowTheCounterLeaves) {
    Hero(7, 1000);
    Open(1);
    Run("click Form 100 257\n");
    EXPECT_EQ(shop(), nullptr);  // closed (and deleted)
    EXPECT_EQ(gd.CombatMode, 0);
}

}  // namespace

// The seller walked to is the screen's own Seller, which the driver dumps and sets.
TEST_F(ShopTest, TheSellerChosenIsTheScreensSeller) {
    Hero(7, 30000);
    Open(1);
    Run(AtSeller(4) + "close\ndump\n");
    EXPECT_NE(session->out().find("\"Seller\": 4"), std::string::npos);
    Run("set Seller 2\nmenu Item(0)\n");  // the menu of seller 4 is still up: its first entry, priced by seller 2
    EXPECT_EQ(State().offeredEntry, "2003");
}
