// The fight spells' animation: three 128 x 128 frames per spell, the effect growing from
// frame to frame, on a transparent ground (soft light is dithered for the GIF files).
#include "interface_kit.h"

#include <cmath>

namespace assetgen::ui {
namespace {

constexpr double kC = 64;  // centre of a frame
using Draw = void (*)(QPainter&, int frame, double grow, Noise& n);

void GlowDot(QPainter& p, QPointF c, double r, const QColor& colour) {
    QRadialGradient g(c, r);
    g.setColorAt(0, colour);
    g.setColorAt(0.4, WithAlpha(colour, colour.alpha() * 2 / 3));
    g.setColorAt(1, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void Sparkles(QPainter& p, Noise& n, int count, QPointF c, double radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    for (int k = 0; k < count; ++k) {
        const double a = n.unit() * 2 * M_PI, r = radius * std::sqrt(n.unit());
        const QPointF at(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        const double s = 1.5 + n.unit() * 3.5;
        GlowDot(p, at, s * 2, WithAlpha(colour, 150));
        p.setBrush(QColor(255, 255, 240));
        p.drawPath(Star(at, s, s * 0.25, 4));
    }
}

// A field of flame: heat(x, y) in 0..1 painted with the flame colours.
QImage HeatImage(const std::function<double(double, double)>& heat) {
    return Field(128, 128, [&](double x, double y) { return Heat(heat(x, y)); });
}

// A jagged lightning bolt with a glow, forking once.
void Bolt(QPainter& p, QPointF from, QPointF to, Noise& n, double width, bool fork) {
    QPainterPath path(from);
    const int steps = 8;
    QPointF mid;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        QPointF pt = from + (to - from) * t;
        if (i < steps) pt += QPointF((n.unit() - 0.5) * 18, (n.unit() - 0.5) * 6);
        path.lineTo(pt);
        if (i == steps / 2) mid = pt;
    }
    p.setBrush(Qt::NoBrush);
    p.strokePath(path, QPen(QColor(120, 160, 255, 110), width * 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(QColor(200, 220, 255), width * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(Qt::white, width * 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (fork) Bolt(p, mid, mid + QPointF((n.unit() - 0.5) * 60, 30 + n.unit() * 20), n, width * 0.6, false);
}

// 0 Whirlwind: a funnel of wind bands rising and widening.
void Whirlwind(QPainter& p, int f, double g, Noise& n) {
    const int rings = 8 + 6 * f;
    for (int k = 0; k < rings; ++k) {
        const double t = double(k) / (rings - 1);
        const double y = 118 - t * 104 * g, r = 5 + 44 * g * std::pow(t, 0.8);
        const double x = kC + std::sin(t * 5 + f) * 8 * g;
        const QColor c = Mix(QColor(170, 180, 200, 230), QColor(240, 248, 255, 240), t);
        p.setPen(QPen(c, 2.5 + 2 * t, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - r, y - r * 0.28, 2 * r, r * 0.56), int((20 + k * 47 + f * 60) % 360) * 16, 250 * 16);
    }
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 10 + 10 * f; ++k) {  // dust and leaves caught in it
        const double t = n.unit();
        const double r = (10 + 46 * g * t) * (n.unit() > 0.5 ? 1 : -1);
        p.setBrush(n.unit() > 0.6 ? QColor(120, 150, 60) : QColor(150, 130, 100));
        p.drawEllipse(QPointF(kC + r, 118 - t * 104 * g), 1.8, 1.2);
    }
}

// 1 Life spirit: a green and gold wisp rising, leaves of light around it.
void LifeSpirit(QPainter& p, int f, double g, Noise& n) {
    const QPointF c(kC, 84 - 22 * g);
    for (int k = 0; k < 5; ++k) {  // trailing wisps
        QPainterPath w;
        w.moveTo(c);
        const double side = (k - 2) * 9 * g;
        w.cubicTo(c + QPointF(side * 0.6, 14), c + QPointF(side * 1.8 - 6 * (k % 2), 28), c + QPointF(side * 2.6, 34 + 12 * g));
        p.strokePath(w, QPen(QColor(120, 240, 140, 150), 4 - std::abs(k - 2), Qt::SolidLine, Qt::RoundCap));
    }
    GlowDot(p, c, 20 + 26 * g, QColor(120, 255, 150, 200));
    GlowDot(p, c, 8 + 8 * g, QColor(255, 250, 200));
    for (int k = 0; k < 4 + 4 * f; ++k) {  // leaves of light
        const double a = n.unit() * 2 * M_PI, r = 16 + 34 * g * n.unit();
        p.save();
        p.translate(c + QPointF(r * std::cos(a), r * std::sin(a)));
        p.rotate(n.unit() * 360);
        QPainterPath leaf;
        leaf.moveTo(-5, 0);
        leaf.quadTo(0, -4, 5, 0);
        leaf.quadTo(0, 4, -5, 0);
        p.fillPath(leaf, QColor(150, 230, 90, 230));
        p.restore();
    }
    Sparkles(p, n, 3 + 3 * f, c, 50 * g, QColor(255, 230, 120));
}

void HealingCross(QPainter& p, double size, const QColor& colour) {
    QPainterPath cross;
    const double a = size * 0.17;
    cross.addRoundedRect(QRectF(kC - a, kC - size / 2, 2 * a, size), a * 0.4, a * 0.4);
    cross.addRoundedRect(QRectF(kC - size / 2, kC - a, size, 2 * a), a * 0.4, a * 0.4);
    cross = cross.simplified();
    Outlined(p, cross, Ball(QRectF(kC - size / 2, kC - size / 2, size, size), colour), WithAlpha(Qt::white, 230), 2);
}

// 2 Heal: a green cross blooming in a ring of light.
void Heal(QPainter& p, int f, double g, Noise& n) {
    GlowDot(p, QPointF(kC, kC), 30 + 30 * g, QColor(120, 255, 140, 170));
    p.setPen(QPen(QColor(180, 255, 190, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kC, kC), 20 + 38 * g, 20 + 38 * g);
    HealingCross(p, 22 + 36 * g, QColor(40, 190, 70));
    Sparkles(p, n, 4 + 4 * f, QPointF(kC, kC), 56 * g, QColor(170, 255, 170));
}

// 3 Greater heal: a golden cross with rays and two rings.
void GreaterHeal(QPainter& p, int f, double g, Noise& n) {
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6 + f * 0.1;
        QPainterPath ray;
        ray.moveTo(kC, kC);
        ray.lineTo(kC + 62 * g * std::cos(a - 0.07), kC + 62 * g * std::sin(a - 0.07));
        ray.lineTo(kC + 62 * g * std::cos(a + 0.07), kC + 62 * g * std::sin(a + 0.07));
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 230, 120, 140));
    }
    GlowDot(p, QPointF(kC, kC), 26 + 30 * g, QColor(255, 240, 160, 200));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 100, 220), 2.5));
    p.drawEllipse(QPointF(kC, kC), 16 + 42 * g, 16 + 42 * g);
    p.setPen(QPen(QColor(140, 255, 160, 200), 1.5));
    p.drawEllipse(QPointF(kC, kC), 10 + 30 * g, 10 + 30 * g);
    HealingCross(p, 24 + 38 * g, QColor(240, 190, 40));
    Sparkles(p, n, 5 + 4 * f, QPointF(kC, kC), 58 * g, QColor(255, 240, 150));
}

// 4 Flame: a tongue of fire rising from the ground.
void FlameSpell(QPainter& p, int, double g, Noise&) {
    const double height = 40 + 80 * g, width = 14 + 26 * g;
    p.drawImage(0, 0, HeatImage([&](double x, double y) {
        const double up = (124 - y) / height;
        if (up < 0 || up > 1.1) return 0.0;
        const double sway = std::sin(up * 3 + g * 4) * 6 * up;
        const double dx = (x - kC - sway) / (width * std::pow(std::max(0.01, 1 - up * 0.85), 0.7));
        const double noise = Fbm(x * 1.3, y * 0.6 + g * 50, 14, 4, 401);
        if (dx * dx > 1.25) return 0.0;
        return (1 - dx * dx) * (1.15 - up) * 1.3 - (noise - 0.45) * 1.2;
    }));
}

// 5 Volcano: a cone bursting with a fountain of lava and flying rocks.
void Volcano(QPainter& p, int f, double g, Noise& n) {
    const double plume = 20 + 70 * g;
    p.drawImage(0, 0, HeatImage([&](double x, double y) {
        const double up = (92 - y) / plume;
        if (up < -0.05 || up > 1.1) return 0.0;
        const double dx = (x - kC) / (8 + 30 * up);
        if (dx * dx > 1.25) return 0.0;
        return (1 - dx * dx) * (1.1 - up) * 1.4 - (Fbm(x, y + g * 40, 10, 3, 501) - 0.45) * 1.1;
    }));
    QPainterPath cone;
    cone.moveTo(6, 126);
    cone.lineTo(52, 90);
    cone.lineTo(76, 90);
    cone.lineTo(122, 126);
    cone.closeSubpath();
    Outlined(p, cone, Sheen(QPointF(6, 0), QPointF(122, 0), QColor(90, 60, 44), 1.3, 0.4), QColor(20, 10, 6), 1.5);
    p.setPen(QPen(QColor(255, 120, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < f + 1; ++k) {  // lava running down
        const double x0 = 56 + k * 8;
        p.drawLine(QPointF(x0, 91), QPointF(x0 + (k - 1) * 14 * g, 91 + 30 * g));
    }
    for (int k = 0; k < 3 + 4 * f; ++k) {
        const QPointF at(kC + (n.unit() - 0.5) * 110 * g, 84 - n.unit() * plume);
        const double r = 2 + n.unit() * 3;
        QPainterPath rock;
        rock.addEllipse(at, r, r * 0.8);
        Outlined(p, rock, QColor(50, 30, 20), QColor(255, 130, 30), 1.2);
    }
}

// 6 Glowing skin: a body outlined in burning light.
void GlowingSkin(QPainter& p, int f, double g, Noise& n) {
    QImage body = Canvas(128, 128);
    {
        QPainter b(&body);
        Smooth(b);
        QPainterPath s;
        s.addEllipse(QPointF(kC, 24), 10, 11.5);                 // head
        s.addRect(QRectF(kC - 4, 32, 8, 8));                      // neck
        QPainterPath torso;
        torso.moveTo(kC - 22, 42);
        torso.quadTo(kC, 36, kC + 22, 42);
        torso.lineTo(kC + 14, 80);
        torso.lineTo(kC - 14, 80);
        torso.closeSubpath();
        s.addPath(torso);
        for (int side : {-1, 1}) {
            QPainterPath arm;
            arm.moveTo(kC + side * 18, 42);
            arm.quadTo(kC + side * 32, 56, kC + side * 30, 80);
            s.addPath(QPainterPathStroker(QPen(Qt::black, 9, Qt::SolidLine, Qt::RoundCap)).createStroke(arm));
            QPainterPath leg;
            leg.moveTo(kC + side * 8, 78);
            leg.lineTo(kC + side * 12, 120);
            s.addPath(QPainterPathStroker(QPen(Qt::black, 11, Qt::SolidLine, Qt::RoundCap)).createStroke(leg));
        }
        s = s.simplified();
        QRadialGradient skin(QPointF(kC, 60), 60);
        skin.setColorAt(0, Mix(QColor(110, 36, 10), QColor(255, 220, 110), g));
        skin.setColorAt(1, Mix(QColor(60, 14, 4), QColor(235, 90, 14), g));
        b.fillPath(s, skin);
        b.setClipPath(s);
        b.setPen(QPen(QColor(255, 245, 190, int(110 + 140 * g)), 1 + g));
        for (int k = 0; k < 4 + 3 * f; ++k) {  // veins of fire under the skin
            QPainterPath vein;
            QPointF at(kC + (n.unit() - 0.5) * 30, 40 + n.unit() * 70);
            vein.moveTo(at);
            for (int m = 0; m < 4; ++m) {
                at += QPointF((n.unit() - 0.5) * 10, 5 + n.unit() * 5);
                vein.lineTo(at);
            }
            b.drawPath(vein);
        }
    }
    p.drawImage(0, 0, WithGlow(body, QColor(255, 120, 20, int(140 + 100 * g)), int(4 + 10 * g)));
}

// 7 Wind: curling gusts sweeping across, with leaves.
void Wind(QPainter& p, int f, double g, Noise& n) {
    const int gusts = 3 + 2 * f;
    for (int k = 0; k < gusts; ++k) {
        const double y = 24 + k * (84.0 / gusts) + n.unit() * 8, len = 60 + 60 * g;
        const double x0 = 6 + n.unit() * 10;
        QPainterPath w;
        w.moveTo(x0, y);
        w.cubicTo(x0 + len * 0.3, y - 10, x0 + len * 0.6, y + 10, x0 + len * 0.85, y);
        const QPointF end(x0 + len * 0.85, y);
        w.cubicTo(end + QPointF(10, -6), end + QPointF(4, -16), end + QPointF(-4, -10));
        w.cubicTo(end + QPointF(-8, -6), end + QPointF(-2, -2), end + QPointF(2, -5));
        p.strokePath(w, QPen(QColor(190, 230, 255, 120), 6, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(w, QPen(QColor(245, 252, 255, 240), 2.2, Qt::SolidLine, Qt::RoundCap));
    }
    for (int k = 0; k < 3 + 3 * f; ++k) {
        p.save();
        p.translate(10 + n.unit() * 110 * g, 20 + n.unit() * 90);
        p.rotate(n.unit() * 360);
        QPainterPath leaf;
        leaf.moveTo(-5, 0);
        leaf.quadTo(0, -4, 5, 0);
        leaf.quadTo(0, 4, -5, 0);
        Outlined(p, leaf, QColor(120, 170, 50), QColor(40, 60, 20), 0.8);
        p.restore();
    }
}

// 8 Storm: a black cloud spreading and lightning striking down.
void Storm(QPainter& p, int f, double g, Noise& n) {
    for (int k = 0; k < 9; ++k) {
        const double x = kC + (k - 4) * 11 * (0.4 + 0.6 * g), r = 10 + 6 * g + (k % 3) * 3;
        const QRectF puff(x - r, 20 + (k % 2) * 5 - r, 2 * r, 2 * r);
        GlowDot(p, puff.center(), r * 1.5, QColor(40, 40, 60, 160));
        p.setBrush(Ball(puff, QColor(70, 72, 92)));
        p.drawEllipse(puff);
    }
    for (int k = 0; k < f + 1; ++k) {
        const QPointF from(kC + (k - f / 2.0) * 26, 32);
        Bolt(p, from, QPointF(from.x() + (n.unit() - 0.5) * 30, 70 + 56 * g), n, 1.6 + g, f > 0);
    }
}

// 9 Armageddon: meteors falling into a blast that fills the frame.
void Armageddon(QPainter& p, int f, double g, Noise& n) {
    const double radius = 16 + 50 * g;
    p.drawImage(0, 0, HeatImage([&](double x, double y) {
        const double r = std::hypot(x - kC, y - 80 + 16 * g) / radius;
        return (1.15 - r) * 1.3 - (Fbm(x, y, 12, 4, 901 + uint32_t(f)) - 0.45) * 1.3;
    }));
    if (f == 2) {
        p.setPen(QPen(QColor(255, 240, 200, 200), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kC, 64), 60, 22);
    }
    for (int k = 0; k < 3 - f; ++k) {
        const QPointF head(20 + n.unit() * 90, 10 + n.unit() * 40);
        QPainterPath tail;
        tail.moveTo(head + QPointF(-5, 3));
        tail.lineTo(head + QPointF(28, -26));
        tail.lineTo(head + QPointF(5, -3));
        p.fillPath(tail, QColor(255, 170, 40, 170));
        GlowDot(p, head, 8, QColor(255, 230, 150));
    }
    Sparkles(p, n, 2 + 4 * f, QPointF(kC, 70), radius, QColor(255, 160, 60));
}

// 10 Rock: boulders hurled through the air, more in each frame.
void Rock(QPainter& p, int f, double g, Noise& n) {
    const int count = 1 + 2 * f;
    for (int k = 0; k < count; ++k) {
        const double r = (k == 0 ? 18 + 12 * g : 8 + n.unit() * 8);
        const QPointF c = k == 0 ? QPointF(kC, kC) : QPointF(16 + n.unit() * 96, 16 + n.unit() * 96);
        p.setPen(QPen(QColor(210, 200, 180, 170), 2, Qt::SolidLine, Qt::RoundCap));
        for (int m = -1; m <= 1; ++m) p.drawLine(c + QPointF(-r - 4, m * r * 0.4 - r * 0.6), c + QPointF(-r - 18, m * r * 0.4 - r * 1.2));
        QPainterPath rock;
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4 + n.unit() * 0.3, rr = r * (0.75 + 0.3 * n.unit());
            const QPointF pt = c + QPointF(rr * std::cos(a), rr * std::sin(a));
            if (i == 0) rock.moveTo(pt);
            else rock.lineTo(pt);
        }
        rock.closeSubpath();
        Outlined(p, rock, Ball(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QColor(128, 112, 92)), QColor(30, 24, 18), 1.5);
        p.setPen(QPen(QColor(50, 40, 30), 1));
        p.drawLine(c + QPointF(-r * 0.3, -r * 0.2), c + QPointF(r * 0.2, r * 0.3));
    }
}

// 11 Black hand: a clawed black hand rising in a violet aura.
void BlackHand(QPainter& p, int, double g, Noise&) {
    QImage hand = Canvas(128, 128);
    {
        QPainter h(&hand);
        Smooth(h);
        h.translate(kC, 128);
        h.scale(0.5 + 0.5 * g, 0.5 + 0.5 * g);
        QPainterPath s;
        s.addRoundedRect(QRectF(-26, -70, 52, 50), 14, 14);   // palm
        s.addRoundedRect(QRectF(-14, -24, 28, 30), 6, 6);     // wrist
        const double fx[4] = {-24, -11, 2, 15}, fl[4] = {36, 46, 44, 34};
        for (int i = 0; i < 4; ++i) s.addRoundedRect(QRectF(fx[i], -62 - fl[i], 10, fl[i] + 8), 5, 5);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(-10, -6, 10, 34), 5, 5);
        QTransform t;
        t.translate(-26, -52);
        t.rotate(-50);
        s.addPath(t.map(thumb));
        h.fillPath(s.simplified(), QColor(16, 10, 22));
        h.setBrush(QColor(230, 220, 240));
        h.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {  // claws
            QPainterPath claw;
            claw.moveTo(fx[i] + 1, -60 - fl[i]);
            claw.lineTo(fx[i] + 9, -60 - fl[i]);
            claw.lineTo(fx[i] + 5, -72 - fl[i]);
            claw.closeSubpath();
            h.drawPath(claw);
        }
    }
    p.drawImage(0, 0, WithGlow(hand, QColor(150, 40, 220, int(160 + 80 * g)), int(5 + 8 * g)));
}

// 12 Resurrection: a beam of light from above and a golden ankh appearing in it.
void Beam(QPainter& p, double g) {
    QPainterPath beam;
    const double top = 10 + 14 * g, bottom = 22 + 30 * g;
    beam.moveTo(kC - top, 0);
    beam.lineTo(kC + top, 0);
    beam.lineTo(kC + bottom, 128);
    beam.lineTo(kC - bottom, 128);
    beam.closeSubpath();
    QLinearGradient lg(kC - bottom, 0, kC + bottom, 0);
    lg.setColorAt(0, QColor(255, 240, 180, 0));
    lg.setColorAt(0.5, QColor(255, 250, 220, 200));
    lg.setColorAt(1, QColor(255, 240, 180, 0));
    p.fillPath(beam, lg);
}

void Ankh(QPainter& p, double size) {
    QPainterPath a;
    a.addEllipse(QPointF(kC, kC - size * 0.55), size * 0.22, size * 0.28);
    a.addEllipse(QPointF(kC, kC - size * 0.55), size * 0.1, size * 0.16);
    a.setFillRule(Qt::OddEvenFill);
    QPainterPath bar;
    bar.addRect(QRectF(kC - size * 0.38, kC - size * 0.3, size * 0.76, size * 0.14));
    bar.addRect(QRectF(kC - size * 0.08, kC - size * 0.3, size * 0.16, size * 0.95));
    Outlined(p, a.united(bar), Sheen(QPointF(kC - size / 2, 0), QPointF(kC + size / 2, 0), QColor(240, 190, 60), 1.5, 0.6),
             QColor(80, 50, 10), 1.2);
}

void Resurrection(QPainter& p, int f, double g, Noise& n) {
    Beam(p, g);
    if (f > 0) Ankh(p, 40 + 30 * g);
    GlowDot(p, QPointF(kC, 112 - 30 * g), 12 + 10 * g, QColor(255, 255, 240, 230));
    Sparkles(p, n, 4 + 4 * f, QPointF(kC, kC), 40 + 20 * g, QColor(255, 240, 170));
}

// 13 Greater resurrection: the beam, white wings unfolding and a halo.
void GreaterResurrection(QPainter& p, int f, double g, Noise& n) {
    Beam(p, g);
    for (int side : {-1, 1}) {
        for (int k = 0; k < 5; ++k) {  // feathers fanning out
            p.save();
            p.translate(kC + side * 8, 62);
            p.rotate(side * (-70 + k * 22) * (0.5 + 0.5 * g));
            QPainterPath feather;
            const double len = (26 + 22 * g) * (1 - k * 0.1);
            feather.moveTo(0, 0);
            feather.quadTo(side * len * 0.5, -8, side * len, -2);
            feather.quadTo(side * len * 0.5, 6, 0, 0);
            Outlined(p, feather, QColor(250, 250, 255), QColor(150, 160, 190), 1);
            p.restore();
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 90), 3));
    p.drawEllipse(QPointF(kC, 34), 12 + 6 * g, 4 + 2 * g);
    GlowDot(p, QPointF(kC, 62), 10 + 8 * g, QColor(255, 255, 235));
    Sparkles(p, n, 5 + 4 * f, QPointF(kC, kC), 56 * g, QColor(255, 250, 200));
}

// 14 Celestial aura: rings of gold and sky blue with stars wheeling round.
void CelestialAura(QPainter& p, int f, double g, Noise& n) {
    GlowDot(p, QPointF(kC, kC), 30 + 30 * g, QColor(150, 200, 255, 170));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        const double r = (16 + k * 16) * (0.5 + 0.5 * g) + 6;
        p.setPen(QPen(k % 2 ? QColor(140, 200, 255, 230) : QColor(255, 220, 110, 230), 2.2));
        p.drawEllipse(QPointF(kC, kC), r, r);
    }
    const int stars = 5 + 3 * f;
    for (int k = 0; k < stars; ++k) {
        const double a = k * 2 * M_PI / stars + f * 0.4, r = 54 * (0.5 + 0.5 * g);
        const QPointF at(kC + r * std::cos(a), kC + r * std::sin(a));
        Outlined(p, Star(at, 6, 2.5), QColor(255, 236, 140), QColor(160, 110, 20), 0.8);
    }
    Sparkles(p, n, 3 + 2 * f, QPointF(kC, kC), 30, QColor(220, 240, 255));
}

// 15 Thousand cuts: slashes everywhere, more and wider each frame.
void ThousandCuts(QPainter& p, int f, double g, Noise& n) {
    const int cuts = 6 + 12 * f;
    for (int k = 0; k < cuts; ++k) {
        const QPointF c(kC + (n.unit() - 0.5) * 110 * g, kC + (n.unit() - 0.5) * 110 * g);
        const double a = n.unit() * M_PI, len = 20 + n.unit() * 30;
        const QPointF d(std::cos(a) * len / 2, std::sin(a) * len / 2), nrm(-std::sin(a) * 4.5, std::cos(a) * 4.5);
        QPainterPath slash;
        slash.moveTo(c - d);
        slash.quadTo(c + nrm, c + d);
        slash.quadTo(c - nrm * 0.2, c - d);
        Outlined(p, slash, QColor(255, 255, 255), QColor(220, 30, 40), 0.9);
        if (n.unit() < 0.35) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(180, 10, 20));
            p.drawEllipse(c + nrm * 3, 1.6, 2.2);
        }
    }
}

const Draw kSpells[16] = {Whirlwind, LifeSpirit, Heal, GreaterHeal, FlameSpell, Volcano, GlowingSkin, Wind,
                          Storm, Armageddon, Rock, BlackHand, Resurrection, GreaterResurrection, CelestialAura, ThousandCuts};

}  // namespace

void GenerateSpellFrames(const QString& dir) {
    for (int spell = 0; spell < 16; ++spell)
        for (int f = 0; f < 3; ++f) {
            QImage img = Canvas(128, 128);
            {
                QPainter p(&img);
                Smooth(p);
                Noise n(uint64_t(1000 + spell * 10 + f));
                kSpells[spell](p, f, (f + 1) / 3.0, n);
            }
            SaveGif(Dithered(img), dir + QString("/anim%1.gif").arg(spell * 3 + f, 2, 10, QChar('0')));
        }
}

}  // namespace assetgen::ui
