// The town zone: blocks of houses between the streets, gardens, wells and the town wall
// with its gates where the streets leave the map.
#include "artkit.h"
#include "common.h"
#include "mapkit.h"

#include <algorithm>
#include <cmath>

namespace mapart {
namespace {

constexpr int kW = map::kColumns * kCell;
constexpr int kH = map::kRows * kCell;
constexpr double kWall = 9;

bool Road(int c, int r) { return map::IsRoadCell(map::Town, c, r); }

// A house may stand on a cell that is no road and lies clear of places and the tower.
bool HouseCell(const Roads& roads, int c, int r) {
    if (c < 1 || r < 1 || c > map::kColumns || r > map::kRows || Road(c, r)) return false;
    return Clear(roads, CellCentre(c, r), 6);
}

void Well(QPainter& p, const QPointF& c) {
    // A well under a little roof.
    art::GroundShadow(p, QRectF(c.x() - 6, c.y() - 2, 16, 7), 110);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(art::Ramp(c + QPointF(-6, 0), c + QPointF(6, 0), QColor(160, 158, 150)));
    p.drawRect(QRectF(c.x() - 6, c.y() - 4, 12, 6));
    p.setPen(QPen(QColor(80, 54, 32), 1.4));
    p.drawLine(c + QPointF(-5, -4), c + QPointF(-5, -11));
    p.drawLine(c + QPointF(5, -4), c + QPointF(5, -11));
    QPainterPath roof;
    roof.moveTo(c + QPointF(-8, -10));
    roof.lineTo(c + QPointF(0, -16));
    roof.lineTo(c + QPointF(8, -10));
    roof.closeSubpath();
    art::FillOutlined(p, roof, QColor(160, 56, 44), QColor(50, 16, 12), 0.9);
}

void Vegetables(QPainter& p, const QRectF& cell) {
    // Rows of cabbages on dark soil.
    for (double y = cell.top() + 6; y < cell.bottom() - 5; y += 4) {
        p.setPen(QPen(QColor(70, 52, 36), 1.6));
        p.drawLine(QPointF(cell.left() + 5, y), QPointF(cell.right() - 5, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 160, 60));
        for (double x = cell.left() + 6; x < cell.right() - 5; x += 4) p.drawEllipse(QPointF(x, y - 0.5), 1.5, 1.3);
    }
}

// A garden plot behind a fence: a well, a tree among flowers, or vegetables.
void Garden(QPainter& p, const QRectF& cell, uint32_t seed, bool wellAllowed = true) {
    assetgen::Noise n(seed);
    p.save();
    p.setPen(QPen(QColor(60, 50, 40), 1));
    p.setBrush(QColor(72, 118, 46));
    p.drawRect(cell.adjusted(3, 3, -3, -3));
    p.setPen(QPen(QColor(92, 68, 44), 1.2, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(2.5, 2.5, -2.5, -2.5));
    const double kind = n.unit();
    if (wellAllowed && kind < 0.4) {
        Well(p, cell.center() + QPointF(0, 4));
        Flowers(p, cell.adjusted(4, 4, -4, -4), 10, n.next());
    } else if (kind < 0.7) {
        Flowers(p, cell.adjusted(4, 4, -4, -4), 14, n.next());
        Tree(p, cell.center() + QPointF(2, 10), 8, QColor(60, 120, 44), n.next());
    } else {
        Vegetables(p, cell);
    }
    p.restore();
}

void WallSegment(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(QColor(36, 34, 32), 1));
    p.setBrush(art::Ramp(r.topLeft(), r.bottomRight(), QColor(140, 136, 128), 1.2, 0.7));
    p.drawRect(r);
    // Merlons along the walk.
    p.setBrush(QColor(170, 166, 156));
    const bool across = r.width() > r.height();
    const double len = across ? r.width() : r.height();
    for (double t = 2; t < len - 2; t += 6) {
        const QRectF m = across ? QRectF(r.left() + t, r.top() + 1, 3, 3) : QRectF(r.left() + 1, r.top() + t, 3, 3);
        p.drawRect(m);
    }
    p.restore();
}

void WallTower(QPainter& p, const QPointF& c) {
    p.save();
    art::GroundShadow(p, QRectF(c.x() - 8, c.y() - 3, 20, 12), 110);
    p.setPen(QPen(QColor(30, 28, 26), 1));
    p.setBrush(art::Ball(QRectF(c.x() - 9, c.y() - 9, 18, 18), QColor(150, 146, 138)));
    p.drawEllipse(c, 9, 9);
    p.setBrush(QColor(120, 44, 40));
    QPainterPath cone;
    cone.moveTo(c + QPointF(-8, 0));
    cone.lineTo(c + QPointF(0, -13));
    cone.lineTo(c + QPointF(8, 0));
    cone.quadTo(c + QPointF(0, 4), c + QPointF(-8, 0));
    art::FillOutlined(p, cone, art::Ramp(c + QPointF(-8, 0), c + QPointF(8, 0), QColor(150, 50, 42), 1.3, 0.6),
                      QColor(40, 20, 16), 1);
    p.restore();
}

void TownWall(QPainter& p) {
    // The wall runs round the town; two gates let the streets out (north and east).
    const double gateN = CellCentre(3, 1).x(), gateE = CellCentre(20, 13).y();
    WallSegment(p, QRectF(0, 0, gateN - 15, kWall));
    WallSegment(p, QRectF(gateN + 15, 0, kW - gateN - 15, kWall));
    WallSegment(p, QRectF(0, kH - kWall, kW, kWall));
    WallSegment(p, QRectF(0, 0, kWall, kH));
    WallSegment(p, QRectF(kW - kWall, 0, kWall, gateE - 15));
    WallSegment(p, QRectF(kW - kWall, gateE + 15, kWall, kH - gateE - 15));
    const QPointF towers[] = {{6, 6}, {kW - 6.0, 6}, {6, kH - 6.0}, {kW - 6.0, kH - 6.0},
                              {gateN - 18, 6}, {gateN + 18, 6}, {kW - 6.0, gateE - 18}, {kW - 6.0, gateE + 18},
                              {6, kH / 2.0}, {kW / 2.0, kH - 6.0}, {kW * 0.75, 6}, {kW / 2.0 - 40, 6}};
    for (const QPointF& t : towers) WallTower(p, t);
}

}  // namespace

void TownScenery(QPainter& p, const Roads& roads) {
    assetgen::Noise n(51);
    const QColor roofs[] = {{176, 70, 50}, {150, 52, 42}, {94, 104, 124}, {112, 58, 60}, {80, 112, 110}, {186, 84, 58}};
    const QColor walls[] = {{230, 222, 204}, {216, 210, 196}, {236, 230, 214}};
    for (int r = 1; r <= map::kRows; ++r) {
        for (int c = 1; c <= map::kColumns;) {
            if (!HouseCell(roads, c, r)) {
                ++c;
                continue;
            }
            // Row houses: join up to three free cells of a row under one roof.
            int len = 1;
            while (len < 3 && HouseCell(roads, c + len, r) && n.unit() < 0.6) ++len;
            QRectF f = CellRect(c, r, len, 1);
            f.adjust(Road(c - 1, r) ? 4 : 1.5, Road(c, r - 1) ? 4 : 2.5, Road(c + len, r) ? -4 : -1.5, Road(c, r + 1) ? -4 : -2.5);
            if (c == 1) f.setLeft(kWall + 2);
            if (r == 1) f.setTop(kWall + 2);
            if (c + len - 1 == map::kColumns) f.setRight(kW - kWall - 2);
            if (r == map::kRows) f.setBottom(kH - kWall - 2);
            if (r == map::kRows) {
                // Along the south wall: kitchen gardens rather than squeezed houses.
                for (int k = 0; k < len; ++k) Garden(p, QRectF(f.left() + k * f.width() / len, f.top(), f.width() / len, f.height()), n.next(), false);
            } else if (len == 1 && n.unit() < 0.16) {
                Garden(p, f, n.next());
            } else if (len == 1) {
                House(p, f, roofs[n.range(0, 5)], walls[n.range(0, 2)], n.unit() < 0.5, n.next());
            } else {
                // Row houses: one roof line, each house in its own shade of tiles.
                const QColor roof = roofs[n.range(0, 5)];
                const double w = f.width() / len;
                for (int k = 0; k < len; ++k) {
                    const QColor own = n.unit() < 0.25 ? roofs[n.range(0, 5)] : art::Shade(roof, 0.88 + 0.24 * n.unit());
                    House(p, QRectF(f.left() + k * w, f.top(), w, f.height()), own, walls[n.range(0, 2)], true, n.next());
                }
            }
            c += len;
        }
    }
    TownWall(p);
}

}  // namespace mapart
