// Body parts for the painted characters.
#include "figkit.h"

#include "artkit.h"
#include "common.h"

#include <cmath>

namespace fig {

void Fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& outline, double width) {
    art::FillOutlined(p, path, brush, outline, width);
}

void Solid(QPainter& p, const QPainterPath& path, const QColor& base, double width) {
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), QPointF(b.left() + b.width() * 0.35, b.bottom()));
    g.setColorAt(0, art::Shade(base, 1.35));
    g.setColorAt(0.45, base);
    g.setColorAt(1, art::Shade(base, 0.55));
    Fill(p, path, g, art::Shade(base, 0.3), width);
}

QPainterPath Ellipse(const QPointF& c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath Poly(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first) path.moveTo(pt);
        else path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

void Shoulders(QPainter& p, const QColor& cloth, const QColor& skin, double width, double top) {
    const double half = 28 * width;
    top -= 3;  // shoulders sit high, the neck shows only a little
    QPainterPath neck;
    neck.addRect(QRectF(27, top - 10, 10, 13));
    Fill(p, neck, art::Ramp(QPointF(26, 0), QPointF(38, 0), skin, 1.1, 0.6), art::Shade(skin, 0.4));
    QPainterPath body;
    body.moveTo(32 - half, 82);
    body.cubicTo(32 - half, top + 6, 32 - half * 0.7, top, 32 - 6, top - 1);
    body.lineTo(32 + 6, top - 1);
    body.cubicTo(32 + half * 0.7, top, 32 + half, top + 6, 32 + half, 82);
    body.closeSubpath();
    QLinearGradient g(32 - half, top, 32 + half, 82);
    g.setColorAt(0, art::Shade(cloth, 1.35));
    g.setColorAt(0.5, cloth);
    g.setColorAt(1, art::Shade(cloth, 0.5));
    Fill(p, body, g, art::Shade(cloth, 0.3), 0.8);
}

void Head(QPainter& p, const QPointF& c, double rx, double ry, const QColor& skin) {
    QPainterPath face;
    face.moveTo(c.x() - rx, c.y() - ry * 0.1);
    face.cubicTo(c.x() - rx, c.y() - ry * 1.2, c.x() + rx, c.y() - ry * 1.2, c.x() + rx, c.y() - ry * 0.1);
    face.cubicTo(c.x() + rx, c.y() + ry * 0.55, c.x() + rx * 0.45, c.y() + ry, c.x(), c.y() + ry);
    face.cubicTo(c.x() - rx * 0.45, c.y() + ry, c.x() - rx, c.y() + ry * 0.55, c.x() - rx, c.y() - ry * 0.1);
    QRadialGradient g(c + QPointF(-rx * 0.3, -ry * 0.35), rx * 1.6);
    g.setColorAt(0, art::Shade(skin, 1.2));
    g.setColorAt(0.55, skin);
    g.setColorAt(1, art::Shade(skin, 0.6));
    Fill(p, face, g, art::Shade(skin, 0.35), 0.7);
    // Cheeks.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 90, 80, 40));
    p.drawEllipse(c + QPointF(-rx * 0.55, ry * 0.3), rx * 0.25, ry * 0.15);
    p.drawEllipse(c + QPointF(rx * 0.55, ry * 0.3), rx * 0.25, ry * 0.15);
    p.restore();
}

void Eyes(QPainter& p, const QPointF& c, double spacing, double size, const QColor& iris, double frown, const QColor& brow) {
    p.save();
    for (int side = -1; side <= 1; side += 2) {
        const QPointF e = c + QPointF(side * spacing / 2, 0);
        p.setPen(QPen(QColor(40, 24, 20), 0.45));
        p.setBrush(QColor(248, 246, 240));
        p.drawEllipse(e, size * 1.25, size * 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(iris);
        p.drawEllipse(e + QPointF(-side * size * 0.1, 0), size * 0.62, size * 0.7);
        p.setBrush(QColor(10, 8, 8));
        p.drawEllipse(e + QPointF(-side * size * 0.1, 0), size * 0.3, size * 0.35);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(e + QPointF(-side * size * 0.1 - size * 0.2, -size * 0.25), size * 0.16, size * 0.16);
        // Upper lid line and brow.
        p.setPen(QPen(QColor(30, 18, 14), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(e.x() - size * 1.3, e.y() - size * 0.85, size * 2.6, size * 1.7), 20 * 16, 140 * 16);
        QPen bp(brow, size * 0.55, Qt::SolidLine, Qt::RoundCap);
        p.setPen(bp);
        const QPointF inner = e + QPointF(-side * size * 1.1, -size * 1.35 + frown * size);
        const QPointF outer = e + QPointF(side * size * 1.3, -size * 1.55 - frown * size * 0.3);
        p.drawLine(inner, outer);
    }
    p.restore();
}

void GlowEyes(QPainter& p, const QPointF& c, double spacing, double size, const QColor& glow) {
    for (int side = -1; side <= 1; side += 2) {
        const QPointF e = c + QPointF(side * spacing / 2, 0);
        Glow(p, e, size * 3, art::Alpha(glow, 150));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(art::Shade(glow, 1.5));
        QPainterPath eye;
        eye.moveTo(e + QPointF(-size * 1.2, side * 0));
        eye.quadTo(e + QPointF(0, -size * 0.9), e + QPointF(size * 1.2, 0));
        eye.quadTo(e + QPointF(0, size * 0.6), e + QPointF(-size * 1.2, 0));
        p.drawPath(eye);
        p.restore();
    }
}

void Nose(QPainter& p, const QPointF& tip, double size, const QColor& skin) {
    p.save();
    p.setPen(QPen(art::Shade(skin, 0.5), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath n;
    n.moveTo(tip + QPointF(-size * 0.2, -size * 1.6));
    n.quadTo(tip + QPointF(size * 0.5, -size * 0.3), tip + QPointF(size * 0.1, size * 0.1));
    p.drawPath(n);
    p.setPen(Qt::NoPen);
    p.setBrush(art::Alpha(art::Shade(skin, 0.55), 160));
    p.drawEllipse(tip + QPointF(-size * 0.55, 0), size * 0.3, size * 0.2);
    p.drawEllipse(tip + QPointF(size * 0.55, 0), size * 0.3, size * 0.2);
    p.restore();
}

void Mouth(QPainter& p, const QPointF& c, double width, double smile, const QColor& lips) {
    p.save();
    QPainterPath m;
    m.moveTo(c + QPointF(-width / 2, -smile));
    m.quadTo(c + QPointF(0, smile * 1.2), c + QPointF(width / 2, -smile));
    p.setPen(QPen(art::Shade(lips, 0.5), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
    p.setPen(Qt::NoPen);
    p.setBrush(art::Alpha(lips, 150));
    p.drawEllipse(c + QPointF(0, std::fabs(smile) * 0.3 + 0.9), width * 0.25, 0.7);
    p.restore();
}

void Ears(QPainter& p, const QPointF& c, double rx, const QColor& skin, bool pointed, double size) {
    for (int side = -1; side <= 1; side += 2) {
        const QPointF base = c + QPointF(side * rx * 0.95, 0);
        QPainterPath ear;
        if (pointed) {
            ear.moveTo(base + QPointF(0, -3 * size));
            ear.quadTo(base + QPointF(side * 5 * size, -5 * size), base + QPointF(side * 10 * size, -10 * size));
            ear.quadTo(base + QPointF(side * 6 * size, 1 * size), base + QPointF(0, 4 * size));
            ear.closeSubpath();
        } else {
            ear.addEllipse(base + QPointF(side * 1.2 * size, 0.5), 2.6 * size, 4 * size);
        }
        Fill(p, ear, art::Ramp(base, base + QPointF(side * 6, 0), skin, 1.1, 0.7), art::Shade(skin, 0.35));
    }
}

void Beard(QPainter& p, const QPointF& chin, double width, double length, const QColor& hair) {
    QPainterPath b;
    b.moveTo(chin + QPointF(-width / 2, -length * 0.45));
    b.cubicTo(chin + QPointF(-width * 0.55, length * 0.4), chin + QPointF(-width * 0.2, length * 0.9), chin + QPointF(0, length));
    b.cubicTo(chin + QPointF(width * 0.2, length * 0.9), chin + QPointF(width * 0.55, length * 0.4), chin + QPointF(width / 2, -length * 0.45));
    b.quadTo(chin + QPointF(0, -length * 0.05), chin + QPointF(-width / 2, -length * 0.45));
    Solid(p, b, hair);
    p.save();
    p.setPen(QPen(art::Alpha(art::Shade(hair, 0.6), 170), 0.5));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(chin + QPointF(i * width * 0.1, -length * 0.1), chin + QPointF(i * width * 0.06, length * 0.8));
    p.restore();
}

void LongHair(QPainter& p, const QPointF& c, double rx, double length, const QColor& hair) {
    QPainterPath h;
    h.moveTo(c + QPointF(-rx * 1.25, length));
    h.cubicTo(c + QPointF(-rx * 1.5, -rx * 0.2), c + QPointF(-rx * 1.3, -rx * 1.6), c + QPointF(0, -rx * 1.45));
    h.cubicTo(c + QPointF(rx * 1.3, -rx * 1.6), c + QPointF(rx * 1.5, -rx * 0.2), c + QPointF(rx * 1.25, length));
    h.quadTo(c + QPointF(0, length + 4), c + QPointF(-rx * 1.25, length));
    Solid(p, h, hair);
    p.save();
    p.setPen(QPen(art::Alpha(art::Shade(hair, 1.4), 120), 0.6));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(c + QPointF(i * rx * 0.45, -rx * 1.1), c + QPointF(i * rx * 0.55, length * 0.9));
    p.restore();
}

void Fringe(QPainter& p, const QPointF& c, double rx, double ry, const QColor& hair) {
    QPainterPath f;
    f.moveTo(c + QPointF(-rx * 1.05, ry * 0.1));
    f.cubicTo(c + QPointF(-rx * 1.15, -ry * 1.3), c + QPointF(rx * 1.15, -ry * 1.3), c + QPointF(rx * 1.05, ry * 0.1));
    f.quadTo(c + QPointF(rx * 0.7, -ry * 0.55), c + QPointF(rx * 0.2, -ry * 0.5));
    f.quadTo(c + QPointF(-rx * 0.1, -ry * 0.3), c + QPointF(-rx * 0.3, -ry * 0.55));
    f.quadTo(c + QPointF(-rx * 0.8, -ry * 0.5), c + QPointF(-rx * 1.05, ry * 0.1));
    Solid(p, f, hair);
}

void Shaft(QPainter& p, const QPointF& a, const QPointF& b, double width, const QColor& wood) {
    p.save();
    p.setPen(QPen(art::Shade(wood, 0.35), width + 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(wood, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF side(-d.y() / len * width * 0.25, d.x() / len * width * 0.25);
    p.setPen(QPen(art::Shade(wood, 1.4), width * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a - side, b - side);
    p.restore();
}

void Blade(QPainter& p, const QPointF& hilt, const QPointF& tip, double width, const QColor& steel) {
    const QPointF d = tip - hilt;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, s(-u.y(), u.x());
    QPainterPath b;
    b.moveTo(hilt + s * width / 2);
    b.lineTo(tip - u * width * 1.2 + s * width / 2);
    b.lineTo(tip);
    b.lineTo(tip - u * width * 1.2 - s * width / 2);
    b.lineTo(hilt - s * width / 2);
    b.closeSubpath();
    QLinearGradient g(hilt + s * width / 2, hilt - s * width / 2);
    g.setColorAt(0, art::Shade(steel, 1.6));
    g.setColorAt(0.5, steel);
    g.setColorAt(0.51, art::Shade(steel, 0.7));
    g.setColorAt(1, art::Shade(steel, 0.5));
    Fill(p, b, g, art::Shade(steel, 0.3), 0.6);
}

void Fist(QPainter& p, const QPointF& c, double r, const QColor& skin) {
    QPainterPath f;
    f.addRoundedRect(QRectF(c.x() - r, c.y() - r * 0.85, 2 * r, 1.7 * r), r * 0.6, r * 0.6);
    Solid(p, f, skin, 0.6);
    p.save();
    p.setPen(QPen(art::Shade(skin, 0.5), 0.4));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(c.x() - r + i * r / 2, c.y() - r * 0.8), QPointF(c.x() - r + i * r / 2, c.y() - r * 0.2));
    p.restore();
}

void Bow(QPainter& p, double x, double top, double bottom, double bend, const QColor& wood) {
    QPainterPath bow;
    bow.moveTo(x, top);
    bow.cubicTo(x + bend, top + (bottom - top) * 0.25, x + bend, top + (bottom - top) * 0.75, x, bottom);
    p.save();
    p.setPen(QPen(QColor(230, 226, 210), 0.5));
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(art::Shade(wood, 0.35), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bow);
    p.setPen(QPen(wood, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bow);
    p.setPen(QPen(art::Shade(wood, 1.5), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bow.translated(-0.4, 0));
    p.restore();
}

QPainterPath Star(const QPointF& c, double outer, double inner) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 ? inner : outer;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0) s.moveTo(pt);
        else s.lineTo(pt);
    }
    s.closeSubpath();
    return s;
}

void Glow(QPainter& p, const QPointF& c, double r, const QColor& colour) {
    p.save();
    QRadialGradient g(c, r);
    g.setColorAt(0, colour);
    g.setColorAt(1, art::Alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

QImage Render(const Painter& draw, const QRectF& source, int w, int h, int supersample) {
    QImage big = assetgen::NewImage(w * supersample, h * supersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    art::Prepare(p);
    p.scale(w * supersample / source.width(), h * supersample / source.height());
    p.translate(-source.topLeft());
    draw(p);
    p.end();
    return art::Scaled(big, w, h);
}

}  // namespace fig
