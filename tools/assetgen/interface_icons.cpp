// Small icons: the panel's value icons, the set-up tabs' banners, the fight panel's
// actions and the seven resources.
#include "interface_kit.h"

#include <cmath>

namespace assetgen::ui {
namespace {

const QColor kInk(16, 10, 6);
const QColor kGold(220, 172, 60);

// Draws in a `size` x `size` box at 4x and shrinks; outlined in dark for GIF edges.
QImage Icon(int size, const std::function<void(QPainter&)>& draw, bool rim = true) {
    QImage big = Canvas(size * 4, size * 4);
    {
        QPainter p(&big);
        Smooth(p);
        p.scale(4, 4);
        draw(p);
    }
    QImage img = Resized(big, size, size);
    return rim ? WithRim(img, kInk) : img;
}

// ---- Value icons (16 x 16) -----------------------------------------------------------

void Shield(QPainter& p, const QRectF& b, const QColor& field) {
    QPainterPath s;
    const double x = b.x(), y = b.y(), w = b.width(), h = b.height();
    s.moveTo(x + w / 2, y);
    s.quadTo(x + w * 0.75, y + h * 0.08, x + w, y + h * 0.06);
    s.cubicTo(x + w, y + h * 0.55, x + w * 0.8, y + h * 0.8, x + w / 2, y + h);
    s.cubicTo(x + w * 0.2, y + h * 0.8, x, y + h * 0.55, x, y + h * 0.06);
    s.quadTo(x + w * 0.25, y + h * 0.08, x + w / 2, y);
    Outlined(p, s, Ball(b, field), QColor(230, 230, 240), w * 0.09);
    p.strokePath(s, QPen(kInk, w * 0.04));
    p.setPen(QPen(kGold, w * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + w / 2, y + h * 0.2), QPointF(x + w / 2, y + h * 0.8));
    p.drawLine(QPointF(x + w * 0.22, y + h * 0.38), QPointF(x + w * 0.78, y + h * 0.38));
}

void Heart(QPainter& p, const QRectF& b) {
    QPainterPath h;
    const double x = b.x(), y = b.y(), w = b.width(), ht = b.height();
    h.moveTo(x + w / 2, y + ht);
    h.cubicTo(x - w * 0.15, y + ht * 0.5, x + w * 0.05, y - ht * 0.1, x + w / 2, y + ht * 0.25);
    h.cubicTo(x + w * 0.95, y - ht * 0.1, x + w * 1.15, y + ht * 0.5, x + w / 2, y + ht);
    Outlined(p, h, Ball(b, QColor(214, 20, 36)), kInk, w * 0.07);
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Qt::white, 200));
    p.drawEllipse(QPointF(x + w * 0.3, y + ht * 0.28), w * 0.09, ht * 0.07);
}

void Feather(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y(), w = b.width(), h = b.height();
    QPainterPath vane;
    vane.moveTo(x + w * 0.12, y + h * 0.95);
    vane.cubicTo(x + w * 0.05, y + h * 0.45, x + w * 0.45, y + h * 0.05, x + w * 0.95, y);
    vane.cubicTo(x + w * 0.95, y + h * 0.5, x + w * 0.6, y + h * 0.85, x + w * 0.2, y + h * 0.85);
    vane.closeSubpath();
    QLinearGradient g(b.topRight(), b.bottomLeft());
    g.setColorAt(0, QColor(250, 250, 255));
    g.setColorAt(1, QColor(150, 190, 230));
    Outlined(p, vane, g, kInk, w * 0.06);
    p.setPen(QPen(QColor(90, 110, 150), w * 0.05));
    p.drawLine(QPointF(x + w * 0.08, y + h), QPointF(x + w * 0.85, y + h * 0.1));
    p.setPen(QPen(QColor(110, 140, 190), w * 0.035));
    for (double t = 0.35; t < 0.85; t += 0.15)
        p.drawLine(QPointF(x + w * (0.08 + 0.77 * t), y + h * (1 - 0.9 * t)), QPointF(x + w * (0.2 + 0.77 * t), y + h * (1 - 0.9 * t) + h * 0.12));
}

void Footprint(QPainter& p, QPointF c, double s, double angle, const QColor& colour) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath sole, heel;
    sole.addEllipse(QPointF(0, -s * 0.25), s * 0.32, s * 0.45);
    heel.addEllipse(QPointF(0, s * 0.45), s * 0.24, s * 0.24);
    Outlined(p, sole, colour, kInk, s * 0.08);
    Outlined(p, heel, colour, kInk, s * 0.08);
    p.restore();
}

void Sack(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y(), w = b.width(), h = b.height();
    QPainterPath s;
    s.moveTo(x + w * 0.35, y + h * 0.3);
    s.cubicTo(x - w * 0.05, y + h * 0.55, x, y + h, x + w * 0.5, y + h);
    s.cubicTo(x + w, y + h, x + w * 1.05, y + h * 0.55, x + w * 0.65, y + h * 0.3);
    s.closeSubpath();
    Outlined(p, s, Ball(b.adjusted(0, h * 0.2, 0, 0), QColor(170, 120, 64)), kInk, w * 0.07);
    // Ore chunks spilling from the mouth.
    for (auto [cx, cy, col] : {std::tuple{0.35, 0.2, QColor(110, 200, 240)}, std::tuple{0.62, 0.16, QColor(200, 200, 210)},
                               std::tuple{0.5, 0.08, QColor(240, 190, 60)}}) {
        const QRectF r(x + w * (cx - 0.14), y + h * (cy - 0.1), w * 0.28, h * 0.22);
        QPainterPath ch;
        ch.addEllipse(r);
        Outlined(p, ch, Ball(r, col), kInk, w * 0.05);
    }
    p.setPen(QPen(QColor(90, 50, 20), w * 0.08));
    p.drawLine(QPointF(x + w * 0.3, y + h * 0.36), QPointF(x + w * 0.7, y + h * 0.36));
}

void Coins(QPainter& p, const QRectF& b) {
    const double x = b.x(), y = b.y(), w = b.width(), h = b.height();
    // Three coins face on, overlapping: back right, back left, front.
    for (auto [cx, cy, r] : {std::tuple{0.68, 0.3, 0.3}, std::tuple{0.3, 0.36, 0.28}, std::tuple{0.5, 0.66, 0.33}}) {
        const QRectF face(x + w * (cx - r), y + h * (cy - r), w * 2 * r, h * 2 * r);
        QPainterPath c;
        c.addEllipse(face);
        Outlined(p, c, Ball(face, kGold), kInk, w * 0.06);
        p.setPen(QPen(Shade(kGold, 0.55), w * 0.045));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(face.adjusted(w * 0.08, h * 0.08, -w * 0.08, -h * 0.08));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(kGold, 0.6));
    p.drawPath(Star(QPointF(x + w * 0.5, y + h * 0.66), w * 0.14, w * 0.06, 5));
}

QImage ValueIcon(int which) {
    return Icon(16, [which](QPainter& p) {
        switch (which) {
        case 0:  // attack
            p.translate(8, 8);
            p.rotate(45);
            DrawSword(p, 0, -7.8, 7.8, 3.4, 8);
            break;
        case 1: Shield(p, QRectF(2, 1, 12, 14), QColor(40, 70, 170)); break;
        case 2: Feather(p, QRectF(1.5, 1, 13, 14)); break;
        case 3:
            Footprint(p, QPointF(5, 10), 7, -12, QColor(214, 184, 130));
            Footprint(p, QPointF(11, 5.5), 7, 12, QColor(236, 208, 150));
            break;
        case 4: Heart(p, QRectF(1.5, 2, 13, 12.5)); break;
        case 5: Sack(p, QRectF(1.5, 1, 13, 14.5)); break;
        case 6:
            Outlined(p, Star(QPointF(8, 8.6), 7.6, 3.2), Ball(QRectF(1, 1, 14, 14), QColor(250, 200, 40)), kInk, 0.8);
            break;
        default: Coins(p, QRectF(0.8, 1, 14.4, 14)); break;
        }
    });
}

// ---- Tab banners (16 x 16 ICO) -------------------------------------------------------

QImage Banner(int player) {
    return Icon(16, [player](QPainter& p) {
        const QColor c = PlayerColour(player);
        p.setPen(QPen(QColor(110, 70, 36), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 2), QPointF(3, 15.3));
        QPainterPath flag;
        flag.moveTo(3.6, 2.2);
        flag.cubicTo(7, 1.2, 10, 3.4, 15, 2.4);
        flag.lineTo(15, 11.5);
        flag.lineTo(12, 9.4);
        flag.lineTo(9.5, 12);
        flag.cubicTo(7.5, 10.6, 5.5, 11, 3.6, 11.6);
        flag.closeSubpath();
        Outlined(p, flag, Sheen(QPointF(3, 2), QPointF(15, 11), c, 1.4, 0.6), kInk, 0.7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 160));
        p.drawPath(Star(QPointF(8.6, 6.6), 2.6, 1.1, 5));
        p.setBrush(kGold);
        p.drawEllipse(QPointF(3, 1.6), 1.3, 1.3);
    }, false);
}

// ---- Fight panel actions (32 x 32) ---------------------------------------------------

void Flame(QPainter& p, const QPainterPath& shape, const QRectF& box) {
    QRadialGradient g(QPointF(box.center().x(), box.bottom()), box.height());
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(0.35, QColor(255, 200, 40));
    g.setColorAt(0.7, QColor(240, 90, 10));
    g.setColorAt(1, QColor(160, 20, 0));
    Outlined(p, shape, g, QColor(90, 10, 0), 1);
}

QImage Action(int which) {
    return Icon(32, [which](QPainter& p) {
        switch (which) {
        case 0: {  // attack: a sword swung through an arc
            p.setPen(QPen(WithAlpha(QColor(255, 255, 255), 150), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(3, 3, 26, 26), 100 * 16, 110 * 16);
            p.translate(16, 16);
            p.rotate(40);
            DrawSword(p, 0, -15, 15, 5, 14);
            break;
        }
        case 1: {  // magic: a glowing orb wreathed in sparkles
            QRadialGradient halo(QPointF(16, 16), 15);
            halo.setColorAt(0, QColor(160, 200, 255, 220));
            halo.setColorAt(1, QColor(80, 40, 200, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(halo);
            p.drawEllipse(QPointF(16, 16), 15, 15);
            const QRectF orb(8, 8, 16, 16);
            QPainterPath o;
            o.addEllipse(orb);
            Outlined(p, o, Ball(orb, QColor(70, 90, 230)), kInk, 1);
            p.setBrush(QColor(255, 255, 230));
            for (QPointF s : {QPointF(5, 7), QPointF(27, 9), QPointF(25, 26), QPointF(6, 25)}) p.drawPath(Star(s, 3.6, 1, 4));
            p.setBrush(WithAlpha(Qt::white, 220));
            p.drawEllipse(QPointF(13, 12.5), 2.4, 1.8);
            break;
        }
        case 2: Shield(p, QRectF(5, 2, 22, 28), QColor(40, 70, 170)); break;
        case 3: {  // flight: a winged boot with speed lines
            p.setPen(QPen(WithAlpha(Qt::white, 170), 1.5, Qt::SolidLine, Qt::RoundCap));
            for (double y : {10.0, 16.0, 22.0}) p.drawLine(QPointF(1, y), QPointF(7, y));
            QPainterPath boot;
            boot.moveTo(12, 4);
            boot.lineTo(20, 4);
            boot.lineTo(20, 19);
            boot.quadTo(29, 20, 30, 26);
            boot.lineTo(30, 28);
            boot.lineTo(11, 28);
            boot.lineTo(11, 19);
            boot.closeSubpath();
            Outlined(p, boot, Sheen(QPointF(11, 0), QPointF(30, 0), QColor(140, 84, 40), 1.4, 0.6), kInk, 1.1);
            QPainterPath wing;
            wing.moveTo(19, 9);
            wing.cubicTo(24, 4, 28, 3, 31, 3);
            wing.cubicTo(29, 6, 27, 7, 25, 8);
            wing.cubicTo(28, 8, 29, 9, 30, 10);
            wing.cubicTo(26, 12, 22, 13, 19, 13);
            wing.closeSubpath();
            Outlined(p, wing, QColor(250, 250, 255), kInk, 0.9);
            break;
        }
        case 4: {  // the monster's breath: a blast of fire from the left
            QPainterPath blast;
            blast.moveTo(2, 15);
            blast.cubicTo(10, 9, 16, 3, 24, 4);
            blast.cubicTo(28, 5, 31, 9, 30, 13);
            blast.cubicTo(31, 17, 31, 22, 27, 26);
            blast.cubicTo(20, 30, 12, 24, 2, 18);
            blast.closeSubpath();
            Flame(p, blast, QRectF(2, 3, 29, 27));
            QPainterPath core;
            core.moveTo(3, 16);
            core.cubicTo(12, 12, 18, 10, 23, 12);
            core.cubicTo(26, 15, 24, 20, 20, 21);
            core.cubicTo(14, 21, 9, 18, 3, 17);
            p.fillPath(core, QColor(255, 250, 200, 220));
            break;
        }
        default: {  // the monster's grimace: a green face with fangs and a scowl
            const QRectF head(3, 3, 26, 27);
            QPainterPath h;
            h.addEllipse(head);
            Outlined(p, h, Ball(head, QColor(90, 160, 60)), kInk, 1.2);
            p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7, 10), QPointF(14, 13.5));
            p.drawLine(QPointF(25, 10), QPointF(18, 13.5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 220, 40));
            p.drawEllipse(QPointF(11, 15), 2.4, 2);
            p.drawEllipse(QPointF(21, 15), 2.4, 2);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(11, 15), 0.9, 1.5);
            p.drawEllipse(QPointF(21, 15), 0.9, 1.5);
            QPainterPath mouth;
            mouth.moveTo(8, 21);
            mouth.quadTo(16, 27, 24, 21);
            mouth.quadTo(16, 30, 8, 21);
            Outlined(p, mouth, QColor(90, 10, 14), kInk, 0.8);
            p.setBrush(QColor(250, 250, 230));
            for (double x : {11.0, 19.0}) {
                QPainterPath fang;
                fang.moveTo(x, 22.5), fang.lineTo(x + 2.6, 22.8), fang.lineTo(x + 1.3, 27);
                fang.closeSubpath();
                p.drawPath(fang);
            }
            break;
        }
        }
    });
}

// ---- Resources (32 x 32) -------------------------------------------------------------

// An ingot in a slight top-down view: lit top, front and darker end.
void Ingot(QPainter& p, QPointF at, double w, const QColor& metal) {
    const double h = w * 0.38, d = w * 0.28;
    QPainterPath top, front, side;
    top.moveTo(at.x() + d * 0.6, at.y()), top.lineTo(at.x() + w - d * 0.4, at.y());
    top.lineTo(at.x() + w, at.y() + d * 0.7), top.lineTo(at.x(), at.y() + d * 0.7);
    top.closeSubpath();
    front.moveTo(at.x(), at.y() + d * 0.7), front.lineTo(at.x() + w, at.y() + d * 0.7);
    front.lineTo(at.x() + w - d * 0.2, at.y() + d * 0.7 + h), front.lineTo(at.x() + d * 0.2, at.y() + d * 0.7 + h);
    front.closeSubpath();
    Outlined(p, front, Sheen(QPointF(0, at.y()), QPointF(0, at.y() + h + d), metal, 1.1, 0.5), kInk, 0.9);
    Outlined(p, top, Sheen(QPointF(at.x(), 0), QPointF(at.x() + w, 0), metal, 1.7, 0.9), kInk, 0.9);
    (void)side;
    p.setPen(QPen(WithAlpha(Qt::white, 190), 0.8));
    p.drawLine(QPointF(at.x() + d, at.y() + d * 0.35), QPointF(at.x() + w * 0.55, at.y() + d * 0.35));
}

QImage Resource(int kind) {
    return Icon(32, [kind](QPainter& p) {
        switch (kind) {
        case 1: {  // diamond: a brilliant cut seen from the side
            const QColor ice(170, 220, 255);
            QPainterPath crown, pav;
            crown.moveTo(9, 8), crown.lineTo(23, 8), crown.lineTo(29, 13), crown.lineTo(3, 13);
            crown.closeSubpath();
            pav.moveTo(3, 13), pav.lineTo(29, 13), pav.lineTo(16, 29);
            pav.closeSubpath();
            Outlined(p, pav, Sheen(QPointF(3, 13), QPointF(29, 29), ice, 1.3, 0.55), QColor(20, 40, 70), 1);
            Outlined(p, crown, Sheen(QPointF(9, 8), QPointF(23, 13), ice, 1.6, 0.8), QColor(20, 40, 70), 1);
            p.setPen(QPen(QColor(60, 110, 170, 200), 0.7));
            for (double x : {9.0, 16.0, 23.0}) p.drawLine(QPointF(x, 13), QPointF(16, 29));
            p.drawLine(QPointF(12.5, 8), QPointF(9, 13));
            p.drawLine(QPointF(19.5, 8), QPointF(23, 13));
            p.drawLine(QPointF(12.5, 8), QPointF(16, 13));
            p.drawLine(QPointF(19.5, 8), QPointF(16, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPath(Star(QPointF(10, 10), 4, 0.8, 4));
            break;
        }
        case 2: {  // wood: three logs in a pile, end grain showing
            for (auto [x, y] : {std::pair{4.0, 18.0}, std::pair{16.0, 18.0}, std::pair{10.0, 8.0}}) {
                const QRectF end(x, y, 12, 12);
                QPainterPath e;
                e.addEllipse(end);
                Outlined(p, e, QColor(214, 168, 104), QColor(70, 36, 14), 1.6);
                p.setPen(QPen(QColor(150, 100, 50), 0.7));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(end.adjusted(2.5, 2.5, -2.5, -2.5));
                p.drawEllipse(end.adjusted(4.5, 4.5, -4.5, -4.5));
            }
            break;
        }
        case 3: {  // iron: dark grey rough ore lumps
            for (auto [x, y, r] : {std::tuple{11.0, 20.0, 8.0}, std::tuple{21.0, 19.0, 7.0}, std::tuple{16.0, 11.0, 6.5}}) {
                QPainterPath lump;
                for (int k = 0; k < 7; ++k) {
                    const double a = k * 2 * M_PI / 7, rr = r * (0.8 + 0.2 * std::sin(k * 2.3 + x));
                    const QPointF pt(x + rr * std::cos(a), y + rr * std::sin(a));
                    if (k == 0) lump.moveTo(pt);
                    else lump.lineTo(pt);
                }
                lump.closeSubpath();
                Outlined(p, lump, Ball(QRectF(x - r, y - r, 2 * r, 2 * r), QColor(110, 112, 122)), kInk, 1);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(190, 120, 90, 160));
                p.drawEllipse(QPointF(x + r * 0.2, y + r * 0.3), 1.2, 1);
            }
            break;
        }
        case 4: {  // mercury: a stoppered vial of quicksilver
            QPainterPath vial;
            vial.moveTo(13, 4), vial.lineTo(19, 4), vial.lineTo(19, 12);
            vial.cubicTo(27, 15, 27, 29, 16, 29);
            vial.cubicTo(5, 29, 5, 15, 13, 12);
            vial.closeSubpath();
            Outlined(p, vial, WithAlpha(QColor(210, 230, 240), 130), kInk, 1.1);
            QPainterPath liquid;
            liquid.addEllipse(QRectF(8.5, 15.5, 15, 13));
            p.save();
            p.setClipPath(vial);
            p.fillPath(liquid, Ball(QRectF(8.5, 15.5, 15, 13), QColor(180, 186, 200)));
            p.restore();
            p.fillRect(QRectF(12, 1.5, 8, 4), QColor(120, 70, 36));
            p.setPen(QPen(WithAlpha(Qt::white, 200), 1));
            p.drawLine(QPointF(11, 18), QPointF(11, 24));
            break;
        }
        default: {  // bronze, gold, silver: two ingots stacked
            const QColor metal = kind == 5 ? QColor(196, 120, 60) : kind == 6 ? QColor(236, 186, 50) : QColor(200, 204, 214);
            Ingot(p, QPointF(9, 7), 20, Shade(metal, 0.85));
            Ingot(p, QPointF(3, 15), 22, metal);
            if (kind != 5) {
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawPath(Star(QPointF(23, 16), 3.6, 0.8, 4));
            }
            break;
        }
        }
    });
}

}  // namespace

void GenerateIcons(const QString& dir) {
    static const char* kValues[8] = {"icoatt", "icodef", "icoag", "icomvt", "icovie", "icoress", "icoexp", "icoor"};
    for (int i = 0; i < 8; ++i) SaveGif(ValueIcon(i), dir + "/" + kValues[i] + ".gif");
    for (int c = 1; c <= 4; ++c) SaveIco(Banner(c), dir + QString("/tab%1.ico").arg(c));
    for (int a = 0; a < 4; ++a) SaveGif(Action(a), dir + QString("/action%1.gif").arg(a));
    SaveGif(Action(4), dir + "/action0m.gif");
    SaveGif(Action(5), dir + "/action2m.gif");
    for (int r = 1; r <= 7; ++r) SaveGif(Resource(r), dir + QString("/res%1.gif").arg(r));
}

}  // namespace assetgen::ui
