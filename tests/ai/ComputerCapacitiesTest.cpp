// The computer's capacities, board spells and forge: a flight lands where it serves the walk's
// goal (and is not taken for a short way), a low-life healer heals, and the forge makes the
// recipe worth most with the resources at hand, the mine giving the metal it lacks.
#include <gtest/gtest.h>

#include "ai/BoardPlan.h"
#include "ai/Forging.h"
#include "ai/Knowledge.h"
#include "ai/Paths.h"
#include "ai/PutAt.h"
#include "board/Encounter.h"
#include "rules/MapTables.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "support/Game.h"

namespace {

using ai::Spot;


// A road cell of the zone from which one step up, down, left or right enters the place.
Spot NextTo(const Spot& place, int cls) {
    for (int x = 1; x <= map::kColumns; ++x)
        for (int y = 1; y <= map::kRows; ++y) {
            const Spot s{place.zone, x, y};
            if (!map::IsRoadCell(s.zone, x, y) || map::PlaceAt(s.zone, x, y) != map::Place::None) continue;
            for (int d = 0; d < 4; ++d) {
                const ai::Step step = ai::Walk(s, d, cls, {});
                if (step.enteredPlace && step.to == place) return s;
            }
        }
    return Spot{};
}

TEST(ComputerCapacitiesTest, AFairyFliesNextToAFarGoalAndWalksANearOne) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 6,2,3,4,5,7 \"Bob\" 8,9,10,11,12,13\nset MovesLeft 2\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 1);
    // The first plain road cell from which the flight pays.
    Spot from, land;
    std::string why;
    for (int x = 1; x <= map::kColumns && from.zone == 0; ++x)
        for (int y = 1; y <= map::kRows && from.zone == 0; ++y) {
            if (!map::IsRoadCell(map::Plain, x, y) || map::PlaceAt(map::Plain, x, y) != map::Place::None) continue;
            PutAt(1, Spot{map::Plain, x, y});
            if (ai::FlightPays(1, land, why)) from = Spot{map::Plain, x, y};
        }
    ASSERT_NE(from.zone, 0);
    PutAt(1, from);
    const ai::Goal goal = ai::ChooseGoal(1, ai::KeysOf(1), {});
    ASSERT_GT(ai::StepsBetween(from, goal.spot, 6, {}), 20);
    ASSERT_EQ(s.Run("computer 1\nplay 4 verbose\n"), 0) << s.err();
    EXPECT_EQ(gd.Status[1], status::kLosesNextTurn) << s.out();
    const Spot now{gd.Zone[1], gd.PosX[1], gd.PosY[1]};
    EXPECT_TRUE(now == land) << s.out();
    EXPECT_LE(ai::StepsBetween(now, goal.spot, 6, {}), 4) << s.out();
    EXPECT_NE(s.out().find("fly,"), std::string::npos) << s.out();
}

TEST(ComputerCapacitiesTest, AFairyNextToItsGoalWalks) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 6,2,3,4,5,7 \"Bob\" 8,9,10,11,12,13\nset MovesLeft 4\n"), 0) << s.err();
    const ai::Goal goal = ai::ChooseGoal(1, ai::KeysOf(1), {});
    ASSERT_GT(goal.worth, 0);
    PutAt(1, NextTo(goal.spot, 6));
    ASSERT_NE(gd.Zone[1], 0);
    ASSERT_EQ(s.Run("computer 1\nplay 1 verbose\n"), 0) << s.err();
    EXPECT_NE(gd.Status[1], status::kLosesNextTurn) << s.out();
    EXPECT_EQ(s.out().find("fly,"), std::string::npos) << s.out();
}

TEST(ComputerCapacitiesTest, AWoundedMagicianHealsAndKeepsArmagueddonsPoints) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 8,2,3,4,5,7 \"Bob\" 6,9,10,11,12,13\n"), 0) << s.err();
    rec::WriteLife(1, 2);
    gd.MagicPoints[1] = 10;
    ASSERT_EQ(s.Run("computer 1\nplay 2 verbose\n"), 0) << s.err();
    EXPECT_EQ(rec::Life(1), 5) << s.out();
    EXPECT_EQ(gd.MagicPoints[1], 6);
    // With the earth book, the last points are Armagueddon's: no heal at life 4.
    rec::WriteLife(1, 4);
    gd.MagicPoints[1] = 16;
    rec::AddItemBack(1, items::kEarthBook, 0);
    s.ClearOutput();
    ASSERT_EQ(s.Run("play 1 verbose\n"), 0) << s.err();
    EXPECT_EQ(rec::Life(1), 4) << s.out();
    EXPECT_EQ(gd.MagicPoints[1], 16);
}

TEST(ComputerCapacitiesTest, TheDwarfForgesTheBestRecipeAndMinesTheMetalItLacks) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 11,2,3,4,5,7 \"Bob\" 8,9,10,6,12,13\n"), 0) << s.err();
    // Mercury but no iron: the fire arrow lacks iron most.
    gd.Resources[1] = "00000007000000";
    EXPECT_EQ(ai::MineIcon(1, nullptr), 2);
    EXPECT_EQ(ai::BestRecipe(1, nullptr), ai::kNoRecipe);
    // Enough for the iron sword, the iron axe and the fire arrow: the arrow adds most.
    gd.Resources[1] = "02060707000000";
    EXPECT_EQ(ai::BestRecipe(1, nullptr), 15);
    const Spot forge{map::Town, 16, 5};
    PutAt(1, NextTo(forge, 11));
    ASSERT_NE(gd.Zone[1], 0);
    ASSERT_EQ(s.Run("set MovesLeft 1\ncomputer 1\nplay 30 verbose\n"), 0) << s.err();
    EXPECT_TRUE(rec::HasItem(1, items::kFireArrow)) << s.out();
    EXPECT_EQ(gd.Status[1], status::kForgingFirst + 4);
    EXPECT_EQ(gd.Resources[1], "02060300000000");
}

TEST(ComputerCapacitiesTest, TheThiefTakesTheEarthBookFromAnOpponentAndSparesAFriend) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 16,2,3,4,5,7 \"Bob\" 8,9,10,11,12,13\nset MovesLeft 3\n"), 0) << s.err();
    // A plain road cell where nobody stands.
    Spot cell;
    for (int x = 1; x <= map::kColumns && cell.zone == 0; ++x)
        for (int y = 1; y <= map::kRows && cell.zone == 0; ++y) {
            bool empty = map::IsRoadCell(map::Plain, x, y) && map::PlaceAt(map::Plain, x, y) == map::Place::None;
            for (int t = 1; t <= 12; ++t) empty = empty && !(gd.Zone[t] == map::Plain && gd.PosX[t] == x && gd.PosY[t] == y);
            if (empty) cell = Spot{map::Plain, x, y};
        }
    ASSERT_NE(cell.zone, 0);
    rec::AddItemBack(7, items::kEarthBook, 0);
    rec::AddItemBack(2, items::kEarthBook, 0);
    // A friend on the cell comes first in the capacity's order: no theft.
    PutAt(1, cell);
    PutAt(2, cell);
    PutAt(7, cell);
    gd.CapacityAvailable = true;
    RefreshActionButtons();
    ASSERT_EQ(s.Run("computer 1\nplay 1 verbose\n"), 0) << s.err();
    EXPECT_TRUE(rec::HasItem(2, items::kEarthBook)) << s.out();
    EXPECT_EQ(s.out().find("Capacity"), std::string::npos) << s.out();
    // The opponent alone: the book that teaches Armagueddon is worth more than its gold.
    gd.PosX[2] = gd.PosX[2] == 1 ? 2 : 1;
    PutAt(1, cell);
    gd.MovesLeft = 3;
    gd.CapacityAvailable = true;
    RefreshActionButtons();
    rec::WriteGold(7, 3000);
    s.ClearOutput();
    ASSERT_EQ(s.Run("play 4 verbose\n"), 0) << s.err();
    EXPECT_TRUE(rec::HasItem(1, items::kEarthBook)) << s.out();
    EXPECT_FALSE(rec::HasItem(7, items::kEarthBook)) << s.out();
    EXPECT_EQ(rec::Gold(7), 3000);
}

TEST(ComputerCapacitiesTest, AFightLeftAsTheOnlyWayOnIsFought) {
    // An arrow's kill took the last steps while a fight waited and the turn could not end yet:
    // in town the fight means prison, but waiting would hold the game for ever.
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 3,2,7,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
    PutAt(1, Spot{map::Town, 3, 7});
    MeetMonster(1, 16, 16, 6);
    gd.MovesLeft = 0;
    gd.EndTurnAvailable = false;
    ASSERT_EQ(s.Run("computer 1\nplay 1 verbose\n"), 0) << s.err();
    EXPECT_NE(s.out().find("click frmJeu.BattleNow"), std::string::npos) << s.out();
}

}  // namespace
