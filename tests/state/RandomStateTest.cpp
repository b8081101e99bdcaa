// The dice put back where they stood: from the engine's own state at once, or from the seed
// and the fractions made since (files of the first format); a text that is no state of the
// engine is told apart before anything is set.
#include <gtest/gtest.h>

#include <vector>

#include "state/Random.h"

namespace {

std::vector<double> Next(int n) {
    std::vector<double> out;
    for (int k = 0; k < n; ++k) out.push_back(rnd::Rnd());
    return out;
}

TEST(RandomState, RestoringTheEngineStateGoesOnWithTheSameFractions) {
    rnd::Reset();
    rnd::Seed(987654321);
    Next(1000);
    const rnd::Position at = rnd::Where();
    ASSERT_TRUE(rnd::IsEngineState(at.engine));
    const std::vector<double> expected = Next(50);
    rnd::Seed(1);
    Next(7);
    rnd::Restore(at);
    EXPECT_EQ(Next(50), expected);
    // The first format's way: the seed replayed.
    rnd::Restore(rnd::Position{"", 987654321, 1000});
    EXPECT_EQ(Next(50), expected);
}

TEST(RandomState, TextThatIsNoEngineStateIsRefused) {
    rnd::Reset();
    const std::string good = rnd::Where().engine;
    ASSERT_TRUE(rnd::IsEngineState(good));
    const size_t lastBlank = good.rfind(' ');
    const std::string words = good.substr(0, lastBlank);
    std::string zeros;
    for (int k = 0; k < 312; ++k) zeros += "0 ";
    const std::string bad[] = {
        "",
        words,                                  // no place
        words + " 313",                         // a place past the words
        good + " 5",                            // one number too many
        words + " -1",
        words + "  5",                          // two blanks
        words + " 5 ",                          // a blank at the end
        " " + good,
        words + " 18446744073709551616",        // 2^64
        words + " 05",                          // a leading zero
        words + " 5x",
        zeros + "312",                          // all words zero: the engine would give zeros only
    };
    for (const std::string& text : bad) EXPECT_FALSE(rnd::IsEngineState(text)) << text.substr(text.size() > 40 ? text.size() - 40 : 0);
    EXPECT_TRUE(rnd::IsEngineState(words + " 0"));
    EXPECT_TRUE(rnd::IsEngineState(words + " 312"));
}

}  // namespace
