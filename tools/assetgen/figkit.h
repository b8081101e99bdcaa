#pragma once
// Body parts for the painted characters: busts, heads, faces, hair and gear, drawn in
// the units of a 64 x 80 portrait (scaled by the caller's painter).
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <functional>

namespace fig {

// A figure painter: draws into a painter whose units are portrait units.
using Painter = std::function<void(QPainter&)>;

// Fills the path with the brush and a dark outline of the fill colour.
void Fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& outline, double width = 0.7);
// The same with a brush made from a base colour: a vertical light-to-dark ramp over the path.
void Solid(QPainter& p, const QPainterPath& path, const QColor& base, double width = 0.7);

QPainterPath Ellipse(const QPointF& c, double rx, double ry);
QPainterPath Poly(std::initializer_list<QPointF> points);

// Shoulders and chest filling the bottom of the portrait, neck included.
void Shoulders(QPainter& p, const QColor& cloth, const QColor& skin, double width = 1.0, double top = 56);
// A face oval with skin shading.
void Head(QPainter& p, const QPointF& c, double rx, double ry, const QColor& skin);
// Two eyes: whites, iris and pupil, and brows; frown > 0 angles the brows down inward.
void Eyes(QPainter& p, const QPointF& c, double spacing, double size, const QColor& iris, double frown = 0,
          const QColor& brow = QColor(60, 40, 30));
// Glowing eyes without whites (monsters, hooded faces).
void GlowEyes(QPainter& p, const QPointF& c, double spacing, double size, const QColor& glow);
void Nose(QPainter& p, const QPointF& tip, double size, const QColor& skin);
// A mouth: smile > 0 curves up, < 0 down.
void Mouth(QPainter& p, const QPointF& c, double width, double smile, const QColor& lips = QColor(150, 60, 60));
// Ears at both sides of a head; pointed ears reach up and out.
void Ears(QPainter& p, const QPointF& c, double rx, const QColor& skin, bool pointed, double size = 1.0);
// A full beard under the mouth line.
void Beard(QPainter& p, const QPointF& chin, double width, double length, const QColor& hair);
// Long hair falling behind the head (draw before the head).
void LongHair(QPainter& p, const QPointF& c, double rx, double length, const QColor& hair);
// A fringe of hair over the forehead (draw after the head).
void Fringe(QPainter& p, const QPointF& c, double rx, double ry, const QColor& hair);
// Straight weapons and shafts, from grip to tip.
void Shaft(QPainter& p, const QPointF& a, const QPointF& b, double width, const QColor& wood);
void Blade(QPainter& p, const QPointF& hilt, const QPointF& tip, double width, const QColor& steel);
void Fist(QPainter& p, const QPointF& c, double r, const QColor& skin);
// A bow drawn upright at x between top and bottom, bulging outward by bend.
void Bow(QPainter& p, double x, double top, double bottom, double bend, const QColor& wood);
// A five-pointed star.
QPainterPath Star(const QPointF& c, double outer, double inner);
// A soft glow disc.
void Glow(QPainter& p, const QPointF& c, double r, const QColor& colour);

// Renders a figure at a supersampled size and returns it scaled to w x h; the figure is
// drawn in the units of the given source rectangle.
QImage Render(const Painter& draw, const QRectF& source, int w, int h, int supersample = 4);

}  // namespace fig
