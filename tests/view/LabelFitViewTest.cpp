#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "support/Game.h"
#include "ui/Screen.h"
#include "view/Render.h"

namespace {

// Counts the light pixels (the caption's ink on the dark form) in the label's edge columns, where
// a caption clipped at the label's ends is cut, and in the columns between them.
int InkOnEdges(const QImage& img, int top, int x0, int x1, int edge, int* inside) {
    int onEdges = 0;
    *inside = 0;
    for (int y = top; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(img.pixel(x, y)) < 128) continue;
            if (x < x0 + edge || x >= x1 - edge) ++onEdges;
            else ++*inside;
        }
    return onEdges;
}

class NameStrip : public Screen {
public:
    explicit NameStrip(const std::string& caption) : Screen("Strip", 140, 30) {
        backColor = {0, 0, 0};
        Control& l = Add(Kind::Label, "Nom");
        l.left = 40;
        l.top = 5;
        l.width = 60;
        l.height = 20;
        l.align = Align::Center;
        l.fore = {255, 255, 255};
        l.font = Font{"Arial", 10, true, false, false};
        l.caption = caption;
    }
};

}  // namespace

TEST(LabelFit, ALongCaptionStaysInsideItsLabelAtEveryScale) {
    FreshProcess();
    for (double scale : {1.0, 1.25, 1.8, 2.0}) {
        NameStrip s("Le squelette guerrier");
        const QImage img = RenderScreen(s, scale);
        const int bar = img.height() - static_cast<int>(std::lround(30 * scale));  // the title bar
        int inside = 0;
        const int x0 = static_cast<int>(std::lround(40 * scale)), x1 = static_cast<int>(std::lround(100 * scale));
        const int edge = static_cast<int>(std::ceil(scale));
        EXPECT_EQ(InkOnEdges(img, bar, x0, x1, edge, &inside), 0) << "scale " << scale;
        EXPECT_GT(inside, 20) << "scale " << scale;
    }
}

TEST(LabelFit, ACaptionThatFitsKeepsTheLabelsOwnLook) {
    FreshProcess();
    NameStrip shortName("Rat");
    const QImage a = RenderScreen(shortName, 1);
    // The same caption painted by hand in the label's font.
    QImage b(a.size(), QImage::Format_RGB32);
    b.fill(Qt::black);
    {
        QPainter p(&b);
        p.drawImage(0, 0, a.copy(0, 0, a.width(), a.height() - 30));
        QFont f("Arial");
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(40, a.height() - 30 + 5, 60, 20), Qt::AlignTop | Qt::AlignHCenter, "Rat");
    }
    EXPECT_EQ(a, b);
}
