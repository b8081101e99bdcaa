// Scenery sprites of the zone maps: trees, pines, bushes, rocks, houses and flowers.
#include "artkit.h"
#include "common.h"
#include "mapkit.h"

#include <cmath>

namespace mapart {

void Tree(QPainter& p, const QPointF& foot, double r, const QColor& leaves, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    art::GroundShadow(p, QRectF(foot.x() - r * 0.6, foot.y() - r * 0.45, r * 2.3, r * 1.2), 110);
    // Trunk.
    p.setPen(QPen(QColor(40, 26, 14), 0.8));
    p.setBrush(QColor(96, 64, 36));
    p.drawRect(QRectF(foot.x() - r * 0.14, foot.y() - r * 0.7, r * 0.28, r * 0.7));
    // Crown: overlapping lobes, darker ones first.
    const QPointF c(foot.x(), foot.y() - r * 1.15);
    const int lobes = 5 + int(n.unit() * 3);
    QPainterPath crown;
    for (int i = 0; i < lobes; ++i) {
        const double a = i * 6.2832 / lobes + n.unit() * 0.5;
        const double lr = r * (0.5 + n.unit() * 0.18);
        crown.addEllipse(c + QPointF(std::cos(a) * r * 0.45, std::sin(a) * r * 0.38), lr, lr * 0.92);
    }
    crown.addEllipse(c, r * 0.62, r * 0.58);
    crown = art::Union(crown);
    art::FillOutlined(p, crown, art::Ball(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), leaves, 1.5, 0.5),
                      art::Shade(leaves, 0.3), 1.0);
    // Leaf clumps catching the light.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const QPointF at = c + QPointF((n.unit() - 0.7) * r * 0.9, (n.unit() - 0.75) * r * 0.8);
        p.setBrush(art::Alpha(art::Shade(leaves, 1.45), 150));
        p.drawEllipse(at, r * 0.16, r * 0.13);
    }
    p.restore();
}

void Pine(QPainter& p, const QPointF& foot, double h, const QColor& needles) {
    p.save();
    art::GroundShadow(p, QRectF(foot.x() - h * 0.15, foot.y() - h * 0.12, h * 0.75, h * 0.3), 110);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 52, 30));
    p.drawRect(QRectF(foot.x() - h * 0.05, foot.y() - h * 0.2, h * 0.1, h * 0.2));
    const double w = h * 0.34;
    for (int tier = 0; tier < 3; ++tier) {
        const double base = foot.y() - h * 0.15 - tier * h * 0.24;
        const double tw = w * (1.0 - tier * 0.24);
        QPainterPath t;
        t.moveTo(foot.x(), base - h * 0.42);
        t.lineTo(foot.x() + tw, base);
        t.quadTo(foot.x(), base + h * 0.06, foot.x() - tw, base);
        t.closeSubpath();
        QLinearGradient g(foot.x() - tw, 0, foot.x() + tw, 0);
        g.setColorAt(0, art::Shade(needles, 1.35));
        g.setColorAt(0.45, needles);
        g.setColorAt(1, art::Shade(needles, 0.5));
        art::FillOutlined(p, t, g, art::Shade(needles, 0.3), 0.9);
    }
    p.restore();
}

void Bush(QPainter& p, const QPointF& c, double r, const QColor& leaves, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    art::GroundShadow(p, QRectF(c.x() - r * 0.8, c.y() - r * 0.3, r * 2.2, r * 1.0), 90);
    QPainterPath b;
    for (int i = 0; i < 4; ++i)
        b.addEllipse(c + QPointF((n.unit() - 0.5) * r, (n.unit() - 0.6) * r * 0.6), r * 0.6, r * 0.5);
    b = art::Union(b);
    art::FillOutlined(p, b, art::Ball(QRectF(c.x() - r, c.y() - r, 2 * r, 1.6 * r), leaves), art::Shade(leaves, 0.35), 0.8);
    p.restore();
}

void Rock(QPainter& p, const QPointF& c, double r, const QColor& stone, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    art::GroundShadow(p, QRectF(c.x() - r * 0.8, c.y() - r * 0.2, r * 2.2, r * 1.0), 110);
    const int corners = 7;
    QPolygonF poly;
    for (int i = 0; i < corners; ++i) {
        const double a = i * 6.2832 / corners;
        const double rr = r * (0.75 + n.unit() * 0.3);
        poly << c + QPointF(std::cos(a) * rr, std::sin(a) * rr * 0.75);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    art::FillOutlined(p, path, art::Ball(QRectF(c.x() - r, c.y() - r, 2 * r, 1.5 * r), stone, 1.45, 0.5),
                      art::Shade(stone, 0.35), 0.9);
    // A facet line and a highlight.
    p.setPen(QPen(art::Shade(stone, 0.6), 0.7));
    p.drawLine(c + QPointF(-r * 0.2, -r * 0.1), c + QPointF(r * 0.35, r * 0.3));
    p.setPen(QPen(art::Alpha(art::Shade(stone, 1.6), 160), 0.8));
    p.drawLine(c + QPointF(-r * 0.55, -r * 0.25), c + QPointF(-r * 0.15, -r * 0.5));
    p.restore();
}

void House(QPainter& p, const QRectF& f, const QColor& roof, const QColor& wall, bool ridgeAcross, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    // Shadow to the lower right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRect(f.translated(3, 3));
    const double wallH = std::min(7.0, f.height() * 0.3);
    const QRectF front(f.left(), f.bottom() - wallH, f.width(), wallH);
    const QRectF top(f.left(), f.top(), f.width(), f.height() - wallH);
    // Front wall with timber posts, windows and a door.
    p.setPen(QPen(QColor(50, 36, 26), 0.8));
    p.setBrush(art::Ramp(front.topLeft(), front.bottomLeft(), wall, 1.05, 0.8));
    p.drawRect(front);
    p.setPen(QPen(QColor(66, 52, 50), 1.0));
    for (double x = front.left() + 5; x < front.right() - 2; x += 8) p.drawLine(QPointF(x, front.top()), QPointF(x, front.bottom()));
    p.setPen(Qt::NoPen);
    for (double x = front.left() + 2.5; x < front.right() - 4; x += 8) {
        p.setBrush(n.unit() < 0.3 ? QColor(60, 40, 26) : QColor(250, 220, 120));
        p.drawRect(QRectF(x, front.top() + 1.8, 2.2, 2.4));
    }
    p.setBrush(QColor(64, 40, 38));
    p.drawRect(QRectF(front.center().x() - 1.6, front.bottom() - 4.2, 3.2, 4.2));
    // Roof: two slopes, the upper or left one in light.
    QPainterPath a, b;
    if (ridgeAcross) {
        const double mid = top.top() + top.height() * 0.45;
        a.addRect(QRectF(top.left(), top.top(), top.width(), mid - top.top()));
        b.addRect(QRectF(top.left(), mid, top.width(), top.bottom() - mid));
    } else {
        const double mid = top.center().x();
        a.addRect(QRectF(top.left(), top.top(), mid - top.left(), top.height()));
        b.addRect(QRectF(mid, top.top(), top.right() - mid, top.height()));
    }
    art::FillOutlined(p, a, art::Shade(roof, 1.15), QColor(30, 20, 16), 0.8);
    art::FillOutlined(p, b, art::Shade(roof, 0.72), QColor(30, 20, 16), 0.8);
    // Tile rows.
    p.setPen(QPen(art::Alpha(art::Shade(roof, 0.45), 150), 0.6));
    if (ridgeAcross) {
        for (double y = top.top() + 2.5; y < top.bottom() - 1; y += 2.6) p.drawLine(QPointF(top.left() + 0.8, y), QPointF(top.right() - 0.8, y));
    } else {
        for (double x = top.left() + 2.5; x < top.right() - 1; x += 2.6) p.drawLine(QPointF(x, top.top() + 0.8), QPointF(x, top.bottom() - 0.8));
    }
    p.setPen(QPen(art::Shade(roof, 1.5), 1.0));
    if (ridgeAcross) p.drawLine(QPointF(top.left() + 1, top.top() + top.height() * 0.45), QPointF(top.right() - 1, top.top() + top.height() * 0.45));
    else p.drawLine(QPointF(top.center().x(), top.top() + 1), QPointF(top.center().x(), top.bottom() - 1));
    // A chimney.
    if (n.unit() < 0.7) {
        const QRectF ch(top.left() + top.width() * (0.2 + 0.5 * n.unit()), top.top() + 1.5, 3.5, 4.5);
        p.setPen(QPen(QColor(30, 24, 20), 0.7));
        p.setBrush(QColor(130, 110, 100));
        p.drawRect(ch);
    }
    p.restore();
}

void Flowers(QPainter& p, const QRectF& area, int count, uint32_t seed) {
    assetgen::Noise n(seed);
    const QColor colours[] = {{250, 250, 240}, {250, 220, 60}, {200, 90, 210}, {240, 90, 80}, {120, 160, 250}};
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + n.unit() * area.width(), area.top() + n.unit() * area.height());
        p.setBrush(colours[n.range(0, 4)]);
        p.drawEllipse(at, 0.9, 0.9);
    }
    p.restore();
}

}  // namespace mapart
