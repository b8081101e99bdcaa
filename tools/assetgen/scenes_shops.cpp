// The market, the forge, the arena entrance and the tower floor. Their clickable spots
// (sellers, anvil, stands, the exit below y 256) are drawn exactly where the Combat form
// reacts to clicks, and the character's walk from the entrance (192, 224) stays on floor.
#include "artkit.h"
#include "common.h"
#include "figkit.h"
#include "scenekit.h"
#include "scenes.h"

#include <cmath>

namespace scene {
namespace {

constexpr int kW = 416, kH = 320;

// The way out at the bottom: a low wall with an open gateway below y 256.
void ExitGate(QPainter& p, const QColor& stone) {
    Masonry(p, QRectF(0, 262, 168, 58), stone, 28, 14, 301);
    Masonry(p, QRectF(248, 262, 168, 58), stone, 28, 14, 302);
    QLinearGradient out(0, 262, 0, kH);
    out.setColorAt(0, QColor(120, 110, 90));
    out.setColorAt(1, QColor(230, 220, 180));
    p.setPen(Qt::NoPen);
    p.setBrush(out);
    p.drawRect(QRectF(168, 262, 80, 58));
    for (double x : {160.0, 248.0}) {
        p.setPen(QPen(QColor(20, 18, 16), 1));
        p.setBrush(art::Ramp(QPointF(x, 0), QPointF(x + 8, 0), art::Shade(stone, 1.1)));
        p.drawRect(QRectF(x, 254, 8, 66));
    }
    // An arrow on the threshold pointing out.
    p.setPen(QPen(QColor(60, 50, 40, 160), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(208, 270), QPointF(208, 300));
    p.drawLine(QPointF(200, 292), QPointF(208, 302));
    p.drawLine(QPointF(216, 292), QPointF(208, 302));
}

void Goods(QPainter& p, int seller, double x, double y) {
    // What lies on the counter tells the trade: weapons, armour, objects, potions, books.
    switch (seller) {
    case 1:
        fig::Blade(p, QPointF(x + 4, y + 2), QPointF(x + 26, y - 8), 2.6, QColor(210, 214, 224));
        fig::Blade(p, QPointF(x + 28, y + 2), QPointF(x + 8, y - 10), 2.6, QColor(200, 204, 214));
        break;
    case 2:
        fig::Fill(p, fig::Ellipse(QPointF(x + 10, y - 4), 7, 8), art::Ball(QRectF(x + 3, y - 12, 14, 16), QColor(160, 50, 40)), QColor(40, 10, 10));
        fig::Fill(p, fig::Ellipse(QPointF(x + 24, y - 2), 6, 5), art::Ball(QRectF(x + 18, y - 7, 12, 10), QColor(180, 186, 200)), QColor(40, 40, 50));
        break;
    case 3:
        fig::Fill(p, fig::Ellipse(QPointF(x + 9, y - 3), 6, 5), art::Ball(QRectF(x + 3, y - 8, 12, 10), QColor(170, 130, 80)), QColor(60, 40, 10));
        fig::Fill(p, fig::Poly({{x + 18, y + 1}, {x + 30, y + 1}, {x + 28, y - 9}, {x + 20, y - 9}}), QColor(240, 210, 110), QColor(80, 60, 10));
        break;
    case 4:
        for (int k = 0; k < 3; ++k) {
            const QColor c[] = {{220, 40, 50}, {60, 120, 230}, {80, 200, 90}};
            fig::Fill(p, fig::Ellipse(QPointF(x + 6 + k * 10, y - 3), 4, 4.5), art::Ball(QRectF(x + 2 + k * 10, y - 8, 8, 9), c[k]), QColor(20, 20, 30), 0.8);
            fig::Fill(p, fig::Poly({{x + 5 + k * 10, y - 8}, {x + 7 + k * 10, y - 8}, {x + 7 + k * 10, y - 12}, {x + 5 + k * 10, y - 12}}), QColor(200, 200, 210), QColor(40, 40, 50), 0.6);
        }
        break;
    case 5:
        for (int k = 0; k < 3; ++k) {
            const QColor c[] = {{120, 30, 40}, {40, 60, 120}, {40, 100, 60}};
            fig::Fill(p, fig::Poly({{x + 3.0 + k * 2, y - k * 4.0}, {x + 27.0 - k * 2, y - k * 4.0}, {x + 27.0 - k * 2, y - 4.0 - k * 4}, {x + 3.0 + k * 2, y - 4.0 - k * 4}}), c[k], QColor(20, 16, 10), 0.8);
        }
        break;
    default: break;
    }
}

}  // namespace

QImage Market() {
    QImage img = Sky(kW, kH, QColor(100, 150, 220), QColor(230, 236, 240), 90, 11, 0.4);
    QPainter p(&img);
    art::Prepare(p);
    // Houses round the square behind the stalls.
    const QColor walls[] = {{232, 222, 200}, {214, 200, 176}, {236, 228, 210}, {220, 210, 186}};
    const QColor roofs[] = {{150, 50, 40}, {96, 100, 120}, {170, 60, 44}, {120, 60, 60}};
    for (int i = 0; i < 6; ++i)
        Facade(p, QRectF(-20 + i * 76, 40 + (i % 2) * 8, 70, 92 - (i % 2) * 8), walls[i % 4], roofs[(i + 2) % 4], 60u + uint32_t(i));
    TiledFloor(p, QRectF(0, 128, kW, 140), kW / 2.0, QColor(150, 146, 136), QColor(128, 124, 116), 13, 8);
    const QColor awnings[][2] = {{{200, 40, 40}, {250, 246, 236}}, {{40, 90, 190}, {250, 246, 236}}, {{40, 140, 60}, {240, 220, 70}},
                                 {{150, 60, 160}, {250, 246, 236}}, {{200, 120, 30}, {250, 246, 236}}};
    const QColor skins[] = {{230, 180, 140}, {200, 150, 110}, {240, 200, 170}, {190, 140, 100}, {226, 186, 150}};
    const QColor cloths[] = {{120, 60, 40}, {80, 90, 110}, {60, 110, 60}, {140, 60, 120}, {50, 60, 120}};
    const QColor hairs[] = {{60, 40, 20}, {30, 30, 30}, {200, 150, 60}, {120, 120, 120}, {150, 80, 40}};
    for (int s = 1; s <= 5; ++s) {
        const double x = 64.0 * s;  // the seller's click area runs from x to x + 32, y 96 to 128
        // Posts and awning.
        p.setPen(QPen(QColor(40, 24, 12), 1));
        p.setBrush(QColor(110, 70, 40));
        p.drawRect(QRectF(x - 12, 50, 4, 80));
        p.drawRect(QRectF(x + 40, 50, 4, 80));
        for (int k = 0; k < 7; ++k) {
            QPainterPath stripe;
            const double sx = x - 16 + k * 9.1;
            stripe.moveTo(sx, 44);
            stripe.lineTo(sx + 9.1, 44);
            stripe.lineTo(sx + 9.1, 66);
            stripe.quadTo(sx + 4.55, 72, sx, 66);
            stripe.closeSubpath();
            fig::Fill(p, stripe, art::Ramp(QPointF(0, 44), QPointF(0, 72), awnings[s - 1][k % 2], 1.15, 0.75), QColor(40, 20, 20), 0.8);
        }
        Seller(p, QPointF(x + 16, 94), 0.7, skins[s - 1], cloths[s - 1], hairs[s - 1], s % 4, 20u + uint32_t(s));
        // The counter covers the seller's click area.
        const QRectF counter(x - 10, 110, 52, 20);
        Planks(p, counter, QColor(140, 90, 50), 6, true, 30u + uint32_t(s));
        p.setPen(QPen(QColor(30, 16, 6), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(counter);
        p.setBrush(QColor(170, 120, 70));
        p.drawRect(QRectF(x - 12, 106, 56, 5));
        Goods(p, s, x, 106);
        // A painted sign with the seller's number of pips.
        p.setPen(QPen(QColor(40, 24, 12), 1));
        p.setBrush(QColor(236, 220, 180));
        p.drawRoundedRect(QRectF(x + 4, 28, 24, 14), 3, 3);
        Goods(p, s, x + 4, 40);
    }
    ExitGate(p, QColor(150, 140, 126));
    p.end();
    return img;
}

QImage Forge() {
    QImage img = assetgen::NewImage(kW, kH, QImage::Format_ARGB32);
    img.fill(QColor(30, 24, 20));
    QPainter p(&img);
    art::Prepare(p);
    Masonry(p, QRectF(0, 0, kW, 150), QColor(110, 96, 86), 32, 16, 41);
    Planks(p, QRectF(0, 150, kW, 112), QColor(96, 70, 46), 14, true, 42);
    // The hearth with its fire and hood, top right.
    Masonry(p, QRectF(300, 40, 110, 110), QColor(120, 100, 90), 22, 11, 43);
    QRadialGradient fire(QPointF(355, 120), 46);
    fire.setColorAt(0, QColor(255, 250, 200));
    fire.setColorAt(0.3, QColor(255, 180, 40));
    fire.setColorAt(0.7, QColor(200, 50, 10));
    fire.setColorAt(1, QColor(40, 10, 4));
    p.setPen(QPen(QColor(20, 10, 6), 2));
    p.setBrush(fire);
    p.drawRoundedRect(QRectF(318, 86, 74, 56), 20, 20);
    fig::Glow(p, QPointF(355, 120), 110, QColor(255, 150, 50, 90));
    QPolygonF hood;
    hood << QPointF(296, 40) << QPointF(414, 40) << QPointF(392, 0) << QPointF(318, 0);
    p.setPen(QPen(QColor(20, 16, 14), 1.5));
    p.setBrush(art::Ramp(QPointF(296, 0), QPointF(414, 0), QColor(70, 64, 62), 1.3, 0.6));
    p.drawPolygon(hood);
    // Bellows.
    QPainterPath bellows;
    bellows.moveTo(270, 130);
    bellows.lineTo(300, 120);
    bellows.lineTo(300, 140);
    bellows.closeSubpath();
    fig::Fill(p, bellows, QColor(120, 70, 40), QColor(30, 16, 6), 1);
    // Tools on the left wall: hammers and tongs on a rack.
    p.setPen(QPen(QColor(40, 24, 12), 1));
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(30, 40, 140, 8));
    for (int i = 0; i < 5; ++i) {
        const double x = 44 + i * 28;
        fig::Shaft(p, QPointF(x, 48), QPointF(x, 104), 3, QColor(130, 86, 46));
        if (i % 2 == 0) fig::Fill(p, fig::Poly({{x - 9, 98}, {x + 9, 98}, {x + 9, 108}, {x - 9, 108}}), art::Ramp(QPointF(x - 9, 0), QPointF(x + 9, 0), QColor(120, 124, 134)), QColor(20, 20, 24));
        else fig::Blade(p, QPointF(x, 100), QPointF(x, 130), 4, QColor(190, 196, 206));
    }
    // Shields and a sword hung above.
    fig::Fill(p, fig::Ellipse(QPointF(220, 70), 20, 20), art::Ball(QRectF(200, 50, 40, 40), QColor(150, 40, 40)), QColor(30, 6, 6), 1.2);
    fig::Fill(p, fig::Ellipse(QPointF(220, 70), 6, 6), art::Ball(QRectF(214, 64, 12, 12), QColor(200, 200, 210)), QColor(30, 30, 36), 0.8);
    // The anvil on its block, standing on the click area 256-288 x 160-192.
    const QPointF a(272, 176);
    fig::Glow(p, a, 40, QColor(255, 160, 60, 60));
    Planks(p, QRectF(a.x() - 12, a.y() + 2, 24, 16), QColor(90, 60, 36), 8, false, 44);
    QPainterPath anvil;
    anvil.moveTo(a + QPointF(-22, -12));
    anvil.lineTo(a + QPointF(12, -12));
    anvil.quadTo(a + QPointF(22, -12), a + QPointF(26, -16));
    anvil.lineTo(a + QPointF(16, -4));
    anvil.lineTo(a + QPointF(8, -4));
    anvil.lineTo(a + QPointF(10, 4));
    anvil.lineTo(a + QPointF(-10, 4));
    anvil.lineTo(a + QPointF(-8, -4));
    anvil.lineTo(a + QPointF(-22, -6));
    anvil.closeSubpath();
    fig::Fill(p, anvil, art::Ramp(a + QPointF(0, -16), a + QPointF(0, 4), QColor(90, 94, 106), 1.7, 0.5), QColor(10, 10, 14), 1.2);
    fig::Fill(p, fig::Poly({a + QPointF(-4, -14), a + QPointF(10, -14), a + QPointF(10, -12), a + QPointF(-4, -12)}), QColor(255, 160, 60), QColor(150, 50, 10), 0.6);
    fig::Shaft(p, a + QPointF(-20, -20), a + QPointF(-6, -30), 2.4, QColor(130, 86, 46));
    fig::Fill(p, fig::Poly({a + QPointF(-26, -22), a + QPointF(-16, -14), a + QPointF(-12, -19), a + QPointF(-22, -27)}), QColor(110, 114, 124), QColor(20, 20, 24));
    // A water barrel and a grindstone.
    p.setPen(QPen(QColor(30, 16, 8), 1));
    p.setBrush(art::Ramp(QPointF(40, 0), QPointF(76, 0), QColor(130, 80, 44)));
    p.drawRoundedRect(QRectF(40, 170, 36, 44), 6, 6);
    p.setBrush(QColor(50, 90, 140));
    p.drawEllipse(QRectF(42, 166, 32, 10));
    fig::Fill(p, fig::Ellipse(QPointF(130, 200), 18, 18), art::Ball(QRectF(112, 182, 36, 36), QColor(150, 140, 130)), QColor(30, 26, 24), 1.2);
    ExitGate(p, QColor(110, 96, 86));
    p.end();
    return img;
}

QImage Tournament() {
    QImage img = Sky(kW, kH, QColor(80, 140, 220), QColor(230, 236, 240), 60, 13, 0.4);
    QPainter p(&img);
    art::Prepare(p);
    // Tiers of spectators behind a barrier.
    Masonry(p, QRectF(0, 30, kW, 90), QColor(170, 160, 140), 40, 15, 14);
    assetgen::Noise n(15);
    for (int row = 0; row < 5; ++row)
        for (double x = 4 + (row % 2) * 5; x < kW; x += 10) {
            const QPointF h(x + n.unit() * 3, 40 + row * 15);
            const QColor shirt = QColor::fromHsv(n.range(0, 359), 150, 200);
            p.setPen(Qt::NoPen);
            p.setBrush(shirt);
            p.drawEllipse(h + QPointF(0, 8), 4.5, 4);
            p.setBrush(QColor(230 - n.range(0, 70), 180 - n.range(0, 60), 140 - n.range(0, 50)));
            p.drawEllipse(h, 3, 3);
        }
    Planks(p, QRectF(0, 114, kW, 12), QColor(120, 70, 40), 40, false, 16);
    // Sand of the arena.
    const QImage sand = art::Field(kW, kH, [](double x, double y) {
        return art::Shade(art::Colour(214, 190, 140), 0.85 + 0.25 * art::Fbm(x, y * 2, 20, 3, 17));
    });
    const double s = assetgen::DrawScale();  // the source rectangle is in the image's own pixels
    p.drawImage(QRectF(0, 126, kW, 136), sand, QRectF(0, 126 * s, kW * s, 136 * s));
    // The three stands, one to three banners for the three levels.
    const QColor levels[] = {{70, 160, 60}, {230, 150, 30}, {200, 40, 40}};
    const double xs[] = {64, 192, 320};
    for (int l = 0; l < 3; ++l) {
        const double x = xs[l];
        p.setPen(QPen(QColor(30, 20, 10), 1));
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QRectF(x - 4, 152, 40, 12));
        Planks(p, QRectF(x, 128, 32, 32), QColor(150, 100, 56), 8, false, 18u + uint32_t(l));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x, 128, 32, 32));
        p.setBrush(art::Ramp(QPointF(x - 4, 0), QPointF(x + 36, 0), levels[l], 1.2, 0.6));
        p.drawRect(QRectF(x - 4, 124, 40, 6));
        for (int b = 0; b <= l; ++b) {
            const double bx = x + 16 + (b - l / 2.0) * 12;
            p.setPen(QPen(QColor(40, 26, 12), 1.6));
            p.drawLine(QPointF(bx, 124), QPointF(bx, 84));
            Banner(p, QRectF(bx + 1, 86, 10, 22), levels[l], QColor(250, 220, 90));
        }
        // A painted numeral on the stand.
        p.setPen(QPen(QColor(250, 240, 200), 2.4));
        for (int k = 0; k <= l; ++k) p.drawLine(QPointF(x + 16 + (k - l / 2.0) * 6, 136), QPointF(x + 16 + (k - l / 2.0) * 6, 152));
    }
    ExitGate(p, QColor(170, 160, 140));
    p.end();
    return img;
}

QImage TowerFloor() {
    QImage img = TowerFight();
    QPainter p(&img);
    art::Prepare(p);
    // The guardian's alcove: a raised dais and a frame of dark stone round x 144-272, y 16-144.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(136, 8, 144, 150), 10, 10);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(144, 16, 128, 136), 6, 6);
    fig::Fill(p, frame.subtracted(inner), art::Ramp(QPointF(136, 0), QPointF(280, 0), QColor(100, 90, 120), 1.3, 0.5), QColor(10, 8, 14), 1.2);
    QRadialGradient back(QPointF(208, 80), 90);
    back.setColorAt(0, QColor(120, 60, 170));
    back.setColorAt(1, QColor(20, 8, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawPath(inner);
    p.setPen(QPen(QColor(10, 8, 14), 1));
    p.setBrush(art::Ramp(QPointF(0, 150), QPointF(0, 170), QColor(90, 80, 110), 1.3, 0.6));
    p.drawRect(QRectF(120, 152, 176, 14));
    for (double x : {130.0, 286.0}) Torch(p, QPointF(x, 60), 0.9);
    p.end();
    return img;
}

}  // namespace scene
