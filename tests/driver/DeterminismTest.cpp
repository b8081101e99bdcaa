// Same seed, same actions, same dumps: two separate processes playing one seed print the same
// hash of every dump, and another seed plays another game.
#include <gtest/gtest.h>

#include <string>

#include "support/CommandOutput.h"

namespace {

// The "dump hash" line of a run of quelmor-randomplay.
std::string HashOf(int seed) {
    const std::string out = CommandOutput(std::string(QUELMOR_BIN_DIR) + "/quelmor-randomplay --seed " +
                                          std::to_string(seed) +
                                          " --games 4 --actions 1200 --per-game 400 --hash 2>/dev/null");
    size_t at = out.find("dump hash ");
    EXPECT_NE(out.find("random play passed"), std::string::npos) << out;
    return at == std::string::npos ? "" : out.substr(at, out.find('\n', at) - at);
}

}  // namespace

TEST(Determinism, OneSeedPlaysTheSameGameInEveryProcess) {
    const std::string first = HashOf(31), second = HashOf(31), other = HashOf(32);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
}
