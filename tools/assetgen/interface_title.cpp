// Title screen pictures (the falling sword, the brazier unlit and lit), the window icon
// and the two pictures of the about box.
#include "interface_kit.h"

#include <cmath>

namespace assetgen::ui {
namespace {

// Draws at `scale` times the size and shrinks smoothly: finer antialiasing for small art.
QImage Supersampled(int w, int h, int scale, const std::function<void(QPainter&)>& draw) {
    QImage big = Canvas(w * scale, h * scale);
    {
        QPainter p(&big);
        Smooth(p);
        p.scale(scale, scale);
        draw(p);
    }
    return Resized(big, w, h);
}

// A four-pointed glint of light.
void Glint(QPainter& p, QPointF c, double r, int alpha) {
    QRadialGradient g(c, r);
    g.setColorAt(0, WithAlpha(Qt::white, alpha));
    g.setColorAt(0.25, WithAlpha(QColor(255, 250, 220), alpha * 3 / 5));
    g.setColorAt(1, WithAlpha(Qt::white, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(Star(c, r, r * 0.12, 4));
    p.drawEllipse(c, r * 0.25, r * 0.25);
}

QImage Sword() {
    QImage img = Supersampled(96, 207, 3, [](QPainter& p) {
        DrawSword(p, 48, 2, 205, 19, 86);
        Glint(p, QPointF(42, 88), 13, 255);
        Glint(p, QPointF(30, 61), 7, 220);
    });
    return WithRim(img, QColor(16, 12, 10));
}

// The iron trough of the brazier on its four curled legs; lit, the fire warms its rim.
void Brazier(QPainter& p, bool lit) {
    const QColor iron = lit ? QColor(92, 66, 52) : QColor(54, 56, 66), ink(4, 4, 6);
    for (double x : {44.0, 120.0, 223.0, 299.0}) {
        QPainterPath leg;
        leg.moveTo(x - 3, 78);
        leg.lineTo(x + 3, 78);
        leg.quadTo(x + 4, 90, x + 9, 93);
        leg.quadTo(x + 12, 96, x + 6, 96.5);
        leg.lineTo(x - 6, 96.5);
        leg.quadTo(x - 12, 96, x - 9, 93);
        leg.quadTo(x - 4, 90, x - 3, 78);
        Outlined(p, leg, Sheen(QPointF(x - 9, 0), QPointF(x + 9, 0), iron, 1.5, 0.5), ink, 1);
    }
    QPainterPath bowl;
    bowl.moveTo(14, 60);
    bowl.lineTo(329, 60);
    bowl.quadTo(318, 84, 290, 84);
    bowl.lineTo(53, 84);
    bowl.quadTo(25, 84, 14, 60);
    QLinearGradient g(0, 60, 0, 84);
    g.setColorAt(0, lit ? QColor(210, 120, 50) : Shade(iron, 1.6));
    g.setColorAt(0.25, iron);
    g.setColorAt(1, Shade(iron, 0.35));
    Outlined(p, bowl, g, ink, 1.2);
    // Rim and a band of rivets.
    QPainterPath rim;
    rim.addRoundedRect(QRectF(10, 56, 323, 7), 3, 3);
    QLinearGradient rg(0, 56, 0, 63);
    rg.setColorAt(0, lit ? QColor(255, 190, 110) : QColor(150, 160, 180));
    rg.setColorAt(0.5, Shade(iron, 1.2));
    rg.setColorAt(1, Shade(iron, 0.5));
    Outlined(p, rim, rg, ink, 1);
    for (double x = 30; x < 320; x += 24) {
        const QRectF r(x - 2, 70, 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(Ball(r, Shade(iron, lit ? 1.6 : 1.3)));
        p.drawEllipse(r);
    }
}

// The pile of logs; lit, their cracks glow and their tops catch the light.
void Logs(QPainter& p, bool lit, uint32_t seed) {
    Noise n(seed);
    const QColor bark = lit ? QColor(70, 36, 20) : QColor(40, 30, 26), ink(6, 4, 3);
    struct Log { double x, y, len, r, angle; };
    const Log logs[] = {{40, 50, 120, 7, -6}, {150, 52, 110, 8, 4}, {240, 50, 90, 7, -3},
                        {95, 44, 100, 7, 10}, {200, 45, 105, 7, -9}, {150, 40, 70, 6, 2},
                        {260, 42, 60, 6, 14}, {60, 41, 60, 6, -14}};
    for (const Log& l : logs) {
        p.save();
        p.translate(l.x + l.len / 2, l.y);
        p.rotate(l.angle);
        const QRectF body(-l.len / 2, -l.r, l.len, 2 * l.r);
        QPainterPath log;
        log.addRoundedRect(body, l.r * 0.8, l.r);
        QLinearGradient g(0, -l.r, 0, l.r);
        g.setColorAt(0, lit ? QColor(230, 120, 40) : Shade(bark, 1.8));
        g.setColorAt(0.3, bark);
        g.setColorAt(1, Shade(bark, 0.35));
        Outlined(p, log, g, ink, 1);
        // Bark furrows, and glowing cracks when burning.
        p.setPen(QPen(lit ? QColor(255, 140, 30, 210) : QColor(14, 10, 8, 200), lit ? 1.2 : 0.9));
        for (int k = 0; k < int(l.len / 9); ++k) {
            const double x0 = -l.len / 2 + 5 + n.unit() * (l.len - 12);
            const double y0 = -l.r * 0.6 + n.unit() * l.r * 1.2;
            p.drawLine(QPointF(x0, y0), QPointF(x0 + 4 + n.unit() * 6, y0 + (n.unit() - 0.5) * 2));
        }
        // End grain at the right end.
        const QRectF end(l.len / 2 - l.r * 0.9, -l.r, l.r * 1.8, 2 * l.r);
        QPainterPath ep;
        ep.addEllipse(end);
        Outlined(p, ep, QBrush(lit ? QColor(200, 90, 30) : QColor(96, 78, 60)), ink, 0.8);
        p.setPen(QPen(lit ? QColor(120, 40, 10) : QColor(60, 46, 34), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(end.center(), l.r * 0.5, l.r * 0.6);
        p.drawEllipse(end.center(), l.r * 0.2, l.r * 0.25);
        p.restore();
    }
    if (!lit) {  // a few last embers
        for (int k = 0; k < 14; ++k) {
            const QPointF c(40 + n.unit() * 260, 44 + n.unit() * 14);
            QRadialGradient g(c, 3);
            g.setColorAt(0, QColor(255, 90, 20, 200));
            g.setColorAt(1, QColor(120, 20, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, 3, 3);
        }
    }
}

// A wall of flames over the trough: tongues of noise shaped by height.
QImage Flames(int w, int h, double base, double height, uint32_t seed, double strength) {
    return Field(w, h, [&](double x, double y) {
        const double edge = std::clamp(std::min(x - 22.0, w - 22.0 - x) / 40.0, 0.0, 1.0);
        const double local = height * (0.55 + 0.45 * Fbm(x, 0, 30, 2, seed + 5)) * (0.35 + 0.65 * edge);
        const double up = (base - y) / std::max(1.0, local);
        if (up < -0.2) return QColor(0, 0, 0, 0);
        const double tongues = Fbm(x * 1.6, y * 0.55 + 40, 18, 4, seed);
        const double fine = Fbm(x, y, 6, 2, seed + 11);
        double f = (1.05 - up) * 1.15 - (tongues - 0.45) * 1.5 - (fine - 0.5) * 0.3;
        f *= strength * std::sqrt(edge);
        return Heat(f);
    });
}

QImage Fire(bool lit) {
    const int w = 343, h = 97;
    QImage img = Canvas(w, h, Qt::black);
    QPainter p(&img);
    Smooth(p);
    if (lit) {  // warm light cast on the dark behind
        QRadialGradient glow(QPointF(w / 2.0, 60), 190);
        glow.setColorAt(0, QColor(120, 40, 6, 160));
        glow.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(img.rect(), glow);
        p.drawImage(0, 0, Flames(w, h, 56, 60, 17, 1.0));
    } else {  // thin smoke wisps rising from the cold wood
        QImage smoke = Field(w, h, [&](double x, double y) {
            const double v = Fbm(x + Fbm(x, y, 20, 2, 3) * 30, y * 1.5, 26, 4, 9);
            const double band = std::max(0.0, v - 0.55) * 3.0 * std::clamp((60.0 - y) / 50.0, 0.0, 1.0);
            return QColor(120, 124, 130, int(std::clamp(band, 0.0, 1.0) * 110));
        });
        p.drawImage(0, 0, smoke);
    }
    Logs(p, lit, 5);
    Brazier(p, lit);
    if (lit) {  // flames licking over the front logs, and sparks
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        QImage front = Flames(w, h, 60, 20, 23, 0.7);
        p.drawImage(QRect(0, 0, w, 57), front, QRect(0, 0, w * DrawScale(), 57 * DrawScale()));  // source in pixels
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        Noise n(77);
        for (int k = 0; k < 26; ++k) {
            const QPointF c(30 + n.unit() * 283, 4 + n.unit() * 40);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 200 + n.range(0, 50), 80, 160 + n.range(0, 90)));
            p.drawEllipse(c, 0.9, 0.9);
        }
    }
    return img;
}

QImage WindowIcon() {
    return Supersampled(32, 32, 4, [](QPainter& p) {
        DrawTower(p, QRectF(5, 1, 20, 30));
        DrawKey(p, QPointF(9, 23), QPointF(30, 11), 7, QColor(228, 184, 64));
    });
}

// The about box's first picture: the black tower under a moonlit sky.
QImage AboutTower() {
    QImage img = Field(120, 120, [](double x, double y) {
        const QColor sky = Mix(QColor(8, 10, 30), QColor(48, 40, 86), y / 120.0);
        return Mix(sky, QColor(70, 60, 110), std::max(0.0, Fbm(x, y, 30, 4, 41) - 0.55) * 1.4);
    });
    QPainter p(&img);
    Smooth(p);
    Noise n(43);
    for (int k = 0; k < 40; ++k) {
        p.setPen(QColor(255, 255, 230, 90 + n.range(0, 160)));
        p.drawPoint(QPointF(n.unit() * 120, n.unit() * 80));
    }
    QRadialGradient moon(QPointF(92, 22), 22);
    moon.setColorAt(0, QColor(255, 250, 220));
    moon.setColorAt(0.4, QColor(240, 230, 190));
    moon.setColorAt(0.45, QColor(200, 190, 170, 90));
    moon.setColorAt(1, QColor(120, 110, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(QPointF(92, 22), 22, 22);
    QPainterPath hill;
    hill.moveTo(0, 104);
    hill.quadTo(40, 88, 64, 96);
    hill.quadTo(96, 86, 120, 100);
    hill.lineTo(120, 120);
    hill.lineTo(0, 120);
    p.fillPath(hill, QColor(10, 14, 12));
    DrawTower(p, QRectF(34, 14, 50, 86));
    return img;
}

// The second picture: the keeper's arms, a sword and a key crossed on a round shield.
QImage AboutArms() {
    return Supersampled(120, 120, 2, [](QPainter& p) {
        QRadialGradient bg(QPointF(60, 60), 60);
        bg.setColorAt(0, QColor(70, 24, 30));
        bg.setColorAt(1, QColor(24, 6, 12));
        p.fillRect(QRectF(0, 0, 120, 120), QColor(16, 10, 12));
        QPainterPath shield;
        shield.addEllipse(QPointF(60, 60), 55, 55);
        Outlined(p, shield, bg, QColor(214, 168, 58), 4);
        p.setPen(QPen(QColor(120, 88, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(60, 60), 50, 50);
        for (int i = 0; i < 16; ++i) {
            const double a = i * M_PI / 8;
            p.setBrush(QColor(230, 190, 90));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(60 + 52.5 * std::cos(a), 60 + 52.5 * std::sin(a)), 1.2, 1.2);
        }
        p.save();
        p.translate(60, 60);
        p.rotate(42);
        DrawSword(p, 0, -50, 48, 9, 34);
        p.restore();
        DrawKey(p, QPointF(30, 30), QPointF(92, 92), 18, QColor(230, 186, 70));
    });
}

}  // namespace

void GenerateTitle(const QString& dir) {
    SaveGif(Sword(), dir + "/epee.gif");
    SaveBmp(Fire(false), dir + "/feueteint.bmp");
    SaveBmp(Fire(true), dir + "/feuallume.bmp");
    SaveIco(WindowIcon(), dir + "/quelmor.ico");
    SaveGif(AboutTower(), dir + "/apropos1.gif");
    SaveGif(AboutArms(), dir + "/apropos2.gif");
}

}  // namespace assetgen::ui
