// The computer's levels and its words: the easier levels forget things for whole turns at
// their rates and take weaker fights; the sentences it says come once a turn, in the game's
// language, on the board's plate and among the journal's messages.
#include <gtest/gtest.h>

#include <string>

#include "ai/Computer.h"
#include "ai/Knowledge.h"
#include "ai/Level.h"
#include "board/Encounter.h"
#include "ending/frmJournal.h"
#include "rules/MapTables.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/Journal.h"
#include "support/Game.h"
#include "ui/Screen.h"

namespace {

constexpr const char* kNewGame = "newgame \"Ann\" 7,3,4,5,6,8 \"Bob\" 9,11,12,13,14,15\n";

TEST(ComputerLevelsTest, TheEasierLevelsForgetWholeTurnsAtTheirRates) {
    struct Case {
        const char* word;
        int level, least, most;   // forgotten turns of 1000
    };
    for (const Case k : {Case{"easy", computer_level::kEasy, 550, 750}, Case{"normal", computer_level::kNormal, 250, 450},
                         Case{"hard", computer_level::kHard, 0, 0}}) {
        SCOPED_TRACE(k.word);
        Session s;
        ASSERT_EQ(s.Run(kNewGame + std::string("computer 1 ") + k.word + "\n"), 0) << s.err();
        ASSERT_EQ(ai::LevelOf(1), k.level);
        ai::Mistakes(k.level) = {};
        int forgotten = 0;
        for (int hour = 0; hour < 1000; ++hour) {
            ai::ForgetMemory();   // a new turn for the count
            gb.HourCounter = hour;
            const bool first = ai::Forgets(1, ai::Lapse::LifeItems);
            // The whole turn long the same answer, counted once.
            EXPECT_EQ(ai::Forgets(1, ai::Lapse::LifeItems), first);
            forgotten += first;
        }
        EXPECT_GE(forgotten, k.least);
        EXPECT_LE(forgotten, k.most);
        EXPECT_EQ(ai::Mistakes(k.level).lapses, forgotten);
    }
}

TEST(ComputerLevelsTest, TheEasierLevelsTakeFightsTheHardOneLeaves) {
    // An enemy the character beats about seven times in ten: below the hard level's odds,
    // above the normal one's.
    Session probe;
    ASSERT_EQ(probe.Run(kNewGame), 0) << probe.err();
    ASSERT_NE(rec::ClassNumber(1), classes::kCavalierNoir);
    rec::ClearItems(1);
    int attack = 0, defense = 0;
    for (int a = 1; a < 40 && !attack; ++a)
        for (int d = 1; d < 40 && !attack; ++d)
            if (const double w = ai::WinAgainst(1, a, d, 11); w >= 0.66 && w < 0.78) attack = a, defense = d;
    ASSERT_NE(attack, 0);
    for (const char* level : {"easy", "normal", "hard"}) {
        SCOPED_TRACE(level);
        Session s;
        ai::ForgetMemory();
        ASSERT_EQ(s.Run(kNewGame + std::string("computer 1 ") + level + "\n"), 0) << s.err();
        rec::ClearItems(1);
        gd.Zone[1] = map::Plain;
        gd.PosX[1] = 8;
        gd.PosY[1] = 12;
        gd.MovesLeft = 0;
        gd.EndTurnAvailable = true;
        MeetMonster(1, attack, defense, 11);
        const ai::Decision d = ai::Decide(nullptr, "");
        EXPECT_EQ(d.line == "click frmJeu.BattleNow", std::string(level) != "hard") << d.line << " -- " << d.reason;
    }
}

TEST(ComputerSayingsTest, AGoalIsSaidOnceATurnInTheGamesLanguageOnThePlateAndInTheJournal) {
    Session s;
    ai::ForgetMemory();
    ASSERT_EQ(s.Run(kNewGame + std::string("computer 1\n")), 0) << s.err();
    const std::string name = rec::ReadName(1, rec::Name::Character).substr(0, 3);
    ai::Decision d = ai::Decide(nullptr, "");
    ASSERT_FALSE(d.say.empty()) << d.line << " -- " << d.reason;
    EXPECT_EQ(d.say.rfind(name, 0), 0u) << d.say;
    EXPECT_NE(d.say.find(" : "), std::string::npos) << d.say;   // French: a blank before the colon

    // Told twice in the same turn, it is said once.
    ai::Tell(d);
    ai::Tell(d);
    ASSERT_EQ(JournalAsides().size(), 1u);
    EXPECT_EQ(JournalAsides()[0].entry.text, d.say);
    EXPECT_EQ(JournalAsides()[0].entry.player, 1);
    Screen* board = s.screen("frmJeu");
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->C("Ordinateur").visible);
    EXPECT_EQ(board->C("OrdinateurTexte").caption, d.say);

    // In English the same choice says it in English; the next turn says it again.
    gd.LanguageOffset = 2000;
    const ai::Decision english = ai::Decide(nullptr, "");
    EXPECT_EQ(english.line, d.line);
    EXPECT_NE(english.say, d.say);
    EXPECT_NE(english.say.find(": "), std::string::npos) << english.say;
    ++gb.HourCounter;
    ai::Tell(english);
    ai::Tell(english);
    EXPECT_EQ(JournalAsides().size(), 2u);

    // A decision that says nothing changes nothing.
    ai::Tell(ai::Decision{"wait 100", "nothing", ""});
    EXPECT_EQ(JournalAsides().size(), 2u);
}

TEST(ComputerSayingsTest, TheJournalShowsTheAsidesAmongTheMessagesAndALoadedGameForgetsThem) {
    Session s;
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    JournalClear();
    const JournalMoment at{1, 13, "Ann", 1};
    JournalNote("first message", at);
    JournalAsideNote("the computer's word", at);
    JournalNote("second message", at);
    auto journal = MakeFrmJournal();
    Screen& j = *journal;
    EXPECT_EQ(j.C("lblTexte", 0).caption, "first message");
    EXPECT_EQ(j.C("lblTexte", 1).caption, "the computer's word");
    EXPECT_TRUE(j.C("lblTexte", 1).font.italic);
    EXPECT_FALSE(j.C("lblTexte", 2).font.italic);
    EXPECT_EQ(j.C("lblTexte", 2).caption, "second message");
    EXPECT_TRUE(j.C("lblApartes").visible);

    JournalRestore(JournalSnapshot());
    EXPECT_TRUE(JournalAsides().empty());
    EXPECT_EQ(JournalEntries().size(), 2u);
    EXPECT_FALSE(MakeFrmJournal()->C("lblApartes").visible);
}

}  // namespace
