// What the shops show beside their menus: prices and values, out-of-stock and refused items,
// the offered item's name, the forge's materials, and the mine's metal names. None of it
// changes a caption or a list line the rules read.
#include "items/ShopFixture.h"
#include "items/Mine.h"
#include "state/Messages.h"

namespace {

TEST_F(ShopTest, SellerMenusShowPricesAndValuesAndMarkWhatCannotBeBought) {
    Hero(4, 30000);  // Diablotin: refused the lion's armour, sold the liliputian one
    Screen& s = Open(1);
    Run(AtSeller(1) + "close\n");
    EXPECT_EQ(s.C("Item", 0).caption, Msg(300));  // the caption stays the item's name
    EXPECT_EQ(s.C("Item", 0).note, "8000 PO · Att +6");
    EXPECT_FALSE(s.C("Item", 0).noteWarning);
    Run("click Form 208 300\n");

    Screen& armour = Open(1);
    Run(AtSeller(2) + "close\n");
    EXPECT_EQ(armour.C("Item", 0).note, "1000 PO · Déf +3 · refusé à votre classe");
    EXPECT_TRUE(armour.C("Item", 0).noteWarning);
    EXPECT_EQ(armour.C("Item", 1).note, "1000 PO · Déf +3");
    EXPECT_FALSE(armour.C("Item", 1).noteWarning);
    EXPECT_EQ(armour.C("Item", 11).note, "à forger");
    EXPECT_TRUE(armour.C("Item", 21).note.empty());  // "Quitter"
    Ui::Get().CloseAll();

    Hero(7, 30000);  // a Guerrier may have the lion's armour, not the liliputian one
    Screen& other = Open(1);
    Run(AtSeller(2) + "close\n");
    EXPECT_FALSE(other.C("Item", 0).noteWarning);
    EXPECT_TRUE(other.C("Item", 1).noteWarning);
    // Seller 3's menu is shorter: the entry that held seller 2's note is "Quitter" now.
    Run("menu Item(21)\n" + AtSeller(3) + "close\n");
    EXPECT_EQ(other.C("Item", 0).note, "rupture de stock");
    EXPECT_TRUE(other.C("Item", 0).noteWarning);
    EXPECT_TRUE(other.C("Item", 13).note.empty());
    EXPECT_FALSE(other.C("Item", 13).noteWarning);
}

TEST_F(ShopTest, TheOfferNamesItsItemWhileTheAnswerKeepsItsLines) {
    Hero(7, 30000);
    Screen& s = Open(1);
    Run(AtSeller(4) + "menu Item(3)\n");
    EXPECT_TRUE(s.C("lblOffre").visible);
    EXPECT_EQ(s.C("lblOffre").caption, Msg(363));
    EXPECT_EQ(s.C("List1").items, (std::vector<std::string>{"Oui", "Non"}));
    Run("select List1 1\n");
    EXPECT_FALSE(s.C("lblOffre").visible);
}

TEST_F(ShopTest, ForgeRecipesShowMaterialsAndTimeAndMarkMissingMaterials) {
    Hero(11, 0, "4800");
    gd.Resources[1] = "01000403000004";  // exactly the dagger's materials
    Screen& s = Open(2);
    Run("click Form 270 170\nwait 1500\nclose\n");
    EXPECT_EQ(s.C("Item", 17).caption, Msg(447));
    EXPECT_EQ(s.C("Item", 17).note, "1 Diam, 4 Fer, 3 Merc, 4 Arg · 4 tours");
    EXPECT_FALSE(s.C("Item", 17).noteWarning);
    EXPECT_EQ(s.C("Item", 0).note, "2 Diam, 6 Bois, 7 Fer, 3 Merc · 3 tours");
    EXPECT_TRUE(s.C("Item", 0).noteWarning);

    // One iron less and the dagger is marked too.
    gd.Resources[1] = "01000303000004";
    Run("menu Item(18)\nclick Form 270 170\nwait 1500\nclose\n");
    EXPECT_TRUE(s.C("Item", 17).noteWarning);
}

TEST_F(ShopTest, WhatTheGoldCannotPayIsMarkedAndTheMarksFollowEachPurchase) {
    Hero(7, 8800);
    Screen& s = Open(1);
    Run(AtSeller(1) + "close\n");
    EXPECT_EQ(s.C("Item", 1).note, "15000 PO · Att +10 · trop cher");
    EXPECT_TRUE(s.C("Item", 1).noteWarning);
    EXPECT_FALSE(s.C("Item", 0).noteWarning);  // 8000
    // 800 spent: 8000 left still pays the 8000 dagger; 600 more and the same menu marks it.
    Run("menu Item(4)\nselect List1 0\n");
    EXPECT_FALSE(s.C("Item", 0).noteWarning);
    Run("menu Item(3)\nselect List1 0\n");
    ASSERT_EQ(rec::Gold(1), 7400);
    EXPECT_TRUE(s.C("Item", 0).noteWarning);
    EXPECT_FALSE(s.C("Item", 3).noteWarning);
}

TEST(MineDialogNames, EachMetalCarriesItsName) {
    Session session(false);
    gd.CurrentCharacter = 1;
    Screen& s = Ui::Get().Show(MakeMineDialog());
    EXPECT_EQ(s.C("lblMetal", 0).caption, "Or");
    EXPECT_EQ(s.C("lblMetal", 2).caption, "Fer");
    EXPECT_EQ(s.C("lblMetal", 4).caption, "Bronze");
    EXPECT_EQ(s.C("lblMetal", 6).caption, "Argent");
}

}  // namespace
