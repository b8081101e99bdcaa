#include <gtest/gtest.h>

#include <algorithm>

#include "combat/CombatForm.h"
#include "state/Journal.h"
#include "state/Messages.h"
#include "support/Game.h"

namespace {

// How many entries of the journal read text.
long Count(const std::string& text) {
    const std::vector<JournalEntry>& e = JournalEntries();
    return std::count_if(e.begin(), e.end(), [&](const JournalEntry& j) { return j.text == text; });
}

// The Combat screen in a mode (1 market, 2 forge, 3 arena, 4 tower floor) over the board.
void OpenOverBoard(int mode) {
    gd.CombatMode = mode;
    Ui::Get().Show(MakeCombatForm());
}

}  // namespace

// The board's information line feeds the journal; F1 and F2 open the help and the journal.
TEST(JournalWiring, BoardMessagesReachTheJournalAndTheKeysOpenIt) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n"
                    "set Status[7] 1\nrnd 0.99\ncall frmJeu.EndTurn_Click\n"),  // a 6 frees the prisoner
              0)
        << s.err();
    ASSERT_FALSE(JournalEntries().empty());
    const JournalEntry& last = JournalEntries().back();
    EXPECT_EQ(last.text, "Vous sortez de prison!");
    EXPECT_EQ(last.day, 1);
    EXPECT_EQ(last.hour, 13);
    EXPECT_EQ(last.characterName, "Tordrack");
    const size_t before = JournalEntries().size();
    ASSERT_EQ(s.Run("press F2\nscreen\nclose\npress F1\nscreen\nclose\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmJeu frmJournal\nfrmJeu frmAide\nfrmJeu\n");
    EXPECT_EQ(JournalEntries().size(), before);  // looking changes nothing
}

// The market, the forge, the arena's entrance and the tower floors: each message their line
// shows is kept once for each time it is shown, and each purchase is noted with its price.
TEST(JournalWiring, ShopsArenaAndTowerKeepEachMessageShownOnceAndEveryPurchase) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 11,7,8,5,3,16 \"Bob\" 2,9,1,6,13,10\n"), 0) << s.err();
    JournalClear();
    gd.Resources[1] = "01000403000004";   // the Nain has the smith's tools and the dagger's materials
    OpenOverBoard(1);
    ASSERT_EQ(s.Run("wait 1000\nclick Combat.Form 80 110\nwait 1500\nmenu Item(3)\nselect List1 0\n"
                    "menu Item(3)\nselect List1 1\nclose\nclick Combat.Form 100 300\n"), 0) << s.err();
    EXPECT_EQ(Count(Msg(400)), 1);                      // the welcome, however long it stays
    EXPECT_EQ(Count(Msg(20) + " 600 " + Msg(8)), 2);    // offered twice, shown twice
    EXPECT_EQ(Count("Achat\u00A0: " + Msg(303) + " pour 600 PO."), 1);   // bought once
    OpenOverBoard(2);
    ASSERT_EQ(s.Run("click Combat.Form 270 170\nwait 1500\nmenu Item(17)\nclick Combat.Form 270 300\n"), 0) << s.err();
    EXPECT_EQ(Count(Msg(28) + Msg(447)), 1);            // "Vous forgez" the dagger
    OpenOverBoard(3);
    ASSERT_EQ(s.Run("click Combat.Form 80 140\nwait 2500\n"), 0) << s.err();
    EXPECT_EQ(Count(Msg(583)), 1);
    gd.TowerFloor[1] = 2;
    for (int climb = 1; climb <= 2; ++climb) {
        OpenOverBoard(4);
        ASSERT_EQ(s.Run("click Combat.Mechant\n"), 0) << s.err();
        EXPECT_EQ(Count(Msg(149) + " 2"), climb);
    }
}
