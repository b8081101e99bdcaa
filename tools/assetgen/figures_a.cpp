// Class figures 1-8: Amazone, Cavalier Noir, Chevalier, Diablotin, Elfe, Fée, Guerrier, Magicien.
#include "artkit.h"
#include "figkit.h"
#include "figures.h"

#include <cmath>

namespace fig {
namespace {

const QPointF kHead(32, 34);
constexpr double kRx = 10.5, kRy = 12.5;

void Amazone(QPainter& p) {
    const QColor skin(214, 160, 116), hair(168, 58, 30);
    // Quiver behind the shoulder, bow at her side.
    Solid(p, Poly({{40, 44}, {48, 40}, {58, 70}, {50, 74}}), QColor(120, 70, 36));
    for (int i = 0; i < 3; ++i) {
        const QPointF f(42 + i * 2.6, 40 - i * 1.2);
        Fill(p, Poly({f, f + QPointF(-2, -6), f + QPointF(2, -5)}), QColor(240, 240, 230), QColor(90, 90, 80), 0.4);
        Shaft(p, f, f + QPointF(1.5, 5), 0.7, QColor(150, 110, 70));
    }
    LongHair(p, kHead + QPointF(0, -1), kRx, 26, hair);
    Shoulders(p, QColor(150, 96, 52), skin, 0.92, 58);
    // Bronze breastplate and a strap across.
    Solid(p, Poly({{20, 64}, {44, 64}, {46, 82}, {18, 82}}), QColor(196, 140, 60));
    Fill(p, Poly({{16, 58}, {22, 56}, {46, 82}, {38, 82}}), QColor(90, 52, 28), QColor(40, 20, 10), 0.5);
    Head(p, kHead, kRx, kRy, skin);
    Eyes(p, kHead + QPointF(0, -1), 9, 1.6, QColor(60, 140, 70), 0.3, QColor(110, 40, 20));
    Nose(p, kHead + QPointF(0, 5), 1.4, skin);
    Mouth(p, kHead + QPointF(0, 9.5), 5, 0.6, QColor(190, 60, 60));
    Fringe(p, kHead, kRx, kRy, hair);
    // Golden circlet with a gem.
    p.save();
    p.setPen(QPen(QColor(120, 80, 10), 2.2));
    p.drawArc(QRectF(kHead.x() - 10.5, kHead.y() - 12, 21, 10), 10 * 16, 160 * 16);
    p.setPen(QPen(QColor(250, 210, 70), 1.3));
    p.drawArc(QRectF(kHead.x() - 10.5, kHead.y() - 12, 21, 10), 10 * 16, 160 * 16);
    p.restore();
    Fill(p, Ellipse(kHead + QPointF(0, -12), 1.6, 1.6), QColor(40, 180, 120), QColor(10, 60, 40), 0.4);
    Bow(p, 10, 18, 78, -7, QColor(140, 84, 40));
    Fist(p, QPointF(10, 50), 3, skin);
}

void CavalierNoir(QPainter& p) {
    const QColor steel(46, 44, 54);
    // Red cape behind, black plate shoulders with spikes.
    Fill(p, Poly({{6, 82}, {14, 56}, {50, 56}, {58, 82}}), QColor(130, 16, 24), QColor(50, 0, 6), 0.8);
    Shoulders(p, steel, steel, 1.0, 57);
    for (int side = -1; side <= 1; side += 2) {
        const double x = 32 + side * 20;
        Solid(p, Ellipse(QPointF(x, 62), 10, 7), QColor(60, 58, 70));
        Fill(p, Poly({{x - 2.5, 57}, {x + side * 6, 46}, {x + 2.5, 57}}), QColor(150, 150, 160), QColor(20, 20, 24), 0.5);
    }
    Solid(p, Poly({{24, 62}, {40, 62}, {38, 80}, {26, 80}}), QColor(36, 34, 42));
    Fill(p, Ellipse(QPointF(32, 68), 3, 3), QColor(170, 20, 30), QColor(60, 0, 0), 0.5);
    // Horns.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath horn;
        horn.moveTo(32 + side * 8, 26);
        horn.cubicTo(32 + side * 18, 24, 32 + side * 22, 14, 32 + side * 18, 4);
        horn.cubicTo(32 + side * 17, 14, 32 + side * 13, 20, 32 + side * 8, 21);
        horn.closeSubpath();
        QLinearGradient g(32 + side * 8, 26, 32 + side * 18, 4);
        g.setColorAt(0, QColor(70, 60, 56));
        g.setColorAt(1, QColor(230, 220, 200));
        Fill(p, horn, g, QColor(20, 16, 14), 0.6);
    }
    // Closed helm with a crest and a red-glowing slit.
    QPainterPath helm;
    helm.moveTo(20, 48);
    helm.lineTo(20, 30);
    helm.cubicTo(20, 14, 44, 14, 44, 30);
    helm.lineTo(44, 48);
    helm.quadTo(32, 53, 20, 48);
    QRadialGradient hg(QPointF(27, 26), 20);
    hg.setColorAt(0, QColor(120, 118, 136));
    hg.setColorAt(0.5, QColor(52, 50, 62));
    hg.setColorAt(1, QColor(16, 14, 20));
    Fill(p, helm, hg, QColor(4, 4, 6), 0.9);
    Fill(p, Poly({{30.5, 14.5}, {33.5, 14.5}, {34, 50}, {30, 50}}), QColor(70, 68, 80), QColor(10, 10, 12), 0.4);
    Fill(p, Poly({{21, 33}, {43, 33}, {42, 36}, {22, 36}}), QColor(10, 6, 8), QColor(0, 0, 0), 0.4);
    GlowEyes(p, QPointF(32, 34.5), 9, 1.4, QColor(255, 40, 30));
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(26 + i * 4, 40), QPointF(26 + i * 4, 46));
    p.restore();
}

void Chevalier(QPainter& p) {
    const QColor steel(190, 196, 210), skin(232, 186, 150);
    Shoulders(p, steel, steel, 1.0, 57);
    // Blue tabard with a golden cross.
    Solid(p, Poly({{20, 62}, {44, 62}, {46, 82}, {18, 82}}), QColor(40, 70, 170));
    Fill(p, Poly({{30, 64}, {34, 64}, {34, 82}, {30, 82}}), QColor(250, 210, 60), QColor(120, 90, 10), 0.4);
    Fill(p, Poly({{24, 69}, {40, 69}, {40, 73}, {24, 73}}), QColor(250, 210, 60), QColor(120, 90, 10), 0.4);
    for (int side = -1; side <= 1; side += 2) Solid(p, Ellipse(QPointF(32 + side * 20, 62), 9.5, 7), QColor(200, 206, 222));
    // Helm with a raised visor showing the face, and a plume.
    QPainterPath plume;
    plume.moveTo(32, 14);
    plume.cubicTo(40, 0, 56, 4, 58, 16);
    plume.cubicTo(50, 10, 42, 12, 36, 18);
    plume.closeSubpath();
    Solid(p, plume, QColor(220, 40, 50));
    Head(p, kHead + QPointF(0, 1), kRx - 1, kRy - 1, skin);
    Eyes(p, kHead + QPointF(0, 1), 8.5, 1.5, QColor(60, 110, 200), 0.2);
    Nose(p, kHead + QPointF(0, 6), 1.3, skin);
    Mouth(p, kHead + QPointF(0, 10), 4.5, 0.2);
    QPainterPath helm;
    helm.moveTo(19, 48);
    helm.lineTo(19, 28);
    helm.cubicTo(19, 12, 45, 12, 45, 28);
    helm.lineTo(45, 48);
    helm.lineTo(41, 48);
    helm.lineTo(41, 30);
    helm.quadTo(32, 25, 23, 30);
    helm.lineTo(23, 48);
    helm.closeSubpath();
    QRadialGradient hg(QPointF(26, 20), 24);
    hg.setColorAt(0, QColor(255, 255, 255));
    hg.setColorAt(0.3, QColor(200, 206, 220));
    hg.setColorAt(1, QColor(90, 96, 116));
    Fill(p, helm, hg, QColor(40, 44, 56), 0.8);
    Fill(p, Poly({{22, 22}, {42, 22}, {43, 27}, {21, 27}}), QColor(170, 176, 194), QColor(40, 44, 56), 0.6);
    // The sword held upright before him.
    Blade(p, QPointF(52, 62), QPointF(52, 20), 3.2, QColor(220, 226, 236));
    Fill(p, Poly({{45, 62}, {59, 62}, {59, 64.5}, {45, 64.5}}), QColor(240, 200, 60), QColor(100, 70, 10), 0.5);
    Shaft(p, QPointF(52, 65), QPointF(52, 72), 2.2, QColor(110, 60, 30));
    Fill(p, Ellipse(QPointF(52, 73), 1.8, 1.8), QColor(240, 200, 60), QColor(100, 70, 10), 0.4);
    Fist(p, QPointF(52, 68), 3, QColor(180, 186, 200));
    // A glint.
    Fill(p, Star(QPointF(27, 18), 3.5, 0.8), QColor(255, 255, 255), QColor(255, 255, 255), 0);
}

void Diablotin(QPainter& p) {
    const QColor skin(206, 54, 40);
    const QPointF h(32, 40);
    // Bat wings behind.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath w;
        w.moveTo(32 + side * 8, 56);
        w.cubicTo(32 + side * 18, 36, 32 + side * 26, 26, 32 + side * 31, 22);
        w.quadTo(32 + side * 28, 34, 32 + side * 30, 40);
        w.quadTo(32 + side * 25, 42, 32 + side * 26, 50);
        w.quadTo(32 + side * 20, 50, 32 + side * 19, 58);
        w.closeSubpath();
        Fill(p, w, art::Ramp(QPointF(32, 20), QPointF(32, 60), QColor(120, 20, 30), 1.3, 0.6), QColor(40, 0, 6), 0.6);
        p.save();
        p.setPen(QPen(QColor(60, 6, 10), 0.6));
        p.drawLine(QPointF(32 + side * 9, 55), QPointF(32 + side * 30, 40));
        p.drawLine(QPointF(32 + side * 9, 55), QPointF(32 + side * 26, 50));
        p.restore();
    }
    // Tail curling up at the side with an arrow tip.
    QPainterPath tail;
    tail.moveTo(40, 80);
    tail.cubicTo(58, 80, 60, 64, 54, 56);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 10, 6), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(skin, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.restore();
    Fill(p, Poly({{54, 52}, {50, 58}, {58, 58}}), skin, QColor(60, 10, 6), 0.6);
    // Small body.
    Shoulders(p, skin, skin, 0.6, 62);
    Ears(p, h, 11, skin, true, 0.9);
    Head(p, h, 11, 11, skin);
    // Horns.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath horn;
        horn.moveTo(32 + side * 3, 31);
        horn.quadTo(32 + side * 6, 22, 32 + side * 10, 20);
        horn.quadTo(32 + side * 8, 26, 32 + side * 8, 32);
        horn.closeSubpath();
        Fill(p, horn, art::Ramp(QPointF(32, 20), QPointF(32, 32), QColor(240, 230, 200), 1.1, 0.6), QColor(60, 40, 20), 0.5);
    }
    GlowEyes(p, h + QPointF(0, -1), 9, 1.5, QColor(255, 220, 40));
    // Wide grin with fangs.
    QPainterPath grin;
    grin.moveTo(h + QPointF(-6, 4));
    grin.quadTo(h + QPointF(0, 10), h + QPointF(6, 4));
    grin.quadTo(h + QPointF(0, 7), h + QPointF(-6, 4));
    Fill(p, grin, QColor(60, 0, 0), QColor(30, 0, 0), 0.5);
    Fill(p, Poly({h + QPointF(-4, 5), h + QPointF(-3, 8), h + QPointF(-2, 5.6)}), QColor(255, 255, 240), QColor(80, 60, 60), 0.3);
    Fill(p, Poly({h + QPointF(4, 5), h + QPointF(3, 8), h + QPointF(2, 5.6)}), QColor(255, 255, 240), QColor(80, 60, 60), 0.3);
    Nose(p, h + QPointF(0, 2.5), 1.2, skin);
}

void Elfe(QPainter& p) {
    const QColor skin(240, 214, 184), hair(240, 218, 130), cloak(50, 120, 54);
    LongHair(p, kHead + QPointF(0, -1), kRx, 24, hair);
    // Bow over the shoulder.
    p.save();
    p.translate(46, 56);
    p.rotate(28);
    Bow(p, 0, -30, 24, 6, QColor(160, 110, 50));
    p.restore();
    Shoulders(p, cloak, skin, 0.95, 57);
    // Hood fallen on the shoulders, a leaf brooch.
    Fill(p, Poly({{14, 62}, {24, 54}, {40, 54}, {50, 62}, {40, 66}, {24, 66}}), art::Shade(cloak, 0.8), QColor(20, 50, 20), 0.6);
    QPainterPath leaf;
    leaf.moveTo(32, 62);
    leaf.quadTo(37, 64, 32, 70);
    leaf.quadTo(27, 64, 32, 62);
    Fill(p, leaf, QColor(240, 200, 70), QColor(110, 80, 10), 0.4);
    Ears(p, kHead, kRx, skin, true, 1.15);
    Head(p, kHead, kRx - 0.5, kRy, skin);
    Eyes(p, kHead + QPointF(0, -1), 9, 1.7, QColor(40, 150, 90), -0.1, QColor(190, 160, 80));
    Nose(p, kHead + QPointF(0, 5), 1.2, skin);
    Mouth(p, kHead + QPointF(0, 9), 4, 0.5);
    Fringe(p, kHead, kRx - 0.5, kRy, hair);
    // A silver circlet with a leaf.
    p.save();
    p.setPen(QPen(QColor(220, 230, 240), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kHead.x() - 10, kHead.y() - 11, 20, 8), 10 * 16, 160 * 16);
    p.restore();
}

void Fee(QPainter& p) {
    const QColor skin(250, 222, 210), hair(236, 130, 196);
    // Translucent wings.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath up, low;
        up.moveTo(32 + side * 6, 54);
        up.cubicTo(32 + side * 20, 30, 32 + side * 34, 22, 32 + side * 30, 44);
        up.quadTo(32 + side * 26, 54, 32 + side * 6, 56);
        low.moveTo(32 + side * 6, 57);
        low.cubicTo(32 + side * 24, 58, 32 + side * 30, 70, 32 + side * 20, 74);
        low.quadTo(32 + side * 12, 70, 32 + side * 6, 57);
        for (const QPainterPath& w : {up, low}) {
            QLinearGradient g(32, 30, 32 + side * 30, 60);
            g.setColorAt(0, QColor(180, 250, 255, 200));
            g.setColorAt(1, QColor(250, 150, 230, 170));
            Fill(p, w, g, QColor(120, 80, 160, 220), 0.6);
        }
    }
    LongHair(p, kHead + QPointF(0, -1), kRx - 0.5, 20, hair);
    Shoulders(p, QColor(150, 220, 170), skin, 0.7, 60);
    Ears(p, kHead, kRx - 1, skin, true, 0.7);
    Head(p, kHead, kRx - 1, kRy - 1, skin);
    Eyes(p, kHead + QPointF(0, -0.5), 8.5, 1.9, QColor(120, 90, 220), -0.2, QColor(200, 100, 160));
    Nose(p, kHead + QPointF(0, 4.5), 1.0, skin);
    Mouth(p, kHead + QPointF(0, 8.5), 3.5, 0.8, QColor(230, 90, 130));
    Fringe(p, kHead, kRx - 1, kRy - 1, hair);
    // Flowers in the hair.
    for (const QPointF& f : {QPointF(23, 24), QPointF(41, 23), QPointF(32, 20)}) {
        for (int i = 0; i < 5; ++i) {
            const double a = i * 1.2566;
            Fill(p, Ellipse(f + QPointF(std::cos(a) * 1.6, std::sin(a) * 1.6), 1.3, 1.3), QColor(255, 250, 250), QColor(200, 150, 180), 0.3);
        }
        Fill(p, Ellipse(f, 0.9, 0.9), QColor(250, 210, 60), QColor(160, 120, 20), 0.2);
    }
    // The wand with a star and sparkles.
    Shaft(p, QPointF(50, 72), QPointF(54, 46), 1.4, QColor(250, 240, 220));
    Glow(p, QPointF(54.5, 42), 9, QColor(255, 250, 170, 200));
    Fill(p, Star(QPointF(54.5, 42), 5, 2.2), QColor(255, 230, 80), QColor(160, 110, 10), 0.5);
    Fist(p, QPointF(50.5, 68), 2.5, skin);
    for (const QPointF& s : {QPointF(46, 34), QPointF(60, 36), QPointF(58, 50)})
        Fill(p, Star(s, 1.6, 0.5), QColor(255, 255, 220), QColor(255, 255, 220), 0);
}

void Guerrier(QPainter& p) {
    const QColor skin(206, 150, 110);
    // The spear upright behind his right shoulder.
    Shaft(p, QPointF(52, 82), QPointF(52, 14), 2.2, QColor(130, 86, 46));
    QPainterPath head;
    head.moveTo(52, 1);
    head.cubicTo(56, 8, 56, 12, 52, 16);
    head.cubicTo(48, 12, 48, 8, 52, 1);
    Fill(p, head, art::Ramp(QPointF(49, 0), QPointF(55, 0), QColor(200, 204, 214), 1.3, 0.6), QColor(50, 50, 60), 0.6);
    Shoulders(p, QColor(120, 84, 50), skin, 1.0, 57);
    // Chain mail over the chest.
    p.save();
    QPainterPath mail;
    mail.addRect(QRectF(14, 62, 36, 20));
    p.setClipPath(mail);
    p.fillRect(QRectF(14, 62, 36, 20), QColor(120, 124, 132));
    p.setPen(QPen(QColor(70, 72, 80), 0.5));
    for (double y = 62; y < 82; y += 2)
        for (double x = 14 + (int(y) % 4 ? 1 : 0); x < 50; x += 2) p.drawArc(QRectF(x, y, 2, 2), 0, 180 * 16);
    p.restore();
    Fill(p, Poly({{12, 60}, {20, 56}, {22, 82}, {12, 82}}), QColor(96, 60, 34), QColor(40, 24, 10), 0.5);
    Fist(p, QPointF(52, 60), 3.2, skin);
    Head(p, kHead + QPointF(0, 1), kRx, kRy, skin);
    Eyes(p, kHead + QPointF(0, 1), 9, 1.5, QColor(90, 70, 40), 0.6, QColor(70, 44, 24));
    Nose(p, kHead + QPointF(0, 6.5), 1.6, skin);
    Mouth(p, kHead + QPointF(0, 10.5), 5, -0.3);
    // Stubble and a scar.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 50, 30, 70));
    p.drawChord(QRectF(22, 34, 20, 14), 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(150, 70, 60), 0.6));
    p.drawLine(QPointF(37, 30), QPointF(40, 38));
    p.restore();
    // Nasal helm.
    QPainterPath helm;
    helm.moveTo(20, 31);
    helm.cubicTo(19, 14, 45, 14, 44, 31);
    helm.quadTo(32, 27, 20, 31);
    QRadialGradient hg(QPointF(27, 19), 18);
    hg.setColorAt(0, QColor(240, 240, 250));
    hg.setColorAt(0.4, QColor(160, 164, 176));
    hg.setColorAt(1, QColor(70, 72, 84));
    Fill(p, helm, hg, QColor(30, 30, 36), 0.8);
    Fill(p, Poly({{30.5, 28}, {33.5, 28}, {33, 38}, {31, 38}}), QColor(150, 154, 166), QColor(30, 30, 36), 0.5);
    p.save();
    p.setPen(QPen(QColor(200, 160, 60), 1.2));
    p.drawLine(QPointF(32, 15.5), QPointF(32, 28));
    p.restore();
}

void Magicien(QPainter& p) {
    const QColor skin(236, 196, 160), robe(40, 70, 180);
    Shoulders(p, robe, skin, 1.0, 57);
    for (const QPointF& s : {QPointF(18, 70), QPointF(44, 74), QPointF(28, 78), QPointF(40, 64)})
        Fill(p, Star(s, 2, 0.8), QColor(250, 230, 90), QColor(250, 230, 90), 0);
    Head(p, kHead + QPointF(0, 2), kRx - 0.5, kRy - 0.5, skin);
    Eyes(p, kHead + QPointF(0, 2), 8.5, 1.5, QColor(60, 110, 200), 0.1, QColor(90, 60, 40));
    Nose(p, kHead + QPointF(0, 7), 1.4, skin);
    Beard(p, QPointF(32, 45), 15, 12, QColor(120, 76, 40));
    Mouth(p, kHead + QPointF(0, 10.5), 4, 0.3);
    // The tall pointed hat with a brim, stars and a moon.
    QPainterPath hat;
    hat.moveTo(19, 27);
    hat.cubicTo(24, 16, 30, 6, 44, -2);
    hat.cubicTo(40, 8, 42, 18, 45, 27);
    hat.closeSubpath();
    Fill(p, hat, art::Ramp(QPointF(20, 0), QPointF(46, 0), robe, 1.4, 0.6), QColor(14, 24, 70), 0.8);
    Fill(p, Ellipse(QPointF(32, 27.5), 17, 3.6), art::Ramp(QPointF(15, 0), QPointF(49, 0), robe, 1.2, 0.6), QColor(14, 24, 70), 0.8);
    Fill(p, Star(QPointF(30, 18), 2.4, 1.0), QColor(250, 230, 90), QColor(150, 120, 20), 0.3);
    QPainterPath moon;
    moon.addEllipse(QPointF(38, 12), 2.6, 2.6);
    QPainterPath bite;
    bite.addEllipse(QPointF(39.3, 11.2), 2.2, 2.2);
    Fill(p, moon.subtracted(bite), QColor(250, 230, 90), QColor(150, 120, 20), 0.3);
    // Sceptre with a glowing orb.
    Shaft(p, QPointF(54, 82), QPointF(54, 38), 2.0, QColor(200, 160, 60));
    Glow(p, QPointF(54, 34), 10, QColor(120, 200, 255, 200));
    Fill(p, Ellipse(QPointF(54, 34), 4.2, 4.2), art::Ball(QRectF(50, 30, 8.4, 8.4), QColor(80, 170, 250)), QColor(20, 50, 120), 0.5);
    Fist(p, QPointF(54, 62), 3, skin);
}

}  // namespace

void DrawClassA(QPainter& p, int n) {
    switch (n) {
    case 1: Amazone(p); break;
    case 2: CavalierNoir(p); break;
    case 3: Chevalier(p); break;
    case 4: Diablotin(p); break;
    case 5: Elfe(p); break;
    case 6: Fee(p); break;
    case 7: Guerrier(p); break;
    case 8: Magicien(p); break;
    default: break;
    }
}

}  // namespace fig
