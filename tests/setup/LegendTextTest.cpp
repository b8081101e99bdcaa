// The title's scrolling legend: its prose entries, their width and what it tells.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "setup/Legend.h"
#include "state/Text.h"

namespace {

TEST(Legend, ProseAtItsEntriesWithBlankLinesBetweenParagraphs) {
    // Five paragraphs: entries 0-5, 7-17, 19-23, 25-30 and 32; the rest stay blank.
    std::set<int> prose = {32};
    for (auto [from, to] : {std::pair{0, 5}, {7, 17}, {19, 23}, {25, 30}})
        for (int r = from; r <= to; ++r) prose.insert(r);
    for (int i = 0; i < kLegendCount; ++i) {
        ASSERT_NE(kLegend[i], nullptr) << "entry " << i;
        const std::string line = kLegend[i];
        EXPECT_EQ(!line.empty(), prose.count(i) == 1) << "entry " << i;
        const std::u32string decoded = FromUtf8(line);
        EXPECT_EQ(ToUtf8(decoded), line) << "entry " << i << " is not valid UTF-8";
        EXPECT_LE(decoded.size(), 62u) << "entry " << i;
    }
}

TEST(Legend, TellsBothGoalsAndEndsOnTheKeeper) {
    std::string all;
    for (int i = 0; i < kLegendCount; ++i) all += std::string(kLegend[i]) + "\n";
    EXPECT_NE(all.find("Justes"), std::string::npos);
    EXPECT_NE(all.find("Putrides"), std::string::npos);
    EXPECT_NE(all.find("Tour Noire"), std::string::npos);
    EXPECT_NE(std::string(kLegend[32]).find("QUELMOR"), std::string::npos);
}

}  // namespace
