#include <gtest/gtest.h>

#include "driver/RandomPlay.h"
#include "state/Text.h"
#include "support/Game.h"

TEST(RandomPlay, HostileNamesCoverTheNastyCases) {
    uint64_t s = 3;
    bool empty = false, longOne = false, emoji = false, control = false;
    for (int i = 0; i < 400; ++i) {
        std::string n = HostileName(s);
        empty |= n.empty();
        longOne |= FromUtf8(n).size() > 60;
        emoji |= n.find("😀") != std::string::npos;
        control |= n.find('\x01') != std::string::npos;
    }
    EXPECT_TRUE(empty && longOne && emoji && control);
}

TEST(RandomPlay, ShortRunsHoldEveryRuleAndReplayTheSame) {
    RandomPlayOptions o;
    o.seed = 11;
    o.games = 3;
    o.actions = 1500;
    o.actionsPerGame = 500;
    o.hashDumps = true;
    RandomPlayResult a = RunRandomPlay(o);
    EXPECT_EQ(a.failure, "") << "action " << a.failedAction << ": " << a.lastLine;
    EXPECT_GE(a.games, 3);
    RandomPlayResult b = RunRandomPlay(o);
    EXPECT_EQ(a.stateHash, b.stateHash);
    EXPECT_EQ(a.actions, b.actions);
    FreshProcess();
}
