// The four zone maps table1..4.bmp and their thumbnails carte1..4.bmp: road geometry,
// road surfaces and the order in which ground, roads, scenery and places are laid.
#include "maps.h"

#include "artkit.h"
#include "common.h"
#include "mapkit.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

namespace mapart {
namespace {

constexpr int kWidth = map::kColumns * kCell;
constexpr int kHeight = map::kRows * kCell;
constexpr int kDirs[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

bool Road(int zone, int c, int r) { return assetgen::RoadMaskCell(zone, c, r); }

// From the nearest point of s to p.
QPointF FromSegment(const QLineF& s, const QPointF& p) {
    const QPointF d = s.p2() - s.p1();
    const double len2 = d.x() * d.x() + d.y() * d.y();
    double t = len2 > 0 ? ((p.x() - s.x1()) * d.x() + (p.y() - s.y1()) * d.y()) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = s.p1() + d * t;
    return {p.x() - q.x(), p.y() - q.y()};
}

double SegmentDistance(const QLineF& s, const QPointF& p) {
    const QPointF v = FromSegment(s, p);
    return std::hypot(v.x(), v.y());
}

// The stone paths from each place to the road cells two cells away.
std::vector<QLineF> Forecourts(int zone) {
    std::vector<QLineF> out;
    for (int i = 0; i < map::kPlaceCount; ++i) {
        const map::PlaceCell& pc = map::PlaceCells()[i];
        if (pc.cell.zone != zone) continue;
        for (const auto& d : kDirs) {
            const int c = pc.cell.column, r = pc.cell.row;
            if (Road(zone, c + 2 * d[0], r + 2 * d[1]) && !Road(zone, c + d[0], r + d[1]))
                out.emplace_back(CellCentre(c, r), CellCentre(c + 2 * d[0], r + 2 * d[1]));
        }
    }
    return out;
}

// The sandy road surface of a zone as a texture for the road's outline: drawn on the road cells
// and a rim of two pixels about them, the only part the outline lets through; black elsewhere.
QImage RoadTexture(int zone) {
    const art::Colour base[5] = {{}, {201, 165, 113}, {184, 158, 122}, {204, 176, 130}, {178, 141, 95}};
    const uint32_t seed = 900u + uint32_t(zone);
    auto colour = [&](double x, double y) {
        const double n = art::Fbm(x, y, 9, 3, seed);
        const double fine = assetgen::ValueNoise(x * 0.7, y * 0.7, seed + 7);
        return art::Shade(base[zone], 0.9 + 0.16 * n + 0.07 * fine);
    };
    bool road[map::kRows + 1][map::kColumns + 1] = {};
    for (int r = 1; r <= map::kRows; ++r)
        for (int c = 1; c <= map::kColumns; ++c) road[r][c] = Road(zone, c, r);
    auto roadCell = [&road](double x, double y) {
        return road[std::clamp(int(y) / kCell + 1, 1, map::kRows)][std::clamp(int(x) / kCell + 1, 1, map::kColumns)];
    };
    constexpr double kRim = 2;
    QImage img = assetgen::NewImage(kWidth, kHeight, QImage::Format_ARGB32);
    img.fill(Qt::black);
    const double s = assetgen::DrawScale();
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double gx = x / s, gy = y / s;
            if (roadCell(gx - kRim, gy - kRim) || roadCell(gx + kRim, gy - kRim) || roadCell(gx - kRim, gy + kRim) ||
                roadCell(gx + kRim, gy + kRim))
                line[x] = colour(gx, gy).rgba();
        }
    }
    return img;
}

void Cobbles(QPainter& p, const Roads& roads) {
    // Town streets: rounded paving stones in sandy tones with darker joints.
    p.save();
    p.setClipPath(roads.surface);
    assetgen::Noise n(77);
    for (int y = 0; y < kHeight; y += 6) {
        const int shift = (y / 6) % 2 ? 4 : 0;
        for (int x = -8 + shift; x < kWidth; x += 8) {
            const QColor c = art::Shade(QColor(206, 178, 132), 0.92 + 0.14 * n.unit());
            p.setPen(QPen(QColor(150, 118, 80, 150), 0.8));
            p.setBrush(c);
            p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, 7, 5), 2, 2);
        }
    }
    p.restore();
}

void Pebbles(QPainter& p, const Roads& roads, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    p.setClipPath(roads.surface);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const QPointF at(n.unit() * kWidth, n.unit() * kHeight);
        if (roads.Distance(at) > -1.5) continue;
        const double r = 0.6 + n.unit() * 1.0;
        p.setBrush(QColor(120, 98, 70, 150));
        p.drawEllipse(at + QPointF(0.4, 0.5), r, r * 0.8);
        p.setBrush(QColor(226, 204, 160, 170));
        p.drawEllipse(at, r * 0.8, r * 0.6);
    }
    p.restore();
}

}  // namespace

QPointF CellCentre(int column, int row) { return {(column - 1) * kCell + kCell / 2.0, (row - 1) * kCell + kCell / 2.0}; }

QRectF CellRect(int column, int row, int columns, int rows) {
    return {double((column - 1) * kCell), double((row - 1) * kCell), double(columns * kCell), double(rows * kCell)};
}

double Roads::Distance(const QPointF& p) const {
    // The exact distance (hypot) only for the segments that may be the nearest: a squared
    // distance clearly above the best one so far cannot win.
    double best = 1e9, bound = 1e18;
    for (const QLineF& s : segments) {
        const QPointF v = FromSegment(s, p);
        const double dx = v.x(), dy = v.y();
        if (dx * dx + dy * dy > bound) continue;
        const double h = std::hypot(dx, dy);
        if (h < best) {
            best = h;
            bound = best * best * (1 + 1e-9) + 1e-12;
        }
    }
    return best - kRoadHalf;
}

Roads BuildRoads(int zone) {
    Roads roads;
    roads.zone = zone;
    for (int r = 1; r <= map::kRows; ++r)
        for (int c = 1; c <= map::kColumns; ++c) {
            if (!Road(zone, c, r)) continue;
            const QPointF at = CellCentre(c, r);
            bool linked = false;
            if (Road(zone, c + 1, r)) roads.segments.emplace_back(at, CellCentre(c + 1, r)), linked = true;
            if (Road(zone, c, r + 1)) roads.segments.emplace_back(at, CellCentre(c, r + 1)), linked = true;
            linked = linked || Road(zone, c - 1, r) || Road(zone, c, r - 1);
            // Edge roads run off the map towards the neighbouring zone.
            if (c == 1) roads.segments.emplace_back(at, QPointF(-kCell, at.y())), linked = true;
            if (c == map::kColumns) roads.segments.emplace_back(at, QPointF(kWidth + kCell, at.y())), linked = true;
            if (r == 1) roads.segments.emplace_back(at, QPointF(at.x(), -kCell)), linked = true;
            if (r == map::kRows) roads.segments.emplace_back(at, QPointF(at.x(), kHeight + kCell)), linked = true;
            // A road that ends before a place reaches its cell's edge (its cap stays inside).
            for (const auto& d : kDirs)
                if (map::PlaceAt(zone, c + 2 * d[0], r + 2 * d[1]) != map::Place::None && !Road(zone, c + d[0], r + d[1])) {
                    roads.segments.emplace_back(at, at + QPointF(d[0], d[1]) * (kCell / 2.0 - kRoadHalf));
                    linked = true;
                }
            if (!linked) roads.segments.emplace_back(at, at + QPointF(0.01, 0));
        }
    QPainterPath lines;
    for (const QLineF& s : roads.segments) {
        lines.moveTo(s.p1());
        lines.lineTo(s.p2());
    }
    QPainterPathStroker stroker;
    stroker.setWidth(2 * kRoadHalf);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath surface = art::Union(stroker.createStroke(lines));
    // The road never leaves its own cells.
    QPainterPath cells;
    for (int r = 1; r <= map::kRows; ++r)
        for (int c = 1; c <= map::kColumns; ++c)
            if (Road(zone, c, r)) {
                QRectF rect = CellRect(c, r);
                if (c == 1) rect.setLeft(-kCell);
                if (c == map::kColumns) rect.setRight(kWidth + kCell);
                if (r == 1) rect.setTop(-kCell);
                if (r == map::kRows) rect.setBottom(kHeight + kCell);
                cells.addRect(rect);
            }
    roads.surface = surface.intersected(art::Union(cells));
    return roads;
}

bool Clear(const Roads& roads, const QPointF& p, double r) {
    if (roads.Distance(p) < r + 1.5) return false;
    for (int i = 0; i < map::kPlaceCount; ++i) {
        const map::PlaceCell& pc = map::PlaceCells()[i];
        if (pc.cell.zone != roads.zone) continue;
        const QPointF c = CellCentre(pc.cell.column, pc.cell.row);
        if (std::hypot(p.x() - c.x(), p.y() - c.y()) < 42 + r * 0.6) return false;
    }
    for (const QLineF& s : Forecourts(roads.zone))
        if (SegmentDistance(s, p) < 9 + r) return false;
    if (roads.zone == map::Town && BlackTowerArea().adjusted(-r, -r, r, r).contains(p)) return false;
    return true;
}

void PaintForecourts(QPainter& p, const Roads& roads) {
    assetgen::Noise n(400u + uint32_t(roads.zone));
    for (const QLineF& s : Forecourts(roads.zone)) {
        // Flagstones: a grey stone path, not road, leading to the place.
        p.save();
        p.setPen(QPen(QColor(40, 40, 40, 70), 17, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(s.translated(1, 1.5));
        p.setPen(QPen(QColor(118, 118, 112), 15, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(s);
        const double len = s.length();
        const QPointF dir = (s.p2() - s.p1()) / len, side(-dir.y(), dir.x());
        for (double t = 4; t < len - 2; t += 6.5) {
            for (int k = -1; k <= 1; k += 2) {
                const QPointF c = s.p1() + dir * t + side * (k * 3.6 + (n.unit() - 0.5) * 1.2);
                const QColor stone = art::Shade(QColor(168, 166, 158), 0.85 + 0.25 * n.unit());
                p.setPen(QPen(QColor(70, 70, 66), 0.8));
                p.setBrush(stone);
                p.drawRoundedRect(QRectF(c.x() - 3, c.y() - 2.6, 6, 5.2), 1.6, 1.6);
            }
        }
        p.restore();
    }
}

void PaintRoads(QPainter& p, const Roads& roads) {
    p.save();
    // Worn earth along the edges, then the surface itself.
    QPen edge(QColor(70, 52, 30, 70), 6);
    edge.setJoinStyle(Qt::RoundJoin);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawPath(roads.surface);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(RoadTexture(roads.zone)));
    p.drawPath(roads.surface);
    if (roads.zone == map::Town) Cobbles(p, roads);
    Pebbles(p, roads, 500u + uint32_t(roads.zone));
    // Light and dark rims give the band a slight hollow.
    p.setClipPath(roads.surface);
    QPen rim(QColor(96, 70, 40, 150), 2.2);
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(Qt::NoBrush);
    p.drawPath(roads.surface.translated(0.8, 0.8));
    p.setPen(QPen(QColor(255, 240, 200, 60), 1.2));
    p.drawPath(roads.surface.translated(-1.6, -1.6));
    p.restore();
}

}  // namespace mapart

namespace assetgen {

void GenerateMaps(const QString& dir) {
    for (int zone = 1; zone <= 4; ++zone) GenerateMapZone(dir, zone);
}

void GenerateMapZone(const QString& dir, int zone) {
    using namespace mapart;
    {
        const Roads roads = BuildRoads(zone);
        QImage img = zone == map::Plain      ? PlainGround(roads)
                     : zone == map::Mountain ? MountainGround(roads)
                     : zone == map::Town     ? TownGround(roads)
                                             : ForestGround(roads);
        QPainter p(&img);
        art::Prepare(p);
        PaintForecourts(p, roads);
        PaintRoads(p, roads);
        if (zone == map::Plain) PlainScenery(p, roads);
        if (zone == map::Mountain) MountainScenery(p, roads);
        if (zone == map::Town) TownScenery(p, roads);
        if (zone == map::Forest) ForestScenery(p, roads);
        for (int i = 0; i < map::kPlaceCount; ++i) {
            const map::PlaceCell& pc = map::PlaceCells()[i];
            if (pc.cell.zone == zone) PaintPlace(p, pc.place, zone, pc.cell.column, pc.cell.row);
        }
        if (zone == map::Town) PaintBlackTower(p);
        p.end();
        const QString n = QString::number(zone);
        SaveBmp(img, dir + "/table" + n + ".bmp");
        SaveBmp(art::Scaled(img, 76, 57), dir + "/carte" + n + ".bmp");
    }
}

}  // namespace assetgen
