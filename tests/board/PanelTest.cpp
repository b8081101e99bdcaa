// The character panel, the item list, the level rewards and the action buttons.
#include <gtest/gtest.h>

#include "board/BoardSupport.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Messages.h"
#include "state/SharedRules.h"

namespace {

// The Sorcier plays first in the plain; the Guerrier (character 2) stands at the inn.
std::vector<Party> SorcierAndGuerrier() { return {{"Ann", {13, 7, 3, 8, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 2}}}; }

void Play(Session& s, const std::string& script) { ASSERT_EQ(s.Run(script), 0) << s.err(); }

TEST(Panel, ANewGuerrierShowsHisEffectiveValues) {
    Session s(false);
    Screen& board = StartBoardAlways(SorcierAndGuerrier());
    Play(s, "click frmJeu.Perso1(2)\n");
    EXPECT_EQ(gd.ShownCharacter, 2);
    EXPECT_EQ(board.C("lblNom").caption, "Tordrack");
    EXPECT_EQ(board.C("lblClasse").caption, "Guerrier");
    EXPECT_EQ(board.C("lblAtt").caption, " 13");
    EXPECT_EQ(board.C("lblDef").caption, " 8");
    EXPECT_EQ(board.C("LblAg").caption, " 6");
    EXPECT_EQ(board.C("lblPognon").caption, " 1000");
    EXPECT_EQ(board.C("lblLife").caption, " 6");
    EXPECT_EQ(board.C("lblNiv").caption, " 0");
    EXPECT_EQ(board.C("lblResource").caption, " 0%");
    EXPECT_EQ(board.C("lblMvt").caption, "1 D6") << "not the current character: its dice";
    Play(s, "set CurrentCharacter 2\nset MovesLeft 4\nclick frmJeu.Perso1(2)\nclose\n");
    EXPECT_EQ(board.C("lblMvt").caption, " 4");
}

TEST(Panel, MovementBonusesAndTheEnglishClassName) {
    Session s(false);
    Screen& board = StartBoardAlways({{"Ann", {9, 7, 3, 8, 13, 16}}, {"Bob", {1, 5, 6, 10, 11, 2}}});
    gd.CurrentCharacter = 3;  // the Chevalier, so that the Nécromancien shows his dice
    RefreshPanel(1);
    EXPECT_EQ(board.C("lblMvt").caption, "1 D6 + 4");
    gd.LanguageOffset = 2000;
    RefreshPanel(12);
    EXPECT_EQ(board.C("lblClasse").caption, "Black Knight");
}

TEST(Panel, OnlyAttackItemsAndArmoursCount) {
    Session s(false);
    Screen& board = StartBoardAlways({{"Ann", {6, 7, 3, 8, 9, 16}}, {"Bob", {1, 5, 2, 10, 11, 13}}});
    RefreshPanel(1);  // the Fée: attack 2 and her magic lightning 46 worth 9
    EXPECT_EQ(board.C("lblAtt").caption, " 11");
    EXPECT_EQ(board.C("lblDef").caption, " 8");
    for (int item : {40, 45, 48, 60, 99}) rec::AddItemBack(1, item, 9);
    rec::AddItemBack(1, 47, 2);
    rec::AddItemBack(1, 39, 1);
    gd.AttackBonus[1] = 3;
    gd.DefenseBonus[1] = -1;
    RefreshPanel(1);
    EXPECT_EQ(board.C("lblAtt").caption, " 16");
    EXPECT_EQ(board.C("lblDef").caption, " 8");
}

TEST(Panel, TheResourceMeanIsRoundedHalfToEven) {
    Session s(false);
    Screen& board = StartBoardAlways(SorcierAndGuerrier());
    struct Case { const char* resources; const char* shown; };
    for (Case c : {Case{"00000000000000", " 0%"}, Case{"99999999999999", " 99%"}, Case{"01010100000000", " 0%"},
                   Case{"05060000000000", " 2%"}}) {
        gd.Resources[2] = c.resources;
        RefreshPanel(2);
        EXPECT_EQ(board.C("lblResource").caption, c.shown) << c.resources;
    }
}

TEST(ItemList, ScrollingShowsTheLaterEntries) {
    Session s(false);
    Screen& board = StartBoardAlways(SorcierAndGuerrier());
    // The Cavalier Noir (character 12) carries five items: 15, 23, 51, 50, 18.
    RefreshPanel(12);
    EXPECT_EQ(board.C("Inventaire", 0).caption, Msg(315));
    EXPECT_EQ(board.C("Inventaire", 2).caption, Msg(351));
    gd.InventoryScroll = 3;
    ShowItemList(12);
    EXPECT_EQ(board.C("Inventaire", 0).caption, Msg(350));
    EXPECT_EQ(board.C("Inventaire", 1).caption, Msg(318));
    EXPECT_EQ(board.C("Inventaire", 2).caption, "");
    gd.InventoryScroll = 6;
    ShowItemList(12);
    EXPECT_EQ(board.C("Inventaire", 0).caption, "");
}

TEST(ItemList, TheArrowsStopAtBothEnds) {
    Session s(false);
    Screen& board = StartBoardAlways(SorcierAndGuerrier());
    Play(s, "set ShownCharacter 12\nclick frmJeu.ScrollDn\n");
    EXPECT_EQ(gd.InventoryScroll, 1);
    Play(s, "click frmJeu.ScrollDn\nclick frmJeu.ScrollDn\n");
    EXPECT_EQ(gd.InventoryScroll, 2) << "the last entry stays on the third line";
    EXPECT_EQ(board.C("Inventaire", 2).caption, Msg(318));
    Play(s, "click frmJeu.ScrollUp\nclick frmJeu.ScrollUp\nclick frmJeu.ScrollUp\n");
    EXPECT_EQ(gd.InventoryScroll, 0);
    EXPECT_EQ(board.C("Inventaire", 0).caption, Msg(315));
    Play(s, "set ShownCharacter 2\nclick frmJeu.ScrollDn\n");  // the Guerrier has three items
    EXPECT_EQ(gd.InventoryScroll, 0);
    Play(s, "set ShownCharacter 0\nclick frmJeu.ScrollDn\n");
    EXPECT_EQ(gd.ShownCharacter, gd.CurrentCharacter);
}

TEST(Milestones, RewardsComeAtExactRatiosOnly) {
    Session s(false);
    Screen& board = StartBoardAlways({{"Ann", {3, 7, 13, 8, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 2}}});
    ASSERT_EQ(gd.CurrentCharacter, 1);  // the Chevalier gains 3 per win
    rec::WriteExperience(1, 9);
    ApplyLevelMilestones();
    EXPECT_EQ(gd.AttackBonus[1], 1);
    EXPECT_EQ(gd.DefenseBonus[1], 0);
    EXPECT_EQ(board.C("lblAtt").caption, " 16");
    EXPECT_EQ(board.C("lblNiv").caption, " 9");
    rec::WriteExperience(1, 15);
    ApplyLevelMilestones();
    EXPECT_EQ(gd.AttackBonus[1], 1);
    EXPECT_EQ(gd.DefenseBonus[1], 0);
    rec::WriteExperience(1, 18);
    ApplyLevelMilestones();
    EXPECT_EQ(gd.AttackBonus[1], 1);
    EXPECT_EQ(gd.DefenseBonus[1], 1);
    rec::WriteExperience(1, 27);  // ratio 9: two rewards at once
    ApplyLevelMilestones();
    EXPECT_EQ(gd.AttackBonus[1], 3);
    EXPECT_EQ(gd.DefenseBonus[1], 2);
}

TEST(Milestones, AMonsterWithoutGainGetsNothing) {
    Session s(false);
    StartBoardAlways({{"Ann", {10, 7, 13, 8, 9, 16}}, {"Bob", {1, 5, 6, 3, 11, 2}}});
    rec::WriteExperience(1, 0);
    ApplyLevelMilestones();
    rec::WriteExperience(1, 9);
    ApplyLevelMilestones();
    EXPECT_EQ(gd.AttackBonus[1], 0);
    EXPECT_EQ(gd.DefenseBonus[1], 0);
    EXPECT_EQ(gd.AgilityBonus[1], 0);
}

TEST(ActionButtons, TheyTakeTheActingPlayersColours) {
    Session s(false);
    Screen& board = StartBoardAlways({{"A", {1, 2, 3, 4, 5}}, {"B", {6, 7, 8, 9, 10}}, {"C", {11, 12, 13, 14, 15}}});
    gd.CurrentCharacter = 7;
    gd.CapacityAvailable = gd.MagicAvailable = gd.EndTurnAvailable = true;
    RefreshActionButtons();
    EXPECT_EQ(board.C("Capacity").picture, "bouton2.bmp");
    EXPECT_EQ(board.C("Magic").picture, "bouton6.bmp");
    EXPECT_EQ(board.C("EndTurn").picture, "bouton10.bmp");
    EXPECT_EQ(board.C("SaveLoad").picture, "bouton14.bmp");
    EXPECT_TRUE(board.C("EndTurn").enabled);
    gd.CapacityAvailable = gd.MagicAvailable = gd.EndTurnAvailable = false;
    RefreshActionButtons();
    EXPECT_EQ(board.C("Capacity").picture, "bouton18.bmp");
    EXPECT_EQ(board.C("Magic").picture, "bouton22.bmp");
    EXPECT_EQ(board.C("EndTurn").picture, "bouton26.bmp");
    EXPECT_FALSE(board.C("EndTurn").enabled);
    EXPECT_FALSE(board.C("SaveLoad").visible);
    EXPECT_FALSE(board.C("SaveLoad").enabled);
    Play(s, "click frmJeu.EndTurn\n");
    EXPECT_EQ(gd.CurrentCharacter, 7) << "a disabled end of turn does nothing";
}

TEST(ActionButtons, AControlledCharacterActsInItsMastersColours) {
    Session s(false);
    Screen& board =
        StartBoardAlways({{"A", {1, 2, 3, 4}}, {"B", {5, 6, 7, 8}}, {"C", {9, 10, 11, 12}}, {"D", {13, 14, 15, 16}}});
    gd.CurrentCharacter = 6;
    gd.Status[6] = 15;
    gd.Status[0] = 13;
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
    EXPECT_EQ(board.C("Capacity").picture, "bouton20.bmp");
    EXPECT_EQ(board.C("EndTurn").picture, "bouton12.bmp");
    EXPECT_EQ(board.C("SaveLoad").picture, "bouton16.bmp");
}

TEST(ActionButtons, TheTurnFlagsFollowClassAndBooks) {
    Session s(false);
    StartBoardAlways({{"Ann", {7, 6, 3, 8, 9, 16}}, {"Bob", {1, 5, 2, 10, 11, 13}}});
    EXPECT_FALSE(gd.MagicAvailable) << "a Guerrier has no magic";
    EXPECT_FALSE(gd.CapacityAvailable);
    rec::AddItemBack(1, 86, 0);
    RefreshTurnFlags();
    EXPECT_TRUE(gd.MagicAvailable) << "with a book of magic";
    gd.CurrentCharacter = 2;  // the Fée has magic and a capacity
    RefreshTurnFlags();
    EXPECT_TRUE(gd.MagicAvailable);
    EXPECT_TRUE(gd.CapacityAvailable);
    EXPECT_FALSE(gd.EndTurnAvailable);
}

}  // namespace

namespace {

// The magic points beside the action buttons follow the shown character and every spell paid.
TEST(Panel, ShowsTheShownCharactersMagicPoints) {
    Session s(false);
    Screen& board = StartBoardAlways(SorcierAndGuerrier());
    EXPECT_EQ(board.C("lblMagie").caption, "PM\n10");
    Play(s, "call frmJeu.Magic_Click\nclick frmMagic.NoMagic(0)\n");  // Guérison: 4 points
    EXPECT_EQ(gd.MagicPoints[1], 6);
    EXPECT_EQ(board.C("lblMagie").caption, "PM\n6");
    Play(s, "click frmJeu.Perso1(2)\n");
    EXPECT_EQ(board.C("lblMagie").caption, "PM\n10");
}

}  // namespace
