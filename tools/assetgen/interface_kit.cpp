// Painting helpers for the interface and spell pictures.
#include "interface_kit.h"

#include "colourmath.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen::ui {

QImage Canvas(int w, int h, QColor fill) {
    QImage img = NewImage(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QColor Mix(const QColor& a, const QColor& b, double t) { return MixColours(a, b, t); }

QColor WithAlpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(std::clamp(alpha, 0, 255));
    return r;
}

QColor PlayerColour(int player) {
    switch (player) {
    case 1: return QColor(206, 38, 34);
    case 2: return QColor(40, 84, 214);
    case 3: return QColor(36, 160, 56);
    default: return QColor(232, 196, 28);
    }
}

QImage Field(int w, int h, const std::function<QColor(double, double)>& colour) {
    QImage img = NewImage(w, h, QImage::Format_ARGB32_Premultiplied);
    const double s = DrawScale();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixelColor(x, y, colour(x / s, y / s));
    return img;
}

void Outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line, double width) {
    p.fillPath(path, fill);
    if (width > 0) p.strokePath(path, QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QLinearGradient Sheen(const QPointF& a, const QPointF& b, const QColor& base, double light, double dark) {
    QLinearGradient g(a, b);
    g.setColorAt(0, Shade(base, light));
    g.setColorAt(0.45, base);
    g.setColorAt(1, Shade(base, dark));
    return g;
}

QRadialGradient Ball(const QRectF& box, const QColor& base) {
    QRadialGradient g(box.center(), box.width() * 0.6, box.topLeft() + QPointF(box.width() * 0.35, box.height() * 0.3));
    g.setColorAt(0, Shade(base, 1.6));
    g.setColorAt(0.5, base);
    g.setColorAt(1, Shade(base, 0.45));
    return g;
}

QImage Flatten(const QImage& image, const QColor& under) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(image.devicePixelRatio());
    out.fill(under);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

namespace {
// Three passes of a box blur on a float plane.
void Blur(std::vector<float>& a, int w, int h, int r) {
    std::vector<float> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float s = 0;
                for (int k = -r; k <= r; ++k) s += a[size_t(y * w + std::clamp(x + k, 0, w - 1))];
                tmp[size_t(y * w + x)] = s / float(2 * r + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float s = 0;
                for (int k = -r; k <= r; ++k) s += tmp[size_t(std::clamp(y + k, 0, h - 1) * w + x)];
                a[size_t(y * w + x)] = s / float(2 * r + 1);
            }
    }
}
}  // namespace

QImage WithGlow(const QImage& image, const QColor& glow, int radius) {
    const int w = image.width(), h = image.height();
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<float> a(size_t(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) a[size_t(y * w + x)] = qAlpha(src.pixel(x, y)) / 255.0f;
    Blur(a, w, h, std::max(1, radius / 2) * DrawScale());
    QImage out = Canvas(w / DrawScale(), h / DrawScale());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.setPixelColor(x, y, WithAlpha(glow, int(std::min(1.0f, a[size_t(y * w + x)] * 1.8f) * glow.alpha())));
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

QImage WithRim(const QImage& image, const QColor& rim) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    QImage out = src;
    const int w = src.width(), h = src.height();
    auto solid = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && qAlpha(src.pixel(x, y)) >= 128; };
    // The rim is one game pixel wide: as many pixels as the drawing scale.
    const int s = DrawScale();
    auto nearSolid = [&](int x, int y) {
        for (int d = 1; d <= s; ++d)
            if (solid(x - d, y) || solid(x + d, y) || solid(x, y - d) || solid(x, y + d)) return true;
        return false;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!solid(x, y) && nearSolid(x, y)) out.setPixelColor(x, y, rim);
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Dithered(const QImage& image) {
    if (DrawScale() > 1) return image;  // the larger copies are PNG files: soft edges stay soft
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            const bool on = a * 16 > (kBayer[y % 4][x % 4] * 255 + 128);
            line[x] = on ? (line[x] | 0xFF000000u) : 0u;
        }
    }
    return out;
}

QColor Heat(double f) {
    f = std::clamp(f, 0.0, 1.0);
    if (f < 0.25) return Mix(QColor(0, 0, 0, 0), QColor(150, 20, 4, 230), f / 0.25);
    if (f < 0.5) return Mix(QColor(150, 20, 4, 230), QColor(240, 100, 14), (f - 0.25) / 0.25);
    if (f < 0.75) return Mix(QColor(240, 100, 14), QColor(255, 196, 48), (f - 0.5) / 0.25);
    return Mix(QColor(255, 196, 48), QColor(255, 250, 210), (f - 0.75) / 0.25);
}

QImage Parchment(int w, int h, uint32_t seed, double darkness) {
    const Colour paper(226, 200, 152), stain(150, 104, 56);
    QImage img = Field(w, h, [&](double x, double y) {
        const double n = Fbm(x, y, 60, 5, seed);
        const double fibres = Fbm(x * 0.3, y * 3.0, 8, 2, seed + 7);
        const double blot = std::max(0.0, Fbm(x, y, 35, 3, seed + 3) - 0.6) * 1.4;
        const Colour c = Mix(paper, stain, 0.15 + 0.35 * n + blot + 0.08 * fibres);
        return Shade(c, 1.0 - darkness);
    });
    Vignette(img, 0.55);
    return img;
}

QImage DarkWood(int w, int h, uint32_t seed) {
    const Colour dark(30, 18, 10), light(92, 56, 30);
    return Field(w, h, [&](double x, double y) {
        const double warp = Fbm(x, y, 90, 4, seed) * 18;
        const double ring = 0.5 + 0.5 * std::sin((y + warp) * 0.55 + Fbm(x, y, 30, 2, seed + 1) * 4);
        const double n = Fbm(x, y * 6, 40, 3, seed + 2);
        return Mix(dark, light, 0.25 + 0.35 * ring * n + 0.3 * n);
    });
}

QImage Stone(int w, int h, uint32_t seed, const QColor& base) {
    const Colour stone(base);
    return Field(w, h, [&](double x, double y) {
        const double n = Fbm(x, y, 24, 5, seed);
        const double crack = std::abs(Fbm(x, y, 40, 3, seed + 9) - 0.5) < 0.012 ? 0.6 : 1.0;
        return Shade(stone, (0.65 + 0.7 * n) * crack);
    });
}

void Vignette(QImage& image, double strength) {
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double d = std::pow(std::max(std::abs(dx), std::abs(dy)), 3) * 0.6 + (dx * dx + dy * dy) * 0.2;
            image.setPixelColor(x, y, Shade(image.pixelColor(x, y), 1.0 - strength * std::min(1.0, d)));
        }
}

void Engrave(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& dark,
             const QColor& light, int flags) {
    p.setFont(font);
    p.setPen(light);
    p.drawText(box.translated(0.6, 0.8), flags, text);
    p.setPen(dark);
    p.drawText(box, flags, text);
}

QPainterPath Star(const QPointF& c, double outer, double inner, int points, double turn) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = turn - M_PI / 2 + i * M_PI / points;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(pt);
        else path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void DrawSword(QPainter& p, double x, double top, double bottom, double width, double guard) {
    const double L = bottom - top;
    const QColor steel(196, 204, 218), gold(214, 168, 58), leather(88, 48, 24), ink(20, 16, 14);
    const double line = std::max(0.6, width * 0.07);
    const double gripTop = top + 0.085 * L, gripBottom = top + 0.25 * L;
    const double guardTop = gripBottom, guardBottom = top + 0.29 * L;
    const double hw = width / 2;
    // Blade: straight, then tapering to the point, with a central ridge.
    QPainterPath blade;
    blade.moveTo(x - hw, guardBottom);
    blade.lineTo(x + hw, guardBottom);
    blade.lineTo(x + hw * 0.82, top + 0.86 * L);
    blade.lineTo(x, bottom);
    blade.lineTo(x - hw * 0.82, top + 0.86 * L);
    blade.closeSubpath();
    QLinearGradient g(x - hw, 0, x + hw, 0);
    g.setColorAt(0, Shade(steel, 0.62));
    g.setColorAt(0.3, Shade(steel, 1.22));
    g.setColorAt(0.5, Shade(steel, 0.95));
    g.setColorAt(0.56, Shade(steel, 0.7));
    g.setColorAt(1, Shade(steel, 0.5));
    Outlined(p, blade, g, ink, line);
    if (width >= 6) {  // fuller and edge light
        QPainterPath fuller;
        fuller.addRoundedRect(QRectF(x - hw * 0.18, guardBottom + 0.02 * L, hw * 0.36, 0.5 * L), hw * 0.18, hw * 0.18);
        p.fillPath(fuller, WithAlpha(Shade(steel, 0.45), 200));
        p.setPen(QPen(WithAlpha(Qt::white, 150), std::max(0.5, width * 0.05)));
        p.drawLine(QPointF(x - hw * 0.7, guardBottom + 0.02 * L), QPointF(x - hw * 0.6, top + 0.84 * L));
    }
    // Grip wrapped in leather.
    const QRectF grip(x - hw * 0.42, gripTop, hw * 0.84, gripBottom - gripTop);
    QPainterPath gp;
    gp.addRoundedRect(grip, hw * 0.2, hw * 0.2);
    Outlined(p, gp, Sheen(grip.topLeft(), grip.topRight(), leather), ink, line);
    if (width >= 6) {
        p.save();
        p.setClipPath(gp);
        p.setPen(QPen(Shade(leather, 0.5), std::max(0.6, width * 0.06)));
        for (double yy = gripTop; yy < gripBottom + hw; yy += std::max(2.0, width * 0.22))
            p.drawLine(QPointF(grip.left(), yy), QPointF(grip.right(), yy - hw * 0.5));
        p.restore();
    }
    // Cross guard with down-curved quillons and a gem.
    QPainterPath cross;
    const double gy = (guardTop + guardBottom) / 2, gh = guardBottom - guardTop;
    cross.moveTo(x - guard / 2, gy + gh * 0.9);
    cross.quadTo(x - guard * 0.3, gy - gh * 0.7, x, gy - gh * 0.55);
    cross.quadTo(x + guard * 0.3, gy - gh * 0.7, x + guard / 2, gy + gh * 0.9);
    cross.quadTo(x + guard * 0.3, gy + gh * 0.45, x, gy + gh * 0.6);
    cross.quadTo(x - guard * 0.3, gy + gh * 0.45, x - guard / 2, gy + gh * 0.9);
    Outlined(p, cross, Sheen(QPointF(x, gy - gh), QPointF(x, gy + gh), gold, 1.5, 0.5), ink, line);
    const double gem = std::max(1.2, gh * 0.55);
    QRectF gemBox(x - gem, gy - gem, 2 * gem, 2 * gem);
    QPainterPath gemPath;
    gemPath.addEllipse(gemBox);
    Outlined(p, gemPath, Ball(gemBox, QColor(190, 20, 36)), ink, line * 0.7);
    // Pommel.
    const double pr = std::max(1.5, hw * 0.62);
    QRectF pom(x - pr, top + 0.045 * L - pr, 2 * pr, 2 * pr);
    QPainterPath pp;
    pp.addEllipse(pom);
    Outlined(p, pp, Ball(pom, gold), ink, line);
}

void DrawKey(QPainter& p, QPointF bow, QPointF tip, double size, const QColor& metal) {
    const QLineF axis(bow, tip);
    const double len = axis.length();
    p.save();
    p.translate(bow);
    p.rotate(-axis.angle());
    const QColor ink(24, 16, 8);
    const double r = size * 0.5, line = std::max(0.6, size * 0.08);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), r, r * 0.85);
    ring.addEllipse(QPointF(0, 0), r * 0.45, r * 0.38);
    ring.setFillRule(Qt::OddEvenFill);
    QPainterPath shaft;
    shaft.addRect(QRectF(r * 0.9, -size * 0.1, len - r * 0.9, size * 0.2));
    QPainterPath bit;
    bit.moveTo(len - size * 0.55, size * 0.08);
    bit.lineTo(len, size * 0.08);
    bit.lineTo(len, size * 0.62);
    bit.lineTo(len - size * 0.18, size * 0.62);
    bit.lineTo(len - size * 0.18, size * 0.38);
    bit.lineTo(len - size * 0.34, size * 0.38);
    bit.lineTo(len - size * 0.34, size * 0.55);
    bit.lineTo(len - size * 0.55, size * 0.55);
    bit.closeSubpath();
    const QPainterPath all = ring.united(shaft).united(bit);
    Outlined(p, all, Sheen(QPointF(0, -r), QPointF(0, r), metal, 1.5, 0.55), ink, line);
    p.restore();
}

void DrawTower(QPainter& p, const QRectF& b) {
    const QColor body(36, 34, 44), ink(6, 6, 10);
    const double w = b.width(), h = b.height();
    const double line = std::max(0.7, w * 0.025);
    // Body, slightly wider at the foot, with a crenellated crown.
    const double top = b.top() + h * 0.16, crownW = w * 0.62, footW = w * 0.74;
    QPainterPath tower;
    tower.moveTo(b.center().x() - footW / 2, b.bottom());
    tower.lineTo(b.center().x() - crownW * 0.42, top + h * 0.08);
    tower.lineTo(b.center().x() - crownW / 2, top + h * 0.08);
    tower.lineTo(b.center().x() - crownW / 2, top);
    const int merlons = 4;
    const double step = crownW / (2 * merlons - 1);
    for (int i = 0; i < 2 * merlons - 1; ++i) {
        const double x0 = b.center().x() - crownW / 2 + i * step;
        const double y = i % 2 == 0 ? top : top + h * 0.045;
        tower.lineTo(x0, y);
        tower.lineTo(x0 + step, y);
    }
    tower.lineTo(b.center().x() + crownW / 2, top + h * 0.08);
    tower.lineTo(b.center().x() + crownW * 0.42, top + h * 0.08);
    tower.lineTo(b.center().x() + footW / 2, b.bottom());
    tower.closeSubpath();
    QLinearGradient g(b.left(), 0, b.right(), 0);
    g.setColorAt(0, Shade(body, 0.6));
    g.setColorAt(0.32, Shade(body, 2.0));
    g.setColorAt(0.6, body);
    g.setColorAt(1, Shade(body, 0.35));
    Outlined(p, tower, g, ink, line);
    // Courses of stone.
    p.save();
    p.setClipPath(tower);
    p.setPen(QPen(WithAlpha(Qt::black, 150), std::max(0.5, w * 0.012)));
    const double course = std::max(2.5, h * 0.045);
    int row = 0;
    for (double y = top + h * 0.1; y < b.bottom(); y += course, ++row) {
        p.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
        for (double x = b.left() + (row % 2) * course; x < b.right(); x += course * 2)
            p.drawLine(QPointF(x, y), QPointF(x, y + course));
    }
    p.restore();
    // Glowing slit windows and the arched door.
    auto glowBox = [&](const QRectF& r) {
        QPainterPath arch;
        arch.moveTo(r.left(), r.bottom());
        arch.lineTo(r.left(), r.top() + r.width() / 2);
        arch.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
        arch.lineTo(r.right(), r.bottom());
        arch.closeSubpath();
        QLinearGradient lg(r.topLeft(), r.bottomLeft());
        lg.setColorAt(0, QColor(255, 230, 120));
        lg.setColorAt(1, QColor(220, 90, 20));
        Outlined(p, arch, lg, ink, line * 0.7);
    };
    const double cx = b.center().x();
    glowBox(QRectF(cx - w * 0.04, top + h * 0.17, w * 0.08, h * 0.11));
    glowBox(QRectF(cx - w * 0.2, top + h * 0.38, w * 0.06, h * 0.08));
    glowBox(QRectF(cx + w * 0.14, top + h * 0.38, w * 0.06, h * 0.08));
    glowBox(QRectF(cx - w * 0.11, b.bottom() - h * 0.25, w * 0.22, h * 0.25));
}

}  // namespace assetgen::ui
