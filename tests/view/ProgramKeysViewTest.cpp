// The program's own keys pressed on a real window: the sound switches and full screen answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "support/Game.h"
#include "ui/Screen.h"
#include "view/InputHook.h"
#include "view/ProgramKeys.h"
#include "view/ScreenView.h"

namespace {

TEST(ProgramKeysView, TheSoundKeysAndFullScreenAnswerOnAnyWindow) {
    FreshProcess();
    bool music = false, effects = false;
    InstallProgramKeys({[&] { return music; }, [&] { return effects; }, [&](bool m) { music = m; },
                        [&](bool m) { effects = m; }},
                       1);
    Screen form("Form", 200, 100);
    ScreenWindow window(form, 1);
    window.show();
    window.activateWindow();
    window.Sync();
    QWidget* canvas = window.canvas();

    QTest::keyClick(canvas, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(music);
    EXPECT_FALSE(effects);
    QTest::keyClick(canvas, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(effects);
    QTest::keyClick(canvas, Qt::Key_M, Qt::ControlModifier);  // both were off: both come back
    EXPECT_FALSE(music);
    EXPECT_FALSE(effects);
    QTest::keyClick(canvas, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(music && effects);

    QTest::keyClick(canvas, Qt::Key_F11);
    QApplication::processEvents();
    EXPECT_TRUE(window.isFullScreen());
    QTest::keyClick(canvas, Qt::Key_F11);
    QApplication::processEvents();
    EXPECT_FALSE(window.isFullScreen());
    SetGlobalKeyHook(nullptr);
}

}  // namespace
