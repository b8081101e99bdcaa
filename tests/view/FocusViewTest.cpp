// In the window, Tab moves the keyboard between the text box (a real edit field) and the
// buttons drawn on the form, and the button it is on shows a dotted frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "support/Game.h"
#include "ui/Screen.h"
#include "view/Render.h"
#include "view/ScreenView.h"

namespace {

class Form : public Screen {
public:
    Form() : Screen("Form", 200, 100) {
        Place(Add(Kind::TextBox, "Name"), 10, 10, 100, 22);
        Place(Add(Kind::Button, "Go"), 10, 50, 80, 30).caption = "Go";
        On("Go_Click", [this](const EventArgs&) { ++clicks; });
    }
    int clicks = 0;
};

// Dark pixels along the dotted frame's top edge, inside the button.
int FramePixels(const QImage& img, int top) {
    int dark = 0;
    for (int x = 10 + 3; x < 10 + 80 - 4; ++x)
        if (qGray(img.pixel(x, top + 50 + 3)) < 60) ++dark;
    return dark;
}

}  // namespace

TEST(FocusView, TabGoesFromTheEditFieldToTheButtonAndSpaceClicksIt) {
    FreshProcess();
    Form f;
    ScreenWindow window(f, 1);
    window.show();
    window.activateWindow();
    window.Sync();
    QLineEdit* edit = window.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.focus, "Name");  // the edit field took the keyboard
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(f.focus, "Go");
    EXPECT_FALSE(edit->hasFocus());
    QTest::keyClick(window.canvas(), Qt::Key_Space);
    EXPECT_EQ(f.clicks, 1);
    QTest::keyClick(window.canvas(), Qt::Key_Tab);
    EXPECT_EQ(f.focus, "Name");
    EXPECT_TRUE(edit->hasFocus());
}

TEST(FocusView, TheButtonTheKeyboardIsOnShowsADottedFrame) {
    FreshProcess();
    Form f;
    const QImage plain = RenderScreen(f, 1);
    f.focus = "Go";
    const QImage framed = RenderScreen(f, 1);
    const int top = framed.height() - f.height;  // below the title bar
    EXPECT_GT(FramePixels(framed, top), 20);
    EXPECT_LT(FramePixels(plain, top), 5);
    f.C("Go").enabled = false;  // a disabled button shows no frame
    EXPECT_LT(FramePixels(RenderScreen(f, 1), top), 5);
}
