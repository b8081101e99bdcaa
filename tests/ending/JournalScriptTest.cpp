// The journal after a scripted run of turns: every message the information line showed is
// in it, in order, with the day, the hour and the character of its moment, and the window
// opened by its key lists them newest last.
#include <gtest/gtest.h>

#include <set>

#include "board/Board.h"
#include "board/Encounter.h"
#include "board/frmJeu.h"
#include "ending/frmJournal.h"
#include "state/CharacterRecord.h"
#include "state/Journal.h"
#include "state/Text.h"
#include "support/Game.h"

namespace {

struct Seen {
    std::string text;
    int day, hour;
    std::string name;
};

int BoardVar(Screen& board, const std::string& name) {
    for (const Screen::Var& v : board.vars)
        if (v.name == name) return v.values[0];
    ADD_FAILURE() << name;
    return -1;
}

std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}

// Plays turns in which every character starts in prison, some getting out on a 6 and some
// staying, then a fight fled in the town, and notes what the information line shows after each.
std::vector<Seen> PlayPrisonTurns(Session& s, int turns) {
    EXPECT_EQ(s.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n"), 0) << s.err();
    std::string jail;
    for (int k = 1; k <= 12; ++k) jail += "set Status[" + std::to_string(k) + "] 1\n";
    EXPECT_EQ(s.Run(jail), 0) << s.err();
    std::vector<Seen> seen;
    for (int turn = 0; turn < turns; ++turn) {
        EXPECT_EQ(s.Run(turn % 3 == 2 ? "rnd 0.99\ncall frmJeu.EndTurn_Click\n" : "rnd 0\ncall frmJeu.EndTurn_Click\n"), 0)
            << s.err();
        const std::string shown = Informations();
        if (shown.empty()) continue;
        const int counter = BoardVar(*s.screen("frmJeu"), "HourCounter");
        seen.push_back({shown, DayNumber(counter), HourOfDay(counter),
                        Trimmed(rec::ReadName(gd.CurrentCharacter, rec::Name::Character))});
    }
    // Then the one who just got out meets a monster in the town and flees: back to prison.
    const int c = gd.CurrentCharacter;
    gd.Zone[c] = 3;
    gd.PosX[c] = 10;
    gd.PosY[c] = 10;
    MeetMonster(2, 18, 18, 8);
    EXPECT_EQ(s.Run("rnd 0.99 0\nclick frmJeu.BattleNow\nclick ChCmb.StepPix(3)\n"), 0) << s.err();
    const int counter = BoardVar(*s.screen("frmJeu"), "HourCounter");
    seen.push_back({Informations(), DayNumber(counter), HourOfDay(counter),
                    Trimmed(rec::ReadName(c, rec::Name::Character))});
    return seen;
}

}  // namespace

TEST(JournalAfterScriptedTurns, HoldsEveryShownMessageInOrderWithItsMoment) {
    Session s;
    const std::vector<Seen> seen = PlayPrisonTurns(s, 9);
    ASSERT_GE(seen.size(), 6u);
    const std::vector<JournalEntry>& journal = JournalEntries();
    ASSERT_GE(journal.size(), seen.size());
    // What was seen after each turn is, in order, among the journal's entries.
    size_t at = 0;
    for (const Seen& message : seen) {
        while (at < journal.size() &&
               !(journal[at].text == message.text && journal[at].day == message.day &&
                 journal[at].hour == message.hour && journal[at].characterName == message.name))
            ++at;
        ASSERT_LT(at, journal.size()) << "not in the journal (or out of order): " << message.text << " "
                                      << message.name << " " << message.hour;
        ++at;
    }
    // The newest entries are what the line shows now, then how the fight ended.
    ASSERT_GE(journal.size(), 2u);
    EXPECT_EQ(journal[journal.size() - 2].text, Informations());
    EXPECT_EQ(journal.back().text, "Le bandit\u00A0: fuite\u00A0; " + seen.back().name + " va en prison.");
    // The escapes and the flight's prison were both shown.
    std::set<std::string> texts;
    for (const Seen& message : seen) texts.insert(message.text);
    EXPECT_GE(texts.size(), 2u);
}

TEST(JournalAfterScriptedTurns, TheWindowListsThemNewestLastAndLookingChangesNothing) {
    Session s;
    PlayPrisonTurns(s, 9);
    const std::vector<JournalEntry> journal = JournalEntries();
    ASSERT_FALSE(journal.empty());
    ASSERT_EQ(s.Run("press F2\nscreen\n"), 0) << s.err();
    EXPECT_NE(s.out().find("frmJeu frmJournal\n"), std::string::npos) << s.out();
    // The window as the key opened it, read row by row: a message's first line carries its
    // moment, the lines after it (a long message) only text.
    auto window = MakeFrmJournal();
    struct Shown {
        std::string day, hour, name, text;
    };
    std::vector<Shown> shown;
    for (int row = 0; row < 23; ++row) {
        const std::string text = window->C("lblTexte", row).caption;
        if (text.empty()) continue;
        if (!window->C("lblJour", row).caption.empty() || shown.empty()) {
            shown.push_back({window->C("lblJour", row).caption, window->C("lblHeure", row).caption,
                             window->C("lblNom", row).caption, text});
        } else {
            shown.back().text += " " + text;
        }
    }
    ASSERT_FALSE(shown.empty());
    ASSERT_LE(shown.size(), journal.size());
    const size_t first = journal.size() - shown.size();   // it opens on the newest
    if (journal.size() <= 10) {
        EXPECT_EQ(first, 0u);   // ten messages of a line or two fit whole
    }
    for (size_t k = 0; k < shown.size(); ++k) {
        const JournalEntry& entry = journal[first + k];
        EXPECT_EQ(shown[k].text, entry.text) << k;
        EXPECT_EQ(shown[k].day, DigitText(entry.day)) << k;
        EXPECT_EQ(shown[k].hour, DigitText(entry.hour) + " h") << k;
        EXPECT_EQ(shown[k].name, entry.characterName) << k;
    }
    ASSERT_EQ(s.Run("close\nscreen\n"), 0) << s.err();
    EXPECT_EQ(JournalEntries().size(), journal.size());
    EXPECT_EQ(s.screen("frmJournal"), nullptr);
}
