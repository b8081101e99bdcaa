// The board's signs for hot-seat play: the hand-over banner at each turn start, and the bases
// under the map's icons in the colour of the player who plays each character.
#include <gtest/gtest.h>

#include "board/BoardSupport.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/Status.h"
#include "ui/Contrast.h"

namespace {

// The colour a base is filled with (its last disc), and whether it carries the ring.
Rgb BaseColor(Screen& board, int i) {
    const std::vector<DrawOp>& ops = board.C("Socle", i).drawOps;
    return ops.empty() ? Rgb{-1, -1, -1} : ops.back().color;
}
bool Ringed(Screen& board, int i) {
    for (const DrawOp& op : board.C("Socle", i).drawOps)
        if (op.type == DrawOp::Ellipse) return true;
    return false;
}
std::string Line2(int c) {
    return rec::ReadName(c, rec::Name::Character) + " (" + classes::Name(rec::ClassNumber(c)) + ")";
}

TEST(HandOver, TheBannerNamesWhoseTurnItIsAndFollowsTheTurn) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    EXPECT_EQ(board.C("RelaisJoueur").caption, "À vous, Ann\u00A0!");
    EXPECT_EQ(board.C("RelaisPerso").caption, Line2(1));
    EXPECT_TRUE(board.Shown(board.C("RelaisJoueur")));
    const Rgb ann = board.C("RelaisJoueur").fore;

    // The first turn's banner waits for Ann's first input, then goes by itself.
    ASSERT_EQ(s.Run("wait 3000\n"), 0) << s.err();
    EXPECT_TRUE(board.Shown(board.C("Relais"))) << "the banner waits for the player";
    ASSERT_EQ(s.Run("click Carte(1)\nwait 1100\n"), 0) << s.err();
    EXPECT_FALSE(board.Shown(board.C("Relais"))) << "the banner fades by itself";
    EXPECT_TRUE(board.C("Relais").visible) << "no rule waits for it";

    ASSERT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(board.C("RelaisJoueur").caption, "À vous, Bob\u00A0!");
    EXPECT_EQ(board.C("RelaisPerso").caption, Line2(7));
    EXPECT_TRUE(board.Shown(board.C("Relais"))) << "a new turn, a new banner";
    EXPECT_NE(board.C("RelaisJoueur").fore, ann);
    // Bob's blue, lifted just enough to read on the dark plate.
    EXPECT_GE(ContrastRatio(board.C("RelaisJoueur").fore, board.C("Relais").back), 4.5);
    EXPECT_EQ(board.C("Relais").drawOps.front().color, colors::kBlue);

    // T shows it again once it has gone, in the language of the moment.
    gd.LanguageOffset = 2000;
    ASSERT_EQ(s.Run("wait 3000\npress frmJeu.T\n"), 0) << s.err();
    EXPECT_TRUE(board.Shown(board.C("Relais")));
    EXPECT_EQ(board.C("RelaisJoueur").caption, "Your turn, Bob!");
}

TEST(HandOver, TheBannerSaysWhenTheComputerPlays) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    gd.ComputerPlayer[2] = true;
    ASSERT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(board.C("RelaisJoueur").caption, "L'ordinateur joue Bob");
    EXPECT_EQ(board.C("RelaisPerso").caption, Line2(7));
    gd.LanguageOffset = 2000;
    ASSERT_EQ(s.Run("press frmJeu.T\n"), 0) << s.err();
    EXPECT_EQ(board.C("RelaisJoueur").caption, "The computer plays Bob");
}

TEST(HandOver, TheBannerAndTheBasesLetClicksThrough) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    const Control& banner = board.C("Relais");
    ASSERT_TRUE(board.Shown(banner));
    const Control* under = board.HitTest(banner.left + banner.width / 2, banner.top + banner.height / 2);
    ASSERT_NE(under, nullptr);
    EXPECT_TRUE(under->name == "Image1" || under->name == "Perso1") << under->Key();
    // Just outside the current icon, on its ring: the map, not the base.
    const Control& icon = board.C("Perso1", gd.CurrentCharacter);
    const Control* beside = board.HitTest(icon.left - 2, icon.top + 30);
    ASSERT_NE(beside, nullptr);
    EXPECT_NE(beside->name, "Socle");
}

TEST(HandOver, BasesTakeTheControllersColourAndTheRingFollowsTheTurn) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    EXPECT_EQ(BaseColor(board, 1), colors::kRed);
    EXPECT_EQ(BaseColor(board, 7), colors::kBlue);
    EXPECT_TRUE(Ringed(board, 1));
    EXPECT_FALSE(Ringed(board, 7));

    // Ann's character 1 bewitches Bob's character 7: its base turns red, and on its turn the
    // banner hands over to Ann.
    gd.Status[7] = status::kControlled;
    gd.Status[0] = 1;
    ASSERT_EQ(s.Run("call Carte_Click " + std::to_string(gd.Zone[7]) + "\n"), 0) << s.err();
    EXPECT_EQ(BaseColor(board, 7), colors::kRed);
    ASSERT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(board.C("RelaisJoueur").caption, "À vous, Ann\u00A0!");
    EXPECT_EQ(board.C("RelaisPerso").caption, Line2(7) + ", sous votre contrôle");
    EXPECT_TRUE(Ringed(board, 7));
    EXPECT_FALSE(Ringed(board, 1));

    // The control ends with that turn: Bob's blue again.
    ASSERT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err();
    EXPECT_EQ(BaseColor(board, 7), colors::kBlue);
}

// After the computer's turn the banner naming the person stays until that person's first
// input, and at least 4 s even when the input comes at once; the computer's own banner and
// the banner of the same player's next character go by themselves.
TEST(HandOver, ThePersonsBannerAfterTheComputersWaitsForTheFirstInput) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    gd.ComputerPlayer[2] = true;
    ASSERT_EQ(s.Run("click Carte(1)\ncall EndTurn_Click\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 7);
    ASSERT_EQ(s.Run("wait 2600\n"), 0) << s.err();
    EXPECT_FALSE(board.Shown(board.C("Relais"))) << "the computer's banner goes by itself";

    ASSERT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err();  // the computer ends its turn
    ASSERT_EQ(gd.CurrentCharacter, 2);
    EXPECT_EQ(board.C("RelaisJoueur").caption, "À vous, Ann\u00A0!");
    ASSERT_EQ(s.Run("wait 60000\n"), 0) << s.err();
    EXPECT_TRUE(board.Shown(board.C("Relais"))) << "nobody has looked up yet";
    ASSERT_EQ(s.Run("click Carte(1)\nwait 900\n"), 0) << s.err();
    EXPECT_TRUE(board.Shown(board.C("Relais"))) << "it fades after the input";
    ASSERT_EQ(s.Run("wait 200\n"), 0) << s.err();
    EXPECT_FALSE(board.Shown(board.C("Relais")));

    // The same again, the input coming at once: the banner still holds 4 s.
    ASSERT_EQ(s.Run("call EndTurn_Click\nwait 2600\ncall EndTurn_Click\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 3);
    ASSERT_EQ(s.Run("click Carte(1)\nwait 3900\n"), 0) << s.err();
    EXPECT_TRUE(board.Shown(board.C("Relais"))) << "4 s at least after the computer's turn";
    ASSERT_EQ(s.Run("wait 1200\n"), 0) << s.err();
    EXPECT_FALSE(board.Shown(board.C("Relais")));
}

}  // namespace
