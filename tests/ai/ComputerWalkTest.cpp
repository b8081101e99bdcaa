// The turn's walk search: however much movement is left, it costs what the map allows, and it
// finds exactly the ends that taking every step one after another finds; each step it plans
// is the one the board's direction command takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "ai/BoardPlan.h"
#include "ai/Computer.h"
#include "ai/Paths.h"
#include "rules/DirectionStep.h"
#include "rules/MapTables.h"
#include "rules/Reach.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "support/Game.h"

namespace {

using ai::Spot;
using ai::WalkEnd;

constexpr int kCells = 4 * map::kColumns * map::kRows;

std::vector<Spot> StartCells() {
    std::vector<Spot> starts;
    for (int zone = 1; zone <= 4; ++zone)
        for (int x = 1; x <= map::kColumns; ++x)
            for (int y = 1; y <= map::kRows; ++y)
                if (map::IsRoadCell(zone, x, y) || map::PlaceAt(zone, x, y) != map::Place::None) starts.push_back({zone, x, y});
    return starts;
}

// Every step taken in turn, spots kept by key with the first direction that led there: the
// walk as the board plays it, for moderate movement.
std::vector<WalkEnd> StepByStep(const Spot& from, int moves, int cls, const ai::Obstacles& obstacles) {
    auto key = [](const Spot& s) { return (s.zone * 32 + s.x) * 32 + s.y; };
    std::vector<WalkEnd> ends;
    std::map<int, WalkEnd> layer{{key(from), WalkEnd{from, -1, false, false}}};
    std::map<int, bool> seen;
    auto add = [&](const WalkEnd& e) {
        if (!seen[key(e.spot) * 2 + (e.place ? 1 : 0)]) {
            seen[key(e.spot) * 2 + (e.place ? 1 : 0)] = true;
            ends.push_back(e);
        }
    };
    for (int k = 0; k < moves; ++k) {
        std::map<int, WalkEnd> next;
        for (auto& [unused, w] : layer) {
            bool any = false;
            for (int d = 0; d < 4; ++d) {
                ai::Step s = ai::Walk(w.spot, d, cls, obstacles);
                if (!s.moved) continue;
                any = true;
                WalkEnd e{s.to, w.firstDirection < 0 ? d : w.firstDirection, s.enteredPlace, false};
                if (s.enteredPlace || k + 1 == moves) add(e);
                else next.emplace(key(s.to), e);
            }
            if (!any && k > 0) add(WalkEnd{w.spot, w.firstDirection, false, true});
        }
        layer.swap(next);
    }
    return ends;
}

bool SameEnds(const std::vector<WalkEnd>& a, const std::vector<WalkEnd>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const WalkEnd& x, const WalkEnd& y) {
        return x.spot == y.spot && x.firstDirection == y.firstDirection && x.place == y.place && x.stuck == y.stuck;
    });
}

long long VisitsOf(const Spot& from, int moves, int cls, const ai::Obstacles& obstacles) {
    const long long before = ai::SearchVisits();
    ai::TurnEnds(from, moves, cls, obstacles);
    return ai::SearchVisits() - before;
}

const ai::Obstacles kBlocks{{map::Plain, 16, 8}, {map::Town, 9, 7}, {map::Mountain, 18, 8}};

TEST(ComputerWalkTest, HugeMovementCostsNoMoreThanTheMapAllows) {
    for (int cls : {1, 2})
        for (const ai::Obstacles& obstacles : {ai::Obstacles{}, kBlocks})
            for (const Spot& from : StartCells()) {
                const long long atBound = VisitsOf(from, kCells, cls, obstacles);
                for (int moves : {1000000, 2147483647}) {
                    const long long visits = VisitsOf(from, moves, cls, obstacles);
                    // At most one round of the layers' cycle more than at the map's bound.
                    ASSERT_LE(visits, atBound + kCells) << from.zone << ":" << from.x << "," << from.y << " moves " << moves;
                    ASSERT_LE(visits, 2LL * kCells) << from.zone << ":" << from.x << "," << from.y << " moves " << moves;
                }
            }
}

TEST(ComputerWalkTest, SkippedRoundsLeaveTheEndsAsEveryStepFindsThem) {
    const std::vector<Spot> starts = StartCells();
    for (size_t i = 0; i < starts.size(); i += 7) {
        const int cls = i % 2 ? 2 : 1;
        const ai::Obstacles obstacles = i % 3 ? kBlocks : ai::Obstacles{};
        for (int moves : {1, 2, 7, 12, 40, 65, 66, 121})
            ASSERT_TRUE(SameEnds(ai::TurnEnds(starts[i], moves, cls, obstacles), StepByStep(starts[i], moves, cls, obstacles)))
                << starts[i].zone << ":" << starts[i].x << "," << starts[i].y << " class " << cls << " moves " << moves;
    }
}

TEST(ComputerWalkTest, AMillionMovesLeftCostsTheDecisionWhatTheMapsWorthDoes) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\ncomputer 1\n"), 0) << s.err();
    auto decide = [](int moves, long long* visits) {
        gd.MovesLeft = moves;
        ai::ForgetMemory();
        const long long before = ai::SearchVisits();
        const ai::Decision d = ai::Decide(nullptr, "");
        *visits = ai::SearchVisits() - before;
        return d.line;
    };
    long long cold = 0, atBound = 0, huge = 0;
    decide(kCells, &cold);   // the distances to the goal worked out and kept
    for (int extra : {0, 1}) {
        const std::string bound = decide(kCells + extra, &atBound);
        EXPECT_EQ(decide(1000000 + extra, &huge), bound) << extra;
        EXPECT_LE(huge, atBound + kCells) << extra;
        EXPECT_LE(huge, 2LL * kCells) << extra;
    }
}

// For every cell a character may stand on and each direction command, the board ends where
// the computer's plan said, spending one point per step, among obstacles, for a class the
// temple refuses and one it takes in; without movement only a zone exit moves anyone. Steps
// into a place or onto the tower door open dialogs and are left to the board's own tests.
TEST(ComputerWalkTest, EveryPlannedStepIsTheStepTheBoardTakes) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 13,2,3,4,5,1 \"Bob\" 8,6,9,10,11,12\nset BlockZone[16] 3\nset BlockX[16] 9\nset BlockY[16] 6\n"
                    "set BlockZone[15] 1\nset BlockX[15] 5\nset BlockY[15] 7\n"),
              0)
        << s.err();
    const ai::Obstacles obstacles = ai::BoardObstacles();
    ASSERT_EQ(obstacles.size(), 2u);
    std::vector<map::Cell> cells;
    for (const Spot& o : obstacles) cells.push_back(map::Cell{o.zone, o.x, o.y});
    static const char* const kMenus[4] = {"MNU_Up", "MNU_Down", "MNU_Left", "MNU_Right"};
    static const int kDx[4] = {0, 0, -1, 1}, kDy[4] = {-1, 1, 0, 0};
    int refused = 0, checked = 0, crossed = 0;
    for (int c = 1; c <= CharacterCount(); ++c) {
        const int cls = rec::ClassNumber(c);
        if (cls != 13 && cls != 8) continue;   // the Sorcier, refused at the temple; the Magicien
        refused += reach::TempleRefuses(cls);
        gd.CurrentCharacter = c;
        for (const Spot& from : StartCells())
            for (int d = 0; d < 4; ++d)
                for (int moves : {3, 0}) {
                    if (moves == 0 && cls != 13) continue;   // without movement the class plays no part
                    Spot to = from;
                    bool moved = false;
                    if (moves > 0) {
                        const ai::Step plan = ai::Walk(from, d, cls, obstacles);
                        if (plan.enteredPlace) continue;
                        to = plan.to;
                        moved = plan.moved;
                    } else {
                        const reach::DirectionStep still =
                            reach::Direction(map::Cell{from.zone, from.x, from.y}, kDx[d], kDy[d], cls, false, cells);
                        ASSERT_FALSE(still.Moved());
                        to = Spot{still.to.zone, still.to.column, still.to.row};
                    }
                    if (reach::IsTowerDoor(map::Cell{to.zone, to.x, to.y}) && moved) continue;
                    gd.Zone[c] = from.zone;
                    gd.PosX[c] = from.x;
                    gd.PosY[c] = static_cast<int16_t>(from.y);
                    gd.MovesLeft = moves;
                    ASSERT_EQ(s.Run(std::string("menu ") + kMenus[d] + "\n"), 0) << s.err();
                    const Spot after{gd.Zone[c], gd.PosX[c], gd.PosY[c]};
                    EXPECT_TRUE(after == to) << "class " << cls << " from " << from.zone << ":" << from.x << "," << from.y
                                             << " " << kMenus[d] << " moves " << moves << " ends at " << after.zone
                                             << ":" << after.x << "," << after.y;
                    EXPECT_EQ(gd.MovesLeft, moves - (moved ? 1 : 0));
                    ++checked;
                    crossed += after.zone != from.zone;
                }
    }
    EXPECT_EQ(refused, 1);
    EXPECT_GT(checked, 2000);
    EXPECT_GT(crossed, 10);
}

}  // namespace
