// Enemies 1-10: the guard, the bandit, the assassin, the young girl, the skeleton warrior,
// the two zombies, Death, the giant rabbit, the forest spirit and the sorcerer.
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

void Face(QPainter& p, const QPointF& c, double s, const QColor& skin, const QColor& iris, double frown, double smile) {
    p.save();
    AtHead(p, c, s);
    fig::Ears(p, QPointF(32, 34), 10.5, skin, false, 0.9);
    fig::Head(p, QPointF(32, 34), 10.5, 12.5, skin);
    fig::Eyes(p, QPointF(32, 33), 9, 1.5, iris, frown);
    fig::Nose(p, QPointF(32, 39), 1.5, skin);
    fig::Mouth(p, QPointF(32, 43.5), 5, smile);
    p.restore();
}

void Garde(QPainter& p) {
    const QColor skin(222, 170, 130);
    // Halberd.
    fig::Shaft(p, QPointF(96, 124), QPointF(96, 8), 3.2, QColor(120, 80, 44));
    QPainterPath axe;
    axe.moveTo(96, 18);
    axe.cubicTo(112, 16, 116, 28, 112, 38);
    axe.lineTo(96, 32);
    axe.closeSubpath();
    Fill(p, axe, art::Ramp(QPointF(96, 18), QPointF(114, 36), QColor(196, 200, 210), 1.4, 0.55), QColor(40, 40, 50), 1);
    Fill(p, Poly({{96, 2}, {99, 14}, {93, 14}}), QColor(210, 214, 224), QColor(40, 40, 50), 0.8);
    Fill(p, Poly({{96, 22}, {84, 26}, {96, 29}}), QColor(180, 184, 196), QColor(40, 40, 50), 0.8);
    // Legs and boots.
    Limb(p, QPointF(56, 86), QPointF(52, 116), 9, QColor(70, 70, 84));
    Limb(p, QPointF(72, 86), QPointF(76, 116), 9, QColor(70, 70, 84));
    Foot(p, QPointF(50, 124), 9, QColor(90, 56, 30), -1);
    Foot(p, QPointF(78, 124), 9, QColor(90, 56, 30), 1);
    // Mail sleeves, tabard.
    Limb3(p, QPointF(46, 52), QPointF(40, 72), QPointF(46, 86), 8, QColor(140, 144, 154));
    Torso(p, QPointF(64, 46), 40, 34, 44, QColor(140, 144, 154));
    Fill(p, Poly({{50, 50}, {78, 50}, {80, 94}, {48, 94}}), art::Ramp(QPointF(48, 0), QPointF(80, 0), QColor(180, 30, 36), 1.3, 0.6),
         QColor(60, 6, 10), 1);
    Fill(p, Poly({{60, 50}, {68, 50}, {68, 94}, {60, 94}}), QColor(240, 200, 60), QColor(110, 80, 10), 0.7);
    Fill(p, Poly({{48, 82}, {80, 82}, {80, 86}, {48, 86}}), QColor(80, 50, 26), QColor(30, 16, 6), 0.7);
    Limb3(p, QPointF(82, 52), QPointF(90, 64), QPointF(96, 60), 8, QColor(140, 144, 154));
    fig::Fist(p, QPointF(96, 60), 4, skin);
    fig::Fist(p, QPointF(46, 86), 4, skin);
    Face(p, QPointF(64, 28), 1.2, skin, QColor(80, 100, 140), 0.5, -0.2);
    // Moustache and kettle helmet.
    Fill(p, Poly({{56, 40}, {64, 38}, {72, 40}, {70, 43}, {64, 41}, {58, 43}}), QColor(110, 70, 40), QColor(50, 30, 10), 0.6);
    QPainterPath helm;
    helm.moveTo(50, 22);
    helm.cubicTo(50, 6, 78, 6, 78, 22);
    helm.closeSubpath();
    QRadialGradient hg(QPointF(58, 10), 24);
    hg.setColorAt(0, QColor(250, 250, 255));
    hg.setColorAt(0.35, QColor(170, 174, 186));
    hg.setColorAt(1, QColor(70, 74, 86));
    Fill(p, helm, hg, QColor(30, 30, 40), 1);
    Fill(p, Ellipse(QPointF(64, 22), 22, 4.5), art::Ramp(QPointF(42, 0), QPointF(86, 0), QColor(170, 174, 186), 1.3, 0.5),
         QColor(30, 30, 40), 1);
}

void Bandit(QPainter& p) {
    const QColor skin(200, 146, 104);
    // Loot sack on the back.
    Solid(p, Ellipse(QPointF(40, 52), 18, 16), QColor(170, 140, 90));
    Limb(p, QPointF(56, 86), QPointF(48, 116), 10, QColor(60, 50, 44));
    Limb(p, QPointF(72, 86), QPointF(82, 114), 10, QColor(60, 50, 44));
    Foot(p, QPointF(46, 124), 9, QColor(60, 36, 20), -1);
    Foot(p, QPointF(84, 122), 9, QColor(60, 36, 20), 1);
    Torso(p, QPointF(64, 46), 38, 32, 42, QColor(230, 220, 200));
    Fill(p, Poly({{46, 48}, {58, 48}, {56, 90}, {47, 90}}), QColor(120, 74, 40), QColor(40, 20, 10), 0.8);
    Fill(p, Poly({{70, 48}, {82, 48}, {81, 90}, {72, 90}}), QColor(120, 74, 40), QColor(40, 20, 10), 0.8);
    Fill(p, Poly({{47, 82}, {81, 82}, {81, 87}, {47, 87}}), QColor(40, 30, 24), QColor(10, 6, 4), 0.7);
    Limb3(p, QPointF(47, 52), QPointF(38, 64), QPointF(36, 44), 8, QColor(230, 220, 200));
    fig::Fist(p, QPointF(36, 42), 4, skin);
    // Raised curved sword.
    QPainterPath blade;
    blade.moveTo(86, 50);
    blade.cubicTo(92, 30, 104, 18, 118, 12);
    blade.cubicTo(110, 24, 100, 36, 92, 54);
    blade.closeSubpath();
    Limb3(p, QPointF(81, 52), QPointF(90, 66), QPointF(90, 54), 8, QColor(230, 220, 200));
    Fill(p, blade, art::Ramp(QPointF(86, 50), QPointF(118, 12), QColor(210, 214, 224), 1.5, 0.6), QColor(40, 40, 50), 0.9);
    Fill(p, Poly({{82, 54}, {96, 50}, {97, 53}, {83, 57}}), QColor(200, 160, 50), QColor(80, 60, 10), 0.6);
    fig::Fist(p, QPointF(90, 56), 4, skin);
    Face(p, QPointF(64, 28), 1.2, skin, QColor(100, 70, 40), 0.9, -0.4);
    // Stubble, black eye mask, red bandana with knot tails.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30, 90));
    p.drawChord(QRectF(52, 28, 24, 18), 180 * 16, 180 * 16);
    p.restore();
    Fill(p, Poly({{50, 24}, {78, 24}, {78, 30}, {70, 31}, {64, 29}, {58, 31}, {50, 30}}), QColor(20, 20, 24), QColor(0, 0, 0), 0.6);
    fig::GlowEyes(p, QPointF(64, 27.5), 11, 1.2, QColor(250, 240, 220));
    QPainterPath band;
    band.moveTo(50, 22);
    band.cubicTo(50, 8, 78, 8, 78, 22);
    band.closeSubpath();
    Solid(p, band, QColor(190, 30, 30));
    Fill(p, Poly({{48, 18}, {38, 24}, {42, 28}, {48, 22}}), QColor(170, 24, 24), QColor(60, 6, 6), 0.7);
    for (const QPointF& d : {QPointF(58, 14), QPointF(68, 12), QPointF(72, 18)})
        Fill(p, Ellipse(d, 1.3, 1.3), QColor(250, 240, 220), QColor(0, 0, 0), 0);
}

void Assassin(QPainter& p) {
    const QColor cloth(36, 34, 44);
    // A crouched figure in black with a red sash and a dagger in each hand.
    Fill(p, Poly({{30, 60}, {50, 44}, {78, 44}, {98, 60}, {104, 116}, {24, 116}}),
         art::Ramp(QPointF(0, 44), QPointF(0, 116), QColor(46, 42, 56), 1.3, 0.6), QColor(6, 6, 10), 1);
    Limb3(p, QPointF(54, 88), QPointF(36, 100), QPointF(40, 118), 11, cloth);
    Limb3(p, QPointF(74, 88), QPointF(94, 98), QPointF(90, 118), 11, cloth);
    Foot(p, QPointF(38, 124), 9, QColor(20, 18, 24), -1);
    Foot(p, QPointF(92, 124), 9, QColor(20, 18, 24), 1);
    Torso(p, QPointF(64, 48), 36, 30, 42, cloth);
    Fill(p, Poly({{48, 78}, {80, 74}, {81, 82}, {48, 86}}), QColor(170, 20, 30), QColor(60, 0, 6), 0.8);
    Fill(p, Poly({{76, 78}, {86, 90}, {82, 92}, {74, 82}}), QColor(150, 16, 26), QColor(60, 0, 6), 0.6);
    Limb3(p, QPointF(48, 52), QPointF(30, 62), QPointF(18, 56), 8, cloth);
    Limb3(p, QPointF(80, 52), QPointF(98, 62), QPointF(110, 56), 8, cloth);
    fig::Blade(p, QPointF(16, 54), QPointF(4, 30), 4, QColor(216, 220, 232));
    fig::Blade(p, QPointF(112, 54), QPointF(124, 30), 4, QColor(216, 220, 232));
    fig::Fist(p, QPointF(17, 56), 3.6, QColor(60, 56, 70));
    fig::Fist(p, QPointF(111, 56), 3.6, QColor(60, 56, 70));
    // Hood and wrapped face: only the eyes.
    QPainterPath hood;
    hood.moveTo(46, 50);
    hood.cubicTo(42, 20, 56, 8, 64, 8);
    hood.cubicTo(72, 8, 86, 20, 82, 50);
    hood.closeSubpath();
    Solid(p, hood, QColor(44, 40, 54));
    Fill(p, Poly({{52, 28}, {76, 28}, {78, 46}, {50, 46}}), QColor(26, 24, 32), QColor(0, 0, 0), 0.6);
    Fill(p, Poly({{52, 27}, {76, 27}, {76, 33}, {52, 33}}), QColor(190, 140, 104), QColor(60, 40, 20), 0.5);
    p.save();
    AtHead(p, QPointF(64, 31), 1.0);
    fig::Eyes(p, QPointF(32, 34), 9, 1.4, QColor(140, 110, 40), 1.2, QColor(20, 16, 16));
    p.restore();
}

void JeuneFille(QPainter& p) {
    const QColor skin(246, 214, 190), hair(238, 196, 90);
    // Long braids, a blue dress with a white apron, a basket of flowers and a key.
    fig::Shaft(p, QPointF(48, 36), QPointF(44, 80), 6, hair);
    fig::Shaft(p, QPointF(80, 36), QPointF(84, 80), 6, hair);
    for (const QPointF& r : {QPointF(44, 80), QPointF(84, 80)}) Fill(p, Ellipse(r, 3, 2.2), QColor(220, 60, 90), QColor(90, 10, 30), 0.6);
    QPainterPath dress;
    dress.moveTo(52, 48);
    dress.lineTo(76, 48);
    dress.cubicTo(82, 70, 96, 100, 98, 118);
    dress.quadTo(64, 124, 30, 118);
    dress.cubicTo(32, 100, 46, 70, 52, 48);
    Fill(p, dress, art::Ramp(QPointF(30, 0), QPointF(98, 0), QColor(90, 140, 220), 1.3, 0.6), QColor(20, 40, 90), 1);
    Fill(p, Poly({{56, 64}, {72, 64}, {80, 114}, {48, 114}}), QColor(250, 250, 246), QColor(120, 120, 130), 0.7);
    Foot(p, QPointF(54, 124), 7, QColor(150, 40, 50), -1);
    Foot(p, QPointF(74, 124), 7, QColor(150, 40, 50), 1);
    Limb3(p, QPointF(54, 52), QPointF(46, 68), QPointF(56, 78), 6, QColor(90, 140, 220));
    Limb3(p, QPointF(74, 52), QPointF(82, 68), QPointF(72, 78), 6, QColor(90, 140, 220));
    // The basket.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 70, 30), 2.2));
    p.drawArc(QRectF(54, 66, 20, 20), 0, 180 * 16);
    p.restore();
    Fill(p, Poly({{52, 76}, {76, 76}, {72, 88}, {56, 88}}), art::Ramp(QPointF(0, 76), QPointF(0, 88), QColor(190, 140, 70), 1.2, 0.7),
         QColor(70, 40, 10), 0.8);
    for (const QPointF& f : {QPointF(58, 75), QPointF(64, 73), QPointF(70, 75)})
        Fill(p, fig::Star(f, 3, 1.6), QColor(250, 120, 170), QColor(140, 40, 80), 0.5);
    fig::Glow(p, QPointF(66, 80), 6, QColor(120, 230, 255, 180));
    fig::Fist(p, QPointF(56, 78), 3, skin);
    fig::Fist(p, QPointF(72, 78), 3, skin);
    p.save();
    AtHead(p, QPointF(64, 30), 1.15);
    fig::LongHair(p, QPointF(32, 33), 10.5, 14, hair);
    fig::Head(p, QPointF(32, 34), 10, 12, skin);
    fig::Eyes(p, QPointF(32, 33), 8.5, 1.8, QColor(60, 130, 200), -0.2, QColor(180, 130, 60));
    fig::Nose(p, QPointF(32, 38.5), 1.0, skin);
    fig::Mouth(p, QPointF(32, 43), 4, 1.0, QColor(220, 90, 110));
    fig::Fringe(p, QPointF(32, 34), 10, 12, hair);
    p.restore();
    Fill(p, Ellipse(QPointF(52, 20), 3, 2), QColor(220, 60, 90), QColor(90, 10, 30), 0.6);
}

void Bone(QPainter& p, const QPointF& a, const QPointF& b, double w) {
    const QColor ivory(232, 226, 200);
    Limb(p, a, b, w, ivory);
    Fill(p, Ellipse(a, w * 0.8, w * 0.8), ivory, QColor(70, 66, 50), 0.7);
    Fill(p, Ellipse(b, w * 0.8, w * 0.8), ivory, QColor(70, 66, 50), 0.7);
}

void Skull(QPainter& p, const QPointF& c, double s) {
    QPainterPath sk;
    sk.addEllipse(c + QPointF(0, -2 * s), 12 * s, 11 * s);
    sk.addRoundedRect(QRectF(c.x() - 7 * s, c.y() + 4 * s, 14 * s, 9 * s), 3 * s, 3 * s);
    Fill(p, art::Union(sk), art::Ball(QRectF(c.x() - 12 * s, c.y() - 13 * s, 24 * s, 26 * s), QColor(232, 226, 200)),
         QColor(60, 56, 40), 1);
    Fill(p, Ellipse(c + QPointF(-4.5 * s, 0), 3.4 * s, 3.8 * s), QColor(20, 14, 10), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(c + QPointF(4.5 * s, 0), 3.4 * s, 3.8 * s), QColor(20, 14, 10), QColor(0, 0, 0), 0);
    Fill(p, Poly({c + QPointF(0, 3 * s), c + QPointF(-1.6 * s, 6.5 * s), c + QPointF(1.6 * s, 6.5 * s)}), QColor(30, 20, 14), QColor(0, 0, 0), 0);
    p.save();
    p.setPen(QPen(QColor(60, 56, 40), 0.8 * s));
    for (int i = -2; i <= 2; ++i) p.drawLine(c + QPointF(i * 2.4 * s, 9 * s), c + QPointF(i * 2.4 * s, 12.5 * s));
    p.restore();
}

void Squelette(QPainter& p) {
    // Bones: legs, pelvis, spine and ribs; a shield, a rusty sword and a dented helmet.
    Bone(p, QPointF(56, 84), QPointF(52, 102), 4.5);
    Bone(p, QPointF(52, 102), QPointF(50, 120), 4);
    Bone(p, QPointF(72, 84), QPointF(78, 102), 4.5);
    Bone(p, QPointF(78, 102), QPointF(80, 120), 4);
    Foot(p, QPointF(48, 125), 7, QColor(220, 214, 190), -1);
    Foot(p, QPointF(82, 125), 7, QColor(220, 214, 190), 1);
    Fill(p, Poly({{52, 78}, {76, 78}, {72, 88}, {56, 88}}), QColor(226, 220, 196), QColor(70, 66, 50), 0.9);
    Limb(p, QPointF(64, 44), QPointF(64, 80), 4, QColor(220, 214, 190));
    for (int i = 0; i < 5; ++i) {
        const double y = 50 + i * 5.5, w = 16 - i * 1.5;
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 56, 40), 4.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(64 - w, y - 4, 2 * w, 10), 200 * 16, 140 * 16);
        p.setPen(QPen(QColor(232, 226, 200), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(64 - w, y - 4, 2 * w, 10), 200 * 16, 140 * 16);
        p.restore();
    }
    Bone(p, QPointF(48, 48), QPointF(80, 48), 3.5);
    // Sword arm raised.
    Bone(p, QPointF(80, 48), QPointF(92, 62), 3.5);
    Bone(p, QPointF(92, 62), QPointF(100, 44), 3.2);
    fig::Blade(p, QPointF(101, 40), QPointF(112, 4), 5, QColor(160, 120, 90));
    Fill(p, Poly({{94, 42}, {108, 38}, {109, 41}, {95, 45}}), QColor(120, 90, 60), QColor(40, 30, 20), 0.7);
    // Shield arm.
    Bone(p, QPointF(48, 48), QPointF(38, 64), 3.5);
    Fill(p, Ellipse(QPointF(30, 70), 19, 19), art::Ball(QRectF(11, 51, 38, 38), QColor(120, 80, 44)), QColor(30, 16, 6), 1.2);
    p.save();
    p.setPen(QPen(QColor(90, 90, 100), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(30, 70), 17, 17);
    p.restore();
    Fill(p, Ellipse(QPointF(30, 70), 5, 5), art::Ball(QRectF(25, 65, 10, 10), QColor(150, 150, 160)), QColor(30, 30, 40), 0.8);
    Skull(p, QPointF(64, 28), 1.15);
    fig::GlowEyes(p, QPointF(64, 28), 10.4, 1.0, QColor(255, 90, 40));
    QPainterPath helm;
    helm.moveTo(50, 22);
    helm.cubicTo(50, 6, 78, 6, 78, 22);
    helm.lineTo(74, 19);
    helm.lineTo(70, 22);
    helm.lineTo(54, 22);
    helm.closeSubpath();
    Fill(p, helm, art::Ramp(QPointF(50, 0), QPointF(78, 0), QColor(120, 110, 96), 1.3, 0.6), QColor(30, 26, 20), 1);
}

void Zombie(QPainter& p, const QPointF& at, double s, const QColor& skin, const QColor& rags) {
    p.save();
    p.translate(at);
    p.scale(s, s);
    Limb(p, QPointF(-6, 40), QPointF(-10, 70), 8, QColor(70, 60, 70));
    Limb(p, QPointF(8, 40), QPointF(12, 70), 8, QColor(70, 60, 70));
    Foot(p, QPointF(-12, 76), 7, skin, -1);
    Foot(p, QPointF(14, 76), 7, skin, 1);
    Torso(p, QPointF(0, 6), 30, 26, 38, rags);
    Fill(p, Poly({{-13, 34}, {-8, 40}, {-3, 36}, {2, 42}, {8, 36}, {13, 42}, {13, 44}, {-13, 44}}), art::Shade(rags, 0.7),
         art::Shade(rags, 0.3), 0.6);
    // Arms reaching forward.
    Limb3(p, QPointF(-12, 10), QPointF(-20, 20), QPointF(-34, 16), 7, skin);
    Limb3(p, QPointF(12, 10), QPointF(6, 22), QPointF(-22, 24), 7, skin);
    fig::Fist(p, QPointF(-36, 16), 3.5, skin);
    fig::Fist(p, QPointF(-24, 24), 3.5, skin);
    p.save();
    AtHead(p, QPointF(-2, -8), 1.05);
    fig::Head(p, QPointF(32, 34), 10.5, 12.5, skin);
    fig::Fill(p, fig::Ellipse(QPointF(27.5, 33), 2.4, 2.4), QColor(20, 10, 10), QColor(0, 0, 0), 0);
    fig::GlowEyes(p, QPointF(37, 33), 0, 1.4, QColor(250, 250, 180));
    fig::Fill(p, fig::Poly({{25, 42}, {39, 41}, {37, 46}, {27, 46}}), QColor(60, 20, 20), QColor(20, 10, 10), 0.4);
    p.setPen(QPen(QColor(80, 40, 40), 0.6));
    p.drawLine(QPointF(36, 24), QPointF(40, 30));
    p.restore();
    p.restore();
}

void Zombies(QPainter& p) {
    Zombie(p, QPointF(88, 42), 0.9, QColor(150, 170, 120), QColor(100, 90, 120));
    Zombie(p, QPointF(56, 48), 1.0, QColor(130, 160, 110), QColor(120, 80, 60));
}

void LaMort(QPainter& p) {
    // Scythe behind, black robe, a skull in the hood, bony hands.
    fig::Shaft(p, QPointF(26, 126), QPointF(100, 8), 3.4, QColor(90, 70, 50));
    QPainterPath scythe;
    scythe.moveTo(98, 10);
    scythe.cubicTo(80, -2, 52, 2, 34, 18);
    scythe.cubicTo(56, 12, 80, 12, 100, 20);
    scythe.closeSubpath();
    Fill(p, scythe, art::Ramp(QPointF(40, 4), QPointF(100, 20), QColor(200, 206, 216), 1.5, 0.6), QColor(30, 30, 40), 1);
    QPainterPath robe;
    robe.moveTo(64, 8);
    robe.cubicTo(88, 8, 92, 30, 92, 46);
    robe.cubicTo(100, 70, 108, 100, 112, 126);
    robe.lineTo(96, 120);
    robe.lineTo(86, 126);
    robe.lineTo(74, 118);
    robe.lineTo(62, 126);
    robe.lineTo(50, 118);
    robe.lineTo(38, 126);
    robe.lineTo(26, 120);
    robe.lineTo(16, 126);
    robe.cubicTo(22, 100, 30, 70, 36, 46);
    robe.cubicTo(36, 30, 40, 8, 64, 8);
    QLinearGradient g(30, 0, 110, 0);
    g.setColorAt(0, QColor(70, 66, 84));
    g.setColorAt(0.4, QColor(30, 28, 38));
    g.setColorAt(1, QColor(8, 8, 12));
    Fill(p, robe, g, QColor(0, 0, 0), 1.2);
    QPainterPath open;
    open.moveTo(50, 44);
    open.cubicTo(46, 18, 82, 18, 78, 44);
    open.quadTo(64, 50, 50, 44);
    Fill(p, open, QColor(6, 4, 8), QColor(0, 0, 0), 0.5);
    Skull(p, QPointF(64, 33), 0.85);
    fig::GlowEyes(p, QPointF(64, 33), 7.6, 0.9, QColor(140, 200, 255));
    for (const QPointF& h : {QPointF(52, 72), QPointF(72, 64)}) {
        Bone(p, h + QPointF(-3, 0), h + QPointF(3, -2), 2.5);
        for (int k = 0; k < 3; ++k) Bone(p, h + QPointF(3, -2), h + QPointF(6, 1 + k * 2.5), 1.3);
    }
}

void Lapin(QPainter& p) {
    const QColor fur(236, 232, 226), brown(170, 130, 100);
    // Sitting giant rabbit: big feet, fat body, tall ears, red eyes and huge teeth.
    Solid(p, Ellipse(QPointF(64, 90), 36, 32), fur, 1.2);
    Fill(p, Ellipse(QPointF(64, 96), 20, 22), QColor(250, 248, 244), QColor(160, 150, 140), 0.6);
    Solid(p, Ellipse(QPointF(38, 118), 20, 7), fur, 1.0);
    Solid(p, Ellipse(QPointF(90, 118), 20, 7), fur, 1.0);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath ear;
        ear.moveTo(64 + side * 6, 30);
        ear.cubicTo(64 + side * 4, 4, 64 + side * 12, -2, 64 + side * 20, 2);
        ear.cubicTo(64 + side * 24, 10, 64 + side * 18, 26, 64 + side * 14, 34);
        ear.closeSubpath();
        Solid(p, ear, fur);
        QPainterPath inner;
        inner.moveTo(64 + side * 9, 28);
        inner.cubicTo(64 + side * 8, 10, 64 + side * 12, 4, 64 + side * 17, 6);
        inner.cubicTo(64 + side * 19, 12, 64 + side * 16, 22, 64 + side * 13, 30);
        inner.closeSubpath();
        Fill(p, inner, QColor(240, 170, 180), QColor(160, 90, 100), 0.6);
    }
    Solid(p, Ellipse(QPointF(64, 44), 22, 19), fur, 1.2);
    Fill(p, Ellipse(QPointF(64, 50), 9, 7), brown, art::Shade(brown, 0.4), 0);
    fig::GlowEyes(p, QPointF(64, 40), 22, 2.2, QColor(230, 30, 30));
    Fill(p, Ellipse(QPointF(54, 40), 2, 2), QColor(90, 0, 0), QColor(0, 0, 0), 0);
    Fill(p, Ellipse(QPointF(74, 40), 2, 2), QColor(90, 0, 0), QColor(0, 0, 0), 0);
    Fill(p, Poly({{60, 46}, {68, 46}, {64, 50}}), QColor(230, 120, 140), QColor(120, 40, 60), 0.6);
    Fill(p, Poly({{59, 52}, {69, 52}, {68.5, 63}, {59.5, 63}}), QColor(255, 254, 240), QColor(80, 70, 60), 0.8);
    p.save();
    p.setPen(QPen(QColor(80, 70, 60), 0.7));
    p.drawLine(QPointF(64, 52), QPointF(64, 63));
    p.setPen(QPen(QColor(60, 50, 50), 0.6));
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; ++k) p.drawLine(QPointF(64 + side * 8, 50 + k), QPointF(64 + side * 24, 46 + k * 4));
    p.restore();
    // Raised clawed paws.
    for (int side = -1; side <= 1; side += 2) {
        Solid(p, Ellipse(QPointF(64 + side * 22, 70), 8, 10), fur);
        for (int k = -1; k <= 1; ++k)
            Fill(p, Poly({QPointF(64 + side * 22 + k * 3 - 1, 62), QPointF(64 + side * 22 + k * 3, 56), QPointF(64 + side * 22 + k * 3 + 1, 62)}),
                 QColor(60, 50, 40), QColor(20, 16, 10), 0.3);
    }
}

void EspritSylvin(QPainter& p) {
    const QColor bark(110, 84, 56);
    fig::Glow(p, QPointF(64, 60), 60, QColor(120, 255, 140, 70));
    // Roots as feet, a bark body, branch arms with leaves, a leafy crown.
    for (int i = 0; i < 5; ++i) Limb3(p, QPointF(56 + i * 4, 96), QPointF(44 + i * 10, 112), QPointF(34 + i * 15, 124), 4, bark);
    Torso(p, QPointF(64, 40), 32, 22, 60, bark);
    p.save();
    p.setPen(QPen(QColor(60, 44, 28), 1));
    for (int i = 0; i < 6; ++i) p.drawLine(QPointF(54 + i * 4, 46), QPointF(56 + i * 3, 98));
    p.restore();
    Limb3(p, QPointF(50, 46), QPointF(30, 54), QPointF(16, 34), 6, bark);
    Limb3(p, QPointF(78, 46), QPointF(98, 54), QPointF(112, 34), 6, bark);
    Limb(p, QPointF(22, 44), QPointF(10, 46), 3, bark);
    Limb(p, QPointF(106, 44), QPointF(118, 46), 3, bark);
    assetgen::Noise n(19);
    for (int i = 0; i < 34; ++i) {
        const double a = n.unit() * 6.283;
        const QPointF c = i < 18 ? QPointF(64 + std::cos(a) * 24 * n.unit(), 22 + std::sin(a) * 14 * n.unit())
                                 : QPointF(i % 2 ? 14 + n.unit() * 12 : 102 + n.unit() * 12, 28 + n.unit() * 14);
        QPainterPath leaf;
        leaf.moveTo(c + QPointF(-5, 0));
        leaf.quadTo(c + QPointF(0, -5), c + QPointF(5, 0));
        leaf.quadTo(c + QPointF(0, 5), c + QPointF(-5, 0));
        Fill(p, leaf, art::Mix(QColor(60, 150, 50), QColor(150, 200, 60), n.unit()), QColor(20, 60, 20), 0.6);
    }
    // A face in the bark.
    Fill(p, Ellipse(QPointF(64, 46), 13, 10), art::Shade(bark, 0.8), QColor(40, 30, 20), 0.6);
    fig::GlowEyes(p, QPointF(64, 44), 11, 2.0, QColor(120, 255, 120));
    Fill(p, Ellipse(QPointF(64, 52), 4, 2.2), QColor(20, 40, 20), QColor(0, 0, 0), 0);
    for (const QPointF& w : {QPointF(20, 80), QPointF(106, 76), QPointF(40, 14), QPointF(96, 10)}) {
        fig::Glow(p, w, 6, QColor(200, 255, 160, 200));
        Fill(p, Ellipse(w, 1.6, 1.6), QColor(240, 255, 220), QColor(0, 0, 0), 0);
    }
}

void Sorcier(QPainter& p) {
    const QColor robe(140, 24, 30), skin(210, 190, 170);
    QPainterPath body;
    body.moveTo(50, 44);
    body.lineTo(78, 44);
    body.cubicTo(88, 70, 98, 100, 102, 124);
    body.lineTo(26, 124);
    body.cubicTo(30, 100, 40, 70, 50, 44);
    Fill(p, body, art::Ramp(QPointF(26, 0), QPointF(102, 0), robe, 1.3, 0.5), QColor(40, 0, 4), 1.2);
    Fill(p, Poly({{60, 46}, {68, 46}, {72, 124}, {56, 124}}), QColor(30, 20, 30), QColor(0, 0, 0), 0.8);
    for (double y = 60; y < 120; y += 14) Fill(p, fig::Star(QPointF(64, y), 3, 1.3), QColor(240, 200, 60), QColor(100, 70, 10), 0.4);
    // Both hands raised round a fireball.
    Limb3(p, QPointF(52, 50), QPointF(32, 58), QPointF(34, 34), 8, robe);
    Limb3(p, QPointF(76, 50), QPointF(96, 58), QPointF(94, 34), 8, robe);
    fig::Glow(p, QPointF(64, 16), 28, QColor(255, 150, 40, 200));
    QRadialGradient fire(QPointF(62, 14), 14);
    fire.setColorAt(0, QColor(255, 255, 220));
    fire.setColorAt(0.4, QColor(255, 200, 60));
    fire.setColorAt(1, QColor(230, 60, 20));
    Fill(p, Ellipse(QPointF(64, 16), 12, 12), fire, QColor(150, 30, 0), 0.8);
    fig::Fist(p, QPointF(34, 32), 4, skin);
    fig::Fist(p, QPointF(94, 32), 4, skin);
    // Gaunt face with a pointed cowl and goatee.
    p.save();
    AtHead(p, QPointF(64, 36), 1.05);
    fig::Head(p, QPointF(32, 34), 9.5, 12.5, skin);
    fig::Eyes(p, QPointF(32, 33), 8.5, 1.4, QColor(230, 180, 40), 1.2, QColor(30, 20, 20));
    fig::Nose(p, QPointF(32, 39), 1.6, skin);
    fig::Mouth(p, QPointF(32, 43), 4.5, -0.8, QColor(120, 40, 40));
    fig::Beard(p, QPointF(32, 46), 6, 10, QColor(30, 24, 24));
    p.restore();
    QPainterPath hood;
    hood.moveTo(47, 50);
    hood.cubicTo(42, 28, 54, 14, 64, 2);
    hood.cubicTo(74, 14, 86, 28, 81, 50);
    hood.lineTo(76, 50);
    hood.cubicTo(78, 32, 72, 24, 64, 22);
    hood.cubicTo(56, 24, 50, 32, 52, 50);
    hood.closeSubpath();
    Fill(p, hood, art::Ramp(QPointF(44, 0), QPointF(84, 0), robe, 1.3, 0.5), QColor(40, 0, 4), 1);
}

}  // namespace

void DrawEnemyA(QPainter& p, int n) {
    switch (n) {
    case 1: Garde(p); break;
    case 2: Bandit(p); break;
    case 3: Assassin(p); break;
    case 4: JeuneFille(p); break;
    case 5: Squelette(p); break;
    case 6: Zombies(p); break;
    case 7: LaMort(p); break;
    case 8: Lapin(p); break;
    case 9: EspritSylvin(p); break;
    case 10: Sorcier(p); break;
    default: break;
    }
}

}  // namespace foe
