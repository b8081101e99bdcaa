// Completing the targeted board spells on a character or a cell.
#include "items/SpellFixture.h"
#include "ui/Navigation.h"

namespace {

class TargetTest : public SpellTest {
protected:
    void Choose(int pending) {
        gd.PendingSpell = pending;
        gd.EndTurnAvailable = false;
    }
};

TEST_F(TargetTest, BlackIceCostsTheTargetItsNextTurn) {
    Choose(2);
    CompleteSpellOnCharacter(8);
    EXPECT_EQ(gd.Status[8], 7);
    EXPECT_EQ(gd.PendingSpell, 0);
}

TEST_F(TargetTest, ArmagueddonKillsAnyoneButACavalierNoir) {
    Choose(3);
    CompleteSpellOnCharacter(8);
    EXPECT_EQ(gd.Status[8], 6);
    EXPECT_EQ(gd.PendingSpell, 0);

    Make(9, 2);
    Choose(3);
    CompleteSpellOnCharacter(9);
    EXPECT_EQ(gd.Status[9], 0);
    EXPECT_EQ(gd.PendingSpell, 0);
}

TEST_F(TargetTest, EnvoutementIsRefusedByRunicArmourThenTakesAnother) {
    rec::AddItemBack(8, 25, 5);
    Choose(5);
    CompleteSpellOnCharacter(8);
    EXPECT_EQ(gd.Status[8], 0);
    EXPECT_EQ(gd.PendingSpell, 5);
    EXPECT_FALSE(gd.EndTurnAvailable);

    gd.MovesLeft = 0;
    CompleteSpellOnCharacter(10);
    EXPECT_EQ(gd.Status[10], 15);
    EXPECT_EQ(gd.Status[0], 1);
    EXPECT_EQ(gd.PendingSpell, 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST_F(TargetTest, TheTurnMayEndAfterASpellOnlyWithoutMovesLeft) {
    gd.MovesLeft = 2;
    Choose(2);
    CompleteSpellOnCharacter(8);
    EXPECT_FALSE(gd.EndTurnAvailable);

    gd.MovesLeft = 0;
    Choose(2);
    CompleteSpellOnCharacter(8);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST_F(TargetTest, AClickOnACharacterWithNoSpellWaitingDoesNothing) {
    for (int pending : {0, 4, 10}) {
        Choose(pending);
        CompleteSpellOnCharacter(8);
        EXPECT_EQ(gd.Status[8], 0);
        EXPECT_EQ(gd.PendingSpell, pending);
    }
}

TEST_F(TargetTest, BlocOnACellClearsTheWaitAndEndsTheActionWithoutMoves) {
    gd.MovesLeft = 0;
    Choose(4);
    CompleteSpellOnCell(6, 7);
    EXPECT_EQ(gd.PendingSpell, 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

}  // namespace
