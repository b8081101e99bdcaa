// Painting helpers of the world pictures.
#include "artkit.h"

#include "colourmath.h"
#include "common.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

QColor Mix(const QColor& a, const QColor& b, double t) { return assetgen::MixColours(a, b, t); }

QColor Shade(const QColor& c, double f) {
    const assetgen::Rgba8 v = assetgen::Channels8(c);
    if (f > 1.0) {  // lighten partly towards white so bright colours do not clip flat
        const double t = std::min(1.0, f - 1.0);
        auto up = [t](int x) { return std::clamp(int(x + (255 - x) * t * 0.55 + x * t * 0.25), 0, 255); };
        return QColor(up(v.r), up(v.g), up(v.b), v.a);
    }
    auto down = [f](int x) { return assetgen::RoundedChannel(x * f); };
    return QColor(down(v.r), down(v.g), down(v.b), v.a);
}

QColor Alpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(std::clamp(alpha, 0, 255));
    return r;
}

QPainterPath Union(QPainterPath path) {
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

void Prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void FillOutlined(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& outline, double width) {
    p.save();
    p.setBrush(brush);
    if (width > 0) {
        QPen pen(outline, width);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(path);
    p.restore();
}

QRadialGradient Ball(const QRectF& box, const QColor& base, double light, double dark) {
    QRadialGradient g(box.center(), std::max(box.width(), box.height()) * 0.62,
                      QPointF(box.left() + box.width() * 0.35, box.top() + box.height() * 0.3));
    g.setColorAt(0.0, Shade(base, light));
    g.setColorAt(0.55, base);
    g.setColorAt(1.0, Shade(base, dark));
    return g;
}

QLinearGradient Ramp(const QPointF& from, const QPointF& to, const QColor& base, double start, double end) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, Shade(base, start));
    g.setColorAt(0.5, base);
    g.setColorAt(1.0, Shade(base, end));
    return g;
}

QImage Halo(const QImage& image, const QColor& halo, int radius) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    radius *= assetgen::DrawScale();
    QImage out(w, h, QImage::Format_ARGB32);
    out.setDevicePixelRatio(src.devicePixelRatio());
    out.fill(Qt::transparent);
    std::vector<int> alpha(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) alpha[size_t(y) * size_t(w) + size_t(x)] = qAlpha(src.pixel(x, y));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double best = 0;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
                    const double d = std::sqrt(double(dx * dx + dy * dy));
                    if (d > radius + 0.5) continue;
                    const double fall = std::clamp(radius + 1.0 - d, 0.0, 1.0);
                    best = std::max(best, alpha[size_t(sy) * size_t(w) + size_t(sx)] * fall);
                }
            out.setPixelColor(x, y, Alpha(halo, int(best * halo.alphaF())));
        }
    QPainter p(&out);
    p.drawImage(0, 0, src);
    p.end();
    return out;
}

void GroundShadow(QPainter& p, const QRectF& box, int alpha) {
    p.save();
    QRadialGradient g(box.center(), box.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(box.center());
    p.scale(1.0, box.height() / box.width());
    p.drawEllipse(QPointF(0, 0), box.width() / 2, box.width() / 2);
    p.restore();
}

QImage Scaled(const QImage& image, int w, int h) {
    // Halve repeatedly for a clean box filter, then finish with a smooth transform.
    QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int s = assetgen::DrawScale();
    w *= s;
    h *= s;
    while (img.width() >= w * 2 && img.height() >= h * 2)
        img = img.scaled(img.width() / 2, img.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out = img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(s);
    return out;
}

void Grain(QImage& image, int amount, uint32_t seed) {
    assetgen::Noise n(seed);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = n.range(-amount, amount);
            const QRgb c = line[x];
            if (qAlpha(c) == 0) continue;
            line[x] = qRgba(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                            std::clamp(qBlue(c) + d, 0, 255), qAlpha(c));
        }
    }
}

void Vignette(QImage& image, double strength) {
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double f = 1.0 - strength * std::clamp((dx * dx + dy * dy) * 0.5 - 0.15, 0.0, 1.0);
            const QRgb c = line[x];
            line[x] = qRgba(int(qRed(c) * f), int(qGreen(c) * f), int(qBlue(c) * f), qAlpha(c));
        }
    }
}

}  // namespace art
