// The fight's action keys typed on the fight screen's own window, which has the keyboard
// when the fight opens under a window manager, act as on the action panel's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "combat/Combat.h"
#include "rules/Enemies.h"
#include "support/Game.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"
#include "view/QtHost.h"
#include "view/ScreenView.h"

TEST(FightKeysView, TheDefenceKeyOnTheFightScreensWindow) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
    {
        QtHost host;
        Ui::Get().SetHost(&host);
        const EnemyValues guard = EnemyTable(1);
        gd.EnemyNumber = guard.number;
        gd.EnemyAttack = guard.attack;
        gd.EnemyDefense = guard.defense;
        gd.EnemyAgility = guard.agility;
        gd.CombatMode = 0;
        rnd::Queue({0.99, 0.0});  // the warrior acts first
        StartFight();
        Screen* combat = Ui::Get().Find("Combat");
        ASSERT_NE(combat, nullptr);
        ScreenWindow* window = host.WindowOf(*combat);
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(combat->C("Message").visible);
        QTest::keyClick(window, Qt::Key_3);
        EXPECT_TRUE(combat->C("Message").visible);
        EXPECT_EQ(combat->C("Message").caption, "Vous défendez.");
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        QApplication::processEvents();
    }
    Ui::Get().SetHost(nullptr);
}
