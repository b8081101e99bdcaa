// The computer's judgement where it once went wrong: walks priced by what their places risk
// and blocked by obstacles, Armagueddon bought and trusted for the tower, and fights whose
// blows can never land left instead of fought for ever.
#include <gtest/gtest.h>

#include "ai/Computer.h"
#include "ai/Knowledge.h"
#include "ai/Market.h"
#include "ai/Paths.h"
#include "board/Encounter.h"
#include "rules/MapTables.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/Status.h"
#include "support/Game.h"

namespace {

using ai::Spot;

TEST(ComputerPathsTest, TheVolcanoAndTheObstaclesLengthenTheWay) {
    const Spot corridor{map::Mountain, 18, 5};
    // West of the corridor the only way leads through the volcano, one death in six.
    const int west = ai::StepsBetween(corridor, Spot{map::Mountain, 16, 3}, 1, {});
    EXPECT_GE(west, 30);
    // South it runs to a harmless place cell, a few steps away.
    const int south = ai::StepsBetween(corridor, Spot{map::Mountain, 18, 12}, 1, {});
    EXPECT_GT(south, 0);
    EXPECT_LT(south, 15);
    // An obstacle in the corridor sends the walk round the whole map, volcano included.
    const int blocked = ai::StepsBetween(corridor, Spot{map::Mountain, 18, 12}, 1, {Spot{map::Mountain, 18, 8}});
    EXPECT_TRUE(blocked < 0 || blocked > south + 30) << blocked;
    // The memo follows the obstacles: taken away, the short way is back.
    EXPECT_EQ(ai::StepsBetween(corridor, Spot{map::Mountain, 18, 12}, 1, {}), south);
}

class ComputerJudgementTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
    }
    Session s;
};

TEST_F(ComputerJudgementTest, ARichCharacterBuysArmagueddonThenCheapensIt) {
    // The party holds its keys, so the master key is no longer wanted.
    rec::AddItemBack(2, items::kRunicKey, 0);
    rec::AddItemBack(2, items::kGoldKey, 0);
    rec::WriteGold(1, 99999);
    ai::Purchase p = ai::BestPurchase(1);
    ASSERT_NE(p.item, nullptr);
    EXPECT_EQ(p.item->number, items::kEarthBook);

    rec::AddItemBack(1, items::kEarthBook, 0);
    EXPECT_EQ(ai::ArmagueddonCost(1), 14);
    EXPECT_FALSE(ai::CanArmagueddon(1));   // ten magic points at the start
    p = ai::BestPurchase(1);
    ASSERT_NE(p.item, nullptr);
    EXPECT_EQ(p.item->number, items::kCelestialSceptre);

    for (int k = 0; k < 4; ++k) rec::AddItemBack(1, items::kCelestialSceptre, 0);
    EXPECT_EQ(ai::ArmagueddonCost(1), 0);
    p = ai::BestPurchase(1);
    EXPECT_TRUE(p.item == nullptr || (p.item->number != items::kCelestialSceptre && p.item->number != items::kMagicPotion));
}

TEST_F(ComputerJudgementTest, TheClimberIsTheOneWhoCanCastArmagueddon) {
    gd.TowerFloor[1] = 4;     // Quelmor himself
    gd.AttackBonus[2] = gd.DefenseBonus[2] = 60;   // by far the strongest of the party
    ASSERT_GT(ai::WinAgainst(2, 52, 52, 30), 0.5);
    EXPECT_EQ(ai::Climber(1), 2);
    rec::AddItemBack(3, items::kEarthBook, 0);
    rec::AddItemBack(3, items::kCelestialSceptre, 0);
    ASSERT_TRUE(ai::CanArmagueddon(3));
    EXPECT_EQ(ai::Climber(1), 3);
    gd.MagicPoints[3] = 9;   // one point short of the spell
    EXPECT_EQ(ai::Climber(1), 2);
}

TEST_F(ComputerJudgementTest, AFightWhoseBlowsCannotLandIsLeft) {
    // At the arena, where losing costs nothing: an enemy no blow gets through, and too weak
    // to hurt, would make a fight without end.
    gd.Zone[1] = map::Town;
    gd.PosX[1] = 3;
    gd.PosY[1] = 5;
    MeetMonster(1, 1, 90, 1);
    ASSERT_EQ(s.Run("computer 1\nrnd 0.99 0\nclick frmJeu.BattleNow\nplay 30 verbose\n"), 0) << s.err();
    EXPECT_EQ(s.screen("Combat"), nullptr);
    EXPECT_EQ(gd.FightResult, 0);
    EXPECT_NE(s.out().find("flee, my blows cannot land"), std::string::npos) << s.out();
}

TEST_F(ComputerJudgementTest, WhoeverControlsTheCharacterActsForIt) {
    ASSERT_EQ(s.Run("computer 2\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 1);
    EXPECT_FALSE(ai::ComputerToAct());
    // Bob's character 7 has put Ann's first character under its control.
    gd.Status[1] = status::kControlled;
    gd.Status[0] = 7;
    EXPECT_TRUE(ai::ComputerToAct());
}

}  // namespace
