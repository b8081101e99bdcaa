// Enemies 11-19: the phoenix, the orc, the yeti, the hermit, and the tower's guardians
// Gorak, Karog, Nekarat, the Cook and Quelmor the key keeper.
#include "artkit.h"
#include "common.h"
#include "enemies.h"
#include "figkit.h"

#include <cmath>

namespace foe {
namespace {

using fig::Ellipse;
using fig::Fill;
using fig::Poly;
using fig::Solid;

QLinearGradient FlameRamp(const QPointF& from, const QPointF& to) {
    QLinearGradient g(from, to);
    g.setColorAt(0, QColor(255, 250, 190));
    g.setColorAt(0.35, QColor(255, 190, 50));
    g.setColorAt(0.75, QColor(240, 90, 20));
    g.setColorAt(1, QColor(170, 20, 10));
    return g;
}

void Phenix(QPainter& p) {
    fig::Glow(p, QPointF(64, 56), 62, QColor(255, 160, 40, 110));
    // Wings of layered flame feathers.
    for (int side = -1; side <= 1; side += 2) {
        for (int layer = 0; layer < 3; ++layer) {
            QPainterPath w;
            const double reach = 58 - layer * 12;
            w.moveTo(64 + side * 8, 58);
            for (int k = 0; k < 5; ++k) {
                const double a = -1.2 + k * 0.32;
                const QPointF tip(64 + side * reach * std::cos(a), 52 + reach * std::sin(a) * 0.9);
                const QPointF back(64 + side * reach * 0.7 * std::cos(a + 0.16), 52 + reach * 0.7 * std::sin(a + 0.16) * 0.9);
                w.lineTo(tip);
                w.lineTo(back);
            }
            w.lineTo(64 + side * 10, 70);
            w.closeSubpath();
            Fill(p, w, FlameRamp(QPointF(64, 60), QPointF(64 + side * reach, 20)), QColor(120, 20, 0), 0.9);
        }
    }
    // Tail plumes.
    for (int k = -2; k <= 2; ++k) {
        QPainterPath t;
        t.moveTo(60, 74);
        t.cubicTo(58 + k * 6, 96, 64 + k * 12, 110, 64 + k * 16, 126);
        t.cubicTo(68 + k * 10, 110, 66 + k * 4, 94, 68, 74);
        t.closeSubpath();
        Fill(p, t, FlameRamp(QPointF(64, 74), QPointF(64, 126)), QColor(120, 20, 0), 0.8);
    }
    // Body, head with crest, golden beak.
    Fill(p, Ellipse(QPointF(64, 62), 11, 16), FlameRamp(QPointF(64, 46), QPointF(64, 80)), QColor(120, 20, 0), 1);
    Fill(p, Ellipse(QPointF(64, 38), 8, 8), art::Ball(QRectF(56, 30, 16, 16), QColor(250, 150, 30)), QColor(120, 20, 0), 1);
    for (int k = 0; k < 3; ++k)
        Fill(p, Poly({{62.0 + k * 2, 32}, {60.0 + k * 5, 16.0 + k * 2}, {66.0 + k * 2, 31}}), FlameRamp(QPointF(64, 16), QPointF(64, 32)),
             QColor(120, 20, 0), 0.6);
    Fill(p, Poly({{66, 38}, {78, 42}, {67, 44}}), QColor(250, 210, 70), QColor(110, 70, 0), 0.7);
    fig::GlowEyes(p, QPointF(66, 36.5), 0, 1.6, QColor(255, 255, 220));
}

void Orc(QPainter& p) {
    const QColor skin(110, 150, 60), leather(100, 70, 46);
    // Double axe.
    fig::Shaft(p, QPointF(100, 124), QPointF(100, 14), 3.4, QColor(90, 60, 34));
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath blade;
        blade.moveTo(100, 18);
        blade.cubicTo(100 + side * 20, 6, 100 + side * 26, 20, 100 + side * 22, 40);
        blade.cubicTo(100 + side * 16, 34, 100 + side * 8, 34, 100, 36);
        blade.closeSubpath();
        Fill(p, blade, art::Ramp(QPointF(100, 10), QPointF(100 + side * 24, 40), QColor(170, 170, 180), 1.5, 0.5), QColor(30, 30, 36), 1);
    }
    Limb(p, QPointF(52, 86), QPointF(44, 116), 12, QColor(70, 60, 50));
    Limb(p, QPointF(74, 86), QPointF(84, 116), 12, QColor(70, 60, 50));
    Foot(p, QPointF(42, 125), 10, QColor(50, 36, 24), -1);
    Foot(p, QPointF(86, 125), 10, QColor(50, 36, 24), 1);
    Torso(p, QPointF(64, 44), 54, 40, 46, skin);
    Fill(p, Poly({{44, 60}, {84, 60}, {82, 92}, {46, 92}}), art::Ramp(QPointF(44, 0), QPointF(84, 0), leather, 1.3, 0.6),
         QColor(30, 20, 10), 1);
    Fill(p, Poly({{44, 84}, {84, 84}, {84, 90}, {44, 90}}), QColor(60, 40, 24), QColor(20, 10, 4), 0.6);
    Fill(p, Ellipse(QPointF(64, 87), 4, 4), QColor(200, 200, 190), QColor(50, 50, 40), 0.6);
    for (int side = -1; side <= 1; side += 2) {
        Solid(p, Ellipse(QPointF(64 + side * 26, 48), 12, 9), leather);
        for (int k = -1; k <= 1; ++k)
            Fill(p, Poly({QPointF(64 + side * 26 + k * 6 - 1.8, 42), QPointF(64 + side * 26 + k * 6, 32), QPointF(64 + side * 26 + k * 6 + 1.8, 42)}),
                 QColor(220, 216, 200), QColor(60, 60, 50), 0.5);
    }
    Limb3(p, QPointF(38, 52), QPointF(26, 72), QPointF(32, 90), 11, skin);
    Limb3(p, QPointF(90, 52), QPointF(100, 66), QPointF(100, 58), 11, skin);
    fig::Fist(p, QPointF(32, 92), 5.5, skin);
    fig::Fist(p, QPointF(100, 58), 5.5, skin);
    p.save();
    AtHead(p, QPointF(64, 24), 1.2);
    fig::Ears(p, QPointF(32, 36), 12.5, skin, true, 0.7);
    fig::Head(p, QPointF(32, 34), 12, 12.5, skin);
    fig::Fill(p, fig::Poly({{20, 29}, {32, 31.5}, {44, 29}, {44, 32}, {32, 34}, {20, 32}}), art::Shade(skin, 0.7), QColor(30, 50, 20), 0.5);
    fig::GlowEyes(p, QPointF(32, 34.5), 9, 1.3, QColor(255, 60, 30));
    fig::Nose(p, QPointF(32, 40), 2.0, skin);
    QPainterPath roar;
    roar.moveTo(25, 43);
    roar.quadTo(32, 41, 39, 43);
    roar.quadTo(32, 52, 25, 43);
    fig::Fill(p, roar, QColor(80, 20, 20), QColor(20, 10, 10), 0.5);
    fig::Fill(p, fig::Poly({{26, 45}, {28.5, 45}, {27, 39}}), QColor(250, 246, 220), QColor(90, 80, 60), 0.4);
    fig::Fill(p, fig::Poly({{35.5, 45}, {38, 45}, {37, 39}}), QColor(250, 246, 220), QColor(90, 80, 60), 0.4);
    p.restore();
}

QPainterPath Furry(const QPointF& c, double rx, double ry, int tufts) {
    QPainterPath f;
    for (int i = 0; i <= tufts * 2; ++i) {
        const double a = i * M_PI / tufts;
        const double r = i % 2 ? 1.0 : 1.12;
        const QPointF pt(c.x() + std::cos(a) * rx * r, c.y() + std::sin(a) * ry * r);
        if (i == 0) f.moveTo(pt);
        else f.lineTo(pt);
    }
    f.closeSubpath();
    return f;
}

void Yeti(QPainter& p) {
    const QColor fur(232, 238, 246), face(120, 150, 190);
    Solid(p, Furry(QPointF(44, 116), 12, 8, 8), fur, 1);
    Solid(p, Furry(QPointF(84, 116), 12, 8, 8), fur, 1);
    // Arms raised high with claws.
    for (int side = -1; side <= 1; side += 2) {
        Limb3(p, QPointF(64 + side * 24, 52), QPointF(64 + side * 42, 44), QPointF(64 + side * 46, 16), 16, fur);
        for (int k = -1; k <= 1; ++k)
            Fill(p, Poly({QPointF(64 + side * 46 + k * 5 - 1.5, 10), QPointF(64 + side * 46 + k * 6, 0), QPointF(64 + side * 46 + k * 5 + 1.5, 10)}),
                 QColor(60, 60, 70), QColor(20, 20, 24), 0.5);
    }
    Solid(p, Furry(QPointF(64, 80), 36, 40, 14), fur, 1.2);
    Solid(p, Furry(QPointF(64, 38), 20, 18, 10), fur, 1.1);
    Fill(p, Ellipse(QPointF(64, 42), 13, 12), art::Ball(QRectF(51, 30, 26, 24), face), QColor(30, 40, 70), 0.8);
    fig::GlowEyes(p, QPointF(64, 37), 11, 1.6, QColor(250, 220, 60));
    Fill(p, Poly({{52, 33}, {62, 35}, {62, 33}, {52, 30}}), QColor(60, 70, 100), QColor(20, 20, 40), 0.4);
    Fill(p, Poly({{76, 33}, {66, 35}, {66, 33}, {76, 30}}), QColor(60, 70, 100), QColor(20, 20, 40), 0.4);
    QPainterPath mouth;
    mouth.addEllipse(QPointF(64, 47), 7, 5);
    Fill(p, mouth, QColor(120, 20, 40), QColor(30, 0, 10), 0.7);
    for (int side = -1; side <= 1; side += 2)
        Fill(p, Poly({QPointF(64 + side * 5, 43), QPointF(64 + side * 3.6, 49), QPointF(64 + side * 2.2, 43.5)}), QColor(255, 255, 250),
             QColor(90, 90, 100), 0.4);
    p.save();
    p.setPen(QPen(QColor(170, 190, 220), 0.8));
    for (int i = 0; i < 12; ++i) p.drawLine(QPointF(40 + i * 4.4, 70 + (i % 3) * 8), QPointF(42 + i * 4.4, 78 + (i % 3) * 8));
    p.restore();
}

void Ermite(QPainter& p) {
    const QColor robe(120, 94, 64), skin(220, 186, 150);
    // A hunched old man with a staff and a glowing lantern.
    fig::Shaft(p, QPointF(24, 126), QPointF(30, 22), 3, QColor(110, 76, 40));
    QPainterPath body;
    body.moveTo(52, 46);
    body.cubicTo(76, 40, 90, 60, 92, 124);
    body.lineTo(34, 124);
    body.cubicTo(36, 90, 40, 60, 52, 46);
    Fill(p, body, art::Ramp(QPointF(34, 0), QPointF(92, 0), robe, 1.3, 0.55), QColor(40, 28, 16), 1.2);
    for (const QRectF& patch : {QRectF(70, 80, 10, 9), QRectF(44, 100, 9, 8)}) {
        QPainterPath pp;
        pp.addRect(patch);
        Fill(p, pp, QColor(150, 120, 70), QColor(60, 40, 20), 0.6);
    }
    Fill(p, Poly({{40, 118}, {46, 124}, {52, 118}, {58, 124}, {64, 118}, {70, 124}, {76, 118}, {84, 124}, {92, 124}, {34, 124}}),
         art::Shade(robe, 0.7), QColor(40, 28, 16), 0.6);
    Limb3(p, QPointF(50, 54), QPointF(38, 70), QPointF(30, 62), 7, robe);
    fig::Fist(p, QPointF(29, 62), 3.6, skin);
    Limb3(p, QPointF(78, 56), QPointF(92, 70), QPointF(98, 76), 7, robe);
    // Lantern.
    fig::Glow(p, QPointF(100, 92), 24, QColor(255, 220, 120, 170));
    p.save();
    p.setPen(QPen(QColor(40, 30, 20), 1.2));
    p.drawLine(QPointF(98, 78), QPointF(100, 84));
    p.restore();
    Fill(p, Poly({{94, 84}, {106, 84}, {108, 100}, {92, 100}}), QColor(255, 226, 140), QColor(60, 40, 10), 1);
    Fill(p, Poly({{92, 82}, {108, 82}, {106, 86}, {94, 86}}), QColor(70, 60, 50), QColor(20, 16, 10), 0.6);
    Fill(p, Ellipse(QPointF(100, 93), 2, 3.5), QColor(255, 140, 40), QColor(255, 140, 40), 0);
    fig::Fist(p, QPointF(98, 77), 3.4, skin);
    p.save();
    AtHead(p, QPointF(60, 34), 1.1);
    fig::Head(p, QPointF(32, 34), 10, 12, skin);
    fig::Eyes(p, QPointF(32, 34), 8.5, 1.1, QColor(100, 110, 140), 0.5, QColor(240, 240, 240));
    fig::Nose(p, QPointF(32, 40), 2.0, skin);
    fig::Beard(p, QPointF(32, 45), 18, 34, QColor(230, 230, 226));
    fig::Fill(p, fig::Poly({{24, 43}, {32, 41}, {40, 43}, {38, 46}, {32, 44}, {26, 46}}), QColor(220, 220, 216), QColor(100, 100, 100), 0.4);
    // Bald pate with a fringe of white hair.
    fig::Fill(p, fig::Ellipse(QPointF(21.5, 32), 2.5, 5), QColor(236, 236, 232), QColor(120, 120, 120), 0.4);
    fig::Fill(p, fig::Ellipse(QPointF(42.5, 32), 2.5, 5), QColor(236, 236, 232), QColor(120, 120, 120), 0.4);
    p.restore();
}

void Gorak(QPainter& p) {
    const QColor skin(150, 120, 100);
    // A hulking ogre with an iron collar, chains and a spiked club.
    Limb(p, QPointF(48, 90), QPointF(40, 118), 16, skin);
    Limb(p, QPointF(80, 90), QPointF(88, 118), 16, skin);
    Foot(p, QPointF(38, 126), 12, art::Shade(skin, 0.8), -1);
    Foot(p, QPointF(90, 126), 12, art::Shade(skin, 0.8), 1);
    Solid(p, Ellipse(QPointF(64, 70), 36, 32), skin, 1.2);
    Fill(p, Poly({{36, 84}, {92, 84}, {96, 106}, {76, 100}, {64, 108}, {52, 100}, {32, 106}}), QColor(90, 60, 40), QColor(30, 20, 10), 1);
    // Club.
    fig::Shaft(p, QPointF(104, 96), QPointF(110, 30), 6, QColor(110, 80, 50));
    Solid(p, Ellipse(QPointF(111, 22), 10, 16), QColor(120, 86, 54), 1);
    for (int k = 0; k < 6; ++k) {
        const double a = -2.6 + k * 0.9;
        const QPointF b(111 + std::cos(a) * 9, 22 + std::sin(a) * 14);
        Fill(p, Poly({b + QPointF(-1.6, 0), b + QPointF(std::cos(a) * 6, std::sin(a) * 6), b + QPointF(1.6, 0)}), QColor(200, 200, 206),
             QColor(40, 40, 46), 0.5);
    }
    Limb3(p, QPointF(32, 56), QPointF(18, 80), QPointF(24, 98), 14, skin);
    Limb3(p, QPointF(96, 56), QPointF(106, 76), QPointF(104, 92), 14, skin);
    fig::Fist(p, QPointF(24, 100), 7, skin);
    fig::Fist(p, QPointF(104, 92), 7, skin);
    // Chain from the collar.
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 6; ++k) {
        p.setPen(QPen(QColor(40, 40, 46), 2.6));
        p.drawEllipse(QPointF(44 - k * 3, 56 + k * 7), 3, 4.5);
        p.setPen(QPen(QColor(170, 170, 180), 1.3));
        p.drawEllipse(QPointF(44 - k * 3, 56 + k * 7), 3, 4.5);
    }
    p.restore();
    Fill(p, Poly({{44, 46}, {84, 46}, {82, 54}, {46, 54}}), art::Ramp(QPointF(0, 46), QPointF(0, 54), QColor(120, 120, 130), 1.4, 0.6),
         QColor(30, 30, 36), 1);
    // Small head sunk in the shoulders, one great eye.
    Solid(p, Ellipse(QPointF(64, 34), 17, 15), skin, 1.1);
    Fill(p, Ellipse(QPointF(64, 31), 7, 6), QColor(250, 246, 230), QColor(40, 30, 20), 0.8);
    Fill(p, Ellipse(QPointF(64, 31.5), 3.5, 4), QColor(200, 60, 20), QColor(40, 10, 0), 0.4);
    Fill(p, Ellipse(QPointF(64, 31.5), 1.5, 2.5), QColor(10, 6, 6), QColor(0, 0, 0), 0);
    Fill(p, Poly({{54, 24}, {74, 24}, {72, 27}, {56, 27}}), art::Shade(skin, 0.6), QColor(40, 30, 20), 0.5);
    QPainterPath mouth;
    mouth.moveTo(54, 42);
    mouth.quadTo(64, 48, 74, 42);
    mouth.quadTo(64, 44, 54, 42);
    Fill(p, mouth, QColor(60, 20, 20), QColor(20, 10, 10), 0.6);
    Fill(p, Poly({{57, 42.5}, {60, 43.5}, {58, 37}}), QColor(250, 246, 220), QColor(90, 80, 60), 0.4);
    Fill(p, Poly({{68, 43.5}, {71, 42.5}, {70, 37}}), QColor(250, 246, 220), QColor(90, 80, 60), 0.4);
    for (int side = -1; side <= 1; side += 2)
        Fill(p, Poly({QPointF(64 + side * 8, 22), QPointF(64 + side * 12, 10), QPointF(64 + side * 13, 22)}), QColor(230, 220, 196),
             QColor(60, 50, 40), 0.6);
}

void Karog(QPainter& p) {
    const QColor stone(90, 104, 130);
    // A swift winged gargoyle crouched to spring.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath w;
        w.moveTo(64 + side * 12, 50);
        w.cubicTo(64 + side * 30, 18, 64 + side * 50, 8, 64 + side * 62, 6);
        w.quadTo(64 + side * 54, 26, 64 + side * 60, 44);
        w.quadTo(64 + side * 48, 42, 64 + side * 50, 62);
        w.quadTo(64 + side * 38, 58, 64 + side * 36, 76);
        w.quadTo(64 + side * 26, 66, 64 + side * 14, 70);
        w.closeSubpath();
        Fill(p, w, art::Ramp(QPointF(64, 6), QPointF(64, 76), QColor(70, 60, 100), 1.4, 0.6), QColor(16, 12, 30), 1);
        p.save();
        p.setPen(QPen(QColor(30, 24, 50), 1.2));
        for (const QPointF& e : {QPointF(64 + side * 60, 44), QPointF(64 + side * 50, 62), QPointF(64 + side * 36, 76)})
            p.drawLine(QPointF(64 + side * 14, 52), e);
        p.restore();
    }
    Limb3(p, QPointF(54, 84), QPointF(36, 96), QPointF(44, 118), 11, stone);
    Limb3(p, QPointF(74, 84), QPointF(92, 96), QPointF(84, 118), 11, stone);
    for (int side = -1; side <= 1; side += 2)
        for (int k = -1; k <= 1; ++k)
            Fill(p, Poly({QPointF(64 + side * 20 + k * 4, 118), QPointF(64 + side * 20 + k * 5, 126), QPointF(64 + side * 20 + k * 4 + 2, 118)}),
                 QColor(30, 30, 40), QColor(0, 0, 0), 0.4);
    Torso(p, QPointF(64, 48), 34, 24, 42, stone);
    // Tail with a barb.
    p.save();
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(70, 90);
    tail.cubicTo(110, 100, 120, 120, 100, 124);
    p.setPen(QPen(QColor(20, 24, 34), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(stone, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.restore();
    Fill(p, Poly({{100, 118}, {92, 126}, {104, 128}}), stone, QColor(20, 24, 34), 0.8);
    Limb3(p, QPointF(50, 52), QPointF(38, 70), QPointF(46, 84), 8, stone);
    Limb3(p, QPointF(78, 52), QPointF(90, 70), QPointF(82, 84), 8, stone);
    // Head: horns, yellow eyes, a fanged muzzle.
    Solid(p, Ellipse(QPointF(64, 36), 14, 13), stone, 1.1);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath horn;
        horn.moveTo(64 + side * 6, 26);
        horn.cubicTo(64 + side * 10, 12, 64 + side * 20, 10, 64 + side * 24, 2);
        horn.cubicTo(64 + side * 20, 16, 64 + side * 14, 22, 64 + side * 12, 30);
        horn.closeSubpath();
        Fill(p, horn, QColor(220, 214, 190), QColor(60, 54, 40), 0.7);
    }
    fig::GlowEyes(p, QPointF(64, 34), 11, 2.0, QColor(255, 230, 40));
    QPainterPath muzzle;
    muzzle.moveTo(54, 42);
    muzzle.quadTo(64, 52, 74, 42);
    muzzle.quadTo(64, 46, 54, 42);
    Fill(p, muzzle, QColor(140, 20, 30), QColor(30, 0, 6), 0.6);
    for (int side = -1; side <= 1; side += 2)
        Fill(p, Poly({QPointF(64 + side * 6, 43), QPointF(64 + side * 4.5, 49), QPointF(64 + side * 3, 44)}), QColor(255, 255, 240),
             QColor(80, 80, 80), 0.4);
}

void Nekarat(QPainter& p) {
    // A lich: a crowned skull, a purple robe, an orb of shadow magic and floating runes.
    fig::Glow(p, QPointF(64, 60), 60, QColor(160, 60, 255, 70));
    QPainterPath robe;
    robe.moveTo(46, 42);
    robe.lineTo(82, 42);
    robe.cubicTo(96, 70, 104, 100, 110, 126);
    robe.lineTo(18, 126);
    robe.cubicTo(24, 100, 32, 70, 46, 42);
    Fill(p, robe, art::Ramp(QPointF(18, 0), QPointF(110, 0), QColor(80, 30, 110), 1.4, 0.45), QColor(20, 0, 30), 1.2);
    Fill(p, Poly({{58, 44}, {70, 44}, {76, 126}, {52, 126}}), QColor(30, 20, 40), QColor(0, 0, 0), 0.8);
    for (double y = 56; y < 124; y += 12)
        Fill(p, Poly({{64, y - 4}, {68, y}, {64, y + 4}, {60, y}}), QColor(120, 255, 160), QColor(20, 80, 40), 0.5);
    Fill(p, Poly({{40, 40}, {88, 40}, {96, 54}, {64, 50}, {32, 54}}), QColor(60, 20, 80), QColor(20, 0, 30), 1);
    // Bony hands round the orb.
    fig::Glow(p, QPointF(64, 86), 22, QColor(200, 120, 255, 200));
    QRadialGradient orb(QPointF(60, 82), 12);
    orb.setColorAt(0, QColor(250, 220, 255));
    orb.setColorAt(0.5, QColor(150, 60, 220));
    orb.setColorAt(1, QColor(40, 0, 70));
    Fill(p, Ellipse(QPointF(64, 86), 10, 10), orb, QColor(20, 0, 40), 0.8);
    for (int side = -1; side <= 1; side += 2) {
        Limb3(p, QPointF(64 + side * 20, 50), QPointF(64 + side * 26, 72), QPointF(64 + side * 12, 90), 7, QColor(80, 30, 110));
        for (int k = 0; k < 3; ++k)
            Limb(p, QPointF(64 + side * 12, 90), QPointF(64 + side * 8, 82 + k * 4), 1.6, QColor(220, 214, 190));
    }
    // Skull face with a crown.
    QPainterPath sk;
    sk.addEllipse(QPointF(64, 26), 13, 12);
    sk.addRoundedRect(QRectF(56, 30, 16, 12), 3, 3);
    Fill(p, art::Union(sk), art::Ball(QRectF(51, 14, 26, 28), QColor(220, 214, 190)), QColor(50, 46, 30), 1);
    Fill(p, Ellipse(QPointF(59, 28), 3.5, 4), QColor(20, 10, 20), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(QPointF(69, 28), 3.5, 4), QColor(20, 10, 20), QColor(0, 0, 0), 0);
    fig::GlowEyes(p, QPointF(64, 28), 10, 1.2, QColor(180, 255, 160));
    p.save();
    p.setPen(QPen(QColor(50, 46, 30), 0.8));
    for (int i = -2; i <= 2; ++i) p.drawLine(QPointF(64 + i * 2.6, 37), QPointF(64 + i * 2.6, 41));
    p.restore();
    Fill(p, Poly({{51, 18}, {51, 6}, {56, 12}, {60, 2}, {64, 10}, {68, 2}, {72, 12}, {77, 6}, {77, 18}}),
         art::Ramp(QPointF(0, 2), QPointF(0, 18), QColor(240, 200, 60), 1.4, 0.6), QColor(90, 60, 0), 0.9);
    Fill(p, Ellipse(QPointF(64, 14), 2, 2), QColor(120, 255, 160), QColor(20, 80, 40), 0.4);
    // Runes drifting round him.
    p.save();
    p.setPen(QPen(QColor(200, 150, 255), 1.4));
    for (const QPointF& r : {QPointF(20, 40), QPointF(108, 36), QPointF(16, 80), QPointF(112, 84)}) {
        p.drawLine(r + QPointF(0, -5), r + QPointF(0, 5));
        p.drawLine(r + QPointF(0, -2), r + QPointF(4, -5));
        p.drawLine(r + QPointF(0, 1), r + QPointF(-4, 4));
    }
    p.restore();
}

void Cuisinier(QPainter& p) {
    const QColor skin(210, 150, 140);
    // A fat boar-faced cook in a stained apron, cleaver raised and a ladle.
    Limb(p, QPointF(50, 100), QPointF(46, 120), 14, QColor(60, 60, 70));
    Limb(p, QPointF(78, 100), QPointF(82, 120), 14, QColor(60, 60, 70));
    Foot(p, QPointF(44, 127), 11, QColor(40, 30, 24), -1);
    Foot(p, QPointF(84, 127), 11, QColor(40, 30, 24), 1);
    Solid(p, Ellipse(QPointF(64, 78), 38, 32), QColor(236, 232, 224), 1.2);
    Fill(p, Poly({{40, 64}, {88, 64}, {94, 112}, {34, 112}}), art::Ramp(QPointF(34, 0), QPointF(94, 0), QColor(246, 244, 240), 1.1, 0.7),
         QColor(90, 90, 90), 1);
    for (const QPointF& s : {QPointF(50, 80), QPointF(72, 92), QPointF(58, 102), QPointF(80, 74)})
        Fill(p, Ellipse(s, 4 + std::fmod(s.x(), 3), 3), QColor(170, 20, 24, 220), QColor(0, 0, 0, 0), 0);
    // Cleaver raised.
    Limb3(p, QPointF(94, 60), QPointF(110, 56), QPointF(104, 34), 11, QColor(236, 232, 224));
    Fill(p, Poly({{98, 28}, {122, 12}, {128, 24}, {104, 38}}), art::Ramp(QPointF(98, 12), QPointF(128, 38), QColor(200, 204, 214), 1.5, 0.5),
         QColor(30, 30, 40), 1);
    Fill(p, Ellipse(QPointF(120, 18), 1.8, 1.8), QColor(40, 40, 50), QColor(0, 0, 0), 0);
    fig::Shaft(p, QPointF(104, 36), QPointF(96, 44), 3.5, QColor(90, 56, 30));
    fig::Fist(p, QPointF(103, 36), 5, skin);
    // Ladle.
    Limb3(p, QPointF(34, 60), QPointF(20, 74), QPointF(22, 90), 11, QColor(236, 232, 224));
    fig::Shaft(p, QPointF(22, 90), QPointF(16, 118), 2.2, QColor(160, 160, 170));
    Fill(p, Ellipse(QPointF(15, 120), 6, 4), QColor(170, 170, 180), QColor(40, 40, 50), 0.8);
    fig::Fist(p, QPointF(22, 90), 5, skin);
    // Boar head with tusks and a tall chef's hat.
    Solid(p, Ellipse(QPointF(64, 40), 20, 17), skin, 1.1);
    for (int side = -1; side <= 1; side += 2)
        Fill(p, Poly({QPointF(64 + side * 12, 30), QPointF(64 + side * 24, 20), QPointF(64 + side * 18, 36)}), skin, QColor(80, 40, 40), 0.8);
    Fill(p, Ellipse(QPointF(64, 46), 9, 7), art::Ball(QRectF(55, 39, 18, 14), QColor(230, 150, 150)), QColor(90, 40, 40), 0.8);
    Fill(p, Ellipse(QPointF(60.5, 46), 1.8, 2.4), QColor(60, 20, 20), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(QPointF(67.5, 46), 1.8, 2.4), QColor(60, 20, 20), QColor(0, 0, 0), 0);
    for (int side = -1; side <= 1; side += 2)
        Fill(p, Poly({QPointF(64 + side * 9, 52), QPointF(64 + side * 13, 42), QPointF(64 + side * 11, 53)}), QColor(250, 246, 220),
             QColor(90, 80, 60), 0.5);
    fig::GlowEyes(p, QPointF(64, 36), 14, 1.6, QColor(255, 60, 40));
    QPainterPath hat;
    hat.moveTo(48, 28);
    hat.lineTo(50, 16);
    hat.cubicTo(38, 14, 40, -2, 54, 2);
    hat.cubicTo(56, -6, 72, -6, 74, 2);
    hat.cubicTo(88, -2, 90, 14, 78, 16);
    hat.lineTo(80, 28);
    hat.closeSubpath();
    Fill(p, hat, art::Ramp(QPointF(40, 0), QPointF(90, 0), QColor(250, 250, 248), 1.0, 0.72), QColor(110, 110, 116), 1);
}

QPainterPath KeyShape(const QPointF& bow, double s) {
    QPainterPath k;
    k.addEllipse(bow, 6 * s, 6 * s);
    QPainterPath hole;
    hole.addEllipse(bow, 2.6 * s, 2.6 * s);
    k.addRect(QRectF(bow.x() - 1.6 * s, bow.y() + 5 * s, 3.2 * s, 20 * s));
    k.addRect(QRectF(bow.x() + 1.6 * s, bow.y() + 18 * s, 5 * s, 2.8 * s));
    k.addRect(QRectF(bow.x() + 1.6 * s, bow.y() + 22 * s, 4 * s, 2.8 * s));
    return art::Union(k).subtracted(hole);
}

void Quelmor(QPainter& p) {
    // The key keeper: a towering dark lord in a flowing cape, a crown of spikes, eyes of
    // fire, holding up the gold key and the shadow key.
    fig::Glow(p, QPointF(64, 64), 64, QColor(120, 60, 200, 90));
    QPainterPath cape;
    cape.moveTo(64, 20);
    cape.cubicTo(100, 24, 106, 60, 124, 126);
    cape.lineTo(4, 126);
    cape.cubicTo(22, 60, 28, 24, 64, 20);
    QLinearGradient cg(4, 0, 124, 0);
    cg.setColorAt(0, QColor(60, 20, 70));
    cg.setColorAt(0.45, QColor(24, 10, 30));
    cg.setColorAt(1, QColor(6, 2, 10));
    Fill(p, cape, cg, QColor(0, 0, 0), 1.2);
    Fill(p, Poly({{30, 126}, {40, 80}, {64, 60}, {88, 80}, {98, 126}}), art::Ramp(QPointF(30, 0), QPointF(98, 0), QColor(150, 20, 40), 1.3, 0.5),
         QColor(30, 0, 6), 0.8);
    // A high mantle behind the head, a long robe with gold trim, a jewelled breastplate.
    Fill(p, Poly({{36, 54}, {30, 30}, {40, 36}, {44, 22}, {52, 32}, {64, 18}, {76, 32}, {84, 22}, {88, 36}, {98, 30}, {92, 54}}),
         art::Ramp(QPointF(30, 18), QPointF(98, 54), QColor(70, 40, 90), 1.4, 0.5), QColor(10, 0, 16), 1);
    QPainterPath robe;
    robe.moveTo(44, 48);
    robe.lineTo(84, 48);
    robe.cubicTo(90, 80, 96, 104, 100, 126);
    robe.lineTo(28, 126);
    robe.cubicTo(32, 104, 38, 80, 44, 48);
    Fill(p, robe, art::Ramp(QPointF(28, 0), QPointF(100, 0), QColor(46, 30, 64), 1.5, 0.45), QColor(6, 2, 10), 1.2);
    Fill(p, Poly({{60, 60}, {68, 60}, {72, 126}, {56, 126}}), art::Ramp(QPointF(56, 0), QPointF(72, 0), QColor(230, 180, 50), 1.3, 0.6),
         QColor(80, 50, 0), 0.7);
    Fill(p, Poly({{48, 48}, {80, 48}, {76, 70}, {64, 76}, {52, 70}}), art::Ramp(QPointF(48, 0), QPointF(80, 0), QColor(84, 80, 100), 1.5, 0.5),
         QColor(10, 8, 14), 0.9);
    Fill(p, Ellipse(QPointF(64, 60), 4, 4.5), art::Ball(QRectF(60, 55.5, 8, 9), QColor(200, 30, 50)), QColor(60, 0, 10), 0.6);
    for (int side = -1; side <= 1; side += 2) {
        Solid(p, Ellipse(QPointF(64 + side * 20, 50), 10, 7.5), QColor(70, 66, 86));
        Fill(p, Poly({QPointF(64 + side * 18, 45), QPointF(64 + side * 30, 32), QPointF(64 + side * 26, 47)}), QColor(220, 216, 230),
             QColor(30, 30, 40), 0.6);
    }
    // Arms raised with a key in each hand.
    Limb3(p, QPointF(42, 52), QPointF(24, 56), QPointF(18, 32), 9, QColor(50, 48, 62));
    Limb3(p, QPointF(86, 52), QPointF(104, 56), QPointF(110, 32), 9, QColor(50, 48, 62));
    for (const auto& [at, ray] : {std::pair<QPointF, QColor>{{18, 18}, {255, 252, 226}}, {{110, 18}, {238, 226, 255}}}) {
        QPainterPath burst = fig::Star(at, 19, 7);
        burst.addPath(QTransform().translate(at.x(), at.y()).rotate(36).translate(-at.x(), -at.y()).map(fig::Star(at, 15, 6)));
        Fill(p, art::Union(burst), art::Alpha(ray, 255), art::Shade(ray, 0.6), 0.6);
    }
    QLinearGradient gold(QPointF(12, 4), QPointF(26, 32));
    gold.setColorAt(0, QColor(255, 220, 90));
    gold.setColorAt(0.5, QColor(230, 160, 20));
    gold.setColorAt(1, QColor(140, 80, 0));
    Fill(p, KeyShape(QPointF(18, 6), 1.15), gold, QColor(90, 50, 0), 0.8);
    QLinearGradient shadow(QPointF(104, 4), QPointF(118, 32));
    shadow.setColorAt(0, QColor(170, 110, 240));
    shadow.setColorAt(0.5, QColor(100, 40, 180));
    shadow.setColorAt(1, QColor(40, 10, 70));
    Fill(p, KeyShape(QPointF(110, 6), 1.15), shadow, QColor(20, 0, 40), 0.8);
    fig::Fist(p, QPointF(18, 30), 4.2, QColor(60, 56, 74));
    fig::Fist(p, QPointF(110, 30), 4.2, QColor(60, 56, 74));
    // Helmed face in shadow with burning eyes, a crown of spikes.
    QPainterPath head;
    head.moveTo(52, 44);
    head.cubicTo(48, 22, 80, 22, 76, 44);
    head.quadTo(64, 50, 52, 44);
    Fill(p, head, art::Ramp(QPointF(50, 0), QPointF(78, 0), QColor(40, 36, 52), 1.5, 0.5), QColor(0, 0, 0), 1);
    Fill(p, Poly({{54, 32}, {74, 32}, {72, 42}, {64, 46}, {56, 42}}), QColor(8, 4, 10), QColor(0, 0, 0), 0.5);
    fig::GlowEyes(p, QPointF(64, 35), 9, 1.6, QColor(255, 120, 30));
    Fill(p, Poly({{50, 28}, {50, 16}, {54, 22}, {57, 8}, {61, 20}, {64, 2}, {67, 20}, {71, 8}, {74, 22}, {78, 16}, {78, 28}}),
         art::Ramp(QPointF(0, 2), QPointF(0, 28), QColor(90, 84, 110), 1.6, 0.5), QColor(10, 6, 14), 0.9);
    Fill(p, Ellipse(QPointF(64, 24), 2.2, 2.2), QColor(255, 60, 60), QColor(80, 0, 0), 0.4);
}

}  // namespace

void DrawEnemyB(QPainter& p, int n) {
    switch (n) {
    case 11: Phenix(p); break;
    case 12: Orc(p); break;
    case 13: Yeti(p); break;
    case 14: Ermite(p); break;
    case 15: Gorak(p); break;
    case 16: Karog(p); break;
    case 17: Nekarat(p); break;
    case 18: Cuisinier(p); break;
    case 19: Quelmor(p); break;
    default: break;
    }
}

}  // namespace foe
