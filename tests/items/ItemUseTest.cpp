// Using items from the panel's list: life items, potions, the master key and the door keys.
#include <gtest/gtest.h>

#include "board/Events.h"
#include "board/EventsGame.h"
#include "items/Inventory.h"
#include "rules/ItemCatalogue.h"
#include "items/ItemUse.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "ui/Screen.h"

using namespace events_test;
using items::ItemName;

namespace {

// The current character (the Guerrier, character 1) with exactly these items.
void Holding(const std::string& entries, int life = 5) {
    PartyState();
    SetItems(1, entries);
    rec::WriteLife(1, life);
}

void Use(int item) { UseItemNamed(ItemName(item)); }

void StandOnTheDoor(int c) { Put(c, 3, 19, 10); }

}  // namespace

TEST(ItemUse, TheRingGivesTwoUses) {
    Holding("18074401", 8);
    Use(items::kMagicRing);
    EXPECT_EQ(rec::Life(1), 9);
    EXPECT_EQ(Items(1), "18074400");
    Use(items::kMagicRing);
    EXPECT_EQ(rec::Life(1), 9);
    EXPECT_EQ(Items(1), "1807");
    Use(items::kMagicRing);  // nothing left to use
    EXPECT_EQ(Items(1), "1807");
}

TEST(ItemUse, TheFirstOfTwoRingsIsUsed) {
    Holding("44014400", 1);
    Use(items::kMagicRing);
    EXPECT_EQ(Items(1), "44004400");
    EXPECT_EQ(rec::Life(1), 4);
    Use(items::kMagicRing);
    EXPECT_EQ(Items(1), "4400");
    EXPECT_EQ(rec::Life(1), 7);
}

TEST(ItemUse, TalismanAndOintmentHealTwoAndAreUsedUp) {
    Holding("45006100", 6);
    Use(items::kTalisman);
    EXPECT_EQ(rec::Life(1), 8);
    EXPECT_EQ(Items(1), "6100");
    Use(items::kHealingOintment);
    EXPECT_EQ(rec::Life(1), 9);
    EXPECT_EQ(Items(1), "");
}

TEST(ItemUse, PotionsOfMagicStrengthAndDefence) {
    Holding("600067006800");
    gd.MagicPoints[1] = 9;
    Use(items::kMagicPotion);
    Use(items::kStrengthPotion);
    Use(items::kDefencePotion);
    EXPECT_EQ(gd.MagicPoints[1], 13);  // no upper limit
    EXPECT_EQ(gd.AttackBonus[1], 4);
    EXPECT_EQ(gd.DefenseBonus[1], 4);
    EXPECT_EQ(Items(1), "");
}

TEST(ItemUse, ElementPotionsReplaceAnyStatus) {
    Holding("6300640065006600");
    gd.Status[1] = 21;  // forging
    Use(items::kFirePotion);
    EXPECT_EQ(gd.Status[1], 10);
    EXPECT_EQ(Items(1), "640065006600");
    Use(items::kWaterPotion);
    EXPECT_EQ(gd.Status[1], 11);
    Use(items::kAirPotion);
    EXPECT_EQ(gd.Status[1], 12);
    Use(items::kEarthPotion);
    EXPECT_EQ(gd.Status[1], 13);
    EXPECT_EQ(Items(1), "");
}

TEST(ItemUse, TheLifePotionIsUsedUpEvenWithNobodyToRaise) {
    Holding("62001807");
    Use(items::kLifePotion);
    EXPECT_EQ(Items(1), "1807");
}

TEST(ItemUse, ItemsWithoutUseAndEmptyLinesDoNothing) {
    Holding("180729035000480049009900");
    const std::u32string record = gd.CharacterRecords[1];
    for (int n : {18, 29, 50, 48, 49, 99}) Use(n);  // the key and the master key away from their targets
    UseItemNamed("");
    UseItemNamed("Nothing at all");
    EXPECT_EQ(gd.CharacterRecords[1], record);
    EXPECT_EQ(gd.DoorState[1], 0);
}

TEST(DoorKeys, ShadowThenGoldThenRunic) {
    Holding("960097009900");
    StandOnTheDoor(1);
    Use(items::kShadowKey);
    EXPECT_EQ(gd.DoorState[1], 1);
    Use(items::kGoldKey);
    EXPECT_EQ(gd.DoorState[1], 1);
    Use(items::kRunicKey);
    EXPECT_EQ(gd.DoorState[1], 5);
    Use(items::kGoldKey);  // the door is open: nothing more
    Use(items::kRunicKey);
    EXPECT_EQ(gd.DoorState[1], 5);
    EXPECT_EQ(Items(1), "960097009900");  // keys are never used up
}

TEST(DoorKeys, RunicFirstThenGold) {
    Holding("99009700");
    StandOnTheDoor(1);
    Use(items::kRunicKey);
    EXPECT_EQ(gd.DoorState[1], 4);
    Use(items::kRunicKey);
    EXPECT_EQ(gd.DoorState[1], 4);
    Use(items::kGoldKey);
    EXPECT_EQ(gd.DoorState[1], 6);
}

TEST(DoorKeys, GoldThenRunicAndTheOwnersDoor) {
    PartyState();
    Act(9);  // player 2's door
    SetItems(9, "97009900");
    StandOnTheDoor(9);
    Use(items::kGoldKey);
    EXPECT_EQ(gd.DoorState[2], 2);
    Use(items::kRunicKey);
    EXPECT_EQ(gd.DoorState[2], 6);
    EXPECT_EQ(gd.DoorState[1], 0);
    Put(9, 3, 19, 9);  // one row off the door
    gd.DoorState[2] = 0;
    Use(items::kGoldKey);
    EXPECT_EQ(gd.DoorState[2], 0);
}

TEST(ItemLines, OnlyTheCurrentCharactersOwnPanelUsesItems) {
    Holding("4401", 3);
    Screen panel("Panel", 200, 100);
    for (int i = 0; i < 3; ++i) panel.Add(Kind::Label, "Inventaire", i);
    AddItemHandlers(panel);
    panel.C("Inventaire", 0).caption = ItemName(items::kMagicRing);
    gd.ShownCharacter = 2;  // browsing another character's panel
    panel.Call("Inventaire_Click", {0});
    EXPECT_EQ(rec::Life(1), 3);
    gd.ShownCharacter = 1;
    panel.Call("Inventaire_Click", {1});  // an empty line
    EXPECT_EQ(rec::Life(1), 3);
    panel.Call("Inventaire_Click", {0});
    EXPECT_EQ(rec::Life(1), 6);
    EXPECT_EQ(Items(1), "4400");
}

TEST(DoorKeys, MessagesOnTheBoard) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 3, 19, 10, 0);
    SetItems(1, "96009700");
    Use(items::kShadowKey);
    EXPECT_EQ(Informations(), MsgId(1144));
    Use(items::kGoldKey);
    EXPECT_EQ(Informations(), MsgId(1146));
    gd.DoorState[1] = 0;
    SetItems(1, "99009700");
    Use(items::kRunicKey);
    EXPECT_EQ(Informations(), MsgId(1147));
    Use(items::kGoldKey);
    EXPECT_EQ(Informations(), MsgId(1145));
    EXPECT_EQ(gd.DoorState[1], 6);
}

// A key that leaves the door as it was changes nothing, so the item list stays scrolled
// where the player left it; a key that moves the door on refreshes the panel.
TEST(DoorKeys, AKeyThatChangesNothingLeavesTheListScrolled) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 3, 19, 10, 0);
    SetItems(1, "1807960097009900");
    RefreshPanel(1);
    gd.DoorState[1] = 5;  // already open
    game.Run("click frmJeu.ScrollDn\nclick frmJeu.Inventaire(0)\n");
    EXPECT_EQ(gd.InventoryScroll, 1);
    EXPECT_EQ(game.board().C("Inventaire", 0).caption, ItemName(items::kShadowKey));
    EXPECT_EQ(gd.DoorState[1], 5);

    gd.DoorState[1] = 1;  // the shadow key again: only the reminder
    SetInformations("");
    game.Run("click frmJeu.Inventaire(0)\n");
    EXPECT_EQ(Informations(), MsgId(1146));
    EXPECT_EQ(gd.InventoryScroll, 1);

    game.Run("click frmJeu.Inventaire(2)\n");  // the runic key opens the door
    EXPECT_EQ(gd.DoorState[1], 5);
    EXPECT_EQ(gd.InventoryScroll, 0);
    EXPECT_EQ(game.board().C("Inventaire", 0).caption, ItemName(18));
}

TEST(MasterKey, OpensAFailedChestOnce) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 4, 6, 2, 0);
    SetItems(1, "4900");
    RefreshPanel(1);
    rnd::QueueOne(0.0);
    PlaceEvents();
    ASSERT_EQ(Informations(), Msg(77) + " " + Msg(78));
    game.Run("click frmJeu.Inventaire(0)\nclick frmJeu.Inventaire(0)\n");
    EXPECT_EQ(Informations(), Msg(77) + " " + Msg(79));
    EXPECT_EQ(Items(1), "490099009900");

    // The temple and the underground chests give their own key.
    game.Stand(7, 2, 11, 7, 0);
    SetItems(7, "4900");
    SetInformations(Msg(82) + " " + Msg(78));
    Use(items::kMasterKey);
    EXPECT_EQ(Informations(), Msg(82) + " " + Msg(83));
    SetInformations(Msg(80) + " " + Msg(78));
    Use(items::kMasterKey);
    EXPECT_EQ(Items(7), "490096009700");
    SetInformations("something else");
    Use(items::kMasterKey);
    EXPECT_EQ(Items(7), "490096009700");
}

TEST(ElementPotions, TellWhichSpellsAreDoubled) {
    BoardGame game;
    REQUIRE_BOARD(game);
    game.Stand(1, 1, 3, 3, 0);
    SetItems(1, "63006500");
    Use(items::kFirePotion);
    EXPECT_EQ(Informations(), Msg(559) + Msg(560) + Msg(564));
    Use(items::kAirPotion);
    EXPECT_EQ(Informations(), Msg(559) + Msg(563) + Msg(564));
}
