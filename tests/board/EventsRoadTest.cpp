// Road events: which cell gives which event, and what each event does to the character.
#include <gtest/gtest.h>

#include "board/EventRules.h"
#include "board/Events.h"
#include "board/EventsGame.h"
#include "rules/ItemCatalogue.h"
#include "state/Messages.h"

using namespace events_test;

namespace {

// Queues one die showing d.
void Die(int d) { rnd::QueueOne((d - 0.5) / 6.0); }

// The current character ends its move on a cell of a zone.
void StopOn(int zone, int column, int row) {
    Put(gd.CurrentCharacter, zone, column, row);
    gd.MovesLeft = 0;
    gd.EndTurnAvailable = false;
}

}  // namespace

TEST(RoadEventCells, TheFirstDividingNumberOfTheZoneDecides) {
    // Town (4, 9): 13 is in no list; (3, 9): 12 is a multiple of 3 only.
    EXPECT_EQ(RoadEventAt(3, 4 + 9), RoadEvent::None);
    EXPECT_EQ(RoadEventAt(3, 3 + 9), RoadEvent::Monsters);
    // Forest 22 is a multiple of 11 before anything else; 26 of 13.
    EXPECT_EQ(RoadEventAt(4, 11 + 11), RoadEvent::Spring);
    EXPECT_EQ(RoadEventAt(4, 13 + 9), RoadEvent::Spring);
    EXPECT_EQ(RoadEventAt(4, 26), RoadEvent::Wood);
    // 33 is a multiple of 11 and 3: the find wins in the plain, the mine in the town.
    EXPECT_EQ(RoadEventAt(1, 33), RoadEvent::Diamonds);
    EXPECT_EQ(RoadEventAt(3, 33), RoadEvent::Mine);
    EXPECT_EQ(RoadEventAt(1, 12), RoadEvent::Monsters);
    EXPECT_EQ(RoadEventAt(2, 13), RoadEvent::Mercury);
    EXPECT_EQ(RoadEventAt(2, 26), RoadEvent::Mercury);
    // 35 = 5 × 7: the seven comes first everywhere it is listed.
    EXPECT_EQ(RoadEventAt(1, 35), RoadEvent::OldWoman);
    EXPECT_EQ(RoadEventAt(2, 35), RoadEvent::Prospector);
    EXPECT_EQ(RoadEventAt(3, 35), RoadEvent::YoungGirl);
    EXPECT_EQ(RoadEventAt(4, 35), RoadEvent::Hermit);
    EXPECT_EQ(RoadEventAt(1, 25), RoadEvent::CollapsedBridge);
    EXPECT_EQ(RoadEventAt(2, 25), RoadEvent::Avalanche);
    EXPECT_EQ(RoadEventAt(3, 25), RoadEvent::Crowd);
    EXPECT_EQ(RoadEventAt(4, 25), RoadEvent::FallenTree);
    EXPECT_EQ(RoadEventAt(2, 23), RoadEvent::None);
}

TEST(RoadEvents, NothingHappensWhileMovementIsLeft) {
    PartyState();
    Put(1, 3, 3, 9);  // a town monster cell
    gd.MovesLeft = 2;
    RoadEvents();
    EXPECT_EQ(gd.EnemyNumber, 0);
    EXPECT_FALSE(gd.EndTurnAvailable);
    EXPECT_EQ(rnd::DrawCount(), 0u);
}

TEST(RoadEvents, ACellWithoutEventStillEndsTheMove) {
    PartyState();
    StopOn(3, 4, 9);
    RoadEvents();
    EXPECT_EQ(gd.EnemyNumber, 0);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST(RoadEvents, TownMonstersByTheDie) {
    PartyState();
    const int expected[7][4] = {{}, {3, 20, 20, 10}, {3, 20, 20, 10}, {2, 18, 18, 8}, {2, 18, 18, 8},
                                {1, 16, 16, 6}, {1, 16, 16, 6}};
    for (int d = 1; d <= 6; ++d) {
        StopOn(3, 3, 9);
        Die(d);
        RoadEvents();
        EXPECT_EQ(gd.EnemyNumber, expected[d][0]) << d;
        EXPECT_EQ(gd.EnemyAttack, expected[d][1]) << d;
        EXPECT_EQ(gd.EnemyDefense, expected[d][2]) << d;
        EXPECT_EQ(gd.EnemyAgility, expected[d][3]) << d;
        EXPECT_TRUE(gd.EndTurnAvailable);
    }
}

TEST(RoadEvents, WildMonstersOfTheOtherZones) {
    PartyState();
    struct Case { int zone, column, row, die, enemy; };
    // Plain (5, 7), mountain (12, 12) and forest (6, 6): multiples of 3 only.
    const Case cases[] = {{1, 5, 7, 1, 5},   {1, 5, 7, 4, 6},   {1, 5, 7, 6, 7},
                          {2, 12, 12, 2, 13}, {2, 12, 12, 5, 11}, {4, 6, 6, 1, 10},
                          {4, 6, 6, 3, 9},   {4, 6, 6, 6, 8}};
    for (const Case& k : cases) {
        gd.EnemyNumber = 0;
        StopOn(k.zone, k.column, k.row);
        Die(k.die);
        RoadEvents();
        EXPECT_EQ(gd.EnemyNumber, k.enemy) << k.zone << " " << k.die;
    }
}

TEST(RoadEvents, TheMountainOrcLetsOrcsAndTrollsGo) {
    PartyState();
    for (int c : {11, 12}) {  // the Orc and the Troll of player 2
        Act(c);
        gd.EnemyNumber = 0;
        StopOn(2, 12, 12);
        Die(3);
        RoadEvents();
        EXPECT_EQ(gd.EnemyNumber, 0) << rec::ClassNumber(c);
        EXPECT_TRUE(gd.EndTurnAvailable);
    }
    Act(7);  // the Magicien meets the orc
    StopOn(2, 12, 12);
    Die(4);
    RoadEvents();
    EXPECT_EQ(gd.EnemyNumber, 12);
    EXPECT_EQ(gd.EnemyAgility, 9);
}

TEST(RoadEvents, FindsAddTheDieAndStopAtNinetyNine) {
    PartyState();
    gd.Resources[1] = "00000095000000";
    StopOn(2, 6, 7);  // mountain, 13: mercury
    Die(6);
    RoadEvents();
    EXPECT_EQ(rec::Resource(1, 4), 99);
    EXPECT_EQ(gd.Resources[1], "00000099000000");
    StopOn(1, 5, 6);  // plain, 11: diamonds
    Die(3);
    RoadEvents();
    EXPECT_EQ(gd.Resources[1], "03000099000000");
    StopOn(4, 13, 13);  // forest, 26: wood
    Die(4);
    RoadEvents();
    EXPECT_EQ(gd.Resources[1], "03040099000000");
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST(RoadEvents, SpringsGiveALifePointUpToNine) {
    PartyState();
    rec::WriteLife(1, 5);
    StopOn(4, 11, 11);
    RoadEvents();
    EXPECT_EQ(rec::Life(1), 6);
    rec::WriteLife(1, 9);
    StopOn(2, 11, 11);  // mountain, 22
    RoadEvents();
    EXPECT_EQ(rec::Life(1), 9);
}

TEST(RoadEvents, TheProspectorAndTheOldWomanGiveAtTheBack) {
    PartyState();
    const std::string before = Items(1);
    StopOn(2, 11, 3);  // mountain, 14: the prospector
    Die(4);
    RoadEvents();
    EXPECT_EQ(Items(1), before);
    Die(5);
    RoadEvents();
    EXPECT_EQ(Items(1), before + "9900");

    rec::WriteLife(1, 4);
    StopOn(1, 7, 7);  // plain, 14: the old woman
    Die(3);
    RoadEvents();
    EXPECT_EQ(rec::Life(1), 4);
    Die(4);
    RoadEvents();
    EXPECT_EQ(Items(1), before + "99009800");
    EXPECT_EQ(rec::Life(1), 5);
}

TEST(RoadEvents, ObstaclesHoldTheCharacter) {
    PartyState();
    struct Case { int zone, column, row, status; };
    const Case cases[] = {{1, 16, 9, 3}, {2, 18, 7, 4}, {3, 16, 9, 2}, {4, 18, 12, 5}};
    for (const Case& k : cases) {
        gd.Status[1] = 0;
        StopOn(k.zone, k.column, k.row);
        RoadEvents();
        EXPECT_EQ(gd.Status[1], k.status) << k.zone;
        EXPECT_EQ(gd.EnemyNumber, 0);
    }
}

TEST(RoadEvents, TheYoungGirlAndTheHermit) {
    PartyState();
    StopOn(3, 5, 9);  // town, 14
    RoadEvents();
    EXPECT_EQ(gd.EnemyNumber, 4);
    EXPECT_EQ(gd.EnemyAttack, 1);
    EXPECT_EQ(rnd::DrawCount(), 0u);

    gd.EnemyNumber = 0;
    StopOn(4, 6, 8);  // forest, 14
    Die(2);
    RoadEvents();
    EXPECT_EQ(gd.EnemyNumber, 0);
    Die(3);
    RoadEvents();
    EXPECT_EQ(gd.EnemyNumber, 14);
    EXPECT_EQ(gd.EnemyAgility, 12);
}

TEST(RoadEvents, MessagesOnTheBoard) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 3, 4, 9, 0);
    SetInformations("old");
    RoadEvents();
    EXPECT_EQ(Informations(), "old");  // no event writes nothing

    gd.Resources[1] = "00000000000000";
    game.Stand(1, 2, 6, 7, 0);
    Die(3);
    RoadEvents();
    EXPECT_EQ(Informations(), Msg(574) + " 3 " + Msg(576));

    game.Stand(11, 2, 12, 12, 0);
    Die(3);
    RoadEvents();
    EXPECT_EQ(Informations(), Msg(126));

    game.Stand(1, 4, 6, 8, 0);
    Die(1);
    RoadEvents();
    EXPECT_EQ(Informations(), Msg(579));

    game.Stand(1, 4, 18, 12, 0);
    RoadEvents();
    EXPECT_EQ(Informations(), Msg(140));
}

TEST(RoadEvents, StealAndShootingOffersWhileMovementIsLeft) {
    std::array<int, 12> party = kParty;
    party[0] = 16;  // character 1 is the Voleur, character 3 the Chevalier: both in the town
    BoardGame game(party);
    REQUIRE_BOARD(game);
    Put(3, 3, 7, 5);
    ShowCharacterOnMap(3);
    ASSERT_TRUE(game.C("Perso1(3)").visible);

    // Sharing a cell with a visible character: the thief may steal.
    game.Stand(1, 3, 7, 5, 2);
    SetItems(1, "1205");
    gd.CapacityAvailable = false;
    RoadEvents();
    EXPECT_TRUE(gd.CapacityAvailable);
    EXPECT_TRUE(game.C("Capacity").enabled);
    EXPECT_FALSE(gd.EndTurnAvailable);

    // A step away the offer is withdrawn and the information line cleared.
    game.Stand(1, 3, 10, 5, 2);
    SetInformations("a message");
    RoadEvents();
    EXPECT_FALSE(gd.CapacityAvailable);
    EXPECT_EQ(Informations(), "");

    // Arrows and someone two cells away along the row: the shot is offered.
    SetItems(1, "0305");
    game.Stand(1, 3, 9, 5, 2);
    RoadEvents();
    EXPECT_TRUE(gd.CapacityAvailable);

    // Without any item entry a thief gets no offer and keeps its line.
    SetItems(1, "");
    game.Stand(1, 3, 7, 5, 2);
    gd.CapacityAvailable = false;
    SetInformations("a message");
    RoadEvents();
    EXPECT_FALSE(gd.CapacityAvailable);
    EXPECT_EQ(Informations(), "a message");
}
