// Faults random play found, each kept as the seed that found it (run up to just past the
// action that broke a rule) and, where the moves are short, as the moves themselves.
#include <gtest/gtest.h>

#include "combat/FightFixture.h"
#include "driver/RandomPlay.h"

namespace {

struct Found {
    uint64_t seed;
    long long actions;   // a little past the action that broke the rule
    const char* what;
};

void PrintTo(const Found& f, std::ostream* os) { *os << "seed " << f.seed << " (" << f.what << ")"; }

// Random play as it ran when the fault showed: 500 actions a game, no jump-starts yet.
RandomPlayResult Replay(const Found& f) {
    RandomPlayOptions o;
    o.jumpStarts = false;
    o.seed = f.seed;
    o.games = 1000;
    o.actions = f.actions;
    o.actionsPerGame = 500;
    return RunRandomPlay(o);
}

class RandomPlayRegression : public ::testing::TestWithParam<Found> {
protected:
    void TearDown() override { FreshProcess(); }
};

}  // namespace

TEST_P(RandomPlayRegression, TheSeedPlaysThroughItsFault) {
    const Found& f = GetParam();
    RandomPlayResult r = Replay(f);
    EXPECT_EQ(r.failure, "") << f.what << ": seed " << f.seed << ", action " << r.failedAction << " (" << r.lastLine
                             << ")";
    EXPECT_EQ(r.actions, f.actions);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, RandomPlayRegression,
    ::testing::Values(
        // A second spell menu opened during the first spell's frames offered what the first
        // one's cost no longer left: negative magic points.
        Found{5, 1170, "negative magic points"},
        // An action or the enemy's turn cut a spell short: its frame stayed, its cost and
        // effect were lost.
        Found{20261209, 19560, "spell frame left on the fight"}, Found{10, 660, "spell frame left on the fight"},
        Found{7, 720, "spell frame left on the fight"}, Found{9, 670, "spell frame left on the fight"},
        Found{2, 1500, "spell frame left on the fight"}, Found{1, 2790, "spell frame left on the fight"}),
    [](const ::testing::TestParamInfo<Found>& info) { return "seed" + std::to_string(info.param.seed) + "_" + std::to_string(info.param.actions); });

// The same two faults, move by move.
class FightFaults : public FightTest {};

TEST_F(FightFaults, TheEnemysTurnWaitsForASpellCastJustBeforeIt) {
    Make(1, 13);  // Sorcier: Tourbillon costs 2
    Enemy(5);
    Fight(0.99, 0.0);
    // Defence: its message for 2000 ms, the enemy's turn at 2200 ms. The spell is cast at 2050.
    Run("click ChCmb.StepPix(2)\nwait 2050\n");
    ASSERT_FALSE(MessageShown());
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(0)\nwait 200\n");
    // The enemy's turn fell inside the frames: the spell goes on.
    EXPECT_TRUE(Combat()->C("Regul").enabled);
    EXPECT_EQ(Combat()->C("Regul").interval, 150);
    Run("wait 250\n");
    EXPECT_EQ(gd.MagicPoints[1], 8);
    EXPECT_NE(Message().find("gagne"), std::string::npos) << Message();
    for (int k = 0; k < 48; ++k) EXPECT_FALSE(Combat()->C("Sorts", k).visible) << k;
    // And the enemy has its turn after the spell's.
    EXPECT_TRUE(Panel()->C("MechantTimer").enabled);
    int life = Life();
    rnd::Queue({0.0, 0.99, 0.0});  // the defence bonus 1, the enemy's die high, the character's low: a hit
    Run("wait 2200\n");
    EXPECT_EQ(Life(), life - 1);
}

TEST_F(FightFaults, NoSecondSpellMenuWhileTheFirstSpellRuns) {
    Make(1, 13);
    gd.MagicPoints[1] = 6;
    Enemy(5);
    Fight(0.99, 0.0);
    // Esprit de vie (6 points) is entry 6. During its frames the magic row opens no menu, so
    // that the spell cannot be chosen again once the first one has been paid.
    Run("click ChCmb.StepPix(1)\nmenu CastSpell(6)\nwait 100\nclick ChCmb.StepPix(1)\nwait 400\nmenu CastSpell(6)\nwait 450\n");
    EXPECT_EQ(gd.MagicPoints[1], 0);
}
