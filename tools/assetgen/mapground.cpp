// The ground layers of the four zone maps: relief-shaded grass, rock, snow, paving and
// forest floor, with the fields of the plain laid on top.
#include "artkit.h"
#include "common.h"
#include "mapkit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace mapart {
namespace {

constexpr int kW = map::kColumns * kCell;
constexpr int kH = map::kRows * kCell;

// The centres of the places of each zone (1-4).
const std::vector<QPointF>& PlaceCentres(int zone) {
    static const auto centres = [] {
        std::array<std::vector<QPointF>, 5> out;
        for (int i = 0; i < map::kPlaceCount; ++i) {
            const map::PlaceCell& pc = map::PlaceCells()[i];
            out[size_t(pc.cell.zone)].push_back(CellCentre(pc.cell.column, pc.cell.row));
        }
        return out;
    }();
    return centres[size_t(zone)];
}

double PlaceDistance(int zone, double x, double y) {
    // hypot only where the squared distance may still be the least.
    double best = 1e9, bound = 1e18;
    for (const QPointF& c : PlaceCentres(zone)) {
        const double dx = x - c.x(), dy = y - c.y();
        if (dx * dx + dy * dy > bound) continue;
        const double h = std::hypot(dx, dy);
        if (h < best) {
            best = h;
            bound = best * best * (1 + 1e-9) + 1e-12;
        }
    }
    return best;
}

struct FieldPlot { int c0, r0, c1, r1; int kind; bool across; };

// Fields of the plain, in whole cells clear of roads: 0 wheat, 1 ploughed, 2 crops, 3 lavender.
constexpr FieldPlot kPlainFields[] = {
    {5, 1, 8, 2, 0, true},   {9, 1, 11, 2, 1, false}, {12, 1, 14, 2, 2, true},  {6, 9, 8, 11, 1, true},
    {12, 9, 15, 11, 0, false}, {17, 5, 20, 7, 2, false}, {18, 9, 20, 11, 3, true}, {6, 4, 8, 4, 2, true},
    {7, 13, 11, 14, 0, true}, {12, 13, 14, 15, 1, false},
};

void PaintField(QPainter& p, const FieldPlot& f, uint32_t seed) {
    const QRectF area = CellRect(f.c0, f.r0, f.c1 - f.c0 + 1, f.r1 - f.r0 + 1).adjusted(4, 4, -4, -4);
    const art::Colour light[] = {{232, 206, 58}, {96, 66, 46}, {92, 150, 56}, {150, 118, 204}};
    const art::Colour dark[] = {{204, 170, 40}, {70, 46, 34}, {62, 116, 42}, {110, 84, 168}};
    p.save();
    // Furrows or crop rows with a noisy, sunlit texture.
    const QRect box = area.toAlignedRect();
    const QImage plot = art::Field(box.width(), box.height(), [&](double x, double y) {
        const double along = f.across ? y : x;
        const double row = 0.5 + 0.5 * std::sin(along * 1.8);
        const double tone = art::Fbm(x + box.x(), y + box.y(), 16, 3, seed);
        art::Colour c = art::Mix(dark[f.kind], light[f.kind], row * 0.8 + tone * 0.2);
        return art::Shade(c, 0.86 + 0.26 * tone);
    });
    p.drawImage(box.topLeft(), plot);
    // A hedge of low bushes around the plot.
    QPen hedge(QColor(34, 72, 26), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(hedge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setPen(QPen(QColor(70, 120, 44), 1.2, Qt::DotLine));
    p.drawRect(area.adjusted(-2.2, -2.2, 0.8, 0.8));
    p.restore();
}

}  // namespace

double SmoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QImage PlainGround(const Roads& roads) {
    QImage img = ReliefGround(
        [](double x, double y) { return art::Fbm(x, y, 150, 4, 11); }, 22,
        [](double x, double y, double, double light) {
            const double m = art::Fbm(x, y, 55, 3, 12);
            const double fine = assetgen::ValueNoise(x * 0.5, y * 0.5, 13);
            art::Colour g = art::Mix(art::Colour(70, 122, 40), art::Colour(134, 170, 62), m);
            g = art::Mix(g, art::Colour(96, 146, 52), fine * 0.4);
            return art::Shade(g, 0.72 + 0.55 * light);
        });
    QPainter p(&img);
    art::Prepare(p);
    for (size_t i = 0; i < std::size(kPlainFields); ++i) PaintField(p, kPlainFields[i], 30u + uint32_t(i));
    // A pond in the south-east: a ragged shore of reeds round deep water.
    QPainterPath water;
    const QPointF pc = CellCentre(18, 14) + QPointF(12, 6);
    for (int i = 0; i <= 48; ++i) {
        const double a = i * 6.2832 / 48;
        const double r = 1.0 + 0.22 * (art::Fbm(std::cos(a) * 40 + 100, std::sin(a) * 40 + 100, 18, 2, 16) - 0.5) * 2;
        const QPointF pt = pc + QPointF(std::cos(a) * 52 * r, std::sin(a) * 30 * r);
        if (i == 0) water.moveTo(pt);
        else water.lineTo(pt);
    }
    water.closeSubpath();
    p.setPen(QPen(QColor(46, 84, 36), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(water);
    QRadialGradient wg(pc + QPointF(-14, -8), 60);
    wg.setColorAt(0, QColor(90, 150, 200));
    wg.setColorAt(1, QColor(30, 66, 120));
    p.setPen(QPen(QColor(20, 40, 60), 1.2));
    p.setBrush(wg);
    p.drawPath(water);
    p.setPen(QPen(QColor(230, 245, 255, 150), 1.0));
    for (int i = 0; i < 4; ++i)
        p.drawLine(pc + QPointF(-26 + i * 12, -12 + i * 7), pc + QPointF(-16 + i * 12, -12 + i * 7));
    assetgen::Noise reeds(17);
    for (int i = 0; i < 60; ++i) {
        const double a = reeds.unit() * 6.2832;
        const QPointF at = pc + QPointF(std::cos(a) * (50 + reeds.unit() * 6), std::sin(a) * (28 + reeds.unit() * 4));
        p.setPen(QPen(QColor(60, 100, 40), 1));
        p.drawLine(at, at + QPointF(reeds.unit() * 2 - 1, -6));
        if (reeds.unit() < 0.4) {
            p.setPen(QPen(QColor(90, 60, 36), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at + QPointF(0, -5), at + QPointF(0, -7));
        }
    }
    for (const QPointF& lily : {pc + QPointF(16, 4), pc + QPointF(24, -6), pc + QPointF(-30, 8)}) {
        p.setPen(QPen(QColor(30, 70, 20), 0.6));
        p.setBrush(QColor(90, 150, 60));
        p.drawPie(QRectF(lily.x() - 3.5, lily.y() - 2.5, 7, 5), 30 * 16, 300 * 16);
    }
    // Clusters of meadow flowers.
    assetgen::Noise n(14);
    for (int i = 0; i < 700; ++i) {
        const QPointF at(n.unit() * kW, n.unit() * kH);
        if (!Clear(roads, at, 1) || art::Fbm(at.x(), at.y(), 50, 2, 15) < 0.62) continue;
        bool inField = false;
        for (const FieldPlot& f : kPlainFields)
            if (CellRect(f.c0, f.r0, f.c1 - f.c0 + 1, f.r1 - f.r0 + 1).adjusted(-3, -3, 3, 3).contains(at)) inField = true;
        if (inField || water.boundingRect().adjusted(-6, -6, 6, 6).contains(at)) continue;
        Flowers(p, QRectF(at, QSizeF(5, 5)), 2, 100u + uint32_t(i));
    }
    return img;
}

double MountainHeight(const Roads& roads, double x, double y) {
    // Warped ridges for the crests, softer noise for the slopes, low valleys along the passes.
    const double wx = x + 40 * (art::Fbm(x, y, 90, 2, 25) - 0.5), wy = y + 40 * (art::Fbm(x, y, 90, 2, 26) - 0.5);
    const double ridge = 1.0 - std::fabs(2.0 * art::Fbm(wx, wy, 110, 5, 21) - 1.0);
    double h = 0.6 * std::pow(ridge, 1.6) + 0.5 * art::Fbm(wx, wy, 44, 4, 22) - 0.08;
    // Ragged valley sides: the distance to the passes is disturbed by noise.
    const double d = std::min(roads.Distance(QPointF(x, y)), PlaceDistance(roads.zone, x, y) - 40) +
                     36 * (art::Fbm(x, y, 34, 3, 28) - 0.5);
    h *= 0.2 + 0.8 * SmoothStep(-4, 80, d);
    return std::clamp(h, 0.0, 0.999);
}

QImage MountainGround(const Roads& roads) {
    auto height = [&roads](double x, double y) { return MountainHeight(roads, x, y); };
    return ReliefGround(height, 110, [](double x, double y, double h, double light) {
        const double fine = assetgen::ValueNoise(x * 0.45, y * 0.45, 23);
        const art::Colour meadow = art::Mix(art::Colour(92, 122, 54), art::Colour(120, 132, 72), art::Fbm(x, y, 30, 2, 24));
        // Rock in strata of violet-grey and blue-grey.
        const double strata = 0.5 + 0.5 * std::sin(h * 46 + art::Fbm(x, y, 25, 2, 27) * 6);
        art::Colour rock = art::Mix(art::Colour(104, 100, 114), art::Colour(140, 138, 150), strata * 0.6 + fine * 0.4);
        art::Colour c = art::Mix(meadow, rock, SmoothStep(0.16, 0.28, h));
        const art::Colour snow = art::Mix(art::Colour(150, 170, 205), art::Colour(246, 248, 255), SmoothStep(0.25, 0.75, light));
        c = art::Mix(c, snow, SmoothStep(0.54, 0.59, h + fine * 0.04));
        const double lit = h > 0.56 ? 0.85 + 0.3 * light : 0.5 + 0.85 * light;
        return art::Shade(c, lit);
    });
}

QImage TownGround(const Roads& roads) {
    (void)roads;
    // Dark flagstones and garden soil between the houses.
    return art::Field(kW, kH, [](double x, double y) {
        const double g = art::Fbm(x, y, 40, 3, 41);
        const bool joint = std::fmod(x, 9) < 1 || std::fmod(y, 7) < 1;  // one game pixel wide
        art::Colour c = art::Mix(art::Colour(92, 96, 88), art::Colour(76, 108, 58), SmoothStep(0.45, 0.6, g));
        if (joint) c = art::Shade(c, 0.8);
        return art::Shade(c, 0.9 + 0.2 * assetgen::ValueNoise(x * 0.6, y * 0.6, 42));
    });
}

QImage ForestGround(const Roads& roads) {
    const int zone = roads.zone;
    return ReliefGround([](double x, double y) { return art::Fbm(x, y, 90, 4, 61); }, 30,
                        [zone](double x, double y, double, double light) {
                            const double m = art::Fbm(x, y, 40, 3, 62);
                            art::Colour c = art::Mix(art::Colour(36, 64, 28), art::Colour(64, 92, 36), m);
                            if (assetgen::ValueNoise(x * 0.3, y * 0.3, 63) > 0.8) c = art::Colour(70, 54, 34);
                            // Grassy clearings around the places.
                            const double clearing = SmoothStep(58, 40, PlaceDistance(zone, x, y));
                            c = art::Mix(c, art::Mix(art::Colour(92, 142, 52), art::Colour(118, 160, 60), m), clearing);
                            return art::Shade(c, 0.75 + 0.5 * light);
                        });
}

}  // namespace mapart
