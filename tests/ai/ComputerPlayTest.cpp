// The computer parties in the driver: `play N` hands over to a person at once, and seeded
// games keep every rule the random-play tester checks.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "ai/Computer.h"
#include "driver/ComputerGames.h"
#include "state/CharacterRecord.h"
#include "support/Game.h"

namespace {

int CountLines(const std::string& text, const std::string& start) {
    std::istringstream in(text);
    int n = 0;
    for (std::string line; std::getline(in, line);)
        if (line.rfind(start, 0) == 0) ++n;
    return n;
}

TEST(ComputerPlayTest, PlayStopsWhenAPersonsTurnComes) {
    Session session;
    ASSERT_EQ(session.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\ncomputer 1\n"), 0) << session.err();
    ASSERT_EQ(gd.CurrentCharacter, 1);
    ASSERT_EQ(session.Run("play 100000 verbose\n"), 0) << session.err();
    // Character 1 played its turn; Bob's first character waits for its person.
    EXPECT_EQ(rec::Owner(gd.CurrentCharacter), 2);
    EXPECT_FALSE(ai::ComputerToAct());
    const int acted = CountLines(session.out(), "# ");
    EXPECT_GT(acted, 0);
    EXPECT_LT(acted, 1000) << "the computer went on past its turn";
    // Nothing is left for the computer while the person plays: play does nothing.
    session.ClearOutput();
    ASSERT_EQ(session.Run("play 50 verbose\n"), 0);
    EXPECT_EQ(CountLines(session.out(), "# "), 0);
}

TEST(ComputerPlayTest, PlayCountsItsActions) {
    Session session;
    ASSERT_EQ(session.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\ncomputer 1\ncomputer 2\nplay 7 verbose\n"), 0);
    EXPECT_EQ(CountLines(session.out(), "# "), 7);
    EXPECT_TRUE(ai::ComputerToAct());
}

TEST(ComputerPlayTest, ComputerRefusesBadPlayerNumbers) {
    Session session;
    EXPECT_EQ(session.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\ncomputer 5\n"), 2);
    EXPECT_NE(session.err().find("computer: not a player number"), std::string::npos);
}

TEST(ComputerPlayTest, SeededGamesKeepTheRules) {
    // Two all-computer games and one against random play, the rule checks after every action.
    for (uint64_t seed : {11u, 12u}) {
        ComputerGameOptions o;
        o.seed = seed;
        o.computer = {true, seed == 11u};
        o.maxActions = 2500;
        o.checkRules = true;
        ComputerGameResult r = RunComputerGame(o);
        EXPECT_EQ(r.failure, "") << "seed " << seed;
        EXPECT_GT(r.characterTurns, 20) << "seed " << seed;
    }
}

}  // namespace

namespace {

TEST(ComputerSetupTest, TheBoxHandsAPartyToTheComputerWhichCompletesIt) {
    Session session;
    ASSERT_EQ(session.Run("menu frmBegin.MNU_New\nkey FairePerso.ReponseDuNom \"Ann\"\n"
                          "_pickclass 10\n_pickclass 1\n_pickclass 3\n_pickclass 4\n_pickclass 5\n_pickclass 6\n"
                          "tab FairePerso.EnsTab 1\nclick FairePerso.Computer\n"),
              0)
        << session.err();
    Screen* setup = session.screen("FairePerso");
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->C("Computer").caption, "[X] Joué par l'ordinateur");
    // Player 1's tab shows its own box, still clear.
    ASSERT_EQ(session.Run("tab FairePerso.EnsTab 0\n"), 0);
    EXPECT_EQ(setup->C("Computer").caption, "[  ] Joué par l'ordinateur");
    ASSERT_EQ(session.Run("click FairePerso.cmdOK\n"), 0) << session.err();
    ASSERT_EQ(gd.PlayerCount, 2);
    EXPECT_FALSE(gd.ComputerPlayer[1]);
    EXPECT_TRUE(gd.ComputerPlayer[2]);
    // The computer's party: six classes of its own, the Monstre taken already, the Cavalier
    // Noir first; its player named for it.
    EXPECT_EQ(rec::ClassNumber(7), 2);
    std::set<int> classes;
    for (int c = 1; c <= 12; ++c) classes.insert(rec::ClassNumber(c));
    EXPECT_EQ(classes.size(), 12u);
    EXPECT_EQ(classes.count(0), 0u);
    EXPECT_EQ(rec::PlayerNameField(7), "Ordinateur");
}

TEST(ComputerSetupTest, TheLevelBesideTheBoxGoesRoundAndOKWritesIt) {
    Session session;
    ASSERT_EQ(session.Run("menu frmBegin.MNU_New\n"), 0) << session.err();
    Screen* setup = session.screen("FairePerso");
    ASSERT_NE(setup, nullptr);
    // Hard until changed, and only for a party the computer plays.
    EXPECT_EQ(setup->C("ComputerLevel").caption, "Niveau : difficile");
    EXPECT_FALSE(setup->C("ComputerLevel").enabled);
    ASSERT_EQ(session.Run("click FairePerso.ComputerLevel\n"), 0) << session.err();
    EXPECT_EQ(setup->C("ComputerLevel").caption, "Niveau : difficile");
    ASSERT_EQ(session.Run("tab FairePerso.EnsTab 1\nclick FairePerso.Computer\nclick FairePerso.ComputerLevel\n"), 0) << session.err();
    EXPECT_EQ(setup->C("ComputerLevel").caption, "Niveau : facile");
    ASSERT_EQ(session.Run("click FairePerso.ComputerLevel\n"), 0) << session.err();
    EXPECT_EQ(setup->C("ComputerLevel").caption, "Niveau : normal");
    // Player 1's tab shows its own, still a person's.
    ASSERT_EQ(session.Run("tab FairePerso.EnsTab 0\n"), 0);
    EXPECT_FALSE(setup->C("ComputerLevel").enabled);
    // The driver's word for player 1 ticks its box at that level.
    ASSERT_EQ(session.Run("computer 1 easy\n"), 0) << session.err();
    EXPECT_EQ(setup->C("Computer").caption, "[X] Joué par l'ordinateur");
    EXPECT_EQ(setup->C("ComputerLevel").caption, "Niveau : facile");
    ASSERT_EQ(session.Run("click FairePerso.cmdOK\n"), 0) << session.err();
    EXPECT_EQ(gd.ComputerLevel[1], computer_level::kEasy);
    EXPECT_EQ(gd.ComputerLevel[2], computer_level::kNormal);
    EXPECT_EQ(session.Run("computer 2 wild\n"), 2);
}

TEST(ComputerSetupTest, ComputerInsideSetUpTicksTheBox) {
    Session session;
    ASSERT_EQ(session.Run("menu frmBegin.MNU_New\ncomputer 1\ncomputer 2\nclick FairePerso.cmdOK\n"), 0) << session.err();
    ASSERT_EQ(gd.PlayerCount, 2);
    EXPECT_TRUE(gd.ComputerPlayer[1] && gd.ComputerPlayer[2]);
    EXPECT_EQ(rec::ClassNumber(1), 10);
    EXPECT_TRUE(ai::ComputerToAct());
}

}  // namespace
