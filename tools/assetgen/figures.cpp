// Class portraits 1..16.gif (64 x 80), class map icons 00..15.ico (32 x 32 with a dark
// halo so they read on every zone) and the obstacle bloc.gif.
#include "figures.h"

#include "artkit.h"
#include "common.h"
#include "figkit.h"

#include <cmath>

namespace fig {

void DrawClass(QPainter& p, int n) {
    p.save();
    if (n <= 8) DrawClassA(p, n);
    else DrawClassB(p, n);
    p.restore();
}

QColor Backdrop(int n) {
    static const QColor colours[17] = {{},
                                       {200, 120, 60},  {110, 30, 36},  {80, 130, 200}, {220, 110, 40},
                                       {40, 110, 60},   {170, 130, 210}, {140, 110, 80}, {30, 50, 130},
                                       {40, 70, 50},    {230, 150, 190}, {100, 110, 130}, {120, 100, 50},
                                       {90, 40, 110},   {80, 100, 80},  {40, 30, 80},   {50, 80, 80}};
    return n >= 1 && n <= 16 ? colours[n] : QColor(80, 80, 80);
}

QRectF IconCrop(int n) {
    switch (n) {
    case 1: return {4, 12, 50, 50};    // head and bow
    case 2: return {6, 2, 52, 52};     // horns
    case 3: return {10, 6, 50, 50};    // plume and sword
    case 4: return {2, 14, 60, 60};    // wings
    case 6: return {4, 12, 56, 56};    // wings and wand
    case 7: return {10, 2, 50, 50};    // spear
    case 8: return {10, -2, 52, 52};   // hat and sceptre
    case 9: return {8, 6, 52, 52};     // skull staff
    case 10: return {2, 14, 60, 60};   // whole blob and bear
    case 11: return {8, 8, 54, 54};    // axe
    case 12: return {8, 4, 50, 50};
    case 13: return {2, 8, 52, 52};    // staff
    case 14: return {6, 8, 58, 58};
    default: return {8, 12, 48, 48};
    }
}

}  // namespace fig

namespace assetgen {
namespace {

QImage Portrait(int n) {
    QImage img;
    const art::Colour base(fig::Backdrop(n));
    img = art::Field(64, 80, [&](double x, double y) {
        const double dx = (x - 30) / 40.0, dy = (y - 30) / 50.0;
        const double d = std::sqrt(dx * dx + dy * dy);
        const double cloud = art::Fbm(x, y, 14, 3, 700u + uint32_t(n));
        return art::Shade(base, 1.25 - d * 0.9 + (cloud - 0.5) * 0.25);
    });
    const QImage figure = fig::Render([n](QPainter& p) { fig::DrawClass(p, n); }, QRectF(0, 0, 64, 80), 64, 80, 4);
    QPainter p(&img);
    p.drawImage(0, 0, figure);
    // A thin frame: dark edge and a light bevel inside.
    p.setPen(QColor(20, 16, 12));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 63, 79);
    p.setPen(QColor(255, 240, 200, 90));
    p.drawLine(1, 1, 62, 1);
    p.drawLine(1, 1, 1, 78);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawLine(2, 78, 62, 78);
    p.drawLine(62, 2, 62, 78);
    p.end();
    return img;
}

QImage Icon(int n) {
    // A dark outline, then a faint light rim that lifts dark figures off dark ground.
    const QImage figure = fig::Render([n](QPainter& p) { fig::DrawClass(p, n); }, fig::IconCrop(n), 28, 28, 8);
    QImage framed = NewImage(32, 32, QImage::Format_ARGB32);
    framed.fill(Qt::transparent);
    QPainter p(&framed);
    art::Prepare(p);
    // The bust ends in a rounded base rather than a cut edge.
    QPainterPath base;
    base.addRoundedRect(QRectF(2, -12, 28, 42), 9, 9);
    p.setClipPath(base);
    p.drawImage(2, 2, figure);
    p.end();
    const QImage dark = art::Halo(framed, QColor(12, 8, 6, 240), 1);
    return art::Halo(dark, QColor(255, 248, 220, 110), 1);
}

void DrawBloc(QPainter& p) {
    // A boulder wedged behind a barricade of sharpened stakes.
    art::GroundShadow(p, QRectF(2, 20, 30, 11), 130);
    QPainterPath rock;
    rock.moveTo(5, 24);
    rock.cubicTo(3, 12, 10, 4, 18, 5);
    rock.cubicTo(27, 5, 31, 14, 29, 24);
    rock.quadTo(17, 29, 5, 24);
    QRadialGradient g(QPointF(12, 10), 22);
    g.setColorAt(0, QColor(190, 186, 196));
    g.setColorAt(0.5, QColor(120, 116, 128));
    g.setColorAt(1, QColor(50, 48, 56));
    art::FillOutlined(p, rock, g, QColor(20, 18, 22), 1.0);
    p.setPen(QPen(QColor(60, 58, 66), 0.7));
    p.drawLine(QPointF(14, 8), QPointF(18, 16));
    p.drawLine(QPointF(18, 16), QPointF(25, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 130, 60));
    p.drawEllipse(QPointF(10, 22), 3, 1.3);
    for (int i = 0; i < 2; ++i) {
        const double y = 18 + i * 6;
        p.setPen(QPen(QColor(30, 18, 8), 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, y + 4), QPointF(30, y - 3));
        p.setPen(QPen(QColor(150, 100, 56), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, y + 4), QPointF(30, y - 3));
    }
    for (int i = 0; i < 4; ++i) {
        const double x = 5 + i * 7.5;
        QPainterPath stake;
        stake.moveTo(x - 1.6, 30);
        stake.lineTo(x - 1.6, 15);
        stake.lineTo(x, 11);
        stake.lineTo(x + 1.6, 15);
        stake.lineTo(x + 1.6, 30);
        stake.closeSubpath();
        art::FillOutlined(p, stake, art::Ramp(QPointF(x - 2, 0), QPointF(x + 2, 0), QColor(170, 116, 64), 1.3, 0.6),
                          QColor(30, 18, 8), 0.8);
    }
}

}  // namespace

void GenerateFigures(const QString& dir) {
    for (int n = 1; n <= 16; ++n) {
        SaveGif(Portrait(n), dir + "/" + QString::number(n) + ".gif");
        SaveIco(Icon(n), dir + QString("/%1.ico").arg(n - 1, 2, 10, QChar('0')));
    }
    const QImage bloc = fig::Render(DrawBloc, QRectF(0, 0, 32, 32), 32, 32, 8);
    SaveGif(art::Halo(bloc, QColor(10, 8, 6, 200), 1), dir + "/bloc.gif");
}

}  // namespace assetgen
