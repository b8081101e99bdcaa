// A computer party in the window goes on acting inside the modal screens its own actions
// open (the market here), at the window's pace, on the real event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWidget>
#include <QTimer>

#include "state/CharacterRecord.h"
#include "support/Game.h"
#include "ui/ComputerHurry.h"
#include "ui/Ui.h"
#include "view/ComputerPace.h"
#include "view/QtHost.h"

TEST(ComputerPaceView, TheComputerShopsInsideTheMarketItWalkedInto) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\ncomputer 1\n"), 0) << s.err();
    // One step above the market with gold to spend: the walk ends inside it.
    gd.Zone[1] = 3;
    gd.PosX[1] = 3;
    gd.PosY[1] = 11;
    gd.MovesLeft = 1;
    rec::WriteGold(1, 99999);
    bool opened = false, closedByItself = false;
    {
        QtHost host;
        Ui::Get().SetHost(&host);
        ComputerPace pace(host);
        QTimer watch;
        watch.setInterval(20);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const bool open = Ui::Get().Find("Combat") != nullptr;
            if (open) opened = true;
            if (opened && !open) closedByItself = true;
        });
        watch.start();
        // However it goes, the screens are closed after a while so that every loop ends.
        QTimer::singleShot(20000, [] { Ui::Get().CloseAll(); });
        QEventLoop loop;
        QTimer done;
        QObject::connect(&done, &QTimer::timeout, [&] {
            if (closedByItself || !Ui::Get().Find("frmJeu")) loop.quit();
        });
        done.start(50);
        QTimer::singleShot(25000, &loop, &QEventLoop::quit);
        loop.exec();
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        QApplication::processEvents();
    }
    Ui::Get().SetHost(nullptr);
    EXPECT_TRUE(opened) << "the computer did not walk into the market";
    EXPECT_TRUE(closedByItself) << "the computer stopped acting inside the market";
}

// H while the computer plays hurries its fights too, H again brings the normal pace back; once
// a person's turn comes, the hurry is over.
TEST(ComputerPaceView, HTellsTheFightsToHurryAndAPersonsTurnEndsIt) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\ncomputer 1\n"), 0) << s.err();
    {
        QtHost host;
        Ui::Get().SetHost(&host);
        ComputerPace pace(host);
        QWidget target;
        auto pressH = [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, "h");
            QApplication::sendEvent(&target, &press);
        };
        EXPECT_FALSE(ComputerHurried());
        pressH();
        EXPECT_TRUE(ComputerHurried());
        pressH();
        EXPECT_FALSE(ComputerHurried());
        pressH();
        ASSERT_TRUE(ComputerHurried());
        gd.ComputerPlayer[1] = false;  // the turn is a person's now
        // The pace notices at its next tick (however slow the machine, the loop ends by itself).
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!ComputerHurried()) loop.quit();
        });
        poll.start(10);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_FALSE(ComputerHurried());
        Ui::Get().CloseAll();
        Ui::Get().Idle();
    }
    Ui::Get().SetHost(nullptr);
    SetComputerHurried(false);
}
