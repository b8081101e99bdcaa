// The journal: what it records, the window that lists it, and that looking at it changes
// nothing.
#include <gtest/gtest.h>

#include "driver/Dump.h"
#include "ending/HelpKeys.h"
#include "ending/WrapLines.h"
#include "ending/frmJournal.h"
#include "state/Journal.h"
#include "state/Text.h"
#include "state/Messages.h"
#include "support/Game.h"
#include "ui/Navigation.h"

namespace {

constexpr int kRows = 23;   // lines the window shows at once

std::unique_ptr<Screen> JournalIn(int languageOffset) {
    gd.LanguageOffset = languageOffset;
    return MakeFrmJournal();
}

// The visible message lines of the window, top to bottom, blank rows left out.
std::vector<std::string> ShownTexts(Screen& journal) {
    std::vector<std::string> texts;
    for (int row = 0; row < kRows; ++row)
        if (!journal.C("lblTexte", row).caption.empty()) texts.push_back(journal.C("lblTexte", row).caption);
    return texts;
}

int Var(Screen& s, const std::string& name) {
    for (const Screen::Var& v : s.vars)
        if (v.name == name) return v.values[0];
    ADD_FAILURE() << name;
    return -1;
}

}  // namespace

TEST(JournalRecord, KeepsEveryMessageOldestFirstWithItsMoment) {
    JournalClear();
    JournalRecord("Vous trouvez 3 diamants.", 1, 13, "     Kayla");
    JournalRecord("", 1, 13, "     Kayla");
    JournalRecord("Combat!", 1, 14, "Yvain");
    JournalRecord("Vous allez en prison!", 2, 0, "  Yvain  ");
    const std::vector<JournalEntry>& e = JournalEntries();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].text, "Vous trouvez 3 diamants.");
    EXPECT_EQ(e[0].characterName, "Kayla");
    EXPECT_EQ(e[0].day, 1);
    EXPECT_EQ(e[0].hour, 13);
    EXPECT_EQ(e[1].text, "Combat!");
    EXPECT_EQ(e[2].text, "Vous allez en prison!");
    EXPECT_EQ(e[2].day, 2);
    EXPECT_EQ(e[2].hour, 0);
    EXPECT_EQ(e[2].characterName, "Yvain");
    JournalClear();
    EXPECT_TRUE(JournalEntries().empty());
}

TEST(JournalRecord, TheLineSetAgainToItsOwnTextIsOneMessageButAShowingAfterAClearIsAnother) {
    JournalClear();
    JournalRecord("Combat!", 1, 13, "Kayla");
    JournalRecord("Combat!", 1, 13, "Kayla");        // the same message still on show
    EXPECT_EQ(JournalEntries().size(), 1u);
    JournalRecord("", 1, 13, "Kayla");               // the line is cleared...
    JournalRecord("Combat!", 1, 13, "Kayla");        // ...and shows it again
    EXPECT_EQ(JournalEntries().size(), 2u);
    JournalRecord("Combat!", 1, 14, "Kayla");        // an hour later it is a new showing
    JournalRecord("Combat!", 1, 14, "Yvain");        // and so it is for another character
    EXPECT_EQ(JournalEntries().size(), 4u);
    JournalClear();
    JournalRecord("Combat!", 1, 14, "Yvain");        // a new game starts afresh
    EXPECT_EQ(JournalEntries().size(), 1u);
}

// The information line and the fight's message line each show one message at a time: setting
// either again to what it still shows adds nothing, whatever the other did in between.
TEST(JournalRecord, EachLineKeepsItsOwnMessageOnShowAndAnOutcomeIsAlwaysNoted) {
    JournalClear();
    const JournalMoment at{1, 14, "  Kayla"};
    const std::string blow = "Vous attaquez L'orc et vous le ratez!";
    JournalRecord("Combat!", at);
    JournalRecord(blow, at, JournalLine::Fight);
    JournalRecord("Combat!", at);                      // the board still shows it
    JournalRecord(blow, at, JournalLine::Fight);       // and the fight screen its blow
    EXPECT_EQ(JournalEntries().size(), 2u);
    JournalRecord("", at);                             // clearing the board's line...
    JournalRecord(blow, at, JournalLine::Fight);       // ...leaves the fight's on show
    EXPECT_EQ(JournalEntries().size(), 2u);
    JournalRecord("", at, JournalLine::Fight);         // the blow's message is hidden...
    JournalRecord(blow, at, JournalLine::Fight);       // ...and the same blow comes again
    JournalNote("L'orc : combat perdu.", at);
    JournalNote("L'orc : combat perdu.", at);          // two fights, two outcomes
    JournalNote("", at);                               // nothing to note
    const std::vector<JournalEntry>& e = JournalEntries();
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[2].text, blow);
    EXPECT_EQ(e[4].text, "L'orc : combat perdu.");
    EXPECT_EQ(e[4].characterName, "Kayla");
    EXPECT_EQ(e[4].hour, 14);
    JournalClear();
}

TEST(WrapLines, BreaksBetweenWordsCountingCharactersNotBytes) {
    const std::vector<std::string> lines = WrapLines("Vous échouez lamentablement... été", 12);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Vous échouez");   // 12 characters, 13 bytes
    EXPECT_EQ(lines[1], "lamentableme");   // a word longer than a line is cut
    EXPECT_EQ(lines[2], "nt... été");
    for (const std::string& l : WrapLines(MsgId(1088), 30)) EXPECT_LE(FromUtf8(l).size(), 30u) << l;
    EXPECT_EQ(WrapLines("", 10), std::vector<std::string>{""});
    EXPECT_EQ(WrapLines("a\nb c", 10), (std::vector<std::string>{"a", "b c"}));
    std::string joined;
    for (const std::string& l : WrapLines(MsgId(1088), 30)) joined += (joined.empty() ? "" : " ") + l;
    EXPECT_EQ(joined, MsgId(1088));   // no word lost or split
}

TEST(JournalWindow, ListsMessagesNewestLastWithDayHourAndName) {
    FreshProcess();
    JournalClear();
    JournalRecord(MsgId(1110), 1, 13, "Kayla");      // a long one: several lines
    JournalRecord(MsgId(1114), 1, 14, "Yvain");
    JournalRecord(MsgId(1115), 2, 7, "Tarik");
    auto journal = JournalIn(1000);
    EXPECT_EQ(journal->caption, "Journal de la partie");
    EXPECT_EQ(journal->C("hdrJour").caption, "Jour");
    EXPECT_EQ(journal->C("hdrNom").caption, "Personnage");
    EXPECT_FALSE(journal->C("lblVide").visible);
    const std::vector<std::string> texts = ShownTexts(*journal);
    const std::vector<std::string> first = WrapLines(MsgId(1110), 1000);
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts.back(), MsgId(1115));
    EXPECT_EQ(texts[texts.size() - 2], MsgId(1114));
    // The first message's lines come first, in order, and only its first line has the moment.
    std::string joined;
    for (size_t k = 0; k + 2 < texts.size(); ++k) joined += (k ? " " : "") + texts[k];
    EXPECT_EQ(joined, MsgId(1110));
    EXPECT_EQ(journal->C("lblJour", 0).caption, "1");
    EXPECT_EQ(journal->C("lblHeure", 0).caption, "13 h");
    EXPECT_EQ(journal->C("lblNom", 0).caption, "Kayla");
    EXPECT_EQ(journal->C("lblNom", 1).caption, "");
    const int last = static_cast<int>(texts.size()) - 1;
    EXPECT_EQ(journal->C("lblJour", last).caption, "2");
    EXPECT_EQ(journal->C("lblHeure", last).caption, "7 h");
    EXPECT_EQ(journal->C("lblNom", last).caption, "Tarik");
    EXPECT_EQ(journal->C("lblEntrees").caption, "Entrées 1 à 3 sur 3");  // messages, not lines
    EXPECT_FALSE(journal->C("ScrollUp").enabled);
    EXPECT_FALSE(journal->C("ScrollDn").enabled);
}

TEST(JournalWindow, HeadingsFollowTheLanguageButMessagesStayAsShown) {
    FreshProcess();
    JournalClear();
    JournalRecord(MsgId(1114), 3, 20, "Kayla");   // shown while French was the language
    auto journal = JournalIn(2000);
    EXPECT_EQ(journal->caption, "Game journal");
    EXPECT_EQ(journal->C("hdrJour").caption, "Day");
    EXPECT_EQ(journal->C("hdrHeure").caption, "Hour");
    EXPECT_EQ(journal->C("hdrNom").caption, "Character");
    EXPECT_EQ(journal->C("OK").caption, "Close");
    EXPECT_EQ(journal->C("lblTexte", 0).caption, MsgId(1114));
    EXPECT_EQ(journal->C("lblHeure", 0).caption, "20:00");
    JournalClear();
    auto empty = JournalIn(2000);
    EXPECT_TRUE(empty->C("lblVide").visible);
    EXPECT_EQ(empty->C("lblVide").caption, "No message has been shown yet.");
    EXPECT_TRUE(ShownTexts(*empty).empty());
}

TEST(JournalWindow, OpensOnTheNewestAndScrollsBackToTheOldest) {
    FreshProcess();
    JournalClear();
    for (int k = 0; k < 40; ++k) JournalRecord("Message " + DigitText(k), 1 + k / 24, k % 24, "Kayla");
    auto journal = JournalIn(1000);
    EXPECT_EQ(Var(*journal, "LineCount"), 40);
    EXPECT_EQ(Var(*journal, "FirstLine"), 40 - kRows);
    EXPECT_EQ(journal->C("lblTexte", kRows - 1).caption, "Message 39");
    EXPECT_FALSE(journal->C("ScrollDn").enabled);
    journal->Click("ScrollUp");
    EXPECT_EQ(journal->C("lblTexte", kRows - 1).caption, "Message 38");
    EXPECT_TRUE(journal->C("ScrollDn").enabled);
    journal->Menu("MNU_PageHaut");
    journal->Menu("MNU_PageHaut");
    EXPECT_EQ(Var(*journal, "FirstLine"), 0);
    EXPECT_EQ(journal->C("lblTexte", 0).caption, "Message 0");
    EXPECT_EQ(journal->C("lblHeure", 0).caption, "0 h");
    EXPECT_FALSE(journal->C("ScrollUp").enabled);
    journal->Menu("MNU_Fin");
    EXPECT_EQ(journal->C("lblTexte", kRows - 1).caption, "Message 39");
    EXPECT_EQ(journal->C("lblJour", kRows - 1).caption, "2");
}

TEST(JournalWindow, CountsTheMessagesItShowsAndColoursOnlyThePlayersNames) {
    FreshProcess();
    JournalClear();
    for (int k = 0; k < 30; ++k) JournalNote("Message " + DigitText(k), JournalMoment{1, 13, "Kayla", 1 + k % 2});
    JournalNote(MsgId(1110), JournalMoment{1, 15, "Tarik", 0});   // several lines, player not known
    auto journal = JournalIn(1000);
    journal->Menu("MNU_Debut");
    EXPECT_EQ(journal->C("lblEntrees").caption, "Entrées 1 à " + DigitText(kRows) + " sur 31");
    const Rgb ink = journal->C("lblTexte", 0).fore;
    EXPECT_EQ(journal->C("lblTexte", 1).fore, ink);
    EXPECT_NE(journal->C("lblNom", 0).fore, journal->C("lblNom", 1).fore);   // red, then blue
    EXPECT_NE(journal->C("lblNom", 0).fore, ink);
    EXPECT_TRUE(journal->C("Separation", 1).visible);   // a rule where a message begins
    journal->Menu("MNU_Fin");
    const int lines = Var(*journal, "LineCount");
    EXPECT_EQ(journal->C("lblEntrees").caption, "Entrées " + DigitText(31 - (kRows - (lines - 30))) + " à 31 sur 31");
    EXPECT_FALSE(journal->C("Separation", kRows - 1).visible);   // none inside one
    EXPECT_EQ(journal->C("lblNom", kRows - 1).fore, ink);
}

TEST(JournalWindow, LookingAtItDuringAGameChangesNothing) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\nrnd 0.99\nclick frmJeu.EndTurn\n"), 0)
        << s.err();
    Screen* board = s.screen("frmJeu");
    ASSERT_NE(board, nullptr);
    AddHelpKeys(*board);
    JournalClear();
    for (int k = 0; k < 30; ++k) JournalRecord(MsgId(1110 + k % 8), 1, 13 + k / 10, "Ann");
    const std::vector<JournalEntry> before = JournalEntries();
    const std::string stateBefore = DumpState(nullptr, "");
    ASSERT_EQ(s.Run("press F2\nclick frmJournal.ScrollUp\npress Home\npress Down\n"
                    "screen\nclick frmJournal.OK\nscreen\n"),
              0) << s.err();
    EXPECT_NE(s.out().find("frmJeu frmJournal\n"), std::string::npos) << s.out();
    EXPECT_EQ(s.screen("frmJournal"), nullptr);
    EXPECT_EQ(DumpState(nullptr, ""), stateBefore);
    ASSERT_EQ(JournalEntries().size(), before.size());
    for (size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(JournalEntries()[k].text, before[k].text);
        EXPECT_EQ(JournalEntries()[k].hour, before[k].hour);
    }
    // Closing by the window's own close button is the same.
    ASSERT_EQ(s.Run("press F2\nclose\npress F2\npress Esc\n"), 0) << s.err();
    EXPECT_EQ(s.screen("frmJournal"), nullptr);
    EXPECT_EQ(DumpState(nullptr, ""), stateBefore);
}
