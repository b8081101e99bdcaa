// Fights started from the board leave their messages in the game's journal, in the order the
// fight screen showed them, then the notice of how they ended, each at the board's hour under the name of
// the character who fought.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/Board.h"
#include "board/Encounter.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Journal.h"
#include "support/Game.h"

namespace {

class FightJournalTest : public ::testing::Test {
protected:
    void NewGame(const std::string& classesOfAnn) {
        ASSERT_EQ(s.Run("newgame \"Ann\" " + classesOfAnn + " \"Bob\" 7,8,9,11,12,13\n"), 0) << s.err();
        c = gd.CurrentCharacter;
        gd.Zone[c] = 1;  // out of the town: no prison after the fight
    }
    void Run(const std::string& script) { EXPECT_EQ(s.Run(script), 0) << s.err(); }
    // The journal from the board's "Combat!" on, as texts.
    std::vector<std::string> FromTheFightOn() {
        const std::vector<JournalEntry>& all = JournalEntries();
        std::vector<std::string> texts;
        bool started = false;
        for (const JournalEntry& e : all) {
            started = started || e.text == "Combat!" || e.text == "Fight!";
            if (started) texts.push_back(e.text);
        }
        return texts;
    }
    // Every entry from the fight on carries the moment of the fight.
    void ExpectTheFightsMoment(size_t count) {
        int counter = -1;
        for (const Screen::Var& v : s.screen("frmJeu")->vars)
            if (v.name == "HourCounter") counter = v.values[0];
        std::string name = rec::ReadName(c, rec::Name::Character);
        name.erase(0, name.find_first_not_of(' '));
        const std::vector<JournalEntry>& all = JournalEntries();
        ASSERT_GE(all.size(), count);
        for (size_t k = all.size() - count; k < all.size(); ++k) {
            EXPECT_EQ(all[k].day, DayNumber(counter)) << all[k].text;
            EXPECT_EQ(all[k].hour, HourOfDay(counter)) << all[k].text;
            EXPECT_EQ(all[k].characterName, name) << all[k].text;
        }
    }
    Session s;
    int c = 0;
};

// Blows both ways, the same miss shown twice, then flight.
TEST_F(FightJournalTest, TheBlowsAreJournalledInOrderThenTheFlight) {
    NewGame("1,2,3,4,5,6");
    // The enemy's defence is 5 above the character's attack, its attack 5 above its defence:
    // a 9 against a 0 hits, a 0 against a 5 misses, both ways.
    MeetMonster(5, rec::EffectiveDefense(c) + 5, rec::EffectiveAttack(c) + 5, 0);
    Run("rnd 0.99 0\nclick frmJeu.BattleNow\n"            // the character acts first
        "rnd 0.99 0\nclick ChCmb.StepPix(0)\nwait 2000\n"  // a hit
        "rnd 0.99 0\nwait 200\nwait 2000\n"                // the enemy hits back
        "rnd 0 0.99\nclick ChCmb.StepPix(0)\nwait 2000\n"  // a miss
        "rnd 0 0.99\nwait 200\nwait 2000\n"                // the enemy misses
        "rnd 0 0.99\nclick ChCmb.StepPix(0)\nwait 2000\n"  // the same miss again
        "rnd 0 0.99\nwait 200\nwait 2000\n"
        "click ChCmb.StepPix(3)\n");                       // flight
    ASSERT_EQ(s.screen("Combat"), nullptr);
    const std::string hit = "Vous attaquez Le squelette guerrier et vous le touchez!";
    const std::string miss = "Vous attaquez Le squelette guerrier et vous le ratez!";
    const std::string struck = "Le squelette guerrier vous attaque et vous touche!";
    const std::string spared = "Le squelette guerrier vous attaque et vous rate!";
    const std::vector<std::string> expected = {
        "Combat!", hit, struck, miss, spared, miss, spared, "Le squelette guerrier\u00A0: fuite."};
    EXPECT_EQ(FromTheFightOn(), expected);
    ExpectTheFightsMoment(expected.size());
    EXPECT_EQ(rec::Life(c), 5);
}

// Six breaths in a row show the same message six times: six entries, then the victory.
TEST_F(FightJournalTest, EachShowingOfTheSameMessageIsAnEntryAndTheVictoryCloses) {
    NewGame("10,2,3,4,5,6");  // a Monstre: its breath gives the enemy no turn
    MeetMonster(5, 16, 16, 0);
    Run("rnd 0.99 0\nclick frmJeu.BattleNow\n");
    for (int breath = 0; breath < 6; ++breath) Run("rnd 0.99\nclick ChCmb.StepPix(0)\nwait 2000\n");
    ASSERT_EQ(s.screen("Combat"), nullptr);
    ASSERT_EQ(gd.FightResult, 1);
    std::vector<std::string> expected(7, "Le monstre souffle. Le squelette guerrier est intoxiqué.");
    expected[0] = "Combat!";
    expected.push_back("Le squelette guerrier\u00A0: victoire.");  // the Monstre gains no experience
    EXPECT_EQ(FromTheFightOn(), expected);
    ExpectTheFightsMoment(expected.size());
}

// A blow that takes the last life point ends the fight at once: its message, then the loss,
// in the language of the moment.
TEST_F(FightJournalTest, TheLastBlowAndTheLossInEnglish) {
    NewGame("1,2,3,4,5,6");
    gd.LanguageOffset = 2000;
    rec::WriteLife(c, 1);
    MeetMonster(5, rec::EffectiveDefense(c) + 5, 16, 40);
    Run("rnd 0 0.99 0.99 0\nclick frmJeu.BattleNow\n");  // the enemy strikes first, and hits
    ASSERT_EQ(s.screen("Combat"), nullptr);
    ASSERT_EQ(gd.FightResult, -1);
    const std::vector<std::string> expected = {"Fight!", "The skeleton warrior attacks you and hits you!",
                                               "The skeleton warrior: defeat, " + rec::ReadName(c, rec::Name::Character) + " dies."};
    EXPECT_EQ(FromTheFightOn(), expected);
    ExpectTheFightsMoment(expected.size());
}

}  // namespace
