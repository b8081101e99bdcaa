// Where the computer's walk stops and what it uses on the way: the tower door passed with
// movement to spare takes the keys and leads to the floors, the last floor's win first of all;
// the inn is no stop at full life; the talisman and the ring heal on the board; and the
// climber an opponent has to stop is the one waiting at the door.
#include <gtest/gtest.h>

#include <string>

#include "ai/BoardPlan.h"
#include "ai/Computer.h"
#include "ai/Knowledge.h"
#include "ai/Paths.h"
#include "ai/PutAt.h"
#include "board/Encounter.h"
#include "rules/ItemCatalogue.h"
#include "rules/MapTables.h"
#include "state/CharacterRecord.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "support/Game.h"

namespace {

using ai::Spot;


const Spot kDoor{map::Town, 19, 10};

class ComputerStopsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ai::ForgetMemory();
        ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\ncomputer 1\n"), 0) << s.err();
        ASSERT_EQ(gd.CurrentCharacter, 1);
    }
    Session s;
};

TEST_F(ComputerStopsTest, AWalkPassingTheDoorStopsThereToUseTheKey) {
    // Below the door, with more movement than the way up takes: whatever is left, the walk
    // ends on the door and the key goes in.
    for (const int row : {11, 12})
        for (const int moves : {2, 3, 4, 5}) {
            SCOPED_TRACE("row " + std::to_string(row) + ", moves " + std::to_string(moves));
            Session t;
            ai::ForgetMemory();
            ASSERT_EQ(t.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\ncomputer 1\n"), 0) << t.err();
            rec::ClearItems(1);
            rec::AddItemBack(1, items::kRunicKey, 0);
            PutAt(1, Spot{map::Town, 19, row});
            ASSERT_EQ(t.Run("set MovesLeft " + std::to_string(moves) + "\nplay 5 verbose\n"), 0) << t.err();
            EXPECT_NE(gd.DoorState[1], 0) << t.out();
        }
}

TEST_F(ComputerStopsTest, TheLastFloorOneCellAwayIsEnteredWithMovesToSpare) {
    gd.DoorState[1] = 5;
    gd.TowerFloor[1] = 4;   // Quelmor himself: his floor wins the game
    gd.AttackBonus[1] = gd.DefenseBonus[1] = 60;
    PutAt(1, Spot{map::Town, 19, 11});
    ASSERT_EQ(s.Run("set MovesLeft 2\nplay 4 verbose\n"), 0) << s.err();
    EXPECT_NE(s.out().find("enter the tower, floor 5"), std::string::npos) << s.out();
}

TEST_F(ComputerStopsTest, TheInnIsNoStopAtFullLife) {
    rec::WriteLife(1, 9);
    rec::WriteGold(1, 5000);
    // Every plain road cell a few steps from the inn, with each movement that reaches it.
    const Spot inn{map::Plain, 3, 3};
    int tried = 0;
    for (int x = 1; x <= map::kColumns; ++x)
        for (int y = 1; y <= map::kRows; ++y) {
            const Spot from{map::Plain, x, y};
            if (!map::IsRoadCell(map::Plain, x, y) || map::PlaceAt(map::Plain, x, y) != map::Place::None) continue;
            const int d = ai::StepsBetween(inn, from, 7, {});
            if (d < 1 || d > 4) continue;
            for (const int moves : {1, 2, 3, 4}) {
                ai::ForgetMemory();
                PutAt(1, from);
                gd.Status[1] = status::kFree;
                ASSERT_EQ(s.Run("set MovesLeft " + std::to_string(moves) + "\n"), 0) << s.err();
                std::string walk;
                // Play the walk out, step by step, as long as it walks.
                for (int k = 0; k < 6 && gd.MovesLeft > 0; ++k) {
                    const ai::Decision next = ai::Decide(nullptr, "");
                    if (next.line.rfind("press frmJeu.", 0) != 0 && next.line.rfind("click frmJeu.Image1 ", 0) != 0) break;
                    ASSERT_EQ(s.Run(next.line + "\n"), 0) << s.err();
                    walk += next.line + " -- " + next.reason + "\n";
                }
                ++tried;
                EXPECT_FALSE(gd.Zone[1] == inn.zone && gd.PosX[1] == inn.x && gd.PosY[1] == inn.y)
                    << "from " << x << "," << y << " with " << moves << " moves\n" << walk;
            }
        }
    EXPECT_GT(tried, 0);
}

TEST(ComputerLifeItemsTest, TheTalismanAndTheRingHealOnTheBoardWhenLifeRunsLow) {
    struct Case {
        int item, life, after;
    };
    // The ring at full life is kept (it has two uses, and a full life takes nothing).
    for (const Case k : {Case{items::kTalisman, 1, 3}, Case{items::kMagicRing, 1, 4}, Case{items::kMagicRing, 9, 9}}) {
        SCOPED_TRACE(items::ItemName(k.item) + " at life " + std::to_string(k.life));
        Session t;
        ai::ForgetMemory();
        ASSERT_EQ(t.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\ncomputer 1\n"), 0) << t.err();
        rec::ClearItems(1);
        rec::AddItemBack(1, k.item, k.item == items::kMagicRing ? 1 : 0);
        rec::WriteLife(1, k.life);
        RefreshPanel(1);
        ASSERT_EQ(t.Run("play 1 verbose\n"), 0) << t.err();
        EXPECT_EQ(rec::Life(1), k.after) << t.out();
        EXPECT_EQ(rec::HasItem(1, k.item), k.item == items::kMagicRing) << t.out();
    }
}

TEST_F(ComputerStopsTest, TheOpponentsClimberIsTheOneAtTheDoor) {
    const int first = ai::FirstOf(2);
    gd.DoorState[2] = 5;
    gd.TowerFloor[2] = 3;
    // Bob's strongest stands far from the door; a weaker one waits on it.
    gd.AttackBonus[first] = gd.DefenseBonus[first] = 60;
    PutAt(first, Spot{map::Plain, 8, 12});
    PutAt(first + 1, kDoor);
    ASSERT_EQ(ai::Climber(2), first);
    EXPECT_EQ(ai::Threat(1), first + 1);
    // Nobody at the door: the best of the party is the one to watch.
    PutAt(first + 1, Spot{map::Plain, 8, 12});
    EXPECT_EQ(ai::Threat(1), first);
}

}  // namespace
