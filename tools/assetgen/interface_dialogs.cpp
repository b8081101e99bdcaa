// Backgrounds of the small dialogs: the resources ledger, the mine, the graveyard at
// night, and the fight screen's message backdrop.
#include "interface_kit.h"

#include <cmath>

namespace assetgen::ui {
namespace {

const QColor kInk(40, 24, 10);
const QColor kGold(214, 170, 64);

// A pen flourish: a horizontal S-curve with curls at its ends.
void Flourish(QPainter& p, QPointF c, double half, const QColor& colour) {
    p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        QPainterPath f;
        f.moveTo(c);
        f.cubicTo(c + QPointF(side * half * 0.3, -6), c + QPointF(side * half * 0.6, 6), c + QPointF(side * half * 0.9, 0));
        f.cubicTo(c + QPointF(side * half * 1.0, -4), c + QPointF(side * half * 0.82, -5), c + QPointF(side * half * 0.8, -1.5));
        p.drawPath(f);
    }
    p.setBrush(colour);
    p.drawPath(Star(c, 3.5, 1.4, 4));
}

// The resources ledger: parchment with a ruled double border and faint rows.
QImage ResourcesBackground() {
    QImage img = Parchment(220, 280, 81);
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(WithAlpha(kInk, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 6, 208, 268));
    p.setPen(QPen(WithAlpha(kInk, 150), 0.8));
    p.drawRect(QRectF(10, 10, 200, 260));
    Flourish(p, QPointF(110, 22), 60, WithAlpha(kInk, 190));
    Flourish(p, QPointF(110, 258), 60, WithAlpha(kInk, 190));
    p.setPen(QPen(WithAlpha(QColor(120, 80, 40), 70), 0.8));
    for (int r = 0; r < 7; ++r) p.drawLine(QPointF(20, 64 + r * 30), QPointF(200, 64 + r * 30));
    return img;
}

// The mine: a timbered gallery in dark rock, a lantern's glow and rails into the dark.
QImage MineBackground() {
    const int w = 300, h = 160;
    QImage img = Field(w, h, [&](double x, double y) {
        const double dx = (x - 150) / 150.0, dy = (y - 95) / 95.0;
        const double depth = std::clamp(1.0 - std::sqrt(dx * dx * 0.8 + dy * dy * 0.6), 0.0, 1.0);
        const double rock = Fbm(x, y, 22, 5, 51);
        const QColor wall = Shade(QColor(82, 66, 52), 0.45 + 0.8 * rock);
        return Mix(wall, QColor(4, 3, 2), std::pow(depth, 1.4) * 1.1);
    });
    QPainter p(&img);
    Smooth(p);
    // Lantern glow on the left post.
    QRadialGradient glow(QPointF(70, 60), 110);
    glow.setColorAt(0, QColor(255, 170, 60, 120));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), glow);
    // Rails running to the vanishing point.
    p.setPen(QPen(QColor(120, 110, 100), 2));
    p.drawLine(QPointF(95, 160), QPointF(143, 100));
    p.drawLine(QPointF(205, 160), QPointF(157, 100));
    p.setPen(QPen(QColor(70, 46, 26), 3));
    for (double t = 0; t < 1; t += 0.18) {
        const double y = 160 - 60 * t, half = 55 - 48 * t;
        p.drawLine(QPointF(150 - half - 6 * (1 - t), y - 2), QPointF(150 + half + 6 * (1 - t), y - 2));
    }
    // Timber frame: two posts and a lintel, near and far.
    auto beam = [&](const QRectF& r) {
        QPainterPath b;
        b.addRect(r);
        const bool upright = r.height() > r.width();
        Outlined(p, b, Sheen(r.topLeft(), upright ? r.topRight() : r.bottomLeft(), QColor(120, 80, 44), 1.3, 0.5),
                 QColor(20, 12, 6), 1);
    };
    beam(QRectF(112, 78, 6, 42));
    beam(QRectF(182, 78, 6, 42));
    beam(QRectF(108, 72, 84, 7));
    beam(QRectF(18, 18, 16, 142));
    beam(QRectF(266, 18, 16, 142));
    beam(QRectF(8, 6, 284, 16));
    // The lantern hanging from the lintel.
    p.setPen(QPen(QColor(40, 30, 20), 1));
    p.drawLine(QPointF(54, 22), QPointF(54, 34));
    QPainterPath lamp;
    lamp.addRoundedRect(QRectF(48, 34, 12, 16), 3, 3);
    Outlined(p, lamp, QColor(255, 210, 110), QColor(40, 30, 20), 1.5);
    return img;
}

// The graveyard at night: moon behind clouds, a dead tree, tombstones and crosses in fog.
QImage GraveyardBackground() {
    const int w = 300, h = 180;
    QImage img = Field(w, h, [&](double x, double y) {
        const QColor sky = Mix(QColor(6, 8, 24), QColor(40, 44, 78), y / 130.0);
        const double cloud = std::max(0.0, Fbm(x * 0.6, y * 1.6, 50, 5, 61) - 0.5) * 2.2;
        return Mix(sky, QColor(90, 92, 120), cloud * 0.7);
    });
    QPainter p(&img);
    Smooth(p);
    QRadialGradient moon(QPointF(236, 36), 30);
    moon.setColorAt(0, QColor(255, 252, 230));
    moon.setColorAt(0.5, QColor(240, 236, 210));
    moon.setColorAt(0.55, QColor(200, 200, 220, 100));
    moon.setColorAt(1, QColor(120, 120, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(QPointF(236, 36), 30, 30);
    const QColor ground(14, 18, 16), stone(70, 72, 84);
    QPainterPath hill;
    hill.moveTo(0, 132);
    hill.quadTo(90, 116, 170, 126);
    hill.quadTo(240, 132, 300, 120);
    hill.lineTo(300, 180);
    hill.lineTo(0, 180);
    p.fillPath(hill, ground);
    // Dead tree.
    p.setPen(QPen(QColor(10, 10, 12), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 132), QPointF(46, 70));
    p.setPen(QPen(QColor(10, 10, 12), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45, 86), QPointF(22, 62));
    p.drawLine(QPointF(46, 76), QPointF(70, 54));
    p.drawLine(QPointF(46, 70), QPointF(50, 46));
    p.setPen(QPen(QColor(10, 10, 12), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 70), QPointF(26, 56));
    p.drawLine(QPointF(62, 61), QPointF(74, 62));
    p.drawLine(QPointF(49, 52), QPointF(42, 42));
    // Stones: rounded tablets and crosses, moonlit on the right.
    struct Grave { double x, base, w, h; bool cross; };
    const Grave graves[] = {{92, 130, 18, 26, false}, {128, 127, 14, 30, true}, {160, 130, 20, 24, false},
                            {198, 132, 14, 28, true}, {230, 131, 19, 27, false}, {268, 128, 13, 26, true},
                            {110, 152, 22, 30, false}, {184, 158, 24, 32, false}};
    for (const Grave& g : graves) {
        QPainterPath s;
        if (g.cross) {
            s.addRect(QRectF(g.x - g.w * 0.18, g.base - g.h, g.w * 0.36, g.h));
            s.addRect(QRectF(g.x - g.w / 2, g.base - g.h * 0.75, g.w, g.w * 0.34));
            s = s.simplified();
        } else {
            s.moveTo(g.x - g.w / 2, g.base);
            s.lineTo(g.x - g.w / 2, g.base - g.h + g.w / 2);
            s.arcTo(QRectF(g.x - g.w / 2, g.base - g.h, g.w, g.w), 180, -180);
            s.lineTo(g.x + g.w / 2, g.base);
            s.closeSubpath();
        }
        QLinearGradient lit(g.x - g.w / 2, 0, g.x + g.w / 2, 0);
        lit.setColorAt(0, Shade(stone, 0.5));
        lit.setColorAt(1, Shade(stone, 1.5));
        Outlined(p, s, lit, QColor(8, 8, 10), 1);
        if (!g.cross) {
            p.setPen(QPen(Shade(stone, 0.45), 1));
            p.drawLine(QPointF(g.x - g.w * 0.25, g.base - g.h * 0.55), QPointF(g.x + g.w * 0.25, g.base - g.h * 0.55));
            p.drawLine(QPointF(g.x - g.w * 0.25, g.base - g.h * 0.4), QPointF(g.x + g.w * 0.2, g.base - g.h * 0.4));
        }
    }
    // Ground fog drifting between the stones.
    QImage fog = Field(w, h, [&](double x, double y) {
        const double band = std::clamp((y - 110) / 40.0, 0.0, 1.0) * std::clamp((178 - y) / 30.0, 0.0, 1.0);
        const double n = Fbm(x * 0.5, y * 2, 40, 4, 63);
        return QColor(170, 180, 200, int(std::clamp(band * (n - 0.3) * 1.6, 0.0, 1.0) * 150));
    });
    p.drawImage(0, 0, fog);
    // Iron fence along the front.
    p.setPen(QPen(QColor(6, 6, 8), 1.6));
    p.drawLine(QPointF(0, 166), QPointF(300, 166));
    for (double x = 4; x < 300; x += 9) {
        p.drawLine(QPointF(x, 180), QPointF(x, 160));
        p.setBrush(QColor(6, 6, 8));
        p.drawPath(Star(QPointF(x, 159), 2.4, 1, 3));
    }
    return img;
}

// The message backdrop of the fight screen: smoky dark glass edged with gold.
QImage MessageBackdrop() {
    QImage img = Field(400, 44, [](double x, double y) {
        const double n = Fbm(x, y, 30, 4, 71);
        const double centre = 1.0 - std::abs(y - 22) / 22.0;
        return Shade(QColor(28, 30, 44), 0.6 + 0.5 * n + 0.25 * centre);
    });
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(WithAlpha(Qt::white, 14), 1));
    for (int x = -44; x < 400; x += 6) p.drawLine(QPointF(x, 44), QPointF(x + 44, 0));
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(0, 1.5), QPointF(400, 1.5));
    p.drawLine(QPointF(0, 42.5), QPointF(400, 42.5));
    p.setPen(QPen(Shade(kGold, 0.5), 1));
    p.drawLine(QPointF(0, 3.5), QPointF(400, 3.5));
    p.drawLine(QPointF(0, 40.5), QPointF(400, 40.5));
    return img;
}

}  // namespace

void GenerateDialogs(const QString& dir) {
    SaveBmp(ResourcesBackground(), dir + "/ressources.bmp");
    SaveBmp(MineBackground(), dir + "/mine.bmp");
    SaveBmp(GraveyardBackground(), dir + "/cimetiere.bmp");
    SaveBmp(MessageBackdrop(), dir + "/fond.bmp");
}

}  // namespace assetgen::ui
