// Timing the actions of random play: one time per line handed to the driver, and timing
// changes nothing in the games played.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver/RandomPlay.h"
#include "support/Game.h"

TEST(RandomPlayTimings, OneTimePerActionAndTheSameGames) {
    RandomPlayOptions o;
    o.seed = 5;
    o.games = 2;
    o.actions = 800;
    o.actionsPerGame = 400;
    o.hashDumps = true;
    RandomPlayResult plain = RunRandomPlay(o);
    EXPECT_TRUE(plain.timings.empty());
    EXPECT_EQ(plain.slowestLine, "");

    o.timings = true;
    RandomPlayResult timed = RunRandomPlay(o);
    EXPECT_EQ(timed.failure, plain.failure);
    EXPECT_EQ(timed.stateHash, plain.stateHash);
    EXPECT_EQ(timed.actions, plain.actions);
    // Every action is timed; the lines that close dialogs at the end of a game count as well.
    EXPECT_GE(static_cast<long long>(timed.timings.size()), timed.actions);
    EXPECT_TRUE(std::all_of(timed.timings.begin(), timed.timings.end(), [](float ms) { return ms >= 0; }));
    EXPECT_NE(timed.slowestLine, "");
    FreshProcess();
}
