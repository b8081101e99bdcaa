// The places of the town and the forest (arena, forge, market, forest chest, fountain,
// temple) and the black tower whose door opens on the town's tower road.
#include "artkit.h"
#include "common.h"
#include "mapkit.h"
#include "mapplaces.h"

#include <cmath>

namespace mapart {
namespace {

void Chest(QPainter& p, const QPointF& c, double s) {
    // An open treasure chest heaped with gold.
    art::GroundShadow(p, QRectF(c.x() - 9 * s, c.y() - 1 * s, 22 * s, 8 * s), 130);
    const QColor wood(124, 60, 34);
    p.setPen(QPen(QColor(30, 12, 6), 1));
    p.setBrush(art::Ramp(QPointF(0, c.y() - 6 * s), QPointF(0, c.y() + 6 * s), wood, 1.2, 0.7));
    p.drawRect(QRectF(c.x() - 10 * s, c.y() - 4 * s, 20 * s, 10 * s));
    QPainterPath lid;
    lid.moveTo(c + QPointF(-10 * s, -4 * s));
    lid.lineTo(c + QPointF(-9 * s, -13 * s));
    lid.quadTo(c + QPointF(0, -16 * s), c + QPointF(9 * s, -13 * s));
    lid.lineTo(c + QPointF(10 * s, -4 * s));
    lid.closeSubpath();
    art::FillOutlined(p, lid, art::Shade(wood, 0.7), QColor(30, 12, 6), 1);
    // Gold heap.
    QRadialGradient gold(c + QPointF(-2 * s, -6 * s), 9 * s);
    gold.setColorAt(0, QColor(255, 250, 190));
    gold.setColorAt(0.5, QColor(250, 200, 40));
    gold.setColorAt(1, QColor(170, 110, 10));
    p.setBrush(gold);
    p.setPen(QPen(QColor(120, 80, 10), 0.6));
    p.drawChord(QRectF(c.x() - 9 * s, c.y() - 9 * s, 18 * s, 10 * s), 0, 180 * 16);
    // Iron bands and lock.
    p.setPen(QPen(QColor(240, 196, 60), 1.4 * s));
    p.drawLine(c + QPointF(-6 * s, -4 * s), c + QPointF(-6 * s, 6 * s));
    p.drawLine(c + QPointF(6 * s, -4 * s), c + QPointF(6 * s, 6 * s));
    p.setPen(QPen(QColor(60, 40, 10), 0.6));
    p.setBrush(QColor(250, 214, 80));
    p.drawRect(QRectF(c.x() - 1.8 * s, c.y() - 2 * s, 3.6 * s, 4 * s));
    // Sparkles.
    p.setPen(QPen(QColor(255, 255, 220), 0.9));
    for (const QPointF& sp : {c + QPointF(-5 * s, -12 * s), c + QPointF(7 * s, -10 * s), c + QPointF(0, -15 * s)}) {
        p.drawLine(sp + QPointF(-2, 0), sp + QPointF(2, 0));
        p.drawLine(sp + QPointF(0, -2), sp + QPointF(0, 2));
    }
}

}  // namespace

void Arena(QPainter& p, const QPointF& c) {
    // An oval amphitheatre: arched outer wall, stepped seats, a pale sand floor, banners.
    const QRectF outer(c.x() - 36, c.y() - 28, 72, 56);
    art::GroundShadow(p, outer.adjusted(4, 8, 10, 10), 140);
    p.setPen(QPen(QColor(40, 36, 32), 1.2));
    p.setBrush(art::Ramp(outer.topLeft(), outer.bottomRight(), QColor(200, 190, 172), 1.15, 0.65));
    p.drawEllipse(outer);
    // Arches round the outer wall.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 20; ++i) {
        const double a = i * 6.2832 / 20;
        const QPointF at(c.x() + std::cos(a) * 33, c.y() + std::sin(a) * 25.5);
        p.setBrush(QColor(60, 50, 44));
        p.drawEllipse(at, 1.6, 2.2);
    }
    for (int tier = 0; tier < 3; ++tier) {
        const QRectF t = outer.adjusted(6 + tier * 4.5, 5 + tier * 3.6, -6 - tier * 4.5, -5 - tier * 3.6);
        p.setPen(QPen(QColor(120, 106, 92), 0.8));
        p.setBrush(tier % 2 ? QColor(176, 164, 150) : QColor(158, 146, 132));
        p.drawEllipse(t);
    }
    const QRectF floor = outer.adjusted(21, 15, -21, -15);
    p.setPen(QPen(QColor(90, 70, 60), 1));
    p.setBrush(art::Ball(floor, QColor(214, 208, 196), 1.1, 0.85));
    p.drawEllipse(floor);
    // Two fighters' marks: crossed lines in the sand.
    p.setPen(QPen(QColor(150, 60, 50), 1.2));
    p.drawLine(c + QPointF(-5, -3), c + QPointF(5, 3));
    p.drawLine(c + QPointF(-5, 3), c + QPointF(5, -3));
    // Banners on the rim.
    const QColor flags[] = {{200, 40, 40}, {40, 80, 190}, {230, 200, 40}, {40, 140, 60}};
    for (int i = 0; i < 4; ++i) {
        const double a = -2.3 + i * 1.55;
        const QPointF at(c.x() + std::cos(a) * 34, c.y() + std::sin(a) * 26);
        p.setPen(QPen(QColor(50, 36, 24), 1.2));
        p.drawLine(at, at - QPointF(0, 13));
        QPainterPath f;
        f.moveTo(at - QPointF(0, 13));
        f.lineTo(at - QPointF(-9, 10.5));
        f.lineTo(at - QPointF(0, 8));
        art::FillOutlined(p, f, flags[i], art::Shade(flags[i], 0.4), 0.7);
    }
}

void Forge(QPainter& p, const QPointF& c) {
    // A smithy with a great chimney, fire in the doorway, an anvil and sparks.
    const QRectF f(c.x() - 30, c.y() - 26, 50, 40);
    House(p, f, QColor(70, 72, 84), QColor(150, 144, 136), true, 21);
    QRadialGradient glow(QPointF(f.center().x(), f.bottom() - 2), 16);
    glow.setColorAt(0, QColor(255, 200, 80, 220));
    glow.setColorAt(1, QColor(255, 90, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(f.center().x(), f.bottom() - 2), 16, 10);
    p.setBrush(QColor(255, 150, 40));
    p.drawRoundedRect(QRectF(f.center().x() - 4, f.bottom() - 6.5, 8, 6.5), 2.5, 2.5);
    // Chimney with smoke.
    const QRectF chimney(f.right() - 13, f.top() - 14, 9, 20);
    p.setPen(QPen(QColor(30, 26, 24), 1));
    p.setBrush(art::Ramp(chimney.topLeft(), chimney.topRight(), QColor(120, 100, 90)));
    p.drawRect(chimney);
    p.setBrush(QColor(255, 130, 30));
    p.drawRect(QRectF(chimney.left() + 1.5, chimney.top(), chimney.width() - 3, 2));
    for (int i = 0; i < 5; ++i) {
        const QPointF s(chimney.center().x() + 3 + i * 4, chimney.top() - 5 - i * 6);
        const double r = 3.5 + i;
        p.setPen(Qt::NoPen);
        p.setBrush(art::Ball(QRectF(s.x() - r, s.y() - r, 2 * r, 2 * r), QColor(90, 88, 92, 200), 1.4, 0.6));
        p.drawEllipse(s, r, r * 0.85);
    }
    // The anvil in the yard.
    const QPointF a(f.right() + 10, f.bottom() + 6);
    art::GroundShadow(p, QRectF(a.x() - 8, a.y() - 2, 18, 7), 130);
    QPainterPath anvil;
    anvil.moveTo(a + QPointF(-9, -7));
    anvil.lineTo(a + QPointF(7, -7));
    anvil.quadTo(a + QPointF(11, -7), a + QPointF(12, -9));
    anvil.lineTo(a + QPointF(6, -3));
    anvil.lineTo(a + QPointF(3, -3));
    anvil.lineTo(a + QPointF(4, 2));
    anvil.lineTo(a + QPointF(-5, 2));
    anvil.lineTo(a + QPointF(-4, -3));
    anvil.lineTo(a + QPointF(-9, -4));
    anvil.closeSubpath();
    art::FillOutlined(p, anvil, art::Ramp(a + QPointF(0, -8), a + QPointF(0, 2), QColor(90, 94, 104), 1.6, 0.5),
                      QColor(14, 14, 18), 1);
    p.setPen(QPen(QColor(255, 220, 120), 0.9));
    for (int i = 0; i < 5; ++i) {
        const double ang = -2.6 + i * 0.45;
        p.drawLine(a + QPointF(0, -8) + QPointF(std::cos(ang), std::sin(ang)) * 3, a + QPointF(0, -8) + QPointF(std::cos(ang), std::sin(ang)) * 7);
    }
    // A water trough.
    p.setPen(QPen(QColor(40, 28, 20), 1));
    p.setBrush(QColor(100, 66, 40));
    p.drawRect(QRectF(f.left() - 2, f.bottom() + 3, 14, 6));
    p.setBrush(QColor(60, 100, 150));
    p.drawRect(QRectF(f.left(), f.bottom() + 4.5, 10, 3));
}

void Market(QPainter& p, const QPointF& c) {
    // A paved square with striped stalls and crates of produce.
    const QRectF square(c.x() - 34, c.y() - 30, 68, 58);
    p.setPen(QPen(QColor(60, 60, 56), 1));
    p.setBrush(QColor(128, 126, 120));
    p.drawRect(square);
    p.setPen(QPen(QColor(96, 94, 90), 0.6));
    for (double y = square.top() + 6; y < square.bottom(); y += 6) p.drawLine(QPointF(square.left(), y), QPointF(square.right(), y));
    for (double x = square.left() + 8; x < square.right(); x += 8) p.drawLine(QPointF(x, square.top()), QPointF(x, square.bottom()));
    const QColor stripes[][2] = {{{200, 40, 40}, {250, 246, 236}}, {{40, 90, 190}, {250, 246, 236}},
                                 {{40, 140, 60}, {240, 220, 70}}, {{150, 60, 160}, {250, 246, 236}}};
    const QPointF stalls[] = {c + QPointF(-20, -18), c + QPointF(14, -20), c + QPointF(-22, 12), c + QPointF(16, 10)};
    for (int i = 0; i < 4; ++i) {
        const QPointF s = stalls[i];
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRect(QRectF(s.x() - 9, s.y() - 5, 22, 16));
        // Counter with produce.
        p.setPen(QPen(QColor(40, 24, 14), 0.8));
        p.setBrush(QColor(110, 64, 36));
        p.drawRect(QRectF(s.x() - 10, s.y() + 3, 20, 6));
        const QColor goods[] = {{220, 40, 30}, {120, 190, 60}, {250, 170, 30}, {130, 70, 170}};
        for (int k = 0; k < 4; ++k) {
            p.setBrush(goods[(i + k) % 4]);
            p.drawEllipse(QPointF(s.x() - 7 + k * 4.6, s.y() + 4), 1.8, 1.5);
        }
        // Awning.
        for (int k = 0; k < 5; ++k) {
            p.setPen(QPen(QColor(40, 20, 20), 0.6));
            p.setBrush(stripes[i][k % 2]);
            p.drawRect(QRectF(s.x() - 11 + k * 4.4, s.y() - 8, 4.4, 10));
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 20, 20), 0.9));
        p.drawRect(QRectF(s.x() - 11, s.y() - 8, 22, 10));
    }
    // Crates and a barrel in the middle.
    p.setPen(QPen(QColor(40, 24, 14), 0.8));
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(c.x() - 6, c.y() - 4, 7, 7));
    p.drawRect(QRectF(c.x() + 1, c.y() - 2, 6, 6));
    p.setBrush(art::Ball(QRectF(c.x() - 3, c.y() + 2, 7, 7), QColor(120, 70, 36)));
    p.drawEllipse(QPointF(c.x() + 0.5, c.y() + 5.5), 3.3, 3.3);
}

void ForestChest(QPainter& p, const QPointF& c) {
    // A treasure chest on a mossy knoll, ringed by mushrooms.
    p.setPen(Qt::NoPen);
    p.setBrush(art::Ball(QRectF(c.x() - 22, c.y() - 10, 44, 26), QColor(88, 140, 56), 1.25, 0.7));
    p.drawEllipse(QRectF(c.x() - 22, c.y() - 8, 44, 22));
    Chest(p, c + QPointF(0, 4), 1.05);
    for (int i = 0; i < 7; ++i) {
        const double a = i * 0.9 + 0.3;
        const QPointF m(c.x() + std::cos(a) * 26, c.y() + 4 + std::sin(a) * 16);
        p.setPen(QPen(QColor(60, 30, 20), 0.6));
        p.setBrush(QColor(236, 230, 210));
        p.drawRect(QRectF(m.x() - 0.8, m.y() - 2, 1.6, 3));
        p.setBrush(QColor(210, 40, 34));
        p.drawChord(QRectF(m.x() - 3, m.y() - 4.5, 6, 5), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(m + QPointF(-1, -3.2), 0.6, 0.6);
    }
}

void Fountain(QPainter& p, const QPointF& c) {
    // A round basin on a paved circle, a column with jets, flower beds round it.
    p.setPen(QPen(QColor(70, 70, 66), 1));
    p.setBrush(QColor(150, 148, 140));
    p.drawEllipse(c, 34, 27);
    p.setPen(QPen(QColor(110, 108, 102), 0.6));
    for (int i = 0; i < 16; ++i) {
        const double a = i * 6.2832 / 16;
        p.drawLine(c + QPointF(std::cos(a) * 26, std::sin(a) * 20), c + QPointF(std::cos(a) * 34, std::sin(a) * 27));
    }
    Flowers(p, QRectF(c.x() - 34, c.y() - 28, 68, 8), 30, 3);
    Flowers(p, QRectF(c.x() - 34, c.y() + 20, 68, 8), 30, 4);
    art::GroundShadow(p, QRectF(c.x() - 22, c.y() - 8, 50, 30), 110);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(art::Ramp(c + QPointF(-24, -16), c + QPointF(24, 16), QColor(206, 202, 192), 1.15, 0.6));
    p.drawEllipse(c, 24, 18);
    QRadialGradient water(c + QPointF(-4, -3), 22);
    water.setColorAt(0, QColor(140, 200, 250));
    water.setColorAt(1, QColor(30, 80, 170));
    p.setBrush(water);
    p.drawEllipse(c, 19.5, 14);
    p.setPen(QPen(QColor(230, 246, 255, 170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c + QPointF(0, 2), 12, 8);
    p.drawEllipse(c + QPointF(0, 2), 7, 4.5);
    // Column and jets.
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(art::Ramp(c + QPointF(-3, 0), c + QPointF(3, 0), QColor(210, 206, 196)));
    p.drawRect(QRectF(c.x() - 3, c.y() - 12, 6, 14));
    p.drawEllipse(c + QPointF(0, -12), 6, 2.5);
    QPen jet(QColor(200, 236, 255), 1.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(jet);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath arc;
        arc.moveTo(c + QPointF(0, -14));
        arc.quadTo(c + QPointF(side * 8, -22), c + QPointF(side * 12, -2));
        p.drawPath(arc);
    }
    p.drawLine(c + QPointF(0, -14), c + QPointF(0, -20));
}

void Temple(QPainter& p, const QPointF& c) {
    // A small marble temple: steps, six columns, a pediment and a golden acroterion.
    const QRectF base(c.x() - 30, c.y() - 10, 60, 24);
    art::GroundShadow(p, base.adjusted(4, 4, 12, 10), 140);
    for (int s = 0; s < 3; ++s) {
        const QRectF step = base.adjusted(-s * 2.5, s * 3.5, s * 2.5, s * 3.5);
        p.setPen(QPen(QColor(90, 88, 84), 0.8));
        p.setBrush(art::Shade(QColor(228, 226, 218), 1.0 - s * 0.08));
        p.drawRect(QRectF(step.left(), step.bottom() - 4, step.width(), 4));
    }
    p.setBrush(QColor(40, 36, 44));
    p.drawRect(QRectF(base.left() + 4, base.top() - 14, base.width() - 8, 24));
    // The chest glimpsed inside.
    p.setBrush(QColor(250, 200, 60));
    p.drawRect(QRectF(c.x() - 4, c.y() + 3, 8, 5));
    for (int i = 0; i < 6; ++i) {
        const double x = base.left() + 5 + i * 10;
        p.setPen(QPen(QColor(70, 68, 64), 0.7));
        p.setBrush(art::Ramp(QPointF(x - 2.5, 0), QPointF(x + 2.5, 0), QColor(236, 234, 226), 1.1, 0.65));
        p.drawRect(QRectF(x - 2.5, base.top() - 14, 5, 26));
        p.drawRect(QRectF(x - 3.5, base.top() - 15, 7, 2));
        p.drawRect(QRectF(x - 3.5, base.top() + 11, 7, 2));
    }
    // Entablature and pediment.
    const double top = base.top() - 15;
    p.setPen(QPen(QColor(70, 68, 64), 0.9));
    p.setBrush(QColor(222, 220, 210));
    p.drawRect(QRectF(base.left() - 2, top - 6, base.width() + 4, 6));
    QPainterPath ped;
    ped.moveTo(base.left() - 4, top - 6);
    ped.lineTo(c.x(), top - 22);
    ped.lineTo(base.right() + 4, top - 6);
    ped.closeSubpath();
    art::FillOutlined(p, ped, art::Ramp(QPointF(0, top - 22), QPointF(0, top - 6), QColor(226, 224, 214), 1.1, 0.8),
                      QColor(60, 58, 54), 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 170));
    QPainterPath tymp;
    tymp.moveTo(base.left() + 6, top - 8);
    tymp.lineTo(c.x(), top - 18);
    tymp.lineTo(base.right() - 6, top - 8);
    p.drawPath(tymp);
    p.setBrush(QColor(250, 210, 70));
    p.drawEllipse(QPointF(c.x(), top - 12), 2.5, 2.5);
    p.drawEllipse(QPointF(c.x(), top - 24), 2.5, 2.5);
}

QRectF BlackTowerArea() { return {548, 102, 92, 200}; }

void PaintBlackTower(QPainter& p) {
    // The black tower stands over the tower door (column 19, row 10): its door sill lies
    // in the top of that road cell, so the street runs straight into it.
    const QPointF door = CellCentre(19, 10);
    const double cx = door.x(), base = door.y() - 6, w = 30, top = 150;
    art::GroundShadow(p, QRectF(cx - 26, base - 14, 80, 26), 160);
    QPainterPath body;
    body.moveTo(cx - w, top);
    body.lineTo(cx - w, base - 6);
    body.quadTo(cx, base + 6, cx + w, base - 6);
    body.lineTo(cx + w, top);
    body.closeSubpath();
    QLinearGradient g(cx - w, 0, cx + w, 0);
    g.setColorAt(0, QColor(84, 78, 96));
    g.setColorAt(0.3, QColor(56, 50, 66));
    g.setColorAt(1, QColor(14, 12, 18));
    art::FillOutlined(p, body, g, QColor(6, 4, 8), 1.4);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(0, 0, 0, 120), 0.8));
    for (double y = top + 6; y < base + 6; y += 7) {
        p.drawLine(QPointF(cx - w, y), QPointF(cx + w, y));
        const double off = (int((y - top) / 7) % 2) ? 5 : 0;
        for (double x = cx - w + off; x < cx + w; x += 10) p.drawLine(QPointF(x, y - 7), QPointF(x, y));
    }
    p.restore();
    // Glowing windows.
    p.setPen(Qt::NoPen);
    for (const QPointF& wnd : {QPointF(cx - 12, 176), QPointF(cx + 10, 200), QPointF(cx - 6, 230), QPointF(cx + 14, 254)}) {
        QRadialGradient wg(wnd, 7);
        wg.setColorAt(0, QColor(200, 120, 255, 200));
        wg.setColorAt(1, QColor(120, 40, 200, 0));
        p.setBrush(wg);
        p.drawEllipse(wnd, 7, 7);
        p.setBrush(QColor(230, 180, 255));
        p.drawRoundedRect(QRectF(wnd.x() - 1.6, wnd.y() - 4, 3.2, 7), 1.5, 1.5);
    }
    // The door: an arch of pale stone with iron-bound leaves; the sill on the street.
    QPainterPath arch;
    arch.moveTo(cx - 10, base + 2);
    arch.lineTo(cx - 10, base - 16);
    arch.arcTo(QRectF(cx - 10, base - 26, 20, 20), 180, -180);
    arch.lineTo(cx + 10, base + 2);
    arch.closeSubpath();
    art::FillOutlined(p, arch, QColor(120, 112, 128), QColor(10, 8, 12), 1.2);
    QPainterPath leaves;
    leaves.moveTo(cx - 7, base + 1);
    leaves.lineTo(cx - 7, base - 16);
    leaves.arcTo(QRectF(cx - 7, base - 23, 14, 14), 180, -180);
    leaves.lineTo(cx + 7, base + 1);
    leaves.closeSubpath();
    art::FillOutlined(p, leaves, art::Ramp(QPointF(cx - 7, 0), QPointF(cx + 7, 0), QColor(50, 26, 22), 1.3, 0.6), QColor(0, 0, 0), 1);
    p.setPen(QPen(QColor(150, 150, 160), 1));
    p.drawLine(QPointF(cx, base - 23), QPointF(cx, base + 1));
    p.drawLine(QPointF(cx - 7, base - 12), QPointF(cx + 7, base - 12));
    p.drawLine(QPointF(cx - 7, base - 5), QPointF(cx + 7, base - 5));
    p.setBrush(QColor(240, 200, 80));
    p.setPen(QPen(QColor(60, 40, 10), 0.5));
    p.drawEllipse(QPointF(cx - 3, base - 8), 1.5, 1.5);
    p.drawEllipse(QPointF(cx + 3, base - 8), 1.5, 1.5);
    // Battlements and the spire.
    for (int i = 0; i < 6; ++i) {
        const double x = cx - w - 2 + i * 11.4;
        p.setPen(QPen(QColor(6, 4, 8), 1));
        p.setBrush(i < 2 ? QColor(80, 74, 92) : QColor(40, 36, 48));
        p.drawRect(QRectF(x, top - 8, 7, 9));
    }
    p.setBrush(QColor(30, 26, 36));
    p.drawRect(QRectF(cx - w - 2, top - 1, 2 * w + 4, 5));
    QPainterPath spire;
    spire.moveTo(cx - 18, top - 6);
    spire.lineTo(cx, top - 46);
    spire.lineTo(cx + 18, top - 6);
    spire.closeSubpath();
    QLinearGradient sg(cx - 18, 0, cx + 18, 0);
    sg.setColorAt(0, QColor(90, 60, 110));
    sg.setColorAt(1, QColor(16, 10, 22));
    art::FillOutlined(p, spire, sg, QColor(4, 2, 6), 1.2);
    // A red banner and a purple glow at the tip.
    p.setPen(QPen(QColor(20, 16, 20), 1.2));
    p.drawLine(QPointF(cx, top - 46), QPointF(cx, top - 56));
    QPainterPath flag;
    flag.moveTo(cx, top - 56);
    flag.lineTo(cx - 14, top - 52);
    flag.lineTo(cx, top - 48);
    art::FillOutlined(p, flag, QColor(170, 20, 30), QColor(60, 0, 0), 0.8);
    QRadialGradient tip(QPointF(cx, top - 44), 10);
    tip.setColorAt(0, QColor(230, 160, 255, 160));
    tip.setColorAt(1, QColor(160, 60, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(tip);
    p.drawEllipse(QPointF(cx, top - 44), 10, 10);
}

}  // namespace mapart
