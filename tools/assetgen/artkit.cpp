// Painting helpers of the world pictures.
#include "artkit.h"

#include "colourmath.h"
#include "common.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace art {

QColor Mix(const QColor& a, const QColor& b, double t) { return assetgen::MixColours(a, b, t); }

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
    // The disc of offsets and their fall-off, each offset once.
    struct Offset { int dx, dy; double fall; };
    std::vector<Offset> disc;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const double d = std::sqrt(double(dx * dx + dy * dy));
            if (d > radius + 0.5) continue;
            const double fall = std::clamp(radius + 1.0 - d, 0.0, 1.0);
            if (fall > 0) disc.push_back({dx, dy, fall});
        }
    // Each pixel's halo is the strongest of its neighbours' alpha times the fall-off: spread
    // from the pixels that have any alpha, which are few in a figure's frame.
    std::vector<double> best(size_t(w) * size_t(h), 0.0);
    for (int sy = 0; sy < h; ++sy) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        for (int sx = 0; sx < w; ++sx) {
            const int alpha = qAlpha(line[sx]);
            if (alpha == 0) continue;
            for (const Offset& o : disc) {
                const int x = sx - o.dx, y = sy - o.dy;
                if (x < 0 || y < 0 || x >= w || y >= h) continue;
                double& b = best[size_t(y) * size_t(w) + size_t(x)];
                b = std::max(b, alpha * o.fall);
            }
        }
    }
    // The halo colour at each of its 256 strengths, as the image stores it.
    QImage out(w, h, QImage::Format_ARGB32);
    out.setDevicePixelRatio(src.devicePixelRatio());
    std::array<QRgb, 256> shades{};
    for (int a = 0; a < 256 && !out.isNull(); ++a) {
        out.setPixelColor(0, 0, Alpha(halo, a));
        shades[size_t(a)] = out.pixel(0, 0);
    }
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) line[x] = shades[size_t(std::clamp(int(best[size_t(y) * size_t(w) + size_t(x)] * halo.alphaF()), 0, 255))];
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
