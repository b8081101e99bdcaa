// The direction command's rule on the map's own tables: zone exits, obstacles, places and the
// temple, asked of cells and classes without any board.
#include <gtest/gtest.h>

#include <vector>

#include "rules/DirectionStep.h"
#include "rules/MapTables.h"
#include "rules/Reach.h"
#include "state/Classes.h"

namespace {

constexpr int kDx[4] = {0, 0, -1, 1}, kDy[4] = {-1, 1, 0, 0};
constexpr int kOpposite[4] = {1, 0, 3, 2};

bool Same(const map::Cell& a, const map::Cell& b) { return a.zone == b.zone && a.column == b.column && a.row == b.row; }

// Every exit is reached from the road two cells before it; the step lands on the road of the
// next zone, and the opposite command brings the character back where it was. Without
// movement the exit still carries it over, and nothing else happens.
TEST(DirectionStep, EveryZoneExitLeadsOntoTheNextZonesRoadAndBack) {
    const std::vector<map::Cell> none;
    for (int e = 0; e < map::kZoneExitCount; ++e) {
        const map::ZoneExit& exit = map::ZoneExits()[e];
        int crossings = 0;
        for (int d = 0; d < 4; ++d) {
            const map::Cell from{exit.fromZone, exit.exitColumn - 2 * kDx[d], exit.exitRow - 2 * kDy[d]};
            if (!map::IsRoadCell(from.zone, from.column, from.row)) continue;
            ++crossings;
            const reach::DirectionStep there = reach::Direction(from, kDx[d], kDy[d], classes::kElfe, true, none);
            ASSERT_EQ(there.exitCount, 1) << "exit " << e;
            EXPECT_EQ(there.exits[0], &exit);
            EXPECT_EQ(there.kind, reach::StepKind::OneCell);
            EXPECT_EQ(there.to.zone, exit.toZone);
            EXPECT_TRUE(map::IsRoadCell(there.to.zone, there.to.column, there.to.row)) << "exit " << e;
            const int back = kOpposite[d];
            const reach::DirectionStep home = reach::Direction(there.to, kDx[back], kDy[back], classes::kElfe, true, none);
            EXPECT_EQ(home.exitCount, 1) << "exit " << e;
            EXPECT_TRUE(Same(home.to, from)) << "exit " << e;

            const reach::DirectionStep still = reach::Direction(from, kDx[d], kDy[d], classes::kElfe, false, none);
            EXPECT_FALSE(still.Moved());
            EXPECT_EQ(still.exitCount, 1);
            EXPECT_TRUE(Same(still.to, still.exitedAt[0]));
            EXPECT_EQ(still.to.zone, exit.toZone);
        }
        EXPECT_EQ(crossings, 1) << "exit " << e << " should be reached from exactly one road cell";
    }
}

// An obstacle closes its own cell of its own zone; an exit stays open under one.
TEST(DirectionStep, ObstaclesCloseRoadCellsOfTheirZoneOnly) {
    const map::Cell from{map::Town, 9, 7};   // a road running up and down
    ASSERT_TRUE(map::IsRoadCell(map::Town, 9, 6));
    ASSERT_TRUE(map::IsRoadCell(map::Town, 9, 8));
    const std::vector<map::Cell> above{{map::Town, 9, 6}}, elsewhere{{map::Plain, 9, 6}};
    EXPECT_FALSE(reach::Direction(from, 0, -1, classes::kElfe, true, above).Moved());
    EXPECT_TRUE(reach::Direction(from, 0, 1, classes::kElfe, true, above).Moved());
    EXPECT_TRUE(reach::Direction(from, 0, -1, classes::kElfe, true, elsewhere).Moved());
    EXPECT_FALSE(reach::IsOpen(map::Town, 9, 6, above));
    EXPECT_TRUE(reach::IsOpen(map::Town, 9, 6, elsewhere));

    const map::ZoneExit& exit = map::ZoneExits()[0];
    const std::vector<map::Cell> onExit{{exit.fromZone, exit.exitColumn, exit.exitRow}};
    EXPECT_TRUE(reach::IsOpen(exit.fromZone, exit.exitColumn, exit.exitRow, onExit));
}

// A place two cells ahead is entered wherever the character stands; from a place the road is
// taken two cells at a time. The temple is no place for the classes it refuses.
TEST(DirectionStep, PlacesAreEnteredFromTwoCellsAwayAndLeftTwoCellsAtATime) {
    const std::vector<map::Cell> none;
    int entered = 0, left = 0;
    for (int cls : {classes::kMagicien, classes::kSorcier}) {
        for (int p = 0; p < map::kPlaceCount; ++p) {
            const map::PlaceCell& place = map::PlaceCells()[p];
            const bool open = reach::IsPlaceFor(place.cell.zone, place.cell.column, place.cell.row, cls);
            EXPECT_EQ(open, place.place != map::Place::TempleChest || !reach::TempleRefuses(cls));
            for (int d = 0; d < 4; ++d) {
                const map::Cell from{place.cell.zone, place.cell.column - 2 * kDx[d], place.cell.row - 2 * kDy[d]};
                const reach::DirectionStep in = reach::Direction(from, kDx[d], kDy[d], cls, true, none);
                EXPECT_EQ(in.kind == reach::StepKind::IntoPlace, open);
                if (open) {
                    EXPECT_TRUE(Same(in.to, place.cell));
                    ++entered;
                }
                const map::Cell two{place.cell.zone, place.cell.column + 2 * kDx[d], place.cell.row + 2 * kDy[d]};
                if (!open || map::PlaceAt(two.zone, two.column, two.row) != map::Place::None) continue;
                const reach::DirectionStep out = reach::Direction(place.cell, kDx[d], kDy[d], cls, true, none);
                if (map::IsRoadCell(two.zone, two.column, two.row)) {
                    EXPECT_EQ(out.kind, reach::StepKind::TwoCells);
                    EXPECT_TRUE(Same(out.to, two));
                    ++left;
                } else {
                    EXPECT_NE(out.kind, reach::StepKind::TwoCells);
                }
            }
        }
    }
    EXPECT_GT(entered, 100);
    EXPECT_GT(left, 20);
    // Each class starts on a place that takes it in.
    for (int cls = 1; cls <= classes::kCount; ++cls) {
        const map::Cell start = map::StartCell(cls);
        EXPECT_TRUE(reach::IsPlaceFor(start.zone, start.column, start.row, cls)) << "class " << cls;
    }
}

}  // namespace
