// The spell pictures: the spell dialog's parchment, its six row icons and close image,
// and (in spells_anim*.cpp) the fight spells' animation frames.
#include "common.h"
#include "interface_kit.h"

#include <cmath>

namespace assetgen {
namespace {
using namespace ui;

const QColor kInk(20, 12, 8);

// Arcane parchment: darkened paper, a faint circle of runes and a pentacle.
QImage SpellDialogBackground() {
    QImage img = Parchment(240, 230, 91, 0.08);
    QPainter p(&img);
    Smooth(p);
    const QPointF c(120, 115);
    const QColor ink(90, 40, 20, 70);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 100, 100);
    p.drawEllipse(c, 88, 88);
    QPolygonF points;  // a pentagram: every second corner joined
    for (int k = 0; k < 5; ++k) {
        const double a = -M_PI / 2 + k * 4 * M_PI / 5;
        points << c + QPointF(86 * std::cos(a), 86 * std::sin(a));
    }
    p.drawPolygon(points);
    // A ring of runes: each a stem with two or three strokes chosen at random.
    Noise n(93);
    p.setPen(QPen(QColor(90, 40, 20, 110), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 24; ++k) {
        p.save();
        p.translate(c + QPointF(94 * std::sin(k * M_PI / 12), -94 * std::cos(k * M_PI / 12)));
        p.rotate(k * 15);
        p.drawLine(QPointF(0, -4), QPointF(0, 4));
        for (int m = 0; m < 2 + int(n.unit() * 2); ++m) {
            const double y0 = -4 + n.range(0, 2) * 3, dir = n.unit() < 0.5 ? -1 : 1;
            p.drawLine(QPointF(0, y0), QPointF(dir * 3, y0 + (n.unit() < 0.5 ? 2.5 : -2.5)));
        }
        p.restore();
    }
    p.setPen(QPen(QColor(60, 30, 14, 200), 2));
    p.drawRect(QRectF(3, 3, 234, 224));
    p.setPen(QPen(QColor(60, 30, 14, 120), 1));
    p.drawRect(QRectF(7, 7, 226, 216));
    return img;
}

QImage Icon32(const std::function<void(QPainter&)>& draw) {
    QImage big = Canvas(128, 128);
    {
        QPainter p(&big);
        Smooth(p);
        p.scale(4, 4);
        draw(p);
    }
    return WithRim(Resized(big, 32, 32), kInk);
}

void Cross(QPainter& p, QPointF c, double size, const QColor& colour) {
    QPainterPath cross;
    const double a = size * 0.18;
    cross.addRect(QRectF(c.x() - a, c.y() - size / 2, 2 * a, size));
    cross.addRect(QRectF(c.x() - size / 2, c.y() - a, size, 2 * a));
    Outlined(p, cross.simplified(), Sheen(QPointF(c.x() - size / 2, c.y() - size / 2), QPointF(c.x() + size / 2, c.y() + size / 2), colour, 1.4, 0.7), kInk, 1.1);
}

// Row icon of board spell b (1..6).
QImage BoardSpellIcon(int b) {
    return Icon32([b](QPainter& p) {
        switch (b) {
        case 1: {  // heal: a green cross in a soft light
            QRadialGradient g(QPointF(16, 16), 15);
            g.setColorAt(0, QColor(200, 255, 200, 255));
            g.setColorAt(1, QColor(60, 160, 60, 140));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QPointF(16, 16), 14, 14);
            Cross(p, QPointF(16, 16), 20, QColor(40, 170, 60));
            break;
        }
        case 2: {  // greater heal: a heart with a golden cross
            QPainterPath h;
            h.moveTo(14, 29);
            h.cubicTo(0, 19, 1, 4, 14, 9);
            h.cubicTo(27, 4, 28, 19, 14, 29);
            Outlined(p, h, Ball(QRectF(1, 4, 26, 25), QColor(210, 30, 50)), kInk, 1.1);
            Cross(p, QPointF(23, 9.5), 15, QColor(240, 196, 50));
            break;
        }
        case 3: {  // black ice: a dark crystal star
            p.setPen(QPen(QColor(20, 30, 60), 3.2, Qt::SolidLine, Qt::RoundCap));
            for (int k = 0; k < 3; ++k) {
                const double a = k * M_PI / 3;
                p.drawLine(QPointF(16 - 13 * std::cos(a), 16 - 13 * std::sin(a)), QPointF(16 + 13 * std::cos(a), 16 + 13 * std::sin(a)));
            }
            p.setPen(QPen(QColor(110, 150, 220), 1.3, Qt::SolidLine, Qt::RoundCap));
            for (int k = 0; k < 6; ++k) {
                const double a = k * M_PI / 3;
                const QPointF d(std::cos(a), std::sin(a)), n(-std::sin(a), std::cos(a));
                p.drawLine(QPointF(16, 16), QPointF(16, 16) + d * 13);
                p.drawLine(QPointF(16, 16) + d * 8, QPointF(16, 16) + d * 11 + n * 3);
                p.drawLine(QPointF(16, 16) + d * 8, QPointF(16, 16) + d * 11 - n * 3);
            }
            Outlined(p, Star(QPointF(16, 16), 5, 2.5, 6), QColor(10, 14, 30), QColor(140, 180, 240), 0.8);
            break;
        }
        case 4: {  // armageddon: a burning meteor falling
            QPainterPath tail;
            tail.moveTo(30, 1);
            tail.lineTo(21, 20);
            tail.lineTo(12, 11);
            tail.closeSubpath();
            QLinearGradient g(30, 1, 14, 18);
            g.setColorAt(0, QColor(255, 200, 40, 60));
            g.setColorAt(1, QColor(255, 90, 10, 255));
            p.fillPath(tail, g);
            const QRectF ball(4, 12, 16, 16);
            QRadialGradient fire(ball.center(), 9);
            fire.setColorAt(0, QColor(255, 250, 200));
            fire.setColorAt(0.5, QColor(255, 160, 30));
            fire.setColorAt(1, QColor(190, 30, 0));
            QPainterPath b;
            b.addEllipse(ball);
            Outlined(p, b, fire, kInk, 1);
            break;
        }
        case 5: {  // block: a stone wall
            for (int row = 0; row < 4; ++row)
                for (int col = -1; col < 3; ++col) {
                    const double x = 3 + col * 13 + (row % 2) * 6.5, y = 5 + row * 6.5;
                    QRectF r(std::max(3.0, x), y, std::min(x + 13, 29.0) - std::max(3.0, x), 6.5);
                    if (r.width() < 2) continue;
                    QPainterPath brick;
                    brick.addRect(r);
                    Outlined(p, brick, Sheen(r.topLeft(), r.bottomLeft(), QColor(150, 140, 124), 1.3, 0.6), kInk, 0.9);
                }
            break;
        }
        default: {  // bewitchment: a hypnotic violet spiral eye
            QPainterPath eye;
            eye.moveTo(2, 16);
            eye.quadTo(16, 2, 30, 16);
            eye.quadTo(16, 30, 2, 16);
            Outlined(p, eye, QColor(236, 226, 250), kInk, 1.2);
            const QRectF iris(9, 9, 14, 14);
            QPainterPath ir;
            ir.addEllipse(iris);
            Outlined(p, ir, Ball(iris, QColor(150, 40, 200)), kInk, 0.9);
            QPainterPath spiral;
            for (int i = 0; i <= 40; ++i) {
                const double t = i / 40.0, a = t * 4 * M_PI, r = 6.5 * t;
                const QPointF pt(16 + r * std::cos(a), 16 + r * std::sin(a));
                if (i == 0) spiral.moveTo(pt);
                else spiral.lineTo(pt);
            }
            p.strokePath(spiral, QPen(QColor(255, 230, 255), 1));
            break;
        }
        }
    });
}

// The close image: a dark red seal with a gold rim and a white cross.
QImage CloseImage() {
    QImage big = Canvas(96, 96);
    {
        QPainter p(&big);
        Smooth(p);
        p.scale(4, 4);
        const QRectF r(1.5, 1.5, 21, 21);
        QPainterPath seal;
        seal.addEllipse(r);
        Outlined(p, seal, Ball(r, QColor(160, 24, 24)), QColor(220, 176, 70), 1.6);
        p.setPen(QPen(QColor(255, 244, 230), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
    }
    return WithRim(Resized(big, 24, 24), kInk);
}

}  // namespace

void GenerateSpells(const QString& dir) {
    SaveBmp(SpellDialogBackground(), dir + "/magie.bmp");
    for (int b = 1; b <= 6; ++b) SaveGif(BoardSpellIcon(b), dir + QString("/sort%1.gif").arg(b));
    SaveGif(CloseImage(), dir + "/fermer.gif");
    ui::GenerateSpellFrames(dir);
}

}  // namespace assetgen
