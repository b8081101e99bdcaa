#include <gtest/gtest.h>

#include "state/Journal.h"
#include "support/Game.h"

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
