// The forecast beside the fight button: shown while a fight waits, the computer players'
// chance for the character whose turn it is, out of the way of the icons.
#include <gtest/gtest.h>

#include "ai/Knowledge.h"
#include "board/BoardSupport.h"
#include "board/Encounter.h"
#include "board/FightForecast.h"
#include "board/frmJeu.h"
#include "state/FightOdds.h"

namespace {

TEST(FightForecast, ShownWithTheFightButtonForWhoeverWouldFight) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    const Control& plate = board.C("Pronostic");
    const Control& text = board.C("PronosticTexte");
    EXPECT_FALSE(board.Shown(plate));

    MeetMonster(5, 14, 12, 3);
    ASSERT_TRUE(board.Shown(plate));
    EXPECT_EQ(text.caption, odds::ChanceText(ai::WinAgainst(1, 14, 12, 3)));
    // Beside the swords, over the map's edge: none of the panel lies under it.
    EXPECT_LE(plate.left + plate.width, 640);
    EXPECT_GE(plate.top, board.C("BattleNow").top);
    EXPECT_LE(plate.top + plate.height, board.C("BattleNow").top + board.C("BattleNow").height);

    // The fight waits for whoever plays next: the forecast is that character's.
    ASSERT_EQ(s.Run("call EndTurn_Click\n"), 0) << s.err();
    ASSERT_EQ(gd.CurrentCharacter, 7);
    EXPECT_EQ(text.caption, odds::ChanceText(ai::WinAgainst(7, 14, 12, 3)));
    gd.LanguageOffset = 2000;
    ASSERT_EQ(s.Run("click Carte(1)\n"), 0) << s.err();
    EXPECT_EQ(text.caption.rfind("Chance of winning: ", 0), 0u) << text.caption;

    MeetMonster(4, 0, 0, 0);  // the young girl does not fight
    EXPECT_FALSE(board.Shown(plate));
    MeetMonster(5, 14, 12, 3);
    EXPECT_TRUE(board.Shown(plate));
    ASSERT_EQ(s.Run("click BattleNow\n"), 0) << s.err();
    ASSERT_NE(s.screen("Combat"), nullptr);
    EXPECT_FALSE(plate.visible) << "the fight has begun";
}

TEST(FightForecast, StandsAsideFromTheCurrentIcon) {
    Session s(false);
    Screen& board = StartBoardAlways(TwoPlayers());
    MeetMonster(5, 14, 12, 3);
    const int first = board.C("Pronostic").top;
    Control& icon = board.C("Perso1", gd.CurrentCharacter);
    icon.left = 544;
    icon.top = first;
    icon.visible = true;
    RefreshFightForecast(*Jeu());
    const Control& plate = board.C("Pronostic");
    EXPECT_TRUE(plate.top + plate.height <= icon.top || plate.top >= icon.top + icon.height) << plate.top;
}

}  // namespace
