// Every item with a use on the board, and a moment when the computer uses it: the lasting
// potions at once, the life items and the life potion when they are wanted, the master key on
// a chest that failed, the tower keys at the door, and the water potion before a heal, which
// it doubles. (The fire, air and earth potions change nothing on the board or in a fight: they
// are left.)
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ai/Computer.h"
#include "ai/PutAt.h"
#include "rules/BoardInformation.h"
#include "rules/ItemCatalogue.h"
#include "rules/MapTables.h"
#include "state/CharacterRecord.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "support/Game.h"

namespace {

struct ItemCase {
    int item;
    int uses;                          // the uses it is given
    const char* party;                 // player 1's classes: character 1 is the first
    std::function<void()> scene;       // the moment it helps
    int actions;                       // the computer's actions to let it happen
    std::function<bool()> used;        // what shows it was used
};

TEST(ComputerItemsTest, EveryItemWithAUseIsUsedWhenItHelps) {
    const int friendOf1 = 2;
    const std::vector<ItemCase> cases = {
        {items::kStrengthPotion, 0, "7,3,4,5,6,8", [] {}, 1, [] { return gd.AttackBonus[1] > 0; }},
        {items::kDefencePotion, 0, "7,3,4,5,6,8", [] {}, 1, [] { return gd.DefenseBonus[1] > 0; }},
        {items::kMagicPotion, 0, "7,3,4,5,6,8", [] {}, 1, [] { return !rec::HasItem(1, items::kMagicPotion); }},
        {items::kHealingOintment, 0, "7,3,4,5,6,8", [] { rec::WriteLife(1, 2); }, 1, [] { return rec::Life(1) > 2; }},
        {items::kMagicRing, 1, "7,3,4,5,6,8", [] { rec::WriteLife(1, 1); }, 1, [] { return rec::Life(1) > 1; }},
        {items::kTalisman, 0, "7,3,4,5,6,8", [] { rec::WriteLife(1, 1); }, 1, [] { return rec::Life(1) > 1; }},
        {items::kLifePotion, 0, "7,3,4,5,6,8", [friendOf1] { gd.Status[friendOf1] = status::kDead; }, 4,
         [friendOf1] { return gd.Status[friendOf1] != status::kDead; }},
        {items::kMasterKey, 0, "7,3,4,5,6,8", [] { SetInformations(Msg(77) + " " + Msg(78)); }, 1,
         [] { return Informations() != Msg(77) + " " + Msg(78); }},
        {items::kRunicKey, 0, "7,3,4,5,6,8", [] { PutAt(1, ai::Spot{map::Town, 19, 10}); }, 2, [] { return gd.DoorState[1] != 0; }},
        // A fairy at two life points: the potion, then the heal at twice its points.
        {items::kWaterPotion, 0, "6,3,4,5,7,8",
         [] {
             rec::WriteLife(1, 2);
             gd.MagicPoints[1] = 30;
         },
         6, [] { return rec::Life(1) >= 8; }},
    };
    for (const ItemCase& k : cases) {
        SCOPED_TRACE(items::ItemName(k.item));
        Session s;
        ai::ForgetMemory();
        ASSERT_EQ(s.Run("newgame \"Ann\" " + std::string(k.party) + " \"Bob\" 9,11,12,13,14,15\ncomputer 1\n"), 0) << s.err();
        rec::ClearItems(1);
        rec::AddItemBack(1, k.item, k.uses);
        k.scene();
        RefreshPanel(1);
        ASSERT_EQ(s.Run("play " + std::to_string(k.actions) + " verbose\n"), 0) << s.err();
        EXPECT_TRUE(k.used()) << s.out();
    }
}

}  // namespace
