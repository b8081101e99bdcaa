// One whole game through the real screens: the title, the set-up, the keys used at the
// tower door, the five floors won with fixed dice, the end screen and back to the title.
#include <gtest/gtest.h>

#include <string>

#include "state/CharacterRecord.h"
#include "state/Text.h"
#include "support/Game.h"

namespace {

// The 6 dice-fixed blows that beat a guardian, each followed by the enemy's turn (which a
// hero with +60 defence always survives) and its message pause.
std::string SixBlows() {
    std::string s;
    for (int blow = 0; blow < 6; ++blow) s += "rnd 0.99 0\nclick ChCmb.StepPix(0)\nwait 2000\nwait 200\nwait 2000\n";
    return s;
}

TEST(WholeGame, TheKeysOpenTheTowerAndFiveFloorsWinTheGame) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,1,3,4,5,6 \"Bob\" 8,9,10,11,12,13\nscreen\n"), 0) << s.err();
    ASSERT_EQ(s.out(), "frmJeu\n");
    s.ClearOutput();

    // The Guerrier gets the runic and the gold keys at the front of his items and stands at
    // the tower door of the town, strong enough for the guardians.
    std::u32string record = gd.CharacterRecords[1];
    record.insert(38, U"99009700");
    std::string arrange = "set CharacterRecords[1] \"" + ToUtf8(record) + "\"\n";
    for (const char* bonus : {"AttackBonus", "DefenseBonus", "AgilityBonus"}) arrange += "set " + std::string(bonus) + "[1] 60\n";
    arrange += "set Zone[1] 3\nset PosX[1] 19\nset PosY[1] 10\n";
    // Show him in the panel (the direction menu that comes with it is dismissed), use both keys.
    arrange += "click frmJeu.Perso1(1)\nclose\nclick frmJeu.Inventaire(0)\nclick frmJeu.Inventaire(1)\n";
    ASSERT_EQ(s.Run(arrange), 0) << s.err();
    EXPECT_EQ(gd.DoorState[1], 6);
    ASSERT_EQ(s.Run("set MovesLeft 0\nclick frmJeu.Carte(3)\n"), 0) << s.err();

    for (int floor = 0; floor < 5; ++floor) {
        // A click on the cell above the door opens the floor; the guardian's picture closes it.
        ASSERT_EQ(s.Run("click frmJeu.Image1 580 264\nscreen\nclick Combat.Mechant\n"), 0) << s.err();
        EXPECT_EQ(s.out(), "frmJeu Combat\n") << floor;
        s.ClearOutput();
        EXPECT_EQ(gd.EnemyNumber, 15 + floor);
        ASSERT_EQ(s.Run("click frmJeu.BattleNow\nscreen\n" + SixBlows()), 0) << s.err();
        EXPECT_EQ(s.out(), "frmJeu Combat ChCmb\n") << floor;
        s.ClearOutput();
        EXPECT_EQ(gd.FightResult, 1) << floor;
        EXPECT_EQ(gd.TowerFloor[1], floor + 1);
    }

    ASSERT_NE(s.screen("frmFini"), nullptr);
    EXPECT_EQ(s.screen("frmFini")->C("Label2").caption,
              "Comme votre morale l'a voulu, le monde se trouve, à présent, en paix à jamais.");
    EXPECT_EQ(rec::Life(1), 6);
    ASSERT_EQ(s.Run("click frmFini.Command1\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmBegin\n");
}

}  // namespace
