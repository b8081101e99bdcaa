// Writes the scenes of the Combat form and the end picture; paints the end picture: the
// black tower at dawn with the three keys.
#include "scenes.h"

#include "artkit.h"
#include "common.h"
#include "ending_layout.h"
#include "figkit.h"
#include "scenekit.h"

#include <cmath>

namespace scene {
namespace {

void FloatingKey(QPainter& p, const QPointF& at, double s, double angle, const QColor& light, const QColor& base, const QColor& dark) {
    fig::Glow(p, at, 46 * s, art::Alpha(light, 170));
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(s, s);
    QPainterPath k;
    k.addEllipse(QPointF(0, -22), 11, 11);
    k.addRect(QRectF(-3, -12, 6, 40));
    k.addRect(QRectF(3, 16, 10, 5));
    k.addRect(QRectF(3, 24, 8, 5));
    QPainterPath hole;
    hole.addEllipse(QPointF(0, -22), 5, 5);
    k = art::Union(k).subtracted(hole);
    QLinearGradient g(-12, -34, 12, 30);
    g.setColorAt(0, art::Shade(light, 1.2));
    g.setColorAt(0.5, base);
    g.setColorAt(1, dark);
    fig::Fill(p, k, g, art::Shade(dark, 0.5), 1.4);
    p.restore();
}

}  // namespace

QImage Ending() {
    constexpr int W = 800, H = 600;
    // Dawn: deep blue above, rose and gold at the horizon, the sun rising behind the tower.
    QImage img = art::Field(W, H, [](double x, double y) {
        const double t = std::clamp(y / 420.0, 0.0, 1.0);
        art::Colour c = t < 0.5 ? art::Mix(art::Colour(30, 40, 100), art::Colour(180, 90, 140), t * 2) : art::Mix(art::Colour(180, 90, 140), art::Colour(255, 200, 110), (t - 0.5) * 2);
        const double cloud = art::Fbm(x * 0.5, y * 1.8, 90, 5, 901);
        c = art::Mix(c, art::Colour(255, 170, 150), std::clamp((cloud - 0.55) * 2.5, 0.0, 0.6) * (1 - t * 0.3));
        return c;
    });
    QPainter p(&img);
    art::Prepare(p);
    const QPointF sun(400, 400);
    fig::Glow(p, sun, 320, QColor(255, 230, 150, 200));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const double a = -M_PI + i * M_PI / 15;
        QPolygonF ray;
        ray << sun << sun + QPointF(std::cos(a - 0.04) * 700, std::sin(a - 0.04) * 700) << sun + QPointF(std::cos(a + 0.04) * 700, std::sin(a + 0.04) * 700);
        p.setBrush(QColor(255, 240, 190, 40));
        p.drawPolygon(ray);
    }
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(sun, 60, 60);
    // Hills and the town's roofs in silhouette.
    Hills(p, W, 430, 60, QColor(90, 60, 90), 902);
    Hills(p, W, 470, 40, QColor(60, 40, 70), 903);
    // The town's roofs at the foot of the hill, lit windows waking up.
    assetgen::Noise town(904);
    for (double x = 10; x < W - 20; x += 34 + town.unit() * 20) {
        if (x > 300 && x < 500) continue;
        const double h = 26 + town.unit() * 26, w2 = 30 + town.unit() * 16, y0 = 500 + town.unit() * 10;
        QPolygonF house;
        house << QPointF(x, y0) << QPointF(x, y0 - h) << QPointF(x + w2 / 2, y0 - h - 16) << QPointF(x + w2, y0 - h) << QPointF(x + w2, y0);
        p.setPen(QPen(QColor(20, 12, 26), 1));
        p.setBrush(QColor(44, 28, 54));
        p.drawPolygon(house);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 210, 120));
        if (town.unit() < 0.7) p.drawRect(QRectF(x + w2 * 0.3, y0 - h * 0.6, 5, 7));
    }
    // The black tower on its hill, its door open and bright. It stands low enough for its banner
    // to fly under the end screen's headline.
    using namespace ending;
    const double cx = kTowerX, top = kTowerTop, base = kTowerBase, w = 70;
    QLinearGradient tg(cx - w, 0, cx + w, 0);
    tg.setColorAt(0, QColor(120, 80, 110));
    tg.setColorAt(0.3, QColor(50, 36, 60));
    tg.setColorAt(1, QColor(14, 10, 20));
    p.setPen(QPen(QColor(6, 4, 8), 2));
    p.setBrush(tg);
    p.drawRect(QRectF(cx - w, top, 2 * w, base - top));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.2));
    for (double y = top + 14; y < base; y += 14) p.drawLine(QPointF(cx - w, y), QPointF(cx + w, y));
    for (int i = 0; i < 7; ++i) {
        p.setPen(QPen(QColor(6, 4, 8), 1.5));
        p.setBrush(i < 3 ? QColor(110, 76, 104) : QColor(40, 30, 50));
        p.drawRect(QRectF(cx - w - 6 + i * 22, top - 20, 14, 22));
    }
    const double spireTop = top - 18 - kSpireHeight;
    QPolygonF spire;
    spire << QPointF(cx - 50, top - 18) << QPointF(cx, spireTop) << QPointF(cx + 50, top - 18);
    p.setBrush(art::Ramp(QPointF(cx - 50, 0), QPointF(cx + 50, 0), QColor(80, 50, 90), 1.3, 0.4));
    p.drawPolygon(spire);
    // A white banner of peace on the spire.
    p.setPen(QPen(QColor(20, 16, 20), 2));
    p.drawLine(QPointF(cx, spireTop), QPointF(cx, kPoleTop));
    const double f = kPoleTop;
    QPainterPath flag;
    flag.moveTo(cx, f);
    flag.cubicTo(cx + 20, f - 6, cx + 30, f + 10, cx + 56, f + 4);
    flag.lineTo(cx + 50, f + 24);
    flag.cubicTo(cx + 30, f + 30, cx + 20, f + 16, cx, f + 22);
    flag.closeSubpath();
    fig::Fill(p, flag, QColor(250, 246, 236), QColor(120, 110, 100), 1.2);
    // Windows catching the dawn, the open door pouring light.
    for (const QPointF& wnd : {QPointF(cx - 32, top + 30), QPointF(cx + 26, top + 42), QPointF(cx - 30, top + 140)}) {
        fig::Glow(p, wnd, 20, QColor(255, 220, 140, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 190));
        p.drawRoundedRect(QRectF(wnd.x() - 5, wnd.y() - 12, 10, 24), 5, 5);
    }
    fig::Glow(p, QPointF(cx, base - 30), 110, QColor(255, 240, 180, 200));
    QPainterPath door;
    door.moveTo(cx - 26, base);
    door.lineTo(cx - 26, base - 50);
    door.arcTo(QRectF(cx - 26, base - 76, 52, 52), 180, -180);
    door.lineTo(cx + 26, base);
    door.closeSubpath();
    fig::Fill(p, door, QColor(255, 250, 220), QColor(60, 40, 30), 2);
    // A path of light down the hill.
    QPolygonF path;
    path << QPointF(cx - 26, base) << QPointF(cx + 26, base) << QPointF(cx + 120, H) << QPointF(cx - 120, H);
    QLinearGradient pg(0, base, 0, H);
    pg.setColorAt(0, QColor(255, 240, 190, 230));
    pg.setColorAt(1, QColor(200, 150, 100, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(pg);
    p.drawPolygon(path);
    // The three keys floating in triumph: runic and shadow on either side, gold before the tower.
    auto float_key = [&p](const Key& k, const QColor& light, const QColor& base, const QColor& dark) {
        FloatingKey(p, QPointF(k.x, k.y), k.size, k.angle, light, base, dark);
    };
    float_key(kRunicKey, QColor(150, 230, 255), QColor(80, 170, 210), QColor(20, 60, 100));
    float_key(kShadowKey, QColor(180, 120, 255), QColor(100, 50, 180), QColor(30, 10, 60));
    float_key(kGoldKey, QColor(255, 240, 160), QColor(240, 190, 50), QColor(130, 80, 10));
    // Birds in the sky.
    p.setPen(QPen(QColor(40, 30, 50), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& b : {QPointF(200, 120), QPointF(236, 100), QPointF(600, 140), QPointF(640, 116), QPointF(560, 90)}) {
        QPainterPath bird;
        bird.moveTo(b + QPointF(-12, 0));
        bird.quadTo(b + QPointF(-6, -8), b);
        bird.quadTo(b + QPointF(6, -8), b + QPointF(12, 0));
        p.drawPath(bird);
    }
    p.end();
    art::Vignette(img, 0.35);
    return img;
}

}  // namespace scene

namespace assetgen {

void GenerateScenes(const QString& dir) {
    for (int i = 0; i < kSceneCount; ++i) GenerateScene(dir, i);
}

void GenerateScene(const QString& dir, int index) {
    switch (index) {
    case 0: SaveBmp(scene::TownFight(), dir + "/cmbvil.bmp"); break;
    case 1: SaveBmp(scene::PlainFight(), dir + "/cmbpln.bmp"); break;
    case 2: SaveBmp(scene::ForestFight(), dir + "/cmbfrt.bmp"); break;
    case 3: SaveBmp(scene::MountainFight(), dir + "/cmbmtg.bmp"); break;
    case 4: SaveBmp(scene::TowerFight(), dir + "/finale.bmp"); break;
    case 5: SaveBmp(scene::Market(), dir + "/marche.bmp"); break;
    case 6: SaveBmp(scene::Forge(), dir + "/forge.bmp"); break;
    case 7: SaveBmp(scene::Tournament(), dir + "/tournoi.bmp"); break;
    case 8: SaveBmp(scene::TowerFloor(), dir + "/mechant.bmp"); break;
    case 9: SaveBmp(scene::Ending(), dir + "/fin.bmp"); break;
    default: break;
    }
}

}  // namespace assetgen
