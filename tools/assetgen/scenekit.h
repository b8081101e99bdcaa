#pragma once
// Pieces of the painted scenes (fight backgrounds, shops, arena, tower): skies, clouds,
// ranges of mountains, masonry, floors, planks, torches, banners and people behind counters.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <cstdint>

namespace scene {

// A vertical sky gradient from top to the horizon colour, with soft cloud noise.
QImage Sky(int w, int h, const QColor& top, const QColor& horizon, double horizonY, uint32_t seed, double cloudiness = 0.5);
// A few fluffy clouds in the band.
void Clouds(QPainter& p, const QRectF& band, int count, const QColor& colour, uint32_t seed);
// A jagged range of mountains standing on baseY, peaks up to height above it; snow caps
// cover the top part when snow > 0 (fraction of the height).
void Range(QPainter& p, double width, double baseY, double height, const QColor& colour, double snow, uint32_t seed,
           double roughness = 1.0);
// Rolling hills standing on baseY.
void Hills(QPainter& p, double width, double baseY, double amplitude, const QColor& colour, uint32_t seed);
// Stone blocks filling the rectangle, with mortar and shading.
void Masonry(QPainter& p, const QRectF& area, const QColor& stone, double blockW, double blockH, uint32_t seed);
// Wooden planks filling the rectangle (horizontal when across).
void Planks(QPainter& p, const QRectF& area, const QColor& wood, double plank, bool across, uint32_t seed);
// A floor of square tiles seen in perspective, vanishing towards (vx, top).
void TiledFloor(QPainter& p, const QRectF& area, double vx, const QColor& a, const QColor& b, int columns, int rows);
// A burning torch in a bracket on a wall.
void Torch(QPainter& p, const QPointF& at, double scale = 1.0);
// A hanging banner.
void Banner(QPainter& p, const QRectF& area, const QColor& cloth, const QColor& trim);
// A seller seen from the waist up behind a counter: head centre at c.
void Seller(QPainter& p, const QPointF& c, double scale, const QColor& skin, const QColor& cloth, const QColor& hair, int hat,
            uint32_t seed);
// A timber-framed house front with its gable roof above r.
void Facade(QPainter& p, const QRectF& r, const QColor& wall, const QColor& roof, uint32_t seed);
// A pale calm band for messages: the lower strip softened towards an even tone.
void CalmBand(QImage& img, int top, int bottom, double strength);

}  // namespace scene
