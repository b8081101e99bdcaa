// The spell dialog: which rows a caster sees, which it can pay for, and the immediate spells.
#include "items/SpellFixture.h"
#include "ui/Navigation.h"

namespace {

TEST_F(SpellTest, ASorcierSeesHealingBlackIceAndBlockWhileItsPointsLast) {
    Make(1, 13);
    InDialog("dump\nquit\n");
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(Dialog()->caption, "Magie");
    for (int b = 1; b <= 6; ++b) EXPECT_EQ(RowShown(b), b == 1 || b == 3 || b == 5) << b;
    EXPECT_EQ(Dialog()->C("lblMagic", 0).caption, "Guérison");
    EXPECT_EQ(Dialog()->C("lblMagic", 2).caption, "Glace noire");
    EXPECT_EQ(Dialog()->C("lblMagic", 4).caption, "Bloc");
    EXPECT_TRUE(RowEnabled(1));
    EXPECT_TRUE(RowEnabled(3));
    EXPECT_TRUE(RowEnabled(5));
    Run("click frmMagic.Image1\n");
    EXPECT_EQ(Dialog(), nullptr);

    // A cost equal to the points is refused too.
    gd.MagicPoints[1] = 4;
    InDialog("dump\nquit\n");
    EXPECT_TRUE(RowShown(1));
    EXPECT_FALSE(RowEnabled(1));
    EXPECT_FALSE(RowEnabled(3));
    EXPECT_FALSE(RowEnabled(5));
    Run("click frmMagic.NoMagic(0)\nclick frmMagic.lblMagic(4)\n");
    EXPECT_NE(Dialog(), nullptr);
    EXPECT_EQ(gd.MagicPoints[1], 4);
}

TEST_F(SpellTest, AFairyWithASceptreCanHealWithOnePoint) {
    Make(1, 6);
    rec::AddItemFront(1, 42, 0);
    gd.MagicPoints[1] = 1;
    rec::WriteLife(1, 4);
    InDialog("click frmMagic.lblMagic(0)\n");
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(gd.MagicPoints[1], 1);
    EXPECT_EQ(rec::Life(1), 7);
}

TEST_F(SpellTest, BooksAddTheirRowsOnePerCopy) {
    rec::AddItemBack(1, 86, 0);
    rec::AddItemBack(1, 88, 0);
    rec::AddItemBack(1, 89, 0);
    gd.MagicPoints[1] = 13;
    InDialog("dump\nquit\n");
    for (int b = 1; b <= 6; ++b) EXPECT_EQ(RowShown(b), b == 2 || b == 4 || b == 6) << b;
    EXPECT_FALSE(RowEnabled(4));  // 14
    EXPECT_TRUE(RowEnabled(6));   // 12
    EXPECT_EQ(Dialog()->C("lblMagic", 5).caption, "Envoutement");
    Run("click frmMagic.Image1\n");
}

TEST_F(SpellTest, AClassWithoutBoardSpellsSeesAnEmptyDialog) {
    Make(1, 11);  // Nain: fight spells only
    InDialog("dump\nquit\n");
    for (int b = 1; b <= 6; ++b) EXPECT_FALSE(RowShown(b)) << b;
    Run("click frmMagic.Image1\n");
    EXPECT_EQ(gd.PendingSpell, 0);
}

TEST_F(SpellTest, HealingAddsThreeOrSixUnderWaterAndStopsAtNine) {
    Make(1, 8);
    rec::WriteLife(1, 8);
    InDialog("click frmMagic.NoMagic(0)\n");
    EXPECT_EQ(rec::Life(1), 9);
    EXPECT_EQ(gd.MagicPoints[1], 6);

    rec::WriteLife(1, 2);
    gd.Status[1] = 11;
    InDialog("click frmMagic.NoMagic(0)\n");
    EXPECT_EQ(rec::Life(1), 8);
    EXPECT_EQ(gd.MagicPoints[1], 2);
    EXPECT_EQ(gd.PendingSpell, 0);
}

TEST_F(SpellTest, GuerisonPlusIsNeverDoubled) {
    rec::AddItemBack(1, 88, 0);
    rec::WriteLife(1, 2);
    gd.Status[1] = 11;
    InDialog("click frmMagic.NoMagic(1)\n");
    EXPECT_EQ(rec::Life(1), 5);
    EXPECT_EQ(gd.MagicPoints[1], 8);
}

TEST_F(SpellTest, ATargetedSpellIsPaidAtOnceAndHoldsTheEndOfTheTurn) {
    Make(1, 13);
    gd.EndTurnAvailable = true;
    InDialog("click frmMagic.lblMagic(2)\n");
    EXPECT_EQ(gd.PendingSpell, 2);
    EXPECT_EQ(gd.MagicPoints[1], 4);
    EXPECT_FALSE(gd.EndTurnAvailable);
}

TEST_F(SpellTest, BlocIsLostWhenMagicIsPressedAgain) {
    Make(1, 13);
    InDialog("click frmMagic.NoMagic(4)\n");
    EXPECT_EQ(gd.PendingSpell, 4);
    EXPECT_EQ(gd.MagicPoints[1], 6);
    InDialog("click frmMagic.Image1\n");
    EXPECT_EQ(gd.PendingSpell, 0);
    EXPECT_EQ(gd.MagicPoints[1], 6);
    CompleteSpellOnCell(5, 5);  // a click on the map does nothing any more
    EXPECT_EQ(gd.PendingSpell, 0);
}

}  // namespace

namespace {

// Beside the rows: the cost after the sceptres, greyed with its row, and the caster's points.
TEST_F(SpellTest, TheDialogShowsEachSpellsCostAfterSceptresAndTheCastersPoints) {
    Make(1, 13);
    gd.MagicPoints[1] = 5;
    InDialog("");
    EXPECT_EQ(Dialog()->C("lblCout", 0).caption, "4 PM");
    EXPECT_TRUE(Dialog()->C("lblCout", 0).enabled);
    EXPECT_EQ(Dialog()->C("lblCout", 2).caption, "6 PM");
    EXPECT_FALSE(Dialog()->C("lblCout", 2).enabled);
    EXPECT_FALSE(Dialog()->C("lblCout", 1).visible);
    EXPECT_EQ(Dialog()->C("lblPoints").caption, "Points de magie : 5");
    EXPECT_FALSE(Dialog()->C("lblAucun").visible);
    Run("close\n");

    rec::AddItemFront(1, 42, 0);  // one sceptre: 4 off every spell
    InDialog("");
    EXPECT_EQ(Dialog()->C("lblCout", 0).caption, "0 PM");
    EXPECT_EQ(Dialog()->C("lblCout", 2).caption, "2 PM");
    EXPECT_TRUE(Dialog()->C("lblCout", 2).enabled);
    Run("click frmMagic.lblCout(0)\n");  // the cost casts like its row
    EXPECT_EQ(Dialog(), nullptr);
}

TEST_F(SpellTest, ADialogWithoutSpellsSaysSo) {
    Make(1, 11);
    InDialog("");
    EXPECT_TRUE(Dialog()->C("lblAucun").visible);
    EXPECT_EQ(Dialog()->C("lblAucun").caption, "Aucun sort connu.");
    Run("close\n");
}

}  // namespace
