// The fight backgrounds (416 x 320): town street, plain, forest, mountain and the hall
// inside the black tower. The enemy stands in the middle; the strip 272-316 stays calm
// for the fight messages.
#include "artkit.h"
#include "common.h"
#include "figkit.h"
#include "mapkit.h"
#include "scenekit.h"
#include "scenes.h"

#include <cmath>

namespace scene {
namespace {

constexpr int kW = 416, kH = 320;

}  // namespace

QImage TownFight() {
    QImage img = Sky(kW, kH, QColor(90, 140, 210), QColor(220, 230, 240), 140, 3, 0.5);
    QPainter p(&img);
    art::Prepare(p);
    Clouds(p, QRectF(0, 10, kW, 40), 4, QColor(250, 250, 255), 31);
    // A castle keep far behind the roofs.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 150, 170));
    p.drawRect(QRectF(180, 30, 56, 110));
    for (int i = 0; i < 5; ++i) p.drawRect(QRectF(180 + i * 12, 24, 8, 8));
    const QColor walls[] = {{232, 222, 200}, {220, 210, 186}, {236, 228, 210}, {214, 200, 176}};
    const QColor roofs[] = {{170, 60, 44}, {96, 100, 120}, {150, 50, 40}, {120, 60, 60}};
    const double xs[] = {-10, 70, 150, 236, 320};
    for (int i = 0; i < 5; ++i) Facade(p, QRectF(xs[i], 86 + (i % 2) * 10, 86 + (i == 2 ? 12 : 0), 84 - (i % 2) * 10), walls[i % 4], roofs[(i + 1) % 4], 40u + uint32_t(i));
    // Cobbled square in perspective.
    TiledFloor(p, QRectF(0, 170, kW, 150), kW / 2.0, QColor(150, 140, 124), QColor(132, 124, 110), 14, 9);
    // A lamp post and barrels at the sides.
    p.setPen(QPen(QColor(30, 30, 34), 3));
    p.drawLine(QPointF(40, 250), QPointF(40, 150));
    p.setPen(QPen(QColor(30, 30, 34), 1));
    p.setBrush(QColor(255, 220, 120));
    p.drawRect(QRectF(33, 136, 14, 16));
    fig::Glow(p, QPointF(40, 144), 18, QColor(255, 220, 120, 120));
    for (int i = 0; i < 3; ++i) {
        const QPointF b(360 + i * 16 - (i == 2 ? 24 : 0), 226 - (i == 2 ? 18 : 0));
        p.setPen(QPen(QColor(30, 16, 8), 1));
        p.setBrush(art::Ramp(b + QPointF(-8, 0), b + QPointF(8, 0), QColor(130, 76, 40)));
        p.drawRoundedRect(QRectF(b.x() - 8, b.y() - 12, 16, 24), 4, 4);
        p.setPen(QPen(QColor(70, 70, 76), 1.6));
        p.drawLine(b + QPointF(-8, -6), b + QPointF(8, -6));
        p.drawLine(b + QPointF(-8, 6), b + QPointF(8, 6));
    }
    p.end();
    art::Vignette(img, 0.35);
    CalmBand(img, 272, 316, 0.45);
    return img;
}

QImage PlainFight() {
    QImage img = Sky(kW, kH, QColor(70, 130, 220), QColor(210, 226, 240), 140, 5, 0.55);
    QPainter p(&img);
    art::Prepare(p);
    Clouds(p, QRectF(0, 10, kW, 60), 5, QColor(255, 255, 255), 51);
    Hills(p, kW, 132, 26, QColor(120, 150, 170), 52);
    Hills(p, kW, 146, 22, QColor(90, 140, 70), 53);
    // Meadow with a road running to the horizon.
    const QImage meadow = art::Field(kW, kH, [](double x, double y) {
        const double n = art::Fbm(x, y * 2.5, 40, 4, 54);
        return art::Shade(art::Mix(art::Colour(80, 140, 50), art::Colour(130, 170, 60), n), 0.75 + 0.4 * (y - 140) / 180.0);
    });
    QPainterPath ground;
    ground.moveTo(0, 150);
    ground.lineTo(kW, 150);
    ground.lineTo(kW, kH);
    ground.lineTo(0, kH);
    p.save();
    p.setClipPath(ground);
    p.drawImage(0, 0, meadow);
    p.restore();
    QPainterPath road;
    road.moveTo(200, 150);
    road.cubicTo(190, 190, 120, 230, 110, kH);
    road.lineTo(260, kH);
    road.cubicTo(250, 230, 216, 190, 212, 150);
    road.closeSubpath();
    p.setPen(QPen(QColor(110, 84, 50), 1.2));
    p.setBrush(art::Ramp(QPointF(0, 150), QPointF(0, kH), QColor(196, 160, 108), 0.95, 0.8));
    p.drawPath(road);
    // Trees and a fence.
    mapart::Tree(p, QPointF(56, 200), 34, QColor(60, 120, 44), 55);
    mapart::Tree(p, QPointF(350, 186), 28, QColor(70, 130, 46), 56);
    mapart::Tree(p, QPointF(300, 160), 12, QColor(60, 110, 50), 57);
    mapart::Tree(p, QPointF(120, 158), 10, QColor(60, 110, 50), 58);
    p.setPen(QPen(QColor(90, 60, 34), 3));
    for (int i = 0; i < 6; ++i) p.drawLine(QPointF(290 + i * 22, 236 - i * 3), QPointF(290 + i * 22, 212 - i * 3));
    p.setPen(QPen(QColor(120, 84, 50), 2.2));
    p.drawLine(QPointF(286, 218), QPointF(404, 200));
    p.drawLine(QPointF(286, 228), QPointF(404, 210));
    mapart::Flowers(p, QRectF(0, 230, 100, 40), 60, 59);
    mapart::Flowers(p, QRectF(280, 240, 136, 30), 50, 60);
    p.end();
    CalmBand(img, 272, 316, 0.45);
    return img;
}

QImage ForestFight() {
    QImage img = art::Field(kW, kH, [](double x, double y) {
        const double mist = art::Fbm(x, y, 60, 3, 61);
        return art::Mix(art::Colour(30, 60, 40), art::Colour(120, 160, 120), std::clamp(0.55 - std::fabs(y - 150) / 300.0 + mist * 0.2, 0.0, 1.0));
    });
    QPainter p(&img);
    art::Prepare(p);
    assetgen::Noise n(62);
    // Trunks: far and pale, then near and dark.
    for (int layer = 0; layer < 3; ++layer) {
        const int count = 9 - layer * 3;
        for (int i = 0; i < count; ++i) {
            const double x = (i + n.unit()) * kW / count;
            const double w = 8 + layer * 10 + n.unit() * 6;
            const QColor bark = art::Mix(QColor(110, 130, 110), QColor(50, 36, 24), layer / 2.0);
            if (layer == 2 && x > 120 && x < 300) continue;
            QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
            g.setColorAt(0, art::Shade(bark, 1.3));
            g.setColorAt(1, art::Shade(bark, 0.55));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(QRectF(x - w / 2, 0, w, 190 + layer * 30));
            p.setPen(QPen(art::Alpha(art::Shade(bark, 0.5), 150), 1));
            for (int k = 0; k < 6; ++k) p.drawLine(QPointF(x - w / 3 + k * w / 9, 0), QPointF(x - w / 3 + k * w / 9, 180 + layer * 30));
        }
    }
    // Canopy and light shafts.
    for (int i = 0; i < 40; ++i) {
        const QPointF c(n.unit() * kW, n.unit() * 50 - 10);
        const double r = 20 + n.unit() * 30;
        p.setPen(Qt::NoPen);
        p.setBrush(art::Ball(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), art::Mix(QColor(30, 80, 30), QColor(60, 110, 40), n.unit())));
        p.drawEllipse(c, r, r * 0.7);
    }
    for (int i = 0; i < 4; ++i) {
        QPolygonF ray;
        const double x = 110 + i * 60;
        ray << QPointF(x, 0) << QPointF(x + 20, 0) << QPointF(x + 70, 240) << QPointF(x + 30, 240);
        QLinearGradient g(0, 0, 0, 240);
        g.setColorAt(0, QColor(255, 250, 200, 70));
        g.setColorAt(1, QColor(255, 250, 200, 0));
        p.setBrush(g);
        p.drawPolygon(ray);
    }
    // Forest floor, path, ferns and mushrooms.
    QLinearGradient floor(0, 170, 0, kH);
    floor.setColorAt(0, QColor(70, 100, 50));
    floor.setColorAt(1, QColor(36, 56, 26));
    QPainterPath ground;
    ground.moveTo(0, kH);
    for (double x = 0; x <= kW; x += 4) ground.lineTo(x, 176 + 18 * art::Fbm(x, 0, 26, 3, 63));
    ground.lineTo(kW, kH);
    ground.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(floor);
    p.drawPath(ground);
    // Undergrowth along the edge of the floor.
    for (double x = 0; x < kW; x += 7) {
        const double y = 180 + 16 * art::Fbm(x, 0, 26, 3, 63);
        p.setBrush(art::Mix(QColor(40, 80, 34), QColor(80, 120, 50), n.unit()));
        p.drawEllipse(QPointF(x, y), 6 + n.unit() * 5, 4 + n.unit() * 3);
    }
    QPainterPath path;
    path.moveTo(196, 186);
    path.cubicTo(180, 230, 140, 260, 130, kH);
    path.lineTo(280, kH);
    path.cubicTo(260, 260, 226, 230, 220, 186);
    path.closeSubpath();
    p.setBrush(art::Ramp(QPointF(0, 186), QPointF(0, kH), QColor(120, 96, 64), 1.0, 0.75));
    p.drawPath(path);
    for (int i = 0; i < 14; ++i) {
        const QPointF f(i % 2 ? 20 + n.unit() * 90 : 310 + n.unit() * 100, 200 + n.unit() * 60);
        for (int k = -3; k <= 3; ++k) {
            p.setPen(QPen(QColor(60 + n.range(0, 40), 130, 50), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(f, f + QPointF(k * 5, -12 + std::abs(k) * 2));
        }
    }
    for (const QPointF& m : {QPointF(80, 250), QPointF(96, 256), QPointF(330, 244)}) {
        p.setPen(QPen(QColor(60, 30, 20), 1));
        p.setBrush(QColor(236, 230, 210));
        p.drawRect(QRectF(m.x() - 2, m.y() - 6, 4, 8));
        p.setBrush(QColor(200, 40, 30));
        p.drawChord(QRectF(m.x() - 8, m.y() - 12, 16, 12), 0, 180 * 16);
    }
    p.end();
    art::Vignette(img, 0.45);
    CalmBand(img, 272, 316, 0.45);
    return img;
}

QImage MountainFight() {
    QImage img = Sky(kW, kH, QColor(50, 90, 170), QColor(200, 214, 236), 130, 7, 0.4);
    QPainter p(&img);
    art::Prepare(p);
    Clouds(p, QRectF(0, 20, kW, 40), 3, QColor(250, 250, 255), 71);
    Range(p, kW, 140, 110, QColor(120, 130, 160), 0.35, 72);
    Range(p, kW, 172, 66, QColor(112, 100, 96), 0.12, 73, 1.0);
    // Rocky ground with a pass.
    const QImage rock = art::Field(kW, kH, [](double x, double y) {
        const double n = art::Fbm(x, y * 1.6, 30, 4, 74);
        const double grass = art::Fbm(x, y * 2, 50, 3, 76);
        art::Colour c = art::Mix(art::Colour(104, 96, 96), art::Colour(160, 152, 148), n);
        c = art::Mix(c, art::Colour(96, 120, 60), std::clamp((grass - 0.55) * 4, 0.0, 0.8));
        c = art::Mix(c, art::Colour(236, 240, 250), std::clamp((0.32 - grass) * 5, 0.0, 0.9));
        return art::Shade(c, 0.7 + 0.45 * (y - 160) / 160.0);
    });
    QPainterPath ground;
    ground.moveTo(0, 170);
    for (double x = 0; x <= kW; x += 8) ground.lineTo(x, 166 + 8 * art::Fbm(x, 0, 30, 2, 75));
    ground.lineTo(kW, kH);
    ground.lineTo(0, kH);
    ground.closeSubpath();
    p.save();
    p.setClipPath(ground);
    p.drawImage(0, 0, rock);
    QPainterPath path;
    path.moveTo(200, 170);
    path.cubicTo(210, 220, 280, 250, 290, kH);
    path.lineTo(140, kH);
    path.cubicTo(160, 250, 196, 220, 188, 170);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(art::Ramp(QPointF(0, 170), QPointF(0, kH), QColor(180, 160, 128), 1.0, 0.8));
    p.drawPath(path);
    p.restore();
    for (const auto& r : {std::pair<QPointF, double>{{40, 236}, 30}, {{380, 220}, 26}, {{100, 200}, 12}, {{330, 186}, 10}})
        mapart::Rock(p, r.first, r.second, QColor(130, 126, 136), uint32_t(r.second));
    mapart::Pine(p, QPointF(20, 200), 70, QColor(30, 74, 44));
    mapart::Pine(p, QPointF(396, 196), 64, QColor(36, 80, 48));
    p.end();
    CalmBand(img, 272, 316, 0.45);
    return img;
}

QImage TowerFight() {
    QImage img = assetgen::NewImage(kW, kH, QImage::Format_ARGB32);
    img.fill(QColor(20, 16, 24));
    QPainter p(&img);
    art::Prepare(p);
    Masonry(p, QRectF(0, 0, kW, 190), QColor(70, 62, 84), 34, 17, 81);
    // A great arch at the back glowing with violet light.
    QPainterPath arch;
    arch.moveTo(140, 190);
    arch.lineTo(140, 90);
    arch.arcTo(QRectF(140, 30, 136, 120), 180, -180);
    arch.lineTo(276, 190);
    arch.closeSubpath();
    QRadialGradient glow(QPointF(208, 110), 110);
    glow.setColorAt(0, QColor(200, 120, 255));
    glow.setColorAt(0.5, QColor(90, 30, 150));
    glow.setColorAt(1, QColor(20, 6, 40));
    p.setPen(QPen(QColor(150, 140, 170), 6));
    p.setBrush(glow);
    p.drawPath(arch);
    // Pillars.
    for (double x : {30.0, 346.0}) {
        QLinearGradient g(x, 0, x + 40, 0);
        g.setColorAt(0, QColor(120, 110, 140));
        g.setColorAt(0.4, QColor(80, 72, 96));
        g.setColorAt(1, QColor(30, 26, 38));
        p.setPen(QPen(QColor(10, 8, 14), 1));
        p.setBrush(g);
        p.drawRect(QRectF(x, 0, 40, 230));
        p.drawRect(QRectF(x - 6, 218, 52, 14));
        Torch(p, QPointF(x + 20, 110), 1.1);
    }
    TiledFloor(p, QRectF(0, 190, kW, kH - 190), kW / 2.0, QColor(60, 54, 70), QColor(40, 36, 50), 10, 7);
    // Red carpet leading to the arch.
    QPolygonF carpet;
    carpet << QPointF(188, 190) << QPointF(228, 190) << QPointF(290, kH) << QPointF(126, kH);
    p.setPen(QPen(QColor(200, 160, 60), 2));
    p.setBrush(art::Ramp(QPointF(0, 190), QPointF(0, kH), QColor(140, 20, 30), 0.8, 1.1));
    p.drawPolygon(carpet);
    p.end();
    art::Vignette(img, 0.5);
    CalmBand(img, 272, 316, 0.35);
    return img;
}

}  // namespace scene
