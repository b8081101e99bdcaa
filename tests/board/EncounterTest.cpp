// Encounters: the enemy waiting in the shared state, the fight button, and who is in reach.
#include <gtest/gtest.h>

#include "board/Encounter.h"
#include "board/Events.h"
#include "board/EventsGame.h"
#include "rules/Enemies.h"
#include "state/Messages.h"
#include "state/SharedRules.h"

using namespace events_test;

TEST(Reach, OneOrTwoCellsInAStraightLineWhateverTheZone) {
    PartyState();
    Act(1);
    Put(1, 1, 10, 7);
    struct Case { int column, row; bool reach; };
    const Case cases[] = {{9, 7, true},  {8, 7, true},  {11, 7, true}, {12, 7, true}, {10, 6, true},
                          {10, 5, true}, {10, 8, true}, {10, 9, true}, {7, 7, false}, {13, 7, false},
                          {10, 4, false}, {10, 10, false}, {11, 8, false}, {9, 6, false},
                          {10, 7, false}};
    for (const Case& k : cases) {
        Put(5, 3, k.column, k.row);  // another zone: the zone is not compared
        EXPECT_EQ(IsWithinReach(5), k.reach) << k.column << "," << k.row;
    }
    EXPECT_FALSE(IsWithinReach(1));  // never in reach of oneself
    gd.Status[5] = 6;
    Put(5, 1, 8, 7);
    EXPECT_TRUE(IsWithinReach(5));  // dead characters as well
}

TEST(MeetMonster, StoresTheEnemyAndTouchesNothingElse) {
    PartyState();
    Act(1);  // a Guerrier
    gd.MovesLeft = 3;
    gd.CapacityAvailable = false;
    gd.EndTurnAvailable = false;
    const std::u32string record = gd.CharacterRecords[1];
    MeetMonster(16, 23, 23, 61);
    EXPECT_EQ(gd.EnemyNumber, 16);
    EXPECT_EQ(gd.EnemyAttack, 23);
    EXPECT_EQ(gd.EnemyDefense, 23);
    EXPECT_EQ(gd.EnemyAgility, 61);
    EXPECT_EQ(gd.MovesLeft, 3);
    EXPECT_FALSE(gd.CapacityAvailable);
    EXPECT_FALSE(gd.EndTurnAvailable);
    EXPECT_EQ(gd.CharacterRecords[1], record);

    gd.CapacityAvailable = true;  // a capacity the character already had stays
    MeetMonster(5, 16, 16, 6);
    EXPECT_TRUE(gd.CapacityAvailable);
}

TEST(MeetMonster, TheAmazonMaySeduceAtOnce) {
    PartyState();
    Act(2);
    ASSERT_EQ(rec::ClassNumber(2), 1);
    gd.CapacityAvailable = false;
    MeetMonster(1, 16, 16, 6);
    EXPECT_TRUE(gd.CapacityAvailable);
}

TEST(MeetMonster, TheEnemyTableMatchesTheRoadMonsters) {
    // Attack equals defence for every enemy; Karog's agility is 61.
    for (int e = 1; e <= 19; ++e) {
        EnemyValues v = EnemyTable(e);
        EXPECT_EQ(v.number, e);
        EXPECT_EQ(v.attack, v.defense) << e;
    }
    EXPECT_EQ(EnemyTable(16).agility, 61);
    EXPECT_EQ(EnemyTable(4).attack, 1);
    EXPECT_EQ(EnemyTable(14).agility, 12);
    EXPECT_EQ(EnemyPicture(7), "des7.gif");
    EXPECT_EQ(FightBackground(14), "cmbfrt.bmp");
}

TEST(FightButton, ShowsPressesAndHandsOver) {
    BoardGame game;
    REQUIRE_BOARD(game);
    Control& button = game.C("BattleNow");
    EXPECT_FALSE(button.visible);
    game.Stand(1, 3, 3, 9, 0);
    rnd::QueueOne(0.0);  // a die of 1: the assassin
    RoadEvents();
    EXPECT_TRUE(button.visible);
    EXPECT_TRUE(button.enabled);
    EXPECT_EQ(button.picture, "combat1.bmp");
    EXPECT_EQ(Informations(), Msg(580) + " " + Msg(502) + " " + Msg(581));
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_TRUE(game.C("EndTurn").enabled);

    game.board().Press("BattleNow", 10, 10, 1, 0);
    EXPECT_EQ(button.picture, "combat2.bmp");
    gd.EndTurnAvailable = false;
    gd.CombatMode = 3;
    game.board().Release("BattleNow", 10, 10, 1, 0, true);
    EXPECT_EQ(button.picture, "combat3.bmp");
    EXPECT_FALSE(button.visible);
    EXPECT_FALSE(button.enabled);
    EXPECT_EQ(Informations(), "");
    EXPECT_EQ(gd.CombatMode, 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST(FightButton, APendingFightSurvivesTheEndOfTheTurn) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 3, 3, 9, 0);
    rnd::QueueOne(0.99);  // the guard
    RoadEvents();
    ASSERT_TRUE(game.C("BattleNow").visible);
    game.Run("click frmJeu.EndTurn\n");
    EXPECT_NE(gd.CurrentCharacter, 1);
    EXPECT_TRUE(game.C("BattleNow").visible);
    EXPECT_EQ(gd.EnemyNumber, 1);
    // The next character may take the fight on.
    game.Run("click frmJeu.BattleNow\n");
    EXPECT_FALSE(game.C("BattleNow").visible);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST(FightButton, TheAmazonsCapacityOnAnEncounter) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(2, 3, 3, 9, 0);
    gd.CapacityAvailable = false;
    RefreshActionButtons();
    rnd::QueueOne(0.5);
    RoadEvents();
    EXPECT_TRUE(gd.CapacityAvailable);
    EXPECT_TRUE(game.C("Capacity").enabled);

    game.Stand(1, 3, 3, 9, 0);
    gd.CapacityAvailable = false;
    RefreshActionButtons();
    rnd::QueueOne(0.5);
    RoadEvents();
    EXPECT_FALSE(gd.CapacityAvailable);
    EXPECT_FALSE(game.C("Capacity").enabled);
}

TEST(FightButton, TowerGuardiansAreNamedInTheMessage) {
    BoardGame game;
    REQUIRE_BOARD(game);
    const char* names[] = {"Gorak", "Karog", "Nekarat", "Cuisinier", "Quelmor"};
    for (int e = 15; e <= 19; ++e) {
        EnemyValues v = EnemyTable(e);
        MeetMonster(v.number, v.attack, v.defense, v.agility);
        EXPECT_EQ(Informations(), Msg(580) + " " + names[e - 15] + " " + Msg(581));
    }
}
