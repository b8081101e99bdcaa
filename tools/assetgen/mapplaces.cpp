// The places of the plain and the mountain: inn, small tower, camp, volcano, the cave
// of the underground chest, the swamp, and the ruins of the places without event.
#include "artkit.h"
#include "common.h"
#include "mapkit.h"
#include "mapplaces.h"

#include <cmath>

namespace mapart {

void Inn(QPainter& p, const QPointF& c) {
    // A two-storey inn with a red roof, a hanging sign with a mug and barrels by the door.
    const QRectF body(c.x() - 30, c.y() - 22, 52, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRect(body.translated(4, 4));
    const QRectF front(body.left(), body.bottom() - 16, body.width(), 16);
    p.setPen(QPen(QColor(40, 28, 20), 1));
    p.setBrush(art::Ramp(front.topLeft(), front.bottomLeft(), QColor(232, 222, 198), 1.05, 0.8));
    p.drawRect(front);
    p.setPen(QPen(QColor(84, 54, 32), 1.4));
    for (double x = front.left() + 6; x < front.right(); x += 10) p.drawLine(QPointF(x, front.top()), QPointF(x, front.bottom()));
    p.drawLine(QPointF(front.left(), front.top() + 7), QPointF(front.right(), front.top() + 7));
    p.setPen(Qt::NoPen);
    for (double x = front.left() + 8; x < front.right() - 4; x += 10) {
        p.setBrush(QColor(255, 214, 110));
        p.drawRect(QRectF(x, front.top() + 2, 3, 3.5));
        p.drawRect(QRectF(x, front.top() + 9.5, 3, 3.5));
    }
    p.setBrush(QColor(80, 46, 26));
    p.drawRoundedRect(QRectF(front.center().x() - 3, front.bottom() - 8, 6, 8), 2, 2);
    House(p, QRectF(body.left(), body.top(), body.width(), body.height() - 14), QColor(168, 54, 40), QColor(230, 220, 200), true, 7);
    // Sign on a post.
    const QPointF post(body.right() + 8, body.bottom() + 2);
    p.setPen(QPen(QColor(60, 38, 22), 2));
    p.drawLine(post, post - QPointF(0, 24));
    p.drawLine(post - QPointF(0, 22), post - QPointF(8, 22));
    p.setPen(QPen(QColor(40, 24, 14), 1));
    p.setBrush(QColor(110, 56, 30));
    p.drawRect(QRectF(post.x() - 11, post.y() - 20, 10, 9));
    p.setBrush(QColor(240, 200, 60));
    p.drawRect(QRectF(post.x() - 8.5, post.y() - 18.5, 4, 5.5));
    p.setPen(QPen(QColor(240, 200, 60), 1));
    p.drawArc(QRectF(post.x() - 5.5, post.y() - 17.5, 3, 3.5), -90 * 16, 180 * 16);
    // Barrels.
    for (int i = 0; i < 2; ++i) {
        const QPointF b(body.left() + 6 + i * 8, body.bottom() + 7);
        p.setPen(QPen(QColor(40, 24, 12), 0.8));
        p.setBrush(art::Ball(QRectF(b.x() - 4, b.y() - 4, 8, 8), QColor(130, 70, 36)));
        p.drawEllipse(b, 3.8, 3.8);
        p.setPen(QPen(QColor(60, 60, 60), 0.8));
        p.drawEllipse(b, 2.2, 2.2);
    }
}

void SmallTower(QPainter& p, const QPointF& c) {
    // A round stone watchtower with a slate cone and a pennant.
    art::GroundShadow(p, QRectF(c.x() - 18, c.y() + 2, 46, 20), 130);
    const double w = 16, base = c.y() + 12, top = c.y() - 20;
    QPainterPath body;
    body.moveTo(c.x() - w, top);
    body.lineTo(c.x() - w, base);
    body.arcTo(QRectF(c.x() - w, base - 6, 2 * w, 12), 180, 180);
    body.lineTo(c.x() + w, top);
    body.closeSubpath();
    QLinearGradient g(c.x() - w, 0, c.x() + w, 0);
    g.setColorAt(0, QColor(196, 192, 182));
    g.setColorAt(0.35, QColor(168, 164, 154));
    g.setColorAt(1, QColor(84, 82, 80));
    art::FillOutlined(p, body, g, QColor(34, 32, 30), 1.2);
    p.setPen(QPen(QColor(70, 68, 64, 160), 0.7));
    for (double y = top + 5; y < base; y += 5) {
        p.drawLine(QPointF(c.x() - w + 1, y), QPointF(c.x() + w - 1, y));
        const double off = (int(y) / 5) % 2 ? 4 : 0;
        for (double x = c.x() - w + 3 + off; x < c.x() + w; x += 8) p.drawLine(QPointF(x, y - 5), QPointF(x, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 26, 30));
    p.drawRoundedRect(QRectF(c.x() - 2, c.y() - 8, 4, 8), 2, 2);
    p.setBrush(QColor(60, 36, 22));
    p.drawRoundedRect(QRectF(c.x() - 5, base - 9, 10, 13), 5, 5);
    // Cone roof.
    QPainterPath cone;
    cone.moveTo(c.x() - w - 4, top + 2);
    cone.lineTo(c.x(), top - 26);
    cone.lineTo(c.x() + w + 4, top + 2);
    cone.quadTo(c.x(), top + 8, c.x() - w - 4, top + 2);
    QLinearGradient cg(c.x() - w, 0, c.x() + w, 0);
    cg.setColorAt(0, QColor(110, 126, 170));
    cg.setColorAt(1, QColor(40, 46, 80));
    art::FillOutlined(p, cone, cg, QColor(20, 22, 40), 1.2);
    p.setPen(QPen(QColor(40, 30, 20), 1.2));
    p.drawLine(QPointF(c.x(), top - 26), QPointF(c.x(), top - 36));
    QPainterPath flag;
    flag.moveTo(c.x(), top - 36);
    flag.lineTo(c.x() + 12, top - 33);
    flag.lineTo(c.x(), top - 30);
    art::FillOutlined(p, flag, QColor(210, 40, 40), QColor(80, 10, 10), 0.8);
}

void Camp(QPainter& p, const QPointF& c) {
    // Three tents round a camp fire.
    auto tent = [&p](const QPointF& f, const QColor& cloth, bool stripes) {
        art::GroundShadow(p, QRectF(f.x() - 10, f.y() - 6, 26, 12), 110);
        QPainterPath side;
        side.moveTo(f + QPointF(-11, 0));
        side.lineTo(f + QPointF(-3, -16));
        side.lineTo(f + QPointF(11, -12));
        side.lineTo(f + QPointF(11, 2));
        side.closeSubpath();
        art::FillOutlined(p, side, art::Shade(cloth, 0.7), QColor(30, 20, 16), 1);
        QPainterPath front;
        front.moveTo(f + QPointF(-11, 0));
        front.lineTo(f + QPointF(-3, -16));
        front.lineTo(f + QPointF(5, 0));
        front.closeSubpath();
        art::FillOutlined(p, front, art::Ramp(f + QPointF(-11, 0), f + QPointF(5, 0), cloth, 1.3, 0.8), QColor(30, 20, 16), 1);
        if (stripes) {
            p.setPen(QPen(QColor(250, 246, 236), 1.6));
            p.drawLine(f + QPointF(-7, 0), f + QPointF(-3, -14));
            p.drawLine(f + QPointF(1, 0), f + QPointF(-2, -14));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 20, 14));
        QPainterPath door;
        door.moveTo(f + QPointF(-5, 0));
        door.lineTo(f + QPointF(-3, -8));
        door.lineTo(f + QPointF(-1, 0));
        p.drawPath(door);
    };
    tent(c + QPointF(-18, -10), QColor(190, 50, 44), true);
    tent(c + QPointF(16, -14), QColor(60, 110, 170), false);
    tent(c + QPointF(-8, 24), QColor(80, 130, 60), true);
    const QPointF f = c + QPointF(0, 8);
    // The fire: a ring of stones, logs and flames with a glow.
    QRadialGradient glow(f + QPointF(4, 6), 22);
    glow.setColorAt(0, QColor(255, 230, 120, 110));
    glow.setColorAt(1, QColor(255, 200, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(f + QPointF(4, 6), 22, 22);
    for (int i = 0; i < 8; ++i) {
        const double a = i * 0.785;
        p.setPen(QPen(QColor(40, 40, 40), 0.6));
        p.setBrush(QColor(130, 128, 124));
        p.drawEllipse(f + QPointF(4 + std::cos(a) * 7, 8 + std::sin(a) * 5), 2, 1.6);
    }
    p.setPen(QPen(QColor(70, 40, 20), 2));
    p.drawLine(f + QPointF(-1, 10), f + QPointF(9, 6));
    p.drawLine(f + QPointF(-1, 6), f + QPointF(9, 10));
    QPainterPath flame;
    flame.moveTo(f + QPointF(0, 8));
    flame.quadTo(f + QPointF(0, -2), f + QPointF(4, -6));
    flame.quadTo(f + QPointF(5, 0), f + QPointF(8, 8));
    flame.closeSubpath();
    QLinearGradient fg(f + QPointF(0, -6), f + QPointF(0, 8));
    fg.setColorAt(0, QColor(255, 250, 180));
    fg.setColorAt(0.5, QColor(255, 170, 40));
    fg.setColorAt(1, QColor(220, 60, 20));
    art::FillOutlined(p, flame, fg, QColor(140, 30, 10), 0.7);
    // A standard on a pole.
    p.setPen(QPen(QColor(60, 40, 24), 1.4));
    p.drawLine(c + QPointF(24, 14), c + QPointF(24, -8));
    QPainterPath banner;
    banner.moveTo(c + QPointF(24, -8));
    banner.lineTo(c + QPointF(35, -6));
    banner.lineTo(c + QPointF(24, -1));
    art::FillOutlined(p, banner, QColor(230, 200, 40), QColor(90, 70, 10), 0.7);
}

void Volcano(QPainter& p, const QPointF& c) {
    // A dark cone with a glowing crater, lava runs and a smoke plume.
    art::GroundShadow(p, QRectF(c.x() - 40, c.y() + 6, 90, 28), 140);
    QPainterPath cone;
    cone.moveTo(c + QPointF(-42, 20));
    cone.cubicTo(c + QPointF(-24, 10), c + QPointF(-16, -12), c + QPointF(-12, -16));
    cone.lineTo(c + QPointF(12, -16));
    cone.cubicTo(c + QPointF(16, -12), c + QPointF(24, 10), c + QPointF(42, 20));
    cone.quadTo(c + QPointF(0, 30), c + QPointF(-42, 20));
    QLinearGradient g(c + QPointF(-40, 0), c + QPointF(40, 0));
    g.setColorAt(0, QColor(110, 92, 88));
    g.setColorAt(0.45, QColor(70, 56, 54));
    g.setColorAt(1, QColor(30, 24, 24));
    art::FillOutlined(p, cone, g, QColor(16, 10, 10), 1.2);
    // Lava runs.
    QPen lava(QColor(250, 120, 30), 2.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(lava);
    QPainterPath runs;
    runs.moveTo(c + QPointF(-6, -15));
    runs.cubicTo(c + QPointF(-10, -4), c + QPointF(-4, 6), c + QPointF(-14, 18));
    runs.moveTo(c + QPointF(5, -15));
    runs.cubicTo(c + QPointF(10, -2), c + QPointF(16, 6), c + QPointF(20, 16));
    p.setBrush(Qt::NoBrush);
    p.drawPath(runs);
    p.setPen(QPen(QColor(255, 230, 120), 0.9));
    p.drawPath(runs);
    // Crater.
    QRadialGradient cg(c + QPointF(0, -16), 14);
    cg.setColorAt(0, QColor(255, 250, 180));
    cg.setColorAt(0.4, QColor(255, 140, 30));
    cg.setColorAt(1, QColor(180, 30, 10));
    p.setPen(QPen(QColor(40, 10, 6), 1));
    p.setBrush(cg);
    p.drawEllipse(c + QPointF(0, -16), 12, 4.5);
    // Smoke plume.
    assetgen::Noise n(5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const QPointF s = c + QPointF(-2 + i * 2.5 + n.unit() * 3, -24 - i * 6.5);
        const double r = 5 + i * 1.2;
        p.setBrush(art::Ball(QRectF(s.x() - r, s.y() - r, 2 * r, 2 * r), QColor(120, 116, 118, 210), 1.4, 0.6));
        p.drawEllipse(s, r, r * 0.8);
    }
}

void CaveChest(QPainter& p, const QPointF& c) {
    // A rocky knoll with a cave mouth; torches, and gold shining in the dark.
    Rock(p, c + QPointF(-20, -12), 14, QColor(120, 114, 124), 3);
    Rock(p, c + QPointF(18, -14), 15, QColor(112, 108, 118), 4);
    Rock(p, c + QPointF(0, -22), 16, QColor(132, 126, 136), 5);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-13, 10));
    mouth.cubicTo(c + QPointF(-14, -14), c + QPointF(14, -14), c + QPointF(13, 10));
    mouth.closeSubpath();
    art::FillOutlined(p, mouth, QColor(96, 90, 100), QColor(30, 26, 30), 4);
    QPainterPath dark;
    dark.moveTo(c + QPointF(-10, 10));
    dark.cubicTo(c + QPointF(-10, -9), c + QPointF(10, -9), c + QPointF(10, 10));
    dark.closeSubpath();
    QRadialGradient dg(c + QPointF(0, 4), 14);
    dg.setColorAt(0, QColor(40, 30, 20));
    dg.setColorAt(1, QColor(6, 4, 6));
    art::FillOutlined(p, dark, dg, QColor(0, 0, 0), 1);
    // The chest inside.
    p.setPen(QPen(QColor(30, 14, 6), 0.8));
    p.setBrush(QColor(120, 60, 30));
    p.drawRect(QRectF(c.x() - 5, c.y() + 2, 10, 6));
    p.setBrush(QColor(250, 210, 60));
    p.drawRect(QRectF(c.x() - 5, c.y() + 1, 10, 1.6));
    p.drawRect(QRectF(c.x() - 1, c.y() + 3, 2, 2.5));
    // Beams and torches.
    p.setPen(QPen(QColor(80, 50, 26), 2.4));
    p.drawLine(c + QPointF(-11, 11), c + QPointF(-11, -4));
    p.drawLine(c + QPointF(11, 11), c + QPointF(11, -4));
    p.drawLine(c + QPointF(-12, -5), c + QPointF(12, -5));
    for (int side = -1; side <= 1; side += 2) {
        const QPointF t = c + QPointF(side * 17, 2);
        QRadialGradient tg(t, 7);
        tg.setColorAt(0, QColor(255, 220, 120, 220));
        tg.setColorAt(1, QColor(255, 120, 20, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(tg);
        p.drawEllipse(t, 7, 7);
        p.setPen(QPen(QColor(70, 40, 20), 1.6));
        p.drawLine(t + QPointF(0, 8), t + QPointF(0, 1));
    }
}

void Swamp(QPainter& p, const QPointF& c) {
    // Murky pools with reeds, lily pads, a dead tree and drifting mist.
    QPainterPath pools;
    pools.addEllipse(c + QPointF(-6, 2), 26, 15);
    pools.addEllipse(c + QPointF(14, -8), 16, 10);
    pools.addEllipse(c + QPointF(-20, -12), 12, 8);
    pools = art::Union(pools);
    p.setPen(QPen(QColor(50, 60, 30), 5));
    p.setBrush(QColor(60, 70, 36));
    p.drawPath(pools);
    QRadialGradient wg(c, 30);
    wg.setColorAt(0, QColor(70, 90, 60));
    wg.setColorAt(1, QColor(34, 48, 34));
    p.setPen(QPen(QColor(24, 30, 20), 1));
    p.setBrush(wg);
    p.drawPath(pools);
    assetgen::Noise n(9);
    for (int i = 0; i < 9; ++i) {
        const QPointF at = c + QPointF((n.unit() - 0.5) * 50, (n.unit() - 0.5) * 24);
        if (!pools.contains(at)) continue;
        p.setPen(QPen(QColor(30, 60, 20), 0.6));
        p.setBrush(QColor(80, 140, 50));
        p.drawPie(QRectF(at.x() - 3, at.y() - 2, 6, 4), 30 * 16, 300 * 16);
    }
    for (int i = 0; i < 26; ++i) {
        const double a = n.unit() * 6.283;
        const QPointF at = c + QPointF(std::cos(a) * (24 + n.unit() * 10) - 4, std::sin(a) * (14 + n.unit() * 8));
        p.setPen(QPen(QColor(60, 90, 30), 1));
        p.drawLine(at, at + QPointF(n.unit() * 2 - 1, -7));
        p.setPen(QPen(QColor(80, 50, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + QPointF(0, -6), at + QPointF(0, -8.5));
    }
    // Dead tree.
    const QPointF t = c + QPointF(22, 10);
    QPen bark(QColor(70, 62, 54), 2.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(bark);
    p.drawLine(t, t + QPointF(0, -22));
    bark.setWidthF(1.4);
    p.setPen(bark);
    p.drawLine(t + QPointF(0, -14), t + QPointF(-8, -22));
    p.drawLine(t + QPointF(0, -18), t + QPointF(7, -26));
    p.drawLine(t + QPointF(-5, -19), t + QPointF(-9, -18));
    // Bubbles and mist.
    p.setPen(QPen(QColor(160, 190, 120), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c + QPointF(-8, 4), 1.5, 1.2);
    p.drawEllipse(c + QPointF(-3, 7), 1, 0.8);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const QPointF m = c + QPointF(-26 + i * 13, -2 + (i % 2) * 6);
        QRadialGradient mg(m, 12);
        mg.setColorAt(0, QColor(220, 235, 210, 70));
        mg.setColorAt(1, QColor(220, 235, 210, 0));
        p.setBrush(mg);
        p.drawEllipse(m, 14, 7);
    }
}

void Ruins(QPainter& p, const QPointF& c, uint32_t seed) {
    // Broken walls and columns round a standing stone: an old crossroads shrine.
    assetgen::Noise n(seed);
    const QColor stone(150, 148, 140);
    auto wall = [&](const QPointF& a, const QPointF& b, double h) {
        const QLineF l(a, b);
        const int blocks = int(l.length() / 5);
        for (int i = 0; i < blocks; ++i) {
            const QPointF at = a + (b - a) * (i / double(blocks));
            const int rows = 1 + int(n.unit() * h);
            for (int k = 0; k < rows; ++k) {
                p.setPen(QPen(QColor(50, 50, 46), 0.7));
                p.setBrush(art::Shade(stone, 0.8 + 0.35 * n.unit() - k * 0.06));
                p.drawRect(QRectF(at.x() - 2.5, at.y() - 3 - k * 3.2, 5, 3.4));
            }
        }
    };
    art::GroundShadow(p, QRectF(c.x() - 34, c.y() - 20, 72, 48), 60);
    wall(c + QPointF(-28, -22), c + QPointF(-4, -22), 3);
    wall(c + QPointF(-28, -22), c + QPointF(-28, 0), 2);
    wall(c + QPointF(10, 24), c + QPointF(28, 24), 2);
    wall(c + QPointF(28, 6), c + QPointF(28, 24), 3);
    // Columns, one fallen.
    for (const QPointF& at : {c + QPointF(18, -18), c + QPointF(-20, 18)}) {
        p.setPen(QPen(QColor(50, 50, 46), 0.8));
        p.setBrush(art::Ramp(at + QPointF(-3, 0), at + QPointF(3, 0), QColor(196, 192, 180)));
        p.drawRect(QRectF(at.x() - 3, at.y() - 14, 6, 14));
        p.drawRect(QRectF(at.x() - 4, at.y() - 15, 8, 2.5));
    }
    p.save();
    p.translate(c + QPointF(-16, -6));
    p.rotate(-20);
    p.setBrush(art::Ramp(QPointF(0, -3), QPointF(0, 3), QColor(190, 186, 176)));
    p.drawRect(QRectF(-9, -3, 18, 6));
    p.restore();
    // The standing stone in the middle with a rune.
    QPainterPath menhir;
    menhir.moveTo(c + QPointF(-5, 8));
    menhir.lineTo(c + QPointF(-6, -10));
    menhir.quadTo(c + QPointF(0, -18), c + QPointF(6, -10));
    menhir.lineTo(c + QPointF(5, 8));
    menhir.closeSubpath();
    art::GroundShadow(p, QRectF(c.x() - 6, c.y() + 2, 20, 9), 120);
    art::FillOutlined(p, menhir, art::Ramp(c + QPointF(-6, 0), c + QPointF(6, 0), QColor(140, 140, 150)), QColor(36, 36, 40), 1);
    p.setPen(QPen(QColor(120, 220, 230), 1.1));
    p.drawLine(c + QPointF(0, -8), c + QPointF(0, 2));
    p.drawLine(c + QPointF(-2.5, -5), c + QPointF(2.5, -1));
    // Ivy and weeds.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        const QPointF at = c + QPointF((n.unit() - 0.5) * 64, (n.unit() - 0.5) * 52);
        p.setBrush(QColor(50 + n.range(0, 30), 110 + n.range(0, 30), 40));
        p.drawEllipse(at, 1.8, 1.4);
    }
}

void PaintPlace(QPainter& p, map::Place place, int zone, int column, int row) {
    const QPointF c = CellCentre(column, row);
    p.save();
    // Places are drawn a little larger than their cell so they read around a figure standing on them.
    const double scale = place == map::Place::Swamp ? 1.35 : 1.15;
    p.translate(c);
    p.scale(scale, scale);
    p.translate(-c);
    switch (place) {
    case map::Place::Inn: Inn(p, c); break;
    case map::Place::Tower: SmallTower(p, c); break;
    case map::Place::Camp: Camp(p, c); break;
    case map::Place::Volcano: Volcano(p, c); break;
    case map::Place::UndergroundChest: CaveChest(p, c); break;
    case map::Place::Swamp: Swamp(p, c); break;
    case map::Place::Arena: Arena(p, c); break;
    case map::Place::Forge: Forge(p, c); break;
    case map::Place::Market: Market(p, c); break;
    case map::Place::ForestChest: ForestChest(p, c); break;
    case map::Place::Fountain: Fountain(p, c); break;
    case map::Place::TempleChest: Temple(p, c); break;
    case map::Place::Ruins: Ruins(p, c, uint32_t(zone * 100 + column)); break;
    case map::Place::None: break;
    }
    p.restore();
}

}  // namespace mapart
