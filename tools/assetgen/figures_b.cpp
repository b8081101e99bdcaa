// Class figures 9-16: Nécromancien, Monstre, Nain, Orc, Sorcier, Troll, Vampire, Voleur.
#include "artkit.h"
#include "figkit.h"
#include "figures.h"

#include <cmath>

namespace fig {
namespace {

const QPointF kHead(32, 34);
constexpr double kRx = 10.5, kRy = 12.5;

void Hood(QPainter& p, const QColor& cloth, double top, double width) {
    QPainterPath hood;
    hood.moveTo(32 - width, 58);
    hood.cubicTo(32 - width - 2, 30, 26, top, 32, top);
    hood.cubicTo(38, top, 32 + width + 2, 30, 32 + width, 58);
    hood.closeSubpath();
    QRadialGradient g(QPointF(26, top + 10), width * 2.2);
    g.setColorAt(0, art::Shade(cloth, 1.4));
    g.setColorAt(0.5, cloth);
    g.setColorAt(1, art::Shade(cloth, 0.45));
    Fill(p, hood, g, art::Shade(cloth, 0.25), 0.8);
}

void HoodOpening(QPainter& p, const QColor& shadow) {
    QPainterPath open;
    open.moveTo(22, 50);
    open.cubicTo(20, 28, 44, 28, 42, 50);
    open.quadTo(32, 54, 22, 50);
    QRadialGradient g(QPointF(32, 42), 14);
    g.setColorAt(0, art::Shade(shadow, 1.6));
    g.setColorAt(1, shadow);
    Fill(p, open, g, QColor(0, 0, 0), 0.6);
}

void Necromancien(QPainter& p) {
    const QColor robe(52, 36, 70);
    // Skull staff.
    Shaft(p, QPointF(52, 82), QPointF(52, 22), 2.0, QColor(80, 70, 60));
    Glow(p, QPointF(52, 16), 12, QColor(120, 255, 140, 150));
    Shoulders(p, robe, robe, 1.05, 56);
    Hood(p, robe, 14, 16);
    HoodOpening(p, QColor(14, 10, 18));
    // Pale chin in the shadow, glowing green eyes.
    Fill(p, Ellipse(QPointF(32, 47), 5, 3), QColor(150, 150, 140, 200), QColor(40, 40, 40, 0), 0);
    GlowEyes(p, QPointF(32, 39), 8, 1.5, QColor(120, 255, 120));
    // Skull on the staff.
    QPainterPath skull;
    skull.addEllipse(QPointF(52, 15), 5.5, 5);
    skull.addRoundedRect(QRectF(48.5, 17, 7, 5), 1.5, 1.5);
    Solid(p, art::Union(skull), QColor(230, 226, 206), 0.6);
    Fill(p, Ellipse(QPointF(50, 15.5), 1.4, 1.6), QColor(20, 40, 20), QColor(0, 0, 0), 0.2);
    Fill(p, Ellipse(QPointF(54, 15.5), 1.4, 1.6), QColor(20, 40, 20), QColor(0, 0, 0), 0.2);
    p.save();
    p.setPen(QPen(QColor(60, 60, 50), 0.4));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(49.5 + i * 1.6, 19.5), QPointF(49.5 + i * 1.6, 22));
    p.restore();
    Fist(p, QPointF(52, 58), 2.8, QColor(190, 190, 176));
    // Green wisps.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 255, 150, 150), 0.8));
    QPainterPath wisp;
    wisp.moveTo(46, 26);
    wisp.cubicTo(42, 20, 48, 12, 44, 6);
    wisp.moveTo(58, 24);
    wisp.cubicTo(62, 18, 56, 10, 60, 4);
    p.drawPath(wisp);
    p.restore();
    // Silver clasp.
    Fill(p, Ellipse(QPointF(32, 60), 2.2, 2.2), QColor(200, 200, 210), QColor(40, 40, 50), 0.4);
}

void Monstre(QPainter& p) {
    const QColor body(90, 190, 70);
    // A round green blob with a big grin, holding a teddy bear.
    QPainterPath blob;
    blob.moveTo(6, 80);
    blob.cubicTo(2, 50, 10, 18, 32, 16);
    blob.cubicTo(54, 18, 62, 50, 58, 80);
    blob.closeSubpath();
    QRadialGradient g(QPointF(24, 32), 46);
    g.setColorAt(0, QColor(190, 250, 150));
    g.setColorAt(0.45, body);
    g.setColorAt(1, QColor(30, 90, 30));
    Fill(p, blob, g, QColor(20, 60, 20), 0.9);
    // Spots.
    for (const QPointF& s : {QPointF(14, 46), QPointF(48, 30), QPointF(52, 58), QPointF(20, 26)})
        Fill(p, Ellipse(s, 2.5, 2), QColor(60, 150, 50), QColor(60, 150, 50), 0);
    // Eyes: one big, one small.
    Fill(p, Ellipse(QPointF(24, 34), 7, 7.5), QColor(255, 255, 250), QColor(20, 50, 20), 0.7);
    Fill(p, Ellipse(QPointF(41, 33), 4.6, 5), QColor(255, 255, 250), QColor(20, 50, 20), 0.7);
    Fill(p, Ellipse(QPointF(25.5, 35), 3, 3.4), QColor(40, 20, 80), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(QPointF(40, 34), 2, 2.3), QColor(40, 20, 80), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(QPointF(24.5, 33.5), 1, 1), QColor(255, 255, 255), QColor(0, 0, 0), 0);
    // Grin with a few teeth.
    QPainterPath grin;
    grin.moveTo(18, 46);
    grin.quadTo(32, 60, 48, 45);
    grin.quadTo(32, 52, 18, 46);
    Fill(p, grin, QColor(120, 20, 40), QColor(30, 10, 10), 0.6);
    for (double x : {24.0, 30.0, 38.0})
        Fill(p, Poly({{x, 48.5}, {x + 3, 49}, {x + 1.5, 52}}), QColor(255, 255, 240), QColor(80, 80, 70), 0.3);
    // Teddy bear in its arms.
    const QPointF t(32, 68);
    const QColor fur(170, 110, 60);
    Solid(p, Ellipse(t + QPointF(0, 6), 8, 8), fur);
    Solid(p, Ellipse(t + QPointF(-5.5, -6), 2.6, 2.6), fur);
    Solid(p, Ellipse(t + QPointF(5.5, -6), 2.6, 2.6), fur);
    Solid(p, Ellipse(t + QPointF(0, -2), 6, 5.4), fur);
    Fill(p, Ellipse(t + QPointF(0, 0), 2.6, 1.9), QColor(220, 180, 130), QColor(90, 60, 30), 0.3);
    Fill(p, Ellipse(t + QPointF(0, -0.6), 0.9, 0.7), QColor(30, 20, 10), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(t + QPointF(-2.2, -3.2), 0.8, 0.8), QColor(20, 10, 10), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(t + QPointF(2.2, -3.2), 0.8, 0.8), QColor(20, 10, 10), QColor(0, 0, 0), 0);
    Fill(p, Poly({t + QPointF(-3, 3), t + QPointF(3, 3), t + QPointF(0, 5.5)}), QColor(220, 40, 60), QColor(90, 10, 20), 0.3);
    // Stubby green arms round the bear.
    Solid(p, Ellipse(QPointF(20, 70), 6, 4), body);
    Solid(p, Ellipse(QPointF(44, 70), 6, 4), body);
}

void Nain(QPainter& p) {
    const QColor skin(222, 160, 120), beard(210, 100, 40);
    const QPointF h(32, 37);
    // The axe over his shoulder.
    Shaft(p, QPointF(10, 80), QPointF(50, 18), 2.4, QColor(120, 76, 40));
    QPainterPath axe;
    axe.moveTo(46, 16);
    axe.cubicTo(54, 6, 62, 12, 62, 20);
    axe.cubicTo(58, 22, 54, 26, 54, 32);
    axe.cubicTo(50, 28, 48, 22, 46, 16);
    Fill(p, axe, art::Ramp(QPointF(46, 10), QPointF(62, 30), QColor(190, 196, 206), 1.4, 0.55), QColor(40, 40, 50), 0.7);
    Shoulders(p, QColor(110, 80, 130), skin, 1.12, 58);
    Fill(p, Poly({{12, 66}, {52, 66}, {52, 71}, {12, 71}}), QColor(90, 56, 30), QColor(30, 16, 8), 0.5);
    Fill(p, Poly({{28, 65.5}, {36, 65.5}, {36, 71.5}, {28, 71.5}}), QColor(240, 200, 70), QColor(110, 80, 10), 0.5);
    Head(p, h, 12, 11.5, skin);
    Eyes(p, h + QPointF(0, -1), 9.5, 1.4, QColor(70, 110, 160), 0.8, QColor(180, 80, 30));
    // Great braided beard and moustache.
    Beard(p, QPointF(32, 44), 26, 26, beard);
    p.save();
    p.setPen(QPen(QColor(240, 200, 70), 1.4));
    p.drawLine(QPointF(28, 66), QPointF(30, 66));
    p.drawLine(QPointF(34, 66), QPointF(36, 66));
    p.restore();
    Fill(p, Poly({{22, 42}, {32, 40}, {42, 42}, {40, 45}, {32, 43}, {24, 45}}), art::Shade(beard, 0.9), art::Shade(beard, 0.4), 0.5);
    Nose(p, h + QPointF(0, 4), 2.3, skin);
    Fill(p, Ellipse(h + QPointF(0, 3.5), 3, 2.6), art::Ball(QRectF(29, 37.5, 6, 5.2), QColor(226, 140, 110)), art::Shade(skin, 0.4), 0.4);
    // Round helmet with a brow band and small wings.
    QPainterPath helm;
    helm.moveTo(19, 33);
    helm.cubicTo(18, 15, 46, 15, 45, 33);
    helm.closeSubpath();
    QRadialGradient hg(QPointF(26, 21), 20);
    hg.setColorAt(0, QColor(250, 250, 250));
    hg.setColorAt(0.35, QColor(170, 172, 182));
    hg.setColorAt(1, QColor(70, 72, 84));
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath wing;
        wing.moveTo(32 + side * 12, 28);
        wing.quadTo(32 + side * 22, 20, 32 + side * 20, 12);
        wing.quadTo(32 + side * 16, 20, 32 + side * 11, 22);
        wing.closeSubpath();
        Fill(p, wing, QColor(236, 232, 220), QColor(80, 76, 70), 0.5);
    }
    Fill(p, helm, hg, QColor(30, 30, 36), 0.8);
    Fill(p, Poly({{18.5, 31}, {45.5, 31}, {45.5, 34}, {18.5, 34}}), QColor(200, 160, 60), QColor(90, 60, 10), 0.5);
}

void Orc(QPainter& p) {
    const QColor skin(110, 150, 60);
    const QPointF h(32, 36);
    Shoulders(p, QColor(90, 64, 44), skin, 1.15, 58);
    // Iron pauldrons with rivets and a spike each, a strap and a necklace of teeth.
    Fill(p, Poly({{14, 82}, {24, 56}, {30, 56}, {22, 82}}), QColor(70, 46, 30), QColor(30, 16, 8), 0.6);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF s0(32 + side * 21, 60);
        QPainterPath spike;
        spike.moveTo(s0 + QPointF(side * 2 - 2.2, -4));
        spike.lineTo(s0 + QPointF(side * 9, -16));
        spike.lineTo(s0 + QPointF(side * 2 + 2.2, -2));
        spike.closeSubpath();
        Fill(p, spike, art::Ramp(s0, s0 + QPointF(side * 9, -16), QColor(210, 206, 190), 1.2, 0.6), QColor(50, 46, 40), 0.5);
        Fill(p, Ellipse(s0, 10, 7.5), art::Ball(QRectF(s0.x() - 10, s0.y() - 7.5, 20, 15), QColor(96, 96, 106)), QColor(24, 24, 30), 0.8);
        for (int k = -1; k <= 1; ++k) Fill(p, Ellipse(s0 + QPointF(k * 5, 3), 0.9, 0.9), QColor(200, 200, 210), QColor(40, 40, 50), 0.3);
    }
    p.save();
    p.setPen(QPen(QColor(60, 40, 20), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(22, 44, 20, 16), 200 * 16, 140 * 16);
    p.restore();
    for (int k = 0; k < 5; ++k) {
        const double a2 = (200 + 35 + k * 17.5) * M_PI / 180.0;
        const QPointF t(32 + std::cos(a2) * 10, 52 - std::sin(a2) * 8);
        Fill(p, Poly({t + QPointF(-1, 0), t + QPointF(1, 0), t + QPointF(0, 3.2)}), QColor(250, 246, 220), QColor(90, 80, 60), 0.3);
    }
    Ears(p, h, 12.5, skin, true, 0.7);
    // Broad jaw.
    QPainterPath face;
    face.moveTo(19, 30);
    face.cubicTo(19, 14, 45, 14, 45, 30);
    face.cubicTo(47, 44, 42, 50, 32, 51);
    face.cubicTo(22, 50, 17, 44, 19, 30);
    QRadialGradient fg(QPointF(27, 28), 26);
    fg.setColorAt(0, art::Shade(skin, 1.3));
    fg.setColorAt(0.5, skin);
    fg.setColorAt(1, art::Shade(skin, 0.5));
    Fill(p, face, fg, QColor(30, 50, 20), 0.8);
    // Heavy brow, small red eyes.
    Fill(p, Poly({{20, 29}, {32, 31}, {44, 29}, {44, 32}, {32, 33.5}, {20, 32}}), art::Shade(skin, 0.7), QColor(30, 50, 20), 0.5);
    GlowEyes(p, QPointF(32, 34.5), 9, 1.3, QColor(255, 70, 40));
    Nose(p, QPointF(32, 40), 2.0, skin);
    // Underbite with tusks.
    Fill(p, Poly({{25, 45}, {39, 45}, {37, 47.5}, {27, 47.5}}), QColor(60, 20, 20), QColor(20, 10, 10), 0.5);
    Fill(p, Poly({{26, 47}, {28.5, 47}, {27, 41}}), QColor(250, 246, 220), QColor(90, 80, 60), 0.4);
    Fill(p, Poly({{35.5, 47}, {38, 47}, {37, 41}}), QColor(250, 246, 220), QColor(90, 80, 60), 0.4);
    // Scar and a black topknot.
    p.save();
    p.setPen(QPen(QColor(160, 60, 50), 0.8));
    p.drawLine(QPointF(24, 26), QPointF(28, 38));
    p.restore();
    QPainterPath knot;
    knot.moveTo(28, 19);
    knot.cubicTo(26, 8, 38, 4, 40, 0);
    knot.cubicTo(40, 8, 38, 14, 36, 19);
    knot.closeSubpath();
    Solid(p, knot, QColor(40, 34, 30));
    Fill(p, Ellipse(QPointF(32, 17), 4, 2.5), QColor(170, 120, 60), QColor(70, 40, 10), 0.4);
}

void Sorcier(QPainter& p) {
    const QColor skin(226, 190, 160), robe(110, 50, 150), grey(206, 206, 210);
    // Gnarled staff.
    QPainterPath staff;
    staff.moveTo(8, 82);
    staff.cubicTo(10, 60, 6, 40, 10, 14);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 24, 12), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(staff);
    p.setPen(QPen(QColor(120, 80, 44), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(staff);
    p.restore();
    Glow(p, QPointF(10, 12), 8, QColor(255, 160, 255, 190));
    Fill(p, Ellipse(QPointF(10, 12), 2.5, 2.5), QColor(255, 220, 255), QColor(120, 40, 140), 0.4);
    Shoulders(p, robe, skin, 1.0, 57);
    Hood(p, robe, 10, 17);
    Head(p, kHead + QPointF(0, 3), kRx - 0.5, kRy - 0.5, skin);
    // Wrinkles and bushy white brows.
    p.save();
    p.setPen(QPen(art::Shade(skin, 0.6), 0.4));
    p.drawArc(QRectF(25, 25, 14, 4), 20 * 16, 140 * 16);
    p.drawArc(QRectF(26, 27, 12, 3), 20 * 16, 140 * 16);
    p.restore();
    Eyes(p, kHead + QPointF(0, 2), 8.5, 1.3, QColor(90, 90, 160), 0.5, QColor(240, 240, 240));
    Nose(p, kHead + QPointF(0, 8), 2.0, skin);
    // Long grey beard and moustache.
    Beard(p, QPointF(32, 46), 20, 30, grey);
    Fill(p, Poly({{24, 44}, {32, 42}, {40, 44}, {38, 47}, {32, 45}, {26, 47}}), art::Shade(grey, 0.9), QColor(90, 90, 96), 0.4);
    Fist(p, QPointF(9, 56), 3, skin);
}

void Troll(QPainter& p) {
    const QColor skin(140, 146, 140);
    // A huge head on massive shoulders, with a club.
    Shaft(p, QPointF(54, 82), QPointF(58, 30), 4, QColor(110, 80, 50));
    Solid(p, Ellipse(QPointF(58, 24), 6, 9), QColor(120, 86, 56));
    Shoulders(p, skin, skin, 1.25, 60);
    // Mossy lumps on the shoulders, a fur strap and a bone necklace.
    for (const QPointF& m : {QPointF(10, 64), QPointF(16, 60), QPointF(50, 62), QPointF(56, 66)})
        Fill(p, Ellipse(m, 4, 2.6), QColor(90, 120, 60), QColor(40, 60, 30), 0.4);
    Fill(p, Poly({{12, 62}, {20, 58}, {54, 82}, {44, 82}}), art::Ramp(QPointF(12, 60), QPointF(54, 82), QColor(130, 96, 60), 1.2, 0.7),
         QColor(50, 30, 16), 0.6);
    for (int k = 0; k < 4; ++k) Fill(p, Ellipse(QPointF(22 + k * 7.5, 66 + k * 4.6), 2.2, 1.2), QColor(236, 230, 206), QColor(90, 80, 60), 0.3);
    Ears(p, QPointF(32, 36), 16, skin, false, 1.4);
    QPainterPath head;
    head.moveTo(14, 36);
    head.cubicTo(12, 10, 52, 10, 50, 36);
    head.cubicTo(52, 54, 42, 60, 32, 60);
    head.cubicTo(22, 60, 12, 54, 14, 36);
    QRadialGradient hg(QPointF(24, 26), 36);
    hg.setColorAt(0, QColor(200, 206, 196));
    hg.setColorAt(0.5, skin);
    hg.setColorAt(1, QColor(60, 66, 62));
    Fill(p, head, hg, QColor(30, 34, 30), 0.9);
    // Warts.
    for (const QPointF& w : {QPointF(20, 26), QPointF(44, 44), QPointF(40, 20)})
        Fill(p, Ellipse(w, 1.6, 1.4), QColor(120, 130, 110), QColor(60, 66, 56), 0.3);
    Fill(p, Poly({{18, 30}, {32, 33}, {46, 30}, {46, 33}, {32, 35}, {18, 33}}), QColor(90, 96, 90), QColor(30, 34, 30), 0.5);
    Eyes(p, QPointF(32, 35.5), 11, 1.2, QColor(200, 160, 40), 0.6, QColor(60, 60, 56));
    // A big bulbous nose.
    Fill(p, Ellipse(QPointF(32, 42), 5, 4.2), art::Ball(QRectF(27, 38, 10, 8.4), QColor(150, 140, 136)), QColor(40, 40, 40), 0.6);
    // Underbite with teeth.
    QPainterPath mouth;
    mouth.moveTo(22, 50);
    mouth.quadTo(32, 55, 42, 50);
    mouth.quadTo(32, 52, 22, 50);
    Fill(p, mouth, QColor(50, 20, 20), QColor(20, 10, 10), 0.6);
    Fill(p, Poly({{25, 51}, {27.5, 51.5}, {26, 46.5}}), QColor(240, 236, 200), QColor(90, 80, 60), 0.4);
    Fill(p, Poly({{36.5, 51.5}, {39, 51}, {38, 46.5}}), QColor(240, 236, 200), QColor(90, 80, 60), 0.4);
    Fist(p, QPointF(55, 62), 4.5, skin);
    // Tuft of mossy hair.
    Solid(p, Poly({{24, 17}, {28, 8}, {32, 15}, {36, 7}, {40, 17}}), QColor(80, 110, 60));
}

void Vampire(QPainter& p) {
    const QColor skin(226, 226, 236);
    // High-collared cape, red lining.
    Fill(p, Poly({{2, 82}, {8, 48}, {18, 26}, {22, 54}, {42, 54}, {46, 26}, {56, 48}, {62, 82}}),
         art::Ramp(QPointF(0, 30), QPointF(0, 82), QColor(150, 20, 34), 1.2, 0.6), QColor(40, 0, 6), 0.8);
    Shoulders(p, QColor(24, 20, 30), skin, 1.0, 57);
    Fill(p, Poly({{28, 56}, {36, 56}, {34, 70}, {32, 74}, {30, 70}}), QColor(240, 240, 244), QColor(80, 80, 90), 0.5);
    Fill(p, Ellipse(QPointF(32, 62), 2.3, 2.3), QColor(200, 20, 30), QColor(60, 0, 6), 0.4);
    Ears(p, kHead, kRx - 0.5, skin, true, 0.6);
    Head(p, kHead, kRx - 0.5, kRy + 0.5, skin);
    // Slicked black hair with a widow's peak.
    QPainterPath hair;
    hair.moveTo(21, 32);
    hair.cubicTo(19, 14, 45, 14, 43, 32);
    hair.quadTo(40, 24, 32, 28);
    hair.quadTo(24, 24, 21, 32);
    Solid(p, hair, QColor(30, 26, 40));
    Eyes(p, kHead + QPointF(0, 0), 9, 1.5, QColor(220, 20, 30), 0.7, QColor(30, 26, 40));
    Nose(p, kHead + QPointF(0, 5.5), 1.4, skin);
    Mouth(p, kHead + QPointF(0, 9.5), 5, -0.2, QColor(140, 20, 40));
    Fill(p, Poly({kHead + QPointF(-2.2, 9.5), kHead + QPointF(-1.4, 12.5), kHead + QPointF(-0.8, 9.7)}), QColor(255, 255, 255),
         QColor(100, 100, 110), 0.3);
    Fill(p, Poly({kHead + QPointF(2.2, 9.5), kHead + QPointF(1.4, 12.5), kHead + QPointF(0.8, 9.7)}), QColor(255, 255, 255),
         QColor(100, 100, 110), 0.3);
    // Drop of blood.
    Fill(p, Ellipse(kHead + QPointF(1.6, 14), 0.7, 1.0), QColor(200, 10, 20), QColor(90, 0, 0), 0.2);
}

void Voleur(QPainter& p) {
    const QColor skin(214, 170, 130), cloak(70, 80, 60);
    Shoulders(p, cloak, skin, 1.0, 57);
    Hood(p, cloak, 12, 16);
    HoodOpening(p, QColor(40, 32, 26));
    // Face in the hood, the lower half behind a dark scarf.
    Head(p, QPointF(32, 40), 9, 10, skin);
    Eyes(p, QPointF(32, 38), 8, 1.5, QColor(120, 90, 40), 0.9, QColor(40, 30, 20));
    QPainterPath scarf;
    scarf.moveTo(21, 42);
    scarf.quadTo(32, 39, 43, 42);
    scarf.lineTo(42, 52);
    scarf.quadTo(32, 56, 22, 52);
    scarf.closeSubpath();
    Solid(p, scarf, QColor(60, 40, 40));
    // Belt with pouch and the dagger held up.
    Fill(p, Poly({{12, 70}, {52, 66}, {52, 70}, {12, 74}}), QColor(90, 60, 30), QColor(30, 16, 8), 0.5);
    Solid(p, Ellipse(QPointF(20, 76), 4, 4), QColor(150, 110, 60));
    Blade(p, QPointF(46, 62), QPointF(54, 34), 3.0, QColor(210, 216, 226));
    Fill(p, Poly({{41.5, 61}, {50.5, 63.5}, {50, 65.5}, {41, 63}}), QColor(200, 170, 70), QColor(80, 60, 10), 0.4);
    Fist(p, QPointF(45, 66), 3, skin);
}

}  // namespace

void DrawClassB(QPainter& p, int n) {
    switch (n) {
    case 9: Necromancien(p); break;
    case 10: Monstre(p); break;
    case 11: Nain(p); break;
    case 12: Orc(p); break;
    case 13: Sorcier(p); break;
    case 14: Troll(p); break;
    case 15: Vampire(p); break;
    case 16: Voleur(p); break;
    default: break;
    }
}

}  // namespace fig
