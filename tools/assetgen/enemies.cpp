// The enemy pictures des1..19.gif (128 x 128, transparent around the figure) and the
// limb helpers the enemy painters share.
#include "enemies.h"

#include "artkit.h"
#include "common.h"
#include "figkit.h"

#include <cmath>

namespace foe {

void Limb(QPainter& p, const QPointF& a, const QPointF& b, double width, const QColor& colour) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(art::Shade(colour, 0.3), width + 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::max(0.01, std::hypot(d.x(), d.y()));
    const QPointF side(-d.y() / len * width * 0.22, d.x() / len * width * 0.22);
    p.setPen(QPen(art::Alpha(art::Shade(colour, 1.45), 170), width * 0.28, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a - side, b - side);
    p.restore();
}

void Limb3(QPainter& p, const QPointF& a, const QPointF& joint, const QPointF& b, double width, const QColor& colour) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(joint);
    path.lineTo(b);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(art::Shade(colour, 0.3), width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(art::Alpha(art::Shade(colour, 1.45), 150), width * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-width * 0.22, -width * 0.1));
    p.restore();
}

void Foot(QPainter& p, const QPointF& at, double size, const QColor& colour, int facing) {
    QPainterPath f;
    f.moveTo(at + QPointF(-facing * size * 0.5, 0));
    f.lineTo(at + QPointF(-facing * size * 0.5, -size * 0.8));
    f.quadTo(at + QPointF(facing * size * 0.2, -size * 0.9), at + QPointF(facing * size * 0.5, -size * 0.5));
    f.quadTo(at + QPointF(facing * size * 1.1, -size * 0.4), at + QPointF(facing * size * 1.1, 0));
    f.closeSubpath();
    fig::Solid(p, f, colour, 0.9);
}

void Torso(QPainter& p, const QPointF& neck, double shoulders, double hips, double height, const QColor& colour) {
    QPainterPath t;
    t.moveTo(neck + QPointF(-shoulders / 2, 2));
    t.quadTo(neck + QPointF(-shoulders / 2, -1), neck + QPointF(-shoulders / 2 + 5, -1));
    t.lineTo(neck + QPointF(shoulders / 2 - 5, -1));
    t.quadTo(neck + QPointF(shoulders / 2, -1), neck + QPointF(shoulders / 2, 2));
    t.lineTo(neck + QPointF(hips / 2, height));
    t.lineTo(neck + QPointF(-hips / 2, height));
    t.closeSubpath();
    const QRectF b = t.boundingRect();
    QLinearGradient g(b.topLeft(), b.topRight());
    g.setColorAt(0, art::Shade(colour, 1.35));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, art::Shade(colour, 0.5));
    fig::Fill(p, t, g, art::Shade(colour, 0.3), 1.0);
}

void AtHead(QPainter& p, const QPointF& c, double scale) {
    p.translate(c);
    p.scale(scale, scale);
    p.translate(-32, -34);
}

}  // namespace foe

namespace assetgen {
namespace {

// GIF transparency is all or nothing: soft glows are turned into an ordered dither so
// they still read as light around the figure.
QImage DitherAlpha(const QImage& image) {
    if (DrawScale() > 1) return image;  // the larger copies are PNG files: soft edges stay soft
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a >= 224 || a == 0) continue;
            const int threshold = 70 + bayer[y % 4][x % 4] * 10;
            line[x] = (line[x] & 0x00FFFFFFu) | (a >= threshold ? 0xFF000000u : 0u);
        }
    }
    return out;
}

}  // namespace

void GenerateEnemies(const QString& dir) {
    for (int n = 1; n <= 19; ++n) {
        const QImage img = fig::Render(
            [n](QPainter& p) {
                p.save();
                if (n <= 10) foe::DrawEnemyA(p, n);
                else foe::DrawEnemyB(p, n);
                p.restore();
            },
            QRectF(0, 0, 128, 128), 128, 128, 4);
        SaveGif(DitherAlpha(art::Halo(img, QColor(10, 8, 10, 230), 1)), dir + "/des" + QString::number(n) + ".gif");
    }
}

}  // namespace assetgen
