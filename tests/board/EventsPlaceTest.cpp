// Place events: the inn, the camp, the tower, the chests, the swamp, the volcano, the
// fountain and the doors of the market, forge and arena.
#include <gtest/gtest.h>

#include "board/Events.h"
#include "board/EventsGame.h"
#include "rules/ItemCatalogue.h"
#include "state/Messages.h"

using namespace events_test;

namespace {

void Die(int d) { rnd::QueueOne((d - 0.5) / 6.0); }

// The current character enters the place on a cell of a zone.
void Enter(int zone, int column, int row) {
    Put(gd.CurrentCharacter, zone, column, row);
    gd.MovesLeft = 0;
    gd.EndTurnAvailable = false;
    PlaceEvents();
}

std::string GoldText(int c) { return ToUtf8(rec::ReadText(c, rec::kGold, rec::kGoldWidth)); }

}  // namespace

TEST(PlaceEvents, TheCampNeedsATentAndFiftyGold) {
    PartyState();
    SetItems(1, "1807");
    rec::WriteGold(1, 1000);
    Enter(1, 10, 7);
    EXPECT_EQ(rec::Gold(1), 1000);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_TRUE(gd.EndTurnAvailable);

    rec::AddItemFront(1, items::kTent, 0);
    rec::WriteGold(1, 49);
    Enter(1, 10, 7);
    EXPECT_EQ(rec::Gold(1), 49);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_TRUE(gd.EndTurnAvailable);

    rec::WriteGold(1, 50);
    rec::WriteLife(1, 4);
    gd.MagicPoints[1] = 2;
    rnd::Queue({0.95, 0.7});  // 9 magic points, 2 life points
    Enter(1, 10, 7);
    EXPECT_EQ(GoldText(1), "00000");
    EXPECT_EQ(gd.Status[1], 17);
    EXPECT_EQ(gd.MagicPoints[1], 10);
    EXPECT_EQ(rec::Life(1), 6);
}

TEST(PlaceEvents, TheInnAtExactlyThreeHundredGold) {
    PartyState();
    rec::WriteGold(1, 299);
    Enter(1, 3, 3);
    EXPECT_EQ(rec::Gold(1), 299);
    EXPECT_EQ(gd.Status[1], 0);

    rec::WriteGold(1, 300);
    rec::WriteLife(1, 8);
    gd.MagicPoints[1] = 3;
    rnd::Queue({0.25, 0.99});  // 2 magic points, 2 life points
    Enter(1, 3, 3);
    EXPECT_EQ(GoldText(1), "00000");
    EXPECT_EQ(gd.Status[1], 17);
    EXPECT_EQ(gd.MagicPoints[1], 5);
    EXPECT_EQ(rec::Life(1), 9);
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_EQ(rnd::QueuedCount(), 0);
}

TEST(PlaceEvents, TheTower) {
    PartyState();
    gd.Status[1] = 0;
    rec::WriteLife(1, 5);
    Die(4);
    Enter(1, 16, 3);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_EQ(rec::Life(1), 5);
    EXPECT_TRUE(gd.EndTurnAvailable);
    Die(3);
    Enter(1, 16, 3);
    EXPECT_EQ(gd.Status[1], 7);
    Die(5);
    Enter(1, 16, 3);
    EXPECT_EQ(gd.Status[1], 0);
    EXPECT_EQ(rec::Life(1), 6);
}

TEST(PlaceEvents, ChestsOpenOnASix) {
    PartyState();
    SetItems(1, "1807");
    Die(5);
    Enter(4, 6, 2);
    EXPECT_EQ(Items(1), "1807");
    Die(6);
    Enter(4, 6, 2);
    EXPECT_EQ(Items(1), "180799009900");
    Act(7);  // the Magicien, who may enter the temple
    SetItems(7, "");
    Die(6);
    Enter(4, 11, 9);
    EXPECT_EQ(Items(7), "9700");
    Die(6);
    Enter(2, 11, 7);
    EXPECT_EQ(Items(7), "97009600");
}

TEST(PlaceEvents, TheSwampGivesEverythingToTheMonstreOfTheFirstCharacters) {
    // Three parties' worth of numbers: with 2 players only characters 1 to 6 can receive.
    std::array<int, 12> party = kParty;
    party[2] = 10;  // character 3 is the Monstre
    party[8] = 3;   // character 9 is the Chevalier
    PartyState(party);
    SetItems(3, "0000");
    SetItems(1, "18072903");
    Die(1);
    Enter(2, 5, 3);
    EXPECT_EQ(Items(3), "000018072903");
    EXPECT_EQ(rec::ItemCount(1), 0);
    EXPECT_EQ(gd.CharacterRecords[1].size(), 41u);
    EXPECT_TRUE(gd.EndTurnAvailable);

    // The Monstre as character 9 (above 3 × 2) gets nothing; the victim still loses all.
    PartyState();
    ASSERT_EQ(rec::ClassNumber(9), 10);
    const std::string monstre = Items(9);
    SetItems(2, "4401");
    Act(2);
    Die(1);
    Enter(2, 5, 3);
    EXPECT_EQ(Items(9), monstre);
    EXPECT_EQ(rec::ItemCount(2), 0);

    SetItems(2, "4401");
    Die(2);
    Enter(2, 5, 3);
    EXPECT_EQ(Items(2), "4401");
}

TEST(PlaceEvents, TheVolcano) {
    PartyState();
    const std::string before = Items(1);
    Die(3);
    Enter(2, 18, 3);
    EXPECT_EQ(Items(1), before);
    Die(5);
    Enter(2, 18, 3);
    EXPECT_EQ(Items(1), before + "9400");
    Die(1);
    Enter(2, 18, 3);
    EXPECT_EQ(rec::Life(1), 0);
}

TEST(PlaceEvents, TheFountainFreesAndMayHeal) {
    PartyState();
    rec::WriteLife(1, 3);
    gd.Status[1] = 10;
    Die(3);
    Enter(4, 14, 3);
    EXPECT_EQ(rec::Life(1), 3);
    EXPECT_EQ(gd.Status[1], 0);
    Die(4);
    Enter(4, 14, 3);
    EXPECT_EQ(rec::Life(1), 4);
}

TEST(PlaceEvents, ShopsAndTheArenaLeaveTheModeAtFight) {
    PartyState();
    Enter(3, 3, 13);
    EXPECT_EQ(gd.CombatMode, 0);
    Enter(3, 16, 5);
    EXPECT_EQ(gd.CombatMode, 0);
    gd.EnemyAttack = 7;
    Enter(3, 3, 5);
    EXPECT_EQ(gd.EnemyAttack, 0);  // the tournament entrance writes it when a level is chosen
    EXPECT_EQ(gd.CombatMode, 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST(PlaceEvents, EmptyPlacesOnlyEndTheMove) {
    PartyState();
    const std::u32string record = gd.CharacterRecords[1];
    const map::Cell ruins[] = {{1, 3, 12}, {2, 18, 12}, {3, 16, 13}, {4, 18, 13}};
    for (const map::Cell& cell : ruins) {
        Enter(cell.zone, cell.column, cell.row);
        EXPECT_TRUE(gd.EndTurnAvailable);
    }
    EXPECT_EQ(gd.CharacterRecords[1], record);
    EXPECT_EQ(rnd::DrawCount(), 0u);
}

TEST(PlaceEvents, MessagesOnTheBoard) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 1, 10, 7, 0);
    SetItems(1, "1807");
    rec::WriteGold(1, 5000);
    PlaceEvents();
    EXPECT_EQ(Informations(), Msg(36));
    rec::AddItemFront(1, items::kTent, 0);
    rec::WriteGold(1, 49);
    PlaceEvents();
    EXPECT_EQ(Informations(), Msg(34));

    game.Stand(1, 4, 6, 2, 0);
    Die(2);
    PlaceEvents();
    EXPECT_EQ(Informations(), Msg(77) + " " + Msg(78));

    // A Monstre and a Troll at the market get their own message and no market.
    game.Stand(9, 3, 3, 13, 0);
    PlaceEvents();
    EXPECT_EQ(Informations(), Msg(30));
    EXPECT_EQ(game.session().screen("Combat"), nullptr);
    game.Stand(12, 3, 3, 13, 0);
    PlaceEvents();
    EXPECT_EQ(Informations(), Msg(31));
    EXPECT_TRUE(gd.EndTurnAvailable);

    // At the tower a four changes nothing and the turn may be ended.
    game.Stand(1, 1, 16, 3, 0);
    SetInformations("");
    Die(4);
    PlaceEvents();
    EXPECT_EQ(Informations(), "");
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_TRUE(game.C("EndTurn").enabled);
}

TEST(PlaceEvents, TheVolcanoKillsAllButTheCavalierNoir) {
    std::array<int, 12> party = kParty;
    party[1] = 2;  // character 2 is the Cavalier Noir
    BoardGame game(party);
    REQUIRE_BOARD(game);
    game.Stand(1, 2, 18, 3, 0);
    Die(1);
    PlaceEvents();
    EXPECT_EQ(gd.Status[1], 6);
    EXPECT_EQ(Informations(), Msg(88));
    game.Stand(2, 2, 18, 3, 0);
    Die(1);
    PlaceEvents();
    EXPECT_EQ(rec::Life(2), 0);
    EXPECT_EQ(gd.Status[2], 0);
}

TEST(PlaceEvents, TheArenaStartsTheChosenTournamentFight) {
    std::array<int, 12> party = kParty;
    party[0] = 3;  // character 1 is the Chevalier, at home in the town
    party[2] = 7;
    BoardGame game(party);
    REQUIRE_BOARD(game);
    // Leaving the arena without a choice changes nothing more.
    game.Stand(1, 3, 5, 5, 2);
    game.Run("menu frmJeu.MNU_Left\nclick Combat.Form 100 300\n");
    EXPECT_EQ(gd.PosX[1], 3);
    EXPECT_EQ(game.session().screen("Combat"), nullptr);
    EXPECT_TRUE(game.board().visible);
    EXPECT_TRUE(gd.EndTurnAvailable);
    // Choosing the first level walks to its stand; the board then starts the fight.
    game.Stand(1, 3, 5, 5, 2);
    game.Run("menu frmJeu.MNU_Left\nclick Combat.Form 80 140\nwait 5000\n");
    Screen* fight = game.session().screen("Combat");
    ASSERT_NE(fight, nullptr);
    EXPECT_FALSE(game.board().visible);
    EXPECT_EQ(gd.CombatMode, 0);
    EXPECT_EQ(gd.EnemyNumber, 1);
    EXPECT_EQ(gd.EnemyAttack, 20);
    EXPECT_TRUE(gd.EndTurnAvailable);
}

TEST(PlaceEvents, TheMarketOpensForOthersThanTheMonstreAndTheTroll) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 3, 5, 13, 2);
    game.Run("menu frmJeu.MNU_Left\nscreen\nclick Combat.Form 100 300\n");
    EXPECT_NE(game.session().out().find("frmJeu Combat"), std::string::npos) << game.session().out();
    EXPECT_EQ(game.session().screen("Combat"), nullptr);
    EXPECT_TRUE(game.C("Perso1(1)").visible);
    EXPECT_EQ(gd.CombatMode, 0);
    game.Stand(12, 3, 5, 13, 2);  // the Troll
    game.Run("menu frmJeu.MNU_Left\n");
    EXPECT_EQ(game.session().screen("Combat"), nullptr);
    EXPECT_EQ(Informations(), Msg(31));
}
