#include <gtest/gtest.h>

#include <QTest>

#include "support/Game.h"
#include "ui/Screen.h"
#include "view/Render.h"
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
