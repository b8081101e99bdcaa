// The forge: the walk to the anvil, the book and tools checks, the recipes and forging.
#include <gtest/gtest.h>

#include "items/ForgeRecipes.h"
#include "items/ShopFixture.h"
#include "state/Messages.h"

namespace {

TEST_F(ShopTest, TheForgeOpensWithItsOwnCaptionPictureAndTune) {
    Hero(11, 0);
    Screen& s = Open(2);
    EXPECT_EQ(s.caption, "Forge");
    EXPECT_EQ(s.picture, "forge.bmp");
    EXPECT_EQ(s.C("Perso").picture, "10.ico");
    EXPECT_EQ(s.C("Message").caption, "Veuillez vous asseoir et forger.");
    EXPECT_EQ(session->services().log.back(), "music play forge.mid");
}

TEST_F(ShopTest, TheDwarfNeedsOnlyTheToolsToReachTheRecipes) {
    Hero(11, 0, "4800");
    Screen& s = Open(2);
    Run("click Form 270 160\nwait 1000\n");  // up twice, right twice: not there yet
    EXPECT_EQ(s.C("Perso").left, 256);
    EXPECT_EQ(s.C("Perso").top, 160);
    EXPECT_TRUE(s.C("Regul").enabled);
    Run("wait 250\nclose\n");
    EXPECT_FALSE(s.C("Regul").enabled);
    EXPECT_TRUE(s.C("Message").visible && s.C("Fond").visible);
    for (int p = 0; p < 18; ++p) {
        EXPECT_TRUE(s.C("Item", p).visible) << p;
        EXPECT_EQ(s.C("Item", p).caption, Msg(430 + p)) << p;
    }
    EXPECT_EQ(s.C("Item", 18).caption, "Quitter");
    EXPECT_TRUE(s.C("Item", 18).visible);
    EXPECT_FALSE(s.C("Item", 19).visible);
    EXPECT_EQ(State().menuCount, 18);
}

TEST_F(ShopTest, WithoutTheBookOrTheToolsTheAnvilRefuses) {
    Hero(7, 0, "4800");  // a Guerrier with tools and no book
    Screen& s = Open(2);
    Run(AtAnvil());
    EXPECT_EQ(s.C("Message").caption, "Impossible ! Il faut le livre de la forge.");
    EXPECT_TRUE(s.C("Message").visible);
    EXPECT_FALSE(s.C("Item", 1).visible);
    Hero(11, 0);  // the dwarf's own template has the tools: take them away
    rec::RemoveItem(1, rec::FindItem(1, 48));
    Run(AtAnvil());
    EXPECT_EQ(s.C("Message").caption, "Impossible ! Il faut les outils adéquats.");
    Hero(7, 0, "80004800");  // the book makes any class a smith
    Run(AtAnvil() + "close\n");
    EXPECT_TRUE(s.C("Item", 17).visible);
}

TEST_F(ShopTest, ClicksBesideTheAnvilDoNothingAndBelowLeave) {
    Hero(11, 0);
    Screen& s = Open(2);
    Run("click Form 256 170\nclick Form 288 170\nclick Form 270 159\nclick Form 270 193\n");
    EXPECT_FALSE(s.C("Regul").enabled);
    Run("click Form 270 300\n");
    EXPECT_EQ(shop(), nullptr);  // closed (and deleted)
    EXPECT_EQ(gd.CombatMode, 0);
}

TEST_F(ShopTest, ForgingTheDaggerUsesItsMaterialsAndDiscardsTheDaggers) {
    Hero(8, 0, "000801108000480002140006");  // the three daggers around the book and tools
    gd.Resources[1] = "01000403000004";
    Screen& s = Open(2);
    Run(AtAnvil() + "menu Item(17)\n");
    EXPECT_EQ(s.C("Message").caption, "Vous forgez Dague");
    EXPECT_EQ(gd.Resources[1], "00000000000000");
    EXPECT_EQ(Items(), "800048007710");
    EXPECT_EQ(gd.Status[1], 22);
    EXPECT_EQ(gd.AttackBonus[1], 10);
    EXPECT_EQ(gd.DefenseBonus[1], 10);
    EXPECT_EQ(gd.AgilityBonus[1], 8);
}

TEST_F(ShopTest, MissingMaterialsTakeNothingAndShowTheMenuAgain) {
    Hero(11, 0, "2305290330024800");
    gd.Resources[1] = "12001849061412";  // one Mercure short of the fire armour... by one
    std::string before = ToUtf8(gd.CharacterRecords[1]);
    Screen& s = Open(2);
    Run(AtAnvil() + "menu Item(15)\n");
    EXPECT_EQ(s.C("Message").caption, "Des matériaux sont manquants.");
    EXPECT_EQ(gd.Resources[1], "12001849061412");
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[1]), before);
    EXPECT_EQ(gd.Status[1], 0);
    // The menu is up again: leave it by its last entry.
    Run("menu Item(18)\n");
    EXPECT_EQ(s.C("Perso").left, 192);
    EXPECT_EQ(s.C("Perso").top, 224);
    EXPECT_EQ(s.C("Message").caption, Msg(25));
    for (int i = 1; i <= 18; ++i) EXPECT_FALSE(s.C("Item", i).visible) << i;
}

TEST_F(ShopTest, TheFireArmourNeedsFiftyMercuryAndDiscardsArmourHelmetAndShield) {
    Hero(11, 0, "2305290330024800");
    gd.Resources[1] = "12001850061412";
    Open(2);
    Run(AtAnvil() + "menu Item(15)\n");
    EXPECT_EQ(gd.Resources[1], "00000000000000");
    EXPECT_EQ(Items(), "48007506");
    EXPECT_EQ(gd.Status[1], 29);
    EXPECT_EQ(gd.AttackBonus[1], 6);
    EXPECT_EQ(gd.DefenseBonus[1], 6);
    EXPECT_EQ(gd.AgilityBonus[1], 3);
}

TEST_F(ShopTest, RecipesWithoutAGroupKeepEverything) {
    Hero(11, 0, "0008030548000509");
    gd.Resources[1] = "99999999999999";
    Open(2);
    Run(AtAnvil() + "menu Item(12)\n");  // Arc d'or: no group
    EXPECT_EQ(Items(), "00080305480005097200");
    EXPECT_EQ(gd.Resources[1], "92999596999299");
    EXPECT_EQ(gd.Status[1], 23);
    Run("click Form 270 300\n");
    Open(2);
    Run(AtAnvil() + "menu Item(14)\n");  // fire arrows replace the white ones
    EXPECT_EQ(Items(), "000848000509720074" "24");
}

TEST(ForgeRecipeTest, ItemNumbersFollowTheMenuAndTimesFitTheForgingStatuses) {
    for (int k = 1; k <= kForgeRecipeCount; ++k) {
        const ForgeRecipe& r = Recipe(k);
        EXPECT_EQ(r.item, k <= 9 ? 30 + k : 59 + k) << k;
        EXPECT_EQ(Msg(300 + r.item), Msg(430 + k - 1)) << k;
        EXPECT_GE(19 + r.turns, 19) << k;
        EXPECT_LE(19 + r.turns, 29) << k;
        EXPECT_LE(r.att, 99) << k;
    }
    EXPECT_EQ(Recipe(16).materials[3], 50);
    EXPECT_EQ(Recipe(16).discardFirst, 20);
    EXPECT_EQ(Recipe(16).discardLast, 30);
    EXPECT_FALSE(Recipe(13).discards);
    EXPECT_TRUE(Recipe(18).discards);
    EXPECT_EQ(Recipe(18).discardLast, 2);
}

}  // namespace
