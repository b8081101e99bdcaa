#pragma once
// Internal pieces of the zone-map painter: road geometry, the keep-out test for scenery,
// the scenery sprites, the four grounds and the places.
#include "artkit.h"
#include "rules/MapTables.h"
#include "common.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace mapart {

constexpr int kCell = map::kCell;
constexpr double kRoadHalf = 11.0;   // half width of a road band, well inside its cells

QPointF CellCentre(int column, int row);
QRectF CellRect(int column, int row, int columns = 1, int rows = 1);

// The road geometry of one zone: centre lines between neighbouring road cells.
struct Roads {
    int zone = 0;
    std::vector<QLineF> segments;
    QPainterPath surface;          // the area covered by road
    // Distance from p to the nearest road edge (negative on the road).
    double Distance(const QPointF& p) const;
};
Roads BuildRoads(int zone);

// True when a round thing of radius r at p keeps clear of roads, place grounds and the
// black tower, so scenery never covers them.
bool Clear(const Roads& roads, const QPointF& p, double r);

// The road surface, its edges and the stone forecourts that lead from roads to places.
void PaintRoads(QPainter& p, const Roads& roads);
void PaintForecourts(QPainter& p, const Roads& roads);

// Scenery sprites, drawn in an oblique top-down view with light from the upper left.
void Tree(QPainter& p, const QPointF& foot, double r, const QColor& leaves, uint32_t seed);
void Pine(QPainter& p, const QPointF& foot, double h, const QColor& needles);
void Bush(QPainter& p, const QPointF& c, double r, const QColor& leaves, uint32_t seed);
void Rock(QPainter& p, const QPointF& c, double r, const QColor& stone, uint32_t seed);
void House(QPainter& p, const QRectF& footprint, const QColor& roof, const QColor& wall, bool ridgeAcross,
           uint32_t seed);
void Flowers(QPainter& p, const QRectF& area, int count, uint32_t seed);

// A ground picture from a height field in [0, 1) scaled by relief (pixels): colour gets the
// point, its height and its light (0.5 on flat ground, light from the upper left).
template <class Height, class Colour>
QImage ReliefGround(const Height& height, double relief, const Colour& colour) {
    // The height on a grid of the drawing scale's pixels; slopes are per game pixel.
    constexpr int kW = map::kColumns * kCell, kH = map::kRows * kCell;
    const int s = assetgen::DrawScale();
    const int gw = kW * s, gh = kH * s;
    std::vector<double> h(size_t(gw + 1) * size_t(gh + 1));
    for (int y = 0; y <= gh; ++y)
        for (int x = 0; x <= gw; ++x) h[size_t(y) * size_t(gw + 1) + size_t(x)] = height(double(x) / s, double(y) / s);
    const double lx = -0.55, ly = -0.6, lz = 0.58;
    return art::Field(kW, kH, [&](double fx, double fy) {
        const size_t x = size_t(std::lround(fx * s)), y = size_t(std::lround(fy * s)), row = size_t(gw + 1);
        const double here = h[y * row + x];
        const double dx = (h[y * row + x + 1] - here) * relief * s;
        const double dy = (h[(y + 1) * row + x] - here) * relief * s;
        const double len = std::sqrt(dx * dx + dy * dy + 1);
        const double lambert = (-dx * lx - dy * ly + lz) / len;
        const double light = std::clamp(0.5 + (lambert - lz) * 0.9, 0.0, 1.0);
        return colour(fx, fy, here, light);
    });
}
// Smooth step of x from edge0 to edge1.
double SmoothStep(double edge0, double edge1, double x);

// The height of the mountain zone at a point, 0 in the passes to 1 on the peaks.
double MountainHeight(const Roads& roads, double x, double y);

// The four zones: ground then scenery (the roads are laid in between by the caller).
QImage PlainGround(const Roads& roads);
void PlainScenery(QPainter& p, const Roads& roads);
QImage MountainGround(const Roads& roads);
void MountainScenery(QPainter& p, const Roads& roads);
QImage TownGround(const Roads& roads);
void TownScenery(QPainter& p, const Roads& roads);
QImage ForestGround(const Roads& roads);
void ForestScenery(QPainter& p, const Roads& roads);

// The place drawn around its cell, and the black tower above the town's tower door.
void PaintPlace(QPainter& p, map::Place place, int zone, int column, int row);
void PaintBlackTower(QPainter& p);
// The footprint of the black tower on the town map.
QRectF BlackTowerArea();

}  // namespace mapart
