#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QHelpEvent>
#include <QTabBar>
#include <QToolTip>
#include <QTest>
#include <cmath>

#include "support/Game.h"
#include "ui/Screen.h"
#include "view/Render.h"
#include "view/Pictures.h"
#include "view/ScreenView.h"

namespace {

class Target : public Screen {
public:
    Target() : Screen("Target", 100, 80) {
        Control& b = Add(Kind::Image, "Pad");
        b.left = 20;
        b.top = 10;
        b.width = 40;
        b.height = 30;
        On("Pad_MouseDown", [this](const EventArgs& a) { presses.push_back({a.x, a.y}); });
        On("Form_MouseDown", [this](const EventArgs& a) { form.push_back({a.x, a.y}); });
    }
    std::vector<std::pair<int, int>> presses, form;
};

}  // namespace

TEST(ScaledView, ClicksMapBackToTheScreensOwnPixels) {
    FreshProcess();
    for (int scale : {1, 2, 3}) {
        Target t;
        ScreenCanvas canvas(t, scale);
        EXPECT_EQ(canvas.width(), 100 * scale);
        EXPECT_EQ(canvas.height(), 80 * scale);
        // Every device pixel of a scaled pixel maps to the same screen pixel.
        for (int d = 0; d < scale; ++d) {
            QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint((20 + 7) * scale + d, (10 + 5) * scale + d));
            QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(19 * scale + d, 9 * scale + d));
        }
        ASSERT_EQ(t.presses.size(), static_cast<size_t>(scale));
        for (auto& p : t.presses) EXPECT_EQ(p, std::make_pair(7, 5));
        ASSERT_EQ(t.form.size(), static_cast<size_t>(scale));
        for (auto& p : t.form) EXPECT_EQ(p, std::make_pair(19, 9));
    }
}

namespace {

// A board of 20 x 15 cells of 32 pixels, as the zone map lies on the board screen.
class Board : public Screen {
public:
    Board() : Screen("Board", 792, 570) {
        Control& map = Add(Kind::PictureBox, "Map");
        map.left = 8;
        map.top = 45;
        map.width = 640;
        map.height = 480;
        On("Map_MouseDown", [this](const EventArgs& a) { cells.push_back({a.x / 32 + 1, a.y / 32 + 1}); });
    }
    std::vector<std::pair<int, int>> cells;
};

}  // namespace

TEST(ScaledView, ClicksMapBackToTheRightCellAtAnyFactor) {
    FreshProcess();
    for (double scale : {1.8, 2.5, 1.25}) {
        Board b;
        ScreenCanvas canvas(b, scale);
        EXPECT_EQ(canvas.width(), std::lround(792 * scale)) << scale;
        // The first and the last device pixel inside each cell's first and last screen pixel.
        std::vector<std::pair<int, int>> expected;
        for (int row = 1; row <= 15; ++row)
            for (int column = 1; column <= 20; ++column)
                for (int edge : {0, 31}) {
                    const int fx = 8 + (column - 1) * 32 + edge, fy = 45 + (row - 1) * 32 + edge;
                    // Device pixels whose centres lie in screen pixel (fx, fy).
                    const int first = static_cast<int>(std::ceil(fx * scale - 0.5));
                    const int last = static_cast<int>(std::ceil((fx + 1) * scale - 0.5)) - 1;
                    const int firstY = static_cast<int>(std::ceil(fy * scale - 0.5));
                    const int lastY = static_cast<int>(std::ceil((fy + 1) * scale - 0.5)) - 1;
                    for (QPoint at : {QPoint(first, firstY), QPoint(last, lastY)}) {
                        QTest::mouseClick(&canvas, Qt::LeftButton, {}, at);
                        expected.push_back({column, row});
                    }
                }
        EXPECT_EQ(b.cells, expected) << "at " << scale;
        // Every device pixel maps to the screen pixel painted over its centre.
        for (int d = 0; d < 60; ++d)
            EXPECT_EQ(canvas.FormPixel(QPointF(d + 0.3, 0)).x(), static_cast<int>(std::floor((d + 0.5) / scale)))
                << d << " at " << scale;
    }
}

TEST(ScaledView, PicturesScaleByWholeFactors) {
    FreshProcess();
    Target t;
    t.backColor = {10, 20, 30};
    QImage one = RenderScreen(t, 1), two = RenderScreen(t, 2);
    EXPECT_EQ(two.width(), 2 * one.width());
    // The title bar grows with the rest: the whole picture doubles.
    EXPECT_EQ(two.height(), 2 * one.height());
    EXPECT_EQ(RenderScreen(t, 3).height(), 3 * one.height());
    // Below the title bar the picture is the same, pixel for pixel doubled.
    EXPECT_EQ(QColor(two.pixel(50, 22 * 2 + 40)), QColor(10, 20, 30));
}

namespace {

// A screen with a menu bar and a pop-up menu, as the title and the board have.
class WithMenus : public Screen {
public:
    WithMenus() : Screen("WithMenus", 200, 120) {
        Add(Kind::Menu, "MNU_File").caption = "&Fichier";
        Control& entry = Add(Kind::Menu, "MNU_New");
        entry.parent = "MNU_File";
        entry.caption = "&Nouveau jeu...";
        Control& popup = Add(Kind::Menu, "MNU_Pop");
        popup.popupMenu = true;
        Control& up = Add(Kind::Menu, "MNU_Up");
        up.parent = "MNU_Pop";
        up.caption = "Haut";
    }
};

}  // namespace

TEST(ScaledView, MenusGrowWithTheWindows) {
    FreshProcess();
    WithMenus s;
    ScreenWindow one(s, 1), two(s, 2);
    auto* barOne = one.findChild<QMenuBar*>();
    auto* barTwo = two.findChild<QMenuBar*>();
    ASSERT_NE(barOne, nullptr);
    ASSERT_NE(barTwo, nullptr);
    const QFontMetrics small(barOne->font()), big(barTwo->font());
    // The menu bar's text is drawn twice as large (within rounding of the font's sizes).
    EXPECT_GE(big.height(), 2 * small.height() - 2);
    EXPECT_GE(big.horizontalAdvance("Fichier"), 2 * small.horizontalAdvance("Fichier") - 4);
    EXPECT_GT(barTwo->sizeHint().height(), barOne->sizeHint().height() * 3 / 2);
    // Pop-up menus too, though they are windows of their own.
    QMenu* popOne = one.BuildMenu("MNU_Pop", &one);
    QMenu* popTwo = two.BuildMenu("MNU_Pop", &two);
    EXPECT_GE(QFontMetrics(popTwo->font()).height(), 2 * QFontMetrics(popOne->font()).height() - 2);
    EXPECT_GT(popTwo->sizeHint().height(), popOne->sizeHint().height() * 3 / 2);
    // At scale 1 the menus keep the desktop's own font.
    EXPECT_EQ(barOne->font(), QApplication::font());
}

// Full screen: the picture grows to the largest whole factor that fits, sits in the middle,
// and clicks on it still reach the screen's own pixels; F11 again brings the window back.
TEST(ScaledView, FullScreenCentresThePictureAndKeepsTheClickMapping) {
    FreshProcess();
    Target t;
    ScreenWindow window(t, 2);
    window.show();
    window.ToggleFullScreen(2);
    QApplication::processEvents();
    ScreenCanvas* canvas = window.canvas();
    const int scale = canvas->scale();
    const QRect area = window.QWidget::screen()->geometry();
    EXPECT_EQ(scale, std::max(1, std::min(area.width() / t.width, area.height() / t.height)));
    EXPECT_GE(scale, 2);
    EXPECT_EQ(canvas->width(), t.width * scale);
    // Centred: as much room on either side (within a pixel of rounding).
    const QRect placed(canvas->mapTo(&window, QPoint(0, 0)), canvas->size());
    EXPECT_LE(std::abs(placed.left() - (window.width() - placed.right() - 1)), 1);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint((20 + 11) * scale + scale - 1, (10 + 3) * scale));
    ASSERT_EQ(t.presses.size(), 1u);
    EXPECT_EQ(t.presses[0], std::make_pair(11, 3));
    window.ToggleFullScreen(2);
    QApplication::processEvents();
    EXPECT_EQ(window.canvas()->scale(), 2);
    EXPECT_FALSE(window.isFullScreen());
}

namespace {

// A tab strip with a flag on each tab, as the set-up screen has.
class WithTabs : public Screen {
public:
    WithTabs() : Screen("WithTabs", 200, 60) {
        Control& tabs = Place(Add(Kind::TabStrip, "Tabs"), 4, 4, 190, 24);
        tabs.tabs = {"One", "Two"};
        tabs.tabIcons = {"tab1.ico", "tab2.ico"};
    }
};

}  // namespace

TEST(ScaledView, TabFlagsGrowWithTheWindow) {
    FreshProcess();
    pictures::SetFolder(QUELMOR_BIN_DIR);
    const QSize flag = pictures::Get("tab1.ico").size();
    ASSERT_FALSE(flag.isEmpty());
    for (int scale : {1, 2, 3}) {
        WithTabs s;
        ScreenCanvas canvas(s, scale);
        canvas.Sync();
        QTabBar* bar = canvas.findChild<QTabBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->iconSize(), flag * scale) << scale;
        EXPECT_EQ(bar->tabIcon(1).availableSizes().value(0), flag * scale) << scale;
    }
}

TEST(ScaledView, TooltipsAreAsLargeAsTheWindowsText) {
    FreshProcess();
    for (int scale : {1, 3}) {
        Target t;
        t.C("Pad").tooltip = "A pad";
        ScreenCanvas canvas(t, scale);
        canvas.show();
        const QPoint at((20 + 5) * scale, (10 + 5) * scale);
        QHelpEvent tip(QEvent::ToolTip, at, canvas.mapToGlobal(at));
        QApplication::sendEvent(&canvas, &tip);
        EXPECT_EQ(QToolTip::font().pixelSize(), 12 * scale) << scale;
        QToolTip::hideText();
    }
}
