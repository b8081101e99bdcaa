// Scenery of the plain, the mountain and the forest: trees, pines, bushes and rocks,
// scattered clear of roads and places and drawn from back to front.
#include "artkit.h"
#include "common.h"
#include "mapkit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace mapart {
namespace {

constexpr int kW = map::kColumns * kCell;
constexpr int kH = map::kRows * kCell;

enum class Kind { Tree, Pine, Bush, Rock };

struct Sprite {
    QPointF foot;
    Kind kind;
    double size;
    QColor colour;
    uint32_t seed;
};

void Draw(QPainter& p, std::vector<Sprite>& sprites) {
    std::stable_sort(sprites.begin(), sprites.end(), [](const Sprite& a, const Sprite& b) { return a.foot.y() < b.foot.y(); });
    for (const Sprite& s : sprites) {
        switch (s.kind) {
        case Kind::Tree: Tree(p, s.foot, s.size, s.colour, s.seed); break;
        case Kind::Pine: Pine(p, s.foot, s.size, s.colour); break;
        case Kind::Bush: Bush(p, s.foot, s.size, s.colour, s.seed); break;
        case Kind::Rock: Rock(p, s.foot, s.size, s.colour, s.seed); break;
        }
    }
}

// Trees stand on their foot; their crown reaches up about two radii, so the clear test
// looks at the crown's centre.
bool TreeFits(const Roads& roads, const QPointF& foot, double r) {
    return Clear(roads, foot, r * 0.5) && Clear(roads, foot - QPointF(0, r * 1.1), r);
}

bool InPlainField(const QPointF& p) {
    // The field plots of the plain (kept in step with its ground) plus their hedges.
    static const int plots[][4] = {{5, 1, 8, 2}, {9, 1, 11, 2}, {12, 1, 14, 2}, {6, 9, 8, 11}, {12, 9, 15, 11},
                                   {17, 5, 20, 7}, {18, 9, 20, 11}, {6, 4, 8, 4}, {7, 13, 11, 14}, {12, 13, 14, 15},
                                   {17, 13, 20, 15}};
    for (const auto& f : plots)
        if (CellRect(f[0], f[1], f[2] - f[0] + 1, f[3] - f[1] + 1).adjusted(-2, -2, 2, 2).contains(p)) return true;
    return false;
}

}  // namespace

void PlainScenery(QPainter& p, const Roads& roads) {
    std::vector<Sprite> sprites;
    assetgen::Noise n(71);
    for (int gy = 6; gy < kH + 10; gy += 15)
        for (int gx = 4; gx < kW; gx += 15) {
            const QPointF at(gx + n.unit() * 10, gy + n.unit() * 10);
            const double wood = art::Fbm(at.x(), at.y(), 80, 3, 72);
            const double pick = n.unit();
            if (InPlainField(at) || InPlainField(at - QPointF(0, 10))) continue;
            if (wood > 0.55 && pick < 0.8) {
                const double r = 7 + n.unit() * 3;
                if (TreeFits(roads, at, r))
                    sprites.push_back({at, Kind::Tree, r, art::Mix(QColor(52, 112, 38), QColor(96, 140, 46), n.unit()), n.next()});
            } else if (pick < 0.08) {
                if (Clear(roads, at, 5)) sprites.push_back({at, Kind::Bush, 4.5, QColor(60, 118, 44), n.next()});
            } else if (pick < 0.1) {
                if (Clear(roads, at, 4)) sprites.push_back({at, Kind::Rock, 3.5, QColor(140, 138, 132), n.next()});
            }
        }
    // Lone trees at the corners of the fields.
    const QPointF corners[] = {CellCentre(15, 1) + QPointF(6, 10), CellCentre(5, 9) + QPointF(6, 10),
                               CellCentre(17, 9) + QPointF(4, 12), CellCentre(6, 13) + QPointF(0, 12),
                               CellCentre(17, 4) + QPointF(8, 10), CellCentre(11, 9) + QPointF(-6, -6)};
    for (const QPointF& c : corners)
        if (TreeFits(roads, c, 9)) sprites.push_back({c, Kind::Tree, 9, QColor(60, 120, 40), n.next()});
    Draw(p, sprites);
}

void MountainScenery(QPainter& p, const Roads& roads) {
    std::vector<Sprite> sprites;
    assetgen::Noise n(81);
    for (int gy = 6; gy < kH + 10; gy += 12)
        for (int gx = 4; gx < kW; gx += 12) {
            const QPointF at(gx + n.unit() * 8, gy + n.unit() * 8);
            const double h = MountainHeight(roads, at.x(), at.y());
            const double pick = n.unit();
            if (h < 0.24 && art::Fbm(at.x(), at.y(), 60, 2, 82) > 0.45 && pick < 0.75) {
                const double size = 15 + n.unit() * 6;
                if (Clear(roads, at, 4) && Clear(roads, at - QPointF(0, size * 0.5), size * 0.35))
                    sprites.push_back({at, Kind::Pine, size, art::Mix(QColor(30, 74, 44), QColor(54, 96, 50), n.unit()), 0});
            } else if (pick < 0.06 && h < 0.5) {
                const double r = 3 + n.unit() * 4;
                if (Clear(roads, at, r)) sprites.push_back({at, Kind::Rock, r, QColor(128, 124, 134), n.next()});
            }
        }
    Draw(p, sprites);
}

void ForestScenery(QPainter& p, const Roads& roads) {
    std::vector<Sprite> sprites;
    assetgen::Noise n(91);
    for (int gy = 2; gy < kH + 16; gy += 11)
        for (int gx = 2; gx < kW; gx += 12) {
            const QPointF at(gx + n.unit() * 9, gy + n.unit() * 8);
            const double pick = n.unit();
            const double kind = art::Fbm(at.x(), at.y(), 70, 2, 92);
            if (kind > 0.58 && pick < 0.85) {
                const double size = 20 + n.unit() * 7;
                if (Clear(roads, at, 3) && Clear(roads, at - QPointF(0, size * 0.5), size * 0.32))
                    sprites.push_back({at, Kind::Pine, size, art::Mix(QColor(22, 62, 36), QColor(40, 86, 46), n.unit()), 0});
            } else if (pick < 0.9) {
                const double r = 8 + n.unit() * 4;
                const QColor leaves = n.unit() < 0.1 ? QColor(128, 138, 40)
                                                     : art::Mix(QColor(26, 78, 28), QColor(58, 110, 36), n.unit());
                if (TreeFits(roads, at, r)) sprites.push_back({at, Kind::Tree, r, leaves, n.next()});
                else if (Clear(roads, at, 4) && pick < 0.4) sprites.push_back({at, Kind::Bush, 4, QColor(46, 100, 36), n.next()});
            }
        }
    Draw(p, sprites);
}

}  // namespace mapart
