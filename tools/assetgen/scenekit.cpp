// Pieces of the painted scenes.
#include "scenekit.h"

#include "artkit.h"
#include "common.h"
#include "figkit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace scene {

QImage Sky(int w, int h, const QColor& top, const QColor& horizon, double horizonY, uint32_t seed, double cloudiness) {
    const art::Colour high(top), low(horizon);
    return art::Field(w, h, [&](double x, double y) {
        const double t = std::clamp(y / horizonY, 0.0, 1.0);
        art::Colour c = art::Mix(high, low, std::pow(t, 1.4));
        const double cloud = art::Fbm(x * 0.6, y * 1.6, 70, 5, seed);
        const double amount = std::clamp((cloud - (1.0 - cloudiness * 0.6)) * 3.0, 0.0, 0.85);
        c = art::Mix(c, art::Mix(art::Colour(255, 255, 255), low, 0.3), amount * (1.0 - t * 0.5));
        return c;
    });
}

void Clouds(QPainter& p, const QRectF& band, int count, const QColor& colour, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(band.left() + n.unit() * band.width(), band.top() + n.unit() * band.height());
        const double size = 14 + n.unit() * 22;
        for (int k = 0; k < 6; ++k) {
            const QPointF b = c + QPointF((k - 2.5) * size * 0.45, -std::sin(k * 0.6) * size * 0.25 * (k % 2 ? 1.4 : 0.8));
            const double r = size * (0.45 + n.unit() * 0.3);
            QRadialGradient g(b + QPointF(-r * 0.2, -r * 0.35), r * 1.2);
            g.setColorAt(0, art::Alpha(art::Shade(colour, 1.15), 235));
            g.setColorAt(0.7, art::Alpha(colour, 220));
            g.setColorAt(1, art::Alpha(art::Shade(colour, 0.8), 0));
            p.setBrush(g);
            p.drawEllipse(b, r * 1.2, r * 0.8);
        }
    }
    p.restore();
}

void Range(QPainter& p, double width, double baseY, double height, const QColor& colour, double snow, uint32_t seed,
           double roughness) {
    // Ridge line from summed noise; the faces are lit from the left.
    std::vector<QPointF> ridge;
    for (double x = -4; x <= width + 4; x += 2) {
        double r = art::Fbm(x, 0, 90, 4, seed);
        r = 1.0 - std::fabs(2 * r - 1);
        const double y = baseY - height * (0.25 + 0.75 * std::pow(r, 1.3 * roughness));
        ridge.emplace_back(x, y);
    }
    QPainterPath shape;
    shape.moveTo(-4, baseY + 2);
    for (const QPointF& pt : ridge) shape.lineTo(pt);
    shape.lineTo(width + 4, baseY + 2);
    shape.closeSubpath();
    // Faces turned to the light (left) are bright, the others in shade; streaks of rock.
    auto ridgeAt = [&](double x) {
        const size_t i = size_t(std::clamp((x + 4) / 2, 0.0, double(ridge.size() - 1)));
        return ridge[i].y();
    };
    const int top = int(std::max(0.0, baseY - height - 2)), bottom = int(baseY + 2);
    const art::Colour rock(colour);
    const QImage face = art::Field(int(width), bottom - top, [&](double x, double y) {
        const double slope = ridgeAt(x + 5) - ridgeAt(x - 5);
        const double depth = (y + top - ridgeAt(x)) / height;
        const double streak = art::Fbm(x * 1.4, (y + top) * 0.9, 26, 3, seed + 5);
        const double light = std::clamp(0.55 - slope * 0.035 + (streak - 0.5) * 0.5 - depth * 0.25, 0.1, 1.0);
        return art::Shade(rock, 0.55 + 0.75 * light);
    });
    p.save();
    p.setClipPath(shape);
    p.drawImage(0, top, face);    if (snow > 0) {
        QPainterPath cap;
        cap.moveTo(ridge.front());
        for (const QPointF& pt : ridge) cap.lineTo(pt);
        for (auto it = ridge.rbegin(); it != ridge.rend(); ++it) {
            const double depth = height * snow * (0.6 + 0.4 * art::Fbm(it->x(), 10, 14, 2, seed + 3));
            cap.lineTo(it->x(), std::min(baseY, it->y() + depth * std::clamp((baseY - it->y()) / height - 0.45, 0.0, 1.0) * 2));
        }
        cap.closeSubpath();
        QLinearGradient sg(0, baseY - height, 0, baseY - height * 0.4);
        sg.setColorAt(0, QColor(255, 255, 255));
        sg.setColorAt(1, QColor(200, 214, 236));
        p.setPen(Qt::NoPen);
        p.setBrush(sg);
        p.drawPath(cap);
    }
    p.restore();
}

void Hills(QPainter& p, double width, double baseY, double amplitude, const QColor& colour, uint32_t seed) {
    QPainterPath shape;
    shape.moveTo(-4, baseY + 4000);
    for (double x = -4; x <= width + 4; x += 3) shape.lineTo(x, baseY - amplitude * art::Fbm(x, 0, 120, 3, seed));
    shape.lineTo(width + 4, baseY + 4000);
    shape.closeSubpath();
    QLinearGradient g(0, baseY - amplitude, 0, baseY + amplitude);
    g.setColorAt(0, art::Shade(colour, 1.15));
    g.setColorAt(1, art::Shade(colour, 0.75));
    p.save();
    p.setPen(QPen(art::Shade(colour, 0.6), 1));
    p.setBrush(g);
    p.drawPath(shape);
    p.restore();
}

void Masonry(QPainter& p, const QRectF& area, const QColor& stone, double blockW, double blockH, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    p.setClipRect(area);
    p.fillRect(area, art::Shade(stone, 0.45));
    int row = 0;
    for (double y = area.top(); y < area.bottom(); y += blockH, ++row) {
        const double off = (row % 2) ? blockW / 2 : 0;
        for (double x = area.left() - off; x < area.right(); x += blockW) {
            const QRectF b(x + 1, y + 1, blockW - 2, blockH - 2);
            const QColor c = art::Shade(stone, 0.8 + 0.35 * n.unit());
            QLinearGradient g(b.topLeft(), b.bottomRight());
            g.setColorAt(0, art::Shade(c, 1.2));
            g.setColorAt(1, art::Shade(c, 0.75));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(b, 1.5, 1.5);
            if (n.unit() < 0.25) {
                p.setPen(QPen(art::Alpha(art::Shade(c, 0.5), 160), 0.8));
                p.drawLine(QPointF(b.left() + b.width() * n.unit(), b.top()), QPointF(b.left() + b.width() * n.unit(), b.bottom()));
            }
        }
    }
    p.restore();
}

void Planks(QPainter& p, const QRectF& area, const QColor& wood, double plank, bool across, uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    p.setClipRect(area);
    const double len = across ? area.height() : area.width();
    for (double t = 0; t < len; t += plank) {
        const QRectF b = across ? QRectF(area.left(), area.top() + t, area.width(), plank)
                                : QRectF(area.left() + t, area.top(), plank, area.height());
        const QColor c = art::Shade(wood, 0.82 + 0.3 * n.unit());
        p.setPen(QPen(art::Shade(wood, 0.4), 1));
        p.setBrush(c);
        p.drawRect(b);
        p.setPen(QPen(art::Alpha(art::Shade(c, 0.7), 150), 0.7));
        for (int k = 0; k < 3; ++k) {
            const double f = (k + 1) / 4.0 + (n.unit() - 0.5) * 0.1;
            if (across) p.drawLine(QPointF(b.left(), b.top() + b.height() * f), QPointF(b.right(), b.top() + b.height() * f));
            else p.drawLine(QPointF(b.left() + b.width() * f, b.top()), QPointF(b.left() + b.width() * f, b.bottom()));
        }
    }
    p.restore();
}

void TiledFloor(QPainter& p, const QRectF& area, double vx, const QColor& a, const QColor& b, int columns, int rows) {
    p.save();
    p.setClipRect(area);
    const double depth = 2.2;  // how fast rows shrink towards the back
    auto rowY = [&](double t) { return area.top() + area.height() * (std::pow(depth, t) - 1) / (depth - 1); };
    for (int r = 0; r < rows; ++r) {
        const double t0 = double(r) / rows, t1 = double(r + 1) / rows;
        const double y0 = rowY(t0), y1 = rowY(t1);
        const double spread0 = 0.55 + 0.45 * (y0 - area.top()) / area.height();
        const double spread1 = 0.55 + 0.45 * (y1 - area.top()) / area.height();
        for (int c = -columns; c < 2 * columns; ++c) {
            const double u0 = double(c) / columns, u1 = double(c + 1) / columns;
            auto X = [&](double u, double spread) { return vx + (area.left() + u * area.width() - vx) * spread * 1.6; };
            QPolygonF tile;
            tile << QPointF(X(u0, spread0), y0) << QPointF(X(u1, spread0), y0) << QPointF(X(u1, spread1), y1) << QPointF(X(u0, spread1), y1);
            const QColor base = (r + c) % 2 ? a : b;
            p.setPen(QPen(art::Shade(base, 0.5), 0.8));
            p.setBrush(art::Shade(base, 0.75 + 0.35 * (y1 - area.top()) / area.height()));
            p.drawPolygon(tile);
        }
    }
    p.restore();
}

void Torch(QPainter& p, const QPointF& at, double s) {
    fig::Glow(p, at + QPointF(0, -8 * s), 40 * s, QColor(255, 190, 80, 110));
    p.save();
    p.setPen(QPen(QColor(20, 16, 14), 1));
    p.setBrush(QColor(60, 56, 60));
    p.drawRect(QRectF(at.x() - 4 * s, at.y() + 6 * s, 8 * s, 3 * s));
    p.setBrush(QColor(110, 70, 40));
    QPolygonF stick;
    stick << at + QPointF(-2.5 * s, -2 * s) << at + QPointF(2.5 * s, -2 * s) << at + QPointF(1.5 * s, 14 * s) << at + QPointF(-1.5 * s, 14 * s);
    p.drawPolygon(stick);
    QPainterPath flame;
    flame.moveTo(at + QPointF(-4 * s, -2 * s));
    flame.cubicTo(at + QPointF(-6 * s, -10 * s), at + QPointF(-1 * s, -14 * s), at + QPointF(0, -22 * s));
    flame.cubicTo(at + QPointF(2 * s, -14 * s), at + QPointF(7 * s, -10 * s), at + QPointF(4 * s, -2 * s));
    flame.closeSubpath();
    QLinearGradient g(at + QPointF(0, -22 * s), at + QPointF(0, -2 * s));
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(0.5, QColor(255, 180, 40));
    g.setColorAt(1, QColor(220, 60, 10));
    p.setPen(QPen(QColor(150, 40, 0), 0.8));
    p.setBrush(g);
    p.drawPath(flame);
    p.restore();
}

void Banner(QPainter& p, const QRectF& r, const QColor& cloth, const QColor& trim) {
    p.save();
    p.setPen(QPen(QColor(40, 30, 20), 1.5));
    p.drawLine(QPointF(r.left() - 3, r.top()), QPointF(r.right() + 3, r.top()));
    QPainterPath b;
    b.moveTo(r.topLeft());
    b.lineTo(r.topRight());
    b.lineTo(r.bottomRight());
    b.lineTo(r.center().x(), r.bottom() - r.width() * 0.35);
    b.lineTo(r.bottomLeft());
    b.closeSubpath();
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, art::Shade(cloth, 1.25));
    g.setColorAt(0.5, cloth);
    g.setColorAt(1, art::Shade(cloth, 0.55));
    p.setPen(QPen(trim, 1.6));
    p.setBrush(g);
    p.drawPath(b);
    p.restore();
}

void Seller(QPainter& p, const QPointF& c, double s, const QColor& skin, const QColor& cloth, const QColor& hair, int hat,
            uint32_t seed) {
    assetgen::Noise n(seed);
    p.save();
    p.translate(c);
    p.scale(s, s);
    p.translate(-32, -34);
    fig::Shoulders(p, cloth, skin, 0.8, 58);
    fig::Ears(p, QPointF(32, 34), 10.5, skin, false, 0.9);
    fig::Head(p, QPointF(32, 34), 10.5, 12.5, skin);
    fig::Eyes(p, QPointF(32, 33), 9, 1.6, QColor(80 + n.range(0, 60), 90, 60 + n.range(0, 80)), -0.1, art::Shade(hair, 0.8));
    fig::Nose(p, QPointF(32, 39), 1.6, skin);
    fig::Mouth(p, QPointF(32, 43.5), 5, 1.0);
    if (hat == 0) {
        fig::Fringe(p, QPointF(32, 34), 10.5, 12.5, hair);
    } else if (hat == 1) {
        fig::Beard(p, QPointF(32, 45), 16, 12, hair);
        fig::Fill(p, fig::Ellipse(QPointF(32, 22), 13, 6), art::Ramp(QPointF(19, 0), QPointF(45, 0), QColor(150, 40, 40)), QColor(50, 10, 10));
    } else if (hat == 2) {
        fig::Fringe(p, QPointF(32, 34), 10.5, 12.5, hair);
        fig::Fill(p, fig::Poly({{18, 26}, {32, 10}, {46, 26}}), art::Ramp(QPointF(18, 0), QPointF(46, 0), QColor(60, 90, 160)), QColor(20, 30, 70));
    } else {
        fig::Beard(p, QPointF(32, 45), 14, 9, hair);
        QPainterPath bald;
        bald.addEllipse(QPointF(32, 26), 9, 4);
        fig::Fill(p, bald, QColor(255, 255, 255, 60), QColor(0, 0, 0, 0), 0);
    }
    p.restore();
}

void Facade(QPainter& p, const QRectF& r, const QColor& wall, const QColor& roof, uint32_t seed) {
    assetgen::Noise n(seed);
    // Roof against the sky.
    QPainterPath rf;
    rf.moveTo(r.left() - 4, r.top());
    rf.lineTo(r.center().x(), r.top() - r.width() * 0.45);
    rf.lineTo(r.right() + 4, r.top());
    rf.closeSubpath();
    fig::Fill(p, rf, art::Ramp(QPointF(r.left(), 0), QPointF(r.right(), 0), roof, 1.2, 0.6), art::Shade(roof, 0.3), 1);
    p.save();
    p.setClipPath(rf);
    p.setPen(QPen(art::Alpha(art::Shade(roof, 0.5), 160), 0.8));
    for (double y = r.top() - r.width() * 0.45; y < r.top(); y += 4) p.drawLine(QPointF(r.left() - 4, y), QPointF(r.right() + 4, y));
    p.restore();
    if (n.unit() < 0.7) {
        const QRectF ch(r.left() + r.width() * (0.15 + 0.2 * n.unit()), r.top() - r.width() * 0.4, 8, 18);
        p.setPen(QPen(QColor(30, 24, 20), 1));
        p.setBrush(QColor(120, 96, 86));
        p.drawRect(ch);
    }
    // Plaster wall with timber frame.
    p.setPen(QPen(QColor(40, 30, 22), 1));
    p.setBrush(art::Ramp(r.topLeft(), r.topRight(), wall, 1.05, 0.8));
    p.drawRect(r);
    QPen beam(QColor(70, 46, 30), 3);
    p.setPen(beam);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.45), QPointF(r.right(), r.top() + r.height() * 0.45));
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(QPointF(r.left(), r.top()), QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.45));
    p.drawLine(QPointF(r.right(), r.top()), QPointF(r.right() - r.width() * 0.3, r.top() + r.height() * 0.45));
    // Windows with shutters, a door.
    for (int k = 0; k < 2; ++k) {
        const QRectF w(r.left() + r.width() * (0.2 + k * 0.42), r.top() + r.height() * 0.12, r.width() * 0.18, r.height() * 0.22);
        p.setPen(QPen(QColor(30, 20, 14), 1));
        p.setBrush(n.unit() < 0.5 ? QColor(250, 220, 130) : QColor(50, 60, 80));
        p.drawRect(w);
        p.setBrush(QColor(60, 100, 70));
        p.drawRect(QRectF(w.left() - 4, w.top(), 4, w.height()));
        p.drawRect(QRectF(w.right(), w.top(), 4, w.height()));
    }
    const QRectF door(r.center().x() - r.width() * 0.12, r.bottom() - r.height() * 0.38, r.width() * 0.24, r.height() * 0.38);
    p.setPen(QPen(QColor(30, 20, 14), 1));
    p.setBrush(art::Ramp(door.topLeft(), door.topRight(), QColor(100, 60, 34)));
    p.drawRoundedRect(door, 4, 4);
}

void CalmBand(QImage& img, int top, int bottom, double strength) {
    // top and bottom are game pixels; the loops run over the image's own pixels.
    const int s = assetgen::DrawScale();
    top *= s;
    bottom *= s;
    long r = 0, g = 0, b = 0, count = 0;
    for (int y = top; y < bottom && y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++count;
        }
    if (count == 0) return;
    const QColor mean(int(r / count), int(g / count), int(b / count));
    for (int y = top; y < bottom && y < img.height(); ++y) {
        const double edge = std::min({1.0, (y - top) / (6.0 * s), (bottom - y) / (6.0 * s)});
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            img.setPixelColor(x, y, art::Mix(c, art::Shade(mean, 0.85), strength * std::max(0.0, edge)));
        }
    }
}

}  // namespace scene
