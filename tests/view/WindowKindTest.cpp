// The kind of window each screen gets from the window manager: the fixed dialogs and the
// fight's action panel have a title and no minimise or maximise button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

#include "board/Detail.h"
#include "combat/Combat.h"
#include "items/Graveyard.h"
#include "items/Mine.h"
#include "items/Resource.h"
#include "support/Game.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"
#include "view/QtHost.h"
#include "view/ScreenView.h"

namespace {

// Opens a dialog through its opener in the real windows and returns its window's flags, read
// while the dialog runs; the dialog is then closed.
Qt::WindowFlags DialogFlags(QtHost& host, const std::string& name, const std::function<void()>& open) {
    Qt::WindowFlags flags;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        Screen* s = Ui::Get().Find(name);
        if (!s) return;
        if (ScreenWindow* w = host.WindowOf(*s)) {
            flags = w->windowFlags();
            seen = w->isVisible();
            EXPECT_EQ(w->minimumSize(), w->maximumSize()) << name << " keeps its size";
        }
        Ui::Get().Close(*s);
    });
    open();
    EXPECT_TRUE(seen) << name << " was not shown";
    return flags;
}

void ExpectFixed(Qt::WindowFlags flags, Qt::WindowType kind, const std::string& name) {
    EXPECT_EQ(flags & Qt::WindowType_Mask, kind) << name;
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << name << ": the window manager's default buttons";
    EXPECT_TRUE(flags & Qt::WindowTitleHint) << name;
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint) << name;
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint) << name;
}

}  // namespace

TEST(WindowKind, FixedDialogsAndTheActionPanelHaveNoMinimiseOrMaximise) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
    gd.Status[2] = 6;  // a dead companion for the graveyard
    {
        QtHost host;
        Ui::Get().SetHost(&host);
        for (const auto& [name, open] : std::vector<std::pair<std::string, std::function<void()>>>{
                 {"Detail", [] { ShowDetail("Attaque", " 6"); }},
                 {"ALaMinaNoVoy", [] { OpenMine(); }},
                 {"Resource", [] { OpenResources(); }},
                 {"Graveyard", [] { OpenGraveyard(); }}}) {
            const Qt::WindowFlags flags = DialogFlags(host, name, open);
            ExpectFixed(flags, Qt::Dialog, name);
            EXPECT_TRUE(flags & Qt::WindowCloseButtonHint) << name << " closes by its close box";
        }
        gd.EnemyNumber = 5;
        gd.CombatMode = 0;
        rnd::Queue({0.99, 0.0});
        StartFight();
        Screen* panel = Ui::Get().Find("ChCmb");
        ASSERT_NE(panel, nullptr);
        const Qt::WindowFlags flags = host.WindowOf(*panel)->windowFlags();
        ExpectFixed(flags, Qt::Tool, "ChCmb");
        EXPECT_EQ(host.WindowOf(*panel)->minimumSize(), host.WindowOf(*panel)->maximumSize());
        EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
        // The main windows keep what a window manager gives any window.
        Screen* combat = Ui::Get().Find("Combat");
        ASSERT_NE(combat, nullptr);
        EXPECT_EQ(host.WindowOf(*combat)->windowFlags() & Qt::WindowType_Mask, Qt::Window);
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        QApplication::processEvents();
    }
    Ui::Get().SetHost(nullptr);
}
