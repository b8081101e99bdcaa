#pragma once
// Painting helpers for the interface and spell pictures (buttons, icons, dialogs, spell
// effects), and the parts GenerateInterface and GenerateSpells are made of.
#include "colourmath.h"
#include "common.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace assetgen::ui {

// The parts of the interface, each in its own file.
void GenerateTitle(const QString& dir);       // epee.gif, feueteint/feuallume.bmp, quelmor.ico, apropos1/2.gif
void GenerateBoard(const QString& dir);       // sundial, frame, buttons, fight button, panel decoration
void GenerateIcons(const QString& dir);       // value icons, tab icons, fight actions, resources
void GenerateDialogs(const QString& dir);     // resources, mine, graveyard backgrounds, message backdrop
void GenerateSpellFrames(const QString& dir); // anim00..47.gif

// A transparent (or filled) ARGB image.
QImage Canvas(int w, int h, QColor fill = Qt::transparent);
// A painter with antialiasing on.
void Smooth(QPainter& p);

QColor Mix(const QColor& a, const QColor& b, double t);
inline Colour Mix(Colour a, Colour b, double t) { return MixColours(a, b, t); }
// Each channel times f, rounded, within 0-255.
inline Colour ShadeChannels(Rgba8 v, double f) {
    auto ch = [f](int x) { return RoundedChannel(x * f); };
    return Colour(ch(v.r), ch(v.g), ch(v.b), v.a);
}
inline QColor Shade(const QColor& c, double f) { return ShadeChannels(Channels8(c), f); }
inline Colour Shade(Colour c, double f) { return ShadeChannels(Channels8(c), f); }
QColor WithAlpha(const QColor& c, int alpha);

// Player colours 1 red, 2 blue, 3 green, 4 yellow.
QColor PlayerColour(int player);

// Fractal value noise in [0, 1) with the first octave `scale` pixels wide.
inline double Fbm(double x, double y, double scale, int octaves, uint32_t seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * ValueNoise(x / scale, y / scale, seed + uint32_t(o) * 1013u);
        norm += amp;
        amp *= 0.5;
        scale /= 2;
    }
    return sum / norm;
}

// An opaque image of colour(x, y).
QImage Field(int w, int h, const std::function<QColor(double, double)>& colour);

// Fills a path and strokes it with an outline.
void Outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line, double width);

// Linear gradient across a box from light to dark forms of a colour.
QLinearGradient Sheen(const QPointF& a, const QPointF& b, const QColor& base, double light = 1.4, double dark = 0.55);
// Radial ball shading lit from the upper left.
QRadialGradient Ball(const QRectF& box, const QColor& base);

// The image flattened onto an opaque colour (for BMP files).
QImage Flatten(const QImage& image, const QColor& under = Qt::black);
// The image with a soft coloured glow around its opaque parts, drawn under it.
QImage WithGlow(const QImage& image, const QColor& glow, int radius);
// The image with a one-pixel dark rim around its opaque parts (so GIF edges read on any ground).
QImage WithRim(const QImage& image, const QColor& rim);

// Soft alpha turned into an ordered dither of fully opaque and fully clear pixels, so a GIF
// keeps the look of glows and smoke.
QImage Dithered(const QImage& image);
// Flame colour for a heat value 0..1: clear through dark red and orange to pale yellow.
QColor Heat(double f);

// Old parchment: warm paper, blotches, darker edges.
QImage Parchment(int w, int h, uint32_t seed, double darkness = 0.0);
// Dark carved wood with grain running along x.
QImage DarkWood(int w, int h, uint32_t seed);
// Rough dark stone.
QImage Stone(int w, int h, uint32_t seed, const QColor& base);
// Darkens edges toward the border.
void Vignette(QImage& image, double strength);

// Text carved into a surface: a dark cut with a light lower edge.
void Engrave(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
             const QColor& dark, const QColor& light, int flags = Qt::AlignCenter);

// A five-pointed star path.
QPainterPath Star(const QPointF& centre, double outer, double inner, int points = 5, double turn = 0);

// A straight sword drawn point down along the y axis from the pommel at `top` (centre x)
// to the point at `bottom`; `width` is the blade's width.
void DrawSword(QPainter& p, double x, double top, double bottom, double width, double guard);
// A key lying from (x0, y0) (bow) to (x1, y1) (bit end).
void DrawKey(QPainter& p, QPointF bow, QPointF tip, double size, const QColor& metal);
// The black tower with its door, in the box.
void DrawTower(QPainter& p, const QRectF& box);

}  // namespace assetgen::ui
