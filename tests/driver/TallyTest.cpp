#include "driver/Tally.h"

#include <gtest/gtest.h>

TEST(Tally, RotatedSidesPutEachSideInEverySeat) {
    const std::vector<std::string> sides{"computer", "random", "random"};
    EXPECT_EQ(RotatedSides(sides, 0), sides);
    EXPECT_EQ(RotatedSides(sides, 1), (std::vector<std::string>{"random", "random", "computer"}));
    EXPECT_EQ(RotatedSides(sides, 3), sides);
}

TEST(Tally, CountsWinsBySeatSideAndClassOncePerGame) {
    Tally t;
    // Two computer seats in one game: the side played once, won once.
    t.Add({{"computer", "computer", "random"}, {{1, 2}, {3, 4}, {5, 1}}, 2, 100});
    t.Add({{"random", "computer", "computer"}, {{1, 6}, {7, 8}, {9, 10}}, 1, 300});
    t.Add({{"computer", "random", "computer"}, {{2, 3}, {4, 5}, {6, 7}}, 0, 999});
    EXPECT_EQ(t.games(), 3);
    EXPECT_EQ(t.unfinished(), 1);
    ASSERT_EQ(t.bySeat().size(), 3u);
    EXPECT_EQ(t.bySeat()[0].wins, 1);
    EXPECT_EQ(t.bySeat()[1].wins, 1);
    EXPECT_EQ(t.bySeat()[2].played, 3);
    EXPECT_EQ(t.bySide().at("computer").wins, 1);
    EXPECT_EQ(t.bySide().at("computer").played, 3);
    EXPECT_EQ(t.bySide().at("random").wins, 1);
    // Class 1 sat in two parties of the first game but is counted once there.
    EXPECT_EQ(t.byClass().at(1).played, 2);
    EXPECT_EQ(t.byClass().at(1).wins, 1);
    EXPECT_EQ(t.byClass().at(3).wins, 1);
    EXPECT_EQ(t.byClass().at(7).wins, 0);
    EXPECT_DOUBLE_EQ(t.medianTurns(), 200.0);
}
