#pragma once
// Painting helpers shared by the world pictures: colour mixing, noise textures, shaded
// shapes, outlines and halos. Everything is deterministic.
#include "colourmath.h"
#include "common.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cstdint>
#include <functional>

namespace art {

// The per-pixel painters' colour (see colourmath.h): the same results as QColor, faster.
using assetgen::Colour;

// Linear mix of two colours, t = 0 gives a, t = 1 gives b (alpha mixed too).
QColor Mix(const QColor& a, const QColor& b, double t);
inline Colour Mix(Colour a, Colour b, double t) { return assetgen::MixColours(a, b, t); }

// The colour scaled in brightness: f < 1 darker, f > 1 lighter.
inline Colour ShadeChannels(assetgen::Rgba8 v, double f) {
    if (f > 1.0) {  // lighten partly towards white so bright colours do not clip flat
        const double t = std::min(1.0, f - 1.0);
        auto up = [t](int x) { return std::clamp(int(x + (255 - x) * t * 0.55 + x * t * 0.25), 0, 255); };
        return Colour(up(v.r), up(v.g), up(v.b), v.a);
    }
    auto down = [f](int x) { return assetgen::RoundedChannel(x * f); };
    return Colour(down(v.r), down(v.g), down(v.b), v.a);
}
inline QColor Shade(const QColor& c, double f) { return ShadeChannels(assetgen::Channels8(c), f); }
inline Colour Shade(Colour c, double f) { return ShadeChannels(assetgen::Channels8(c), f); }

// A pixel of a colour, as QColor::rgba() gives it.
inline QRgb PixelOf(const QColor& c) { return c.rgba(); }
constexpr QRgb PixelOf(Colour c) { return c.rgba(); }
// The colour with another alpha (0-255).
QColor Alpha(const QColor& c, int alpha);

// Fractal value noise in [0, 1): octaves of ValueNoise, first octave at the given scale (pixels).
inline double Fbm(double x, double y, double scale, int octaves, uint32_t seed) {
    double sum = 0, amp = 1, norm = 0, f = 1.0 / scale;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * assetgen::ValueNoise(x * f, y * f, seed + uint32_t(o) * 101u);
        norm += amp;
        amp *= 0.5;
        f *= 2.0;
    }
    return std::min(sum / norm, 0.9999999);
}

// A w x h opaque image whose pixels are colour(x, y) (a QColor or a Colour). Each pixel of a larger scale
// takes the colour at its own place in the game's coordinates.
template <class Colour>
QImage Field(int w, int h, const Colour& colour) {
    QImage img = assetgen::NewImage(w, h, QImage::Format_ARGB32);
    const double s = assetgen::DrawScale();
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) line[x] = PixelOf(colour(x / s, y / s));
    }
    return img;
}

// The outline of the union of all subpaths (overlapping shapes merge instead of cancelling).
QPainterPath Union(QPainterPath path);

// A painter with antialiasing and smooth pixmap transforms.
void Prepare(QPainter& p);

// Fills path with brush, then strokes it with a dark outline of the given width.
void FillOutlined(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& outline, double width);

// A radial gradient giving a ball-like shading: light from the upper left.
QRadialGradient Ball(const QRectF& box, const QColor& base, double light = 1.35, double dark = 0.55);
// A vertical (or horizontal) gradient from a lighter to a darker form of base.
QLinearGradient Ramp(const QPointF& from, const QPointF& to, const QColor& base, double start = 1.3, double end = 0.6);

// Copy of a transparent image with a dark halo of radius r pixels around its opaque parts.
QImage Halo(const QImage& image, const QColor& halo, int radius);

// A soft elliptic shadow on the ground.
void GroundShadow(QPainter& p, const QRectF& box, int alpha = 90);

// Smooth scaling to an exact size.
QImage Scaled(const QImage& image, int w, int h);

// Adds speckle noise to every opaque pixel (amount in colour steps), for a painted grain.
void Grain(QImage& image, int amount, uint32_t seed);

// A vignette darkening the picture's edges.
void Vignette(QImage& image, double strength);

}  // namespace art
