// The road's monsters: each zone's three are its own (fought before the zone's backdrop), no
// two zones share one, and there are none outside the four zones.
#include <gtest/gtest.h>

#include <set>

#include "rules/Enemies.h"
#include "rules/MapTables.h"
#include "rules/RoadMonsters.h"

TEST(RoadMonsters, EachZoneMeetsThreeEnemiesOfItsOwnLand) {
    const char* const kBackdrop[5] = {"", "cmbpln.bmp", "cmbmtg.bmp", "cmbvil.bmp", "cmbfrt.bmp"};
    std::set<int> met;
    for (int zone = map::Plain; zone <= map::Forest; ++zone)
        for (int band = 0; band < 3; ++band) {
            const int e = RoadMonster(zone, band);
            EXPECT_EQ(FightBackground(e), kBackdrop[zone]) << "zone " << zone << " band " << band;
            EXPECT_TRUE(met.insert(e).second) << "enemy " << e << " met twice";
        }
    EXPECT_EQ(met.size(), 12u);
    for (auto [zone, band] : {std::pair{0, 0}, {5, 1}, {1, -1}, {1, 3}}) EXPECT_EQ(RoadMonster(zone, band), 0);
}
