// The board's decoration: the sundial and its frame, the four action buttons in each
// player's colour and greyed, the fight button, the panel's bars, arrows and ornament,
// and the backgrounds of the right column and the bottom band.
#include "interface_kit.h"

#include <algorithm>
#include <cmath>

namespace assetgen::ui {
namespace {

const QColor kInk(10, 8, 6);
const QColor kGold(214, 170, 64);

// ---- Sundial -------------------------------------------------------------------------

// The frame behind the sundial: carved dark wood, a gilt moulding, a round socket for the
// dial and a small plaque at the bottom where the day and hour are written.
QImage SundialFrame() {
    QImage img = DarkWood(153, 114, 61);
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(Shade(kGold, 0.55), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 152, 113));
    p.setPen(QPen(Sheen(QPointF(0, 0), QPointF(0, 114), kGold, 1.3, 0.6), 2));
    p.drawRoundedRect(QRectF(3, 3, 147, 108), 5, 5);
    p.setPen(QPen(Shade(kGold, 0.4), 1));
    p.drawRoundedRect(QRectF(6, 6, 141, 102), 4, 4);
    // Socket: a dark recess with a bronze lip, centred where the dial lies (34, 14, 84 x 84).
    const QPointF c(76, 56);
    QRadialGradient socket(c, 46);
    socket.setColorAt(0.8, QColor(14, 10, 8));
    socket.setColorAt(0.9, QColor(40, 28, 18));
    socket.setColorAt(1.0, QColor(20, 12, 8, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(socket);
    p.drawEllipse(c, 46, 46);
    // Corner rosettes.
    for (QPointF r : {QPointF(14, 14), QPointF(139, 14), QPointF(14, 100), QPointF(139, 100)}) {
        p.setBrush(Ball(QRectF(r.x() - 4, r.y() - 4, 8, 8), kGold));
        p.setPen(QPen(kInk, 0.8));
        p.drawPath(Star(r, 5, 2.2, 4, M_PI / 4));
        p.drawEllipse(r, 1.8, 1.8);
    }
    // Plaque for the label under the dial.
    QPainterPath plaque;
    plaque.addRoundedRect(QRectF(24, 98, 105, 13), 3, 3);
    Outlined(p, plaque, QColor(18, 12, 8), Shade(kGold, 0.7), 1);
    return img;
}

QString Roman(int n) {
    static const char* kNames[13] = {"XII", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    return QString::fromLatin1(kNames[n]);
}

// Hour h of the dial (0..12): bronze ring with engraved numerals, weathered stone face,
// the gnomon pointing to XII and its shadow falling on hour h.
QImage Sundial(const QImage& frame, int h) {
    QImage img = CopyPart(frame, 34, 14, 84, 84);
    QPainter p(&img);
    Smooth(p);
    const QPointF c(42, 42);
    const QColor bronze(176, 128, 62);
    QRadialGradient ring(QPointF(34, 32), 50);
    ring.setColorAt(0, Shade(bronze, 1.5));
    ring.setColorAt(0.6, bronze);
    ring.setColorAt(1, Shade(bronze, 0.45));
    p.setPen(QPen(kInk, 1));
    p.setBrush(ring);
    p.drawEllipse(c, 40.5, 40.5);
    // Stone face.
    QImage face = Field(84, 84, [](double x, double y) {
        return Shade(QColor(196, 186, 160), 0.78 + 0.35 * Fbm(x, y, 14, 4, 71));
    });
    QPainterPath facePath;
    facePath.addEllipse(c, 29, 29);
    p.save();
    p.setClipPath(facePath);
    p.drawImage(0, 0, face);
    QRadialGradient shade(QPointF(36, 34), 34);
    shade.setColorAt(0.6, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(img.rect(), shade);
    // Hour lines.
    p.setPen(QPen(QColor(90, 76, 56, 180), 0.8));
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6;
        p.drawLine(c + QPointF(9 * std::sin(a), -9 * std::cos(a)), c + QPointF(28 * std::sin(a), -28 * std::cos(a)));
    }
    p.restore();
    p.setPen(QPen(Shade(bronze, 0.4), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 29, 29);
    // Numerals engraved in the ring.
    const QFont f = RequireFont("Liberation Serif", 7, true);
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6;
        const QPointF at = c + QPointF(35 * std::sin(a), -35 * std::cos(a));
        p.save();
        p.translate(at);
        p.rotate(k * 30);
        Engrave(p, QRectF(-8, -5, 16, 10), Roman(k), f, QColor(50, 28, 10), QColor(255, 220, 150, 170));
        p.restore();
    }
    // The shadow of the gnomon on hour h: a dark soft wedge from the centre.
    const double a = (h % 12) * M_PI / 6;
    const QPointF dir(std::sin(a), -std::cos(a)), side(std::cos(a), std::sin(a));
    for (int layer = 0; layer < 3; ++layer) {
        const double spread = 3.2 - layer;
        QPainterPath wedge;
        wedge.moveTo(c + side * (spread + 1));
        wedge.lineTo(c + dir * (27.0 - layer) + side * (spread * 0.25));
        wedge.lineTo(c + dir * (27.0 - layer) - side * (spread * 0.25));
        wedge.lineTo(c - side * (spread + 1));
        wedge.closeSubpath();
        p.fillPath(wedge, QColor(20, 14, 8, 60 + layer * 45));
    }
    // Gnomon: a bronze fin pointing to XII, seen from above, and its hub.
    QPainterPath fin;
    fin.moveTo(c + QPointF(-2.2, 2));
    fin.lineTo(c + QPointF(0, -26));
    fin.lineTo(c + QPointF(2.2, 2));
    fin.closeSubpath();
    Outlined(p, fin, Sheen(c + QPointF(-2, 0), c + QPointF(2, 0), bronze, 1.7, 0.5), kInk, 0.7);
    QRectF hub(c.x() - 4, c.y() - 4, 8, 8);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Ball(hub, bronze));
    p.drawEllipse(hub);
    // The sun's mark at the tip of the shadow: a small gilded ray star on the ring.
    const QPointF tip = c + dir * 35;
    p.setBrush(QColor(255, 214, 90, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(tip, 6.5, 5.5);
    return img;
}

// ---- Action buttons ------------------------------------------------------------------

void CapacitySymbol(QPainter& p, const QColor& fg, const QColor& ink) {
    for (int k = 0; k < 8; ++k) {  // rays behind the star
        const double a = k * M_PI / 4 + M_PI / 8;
        p.setPen(QPen(WithAlpha(fg, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16 + 9 * std::cos(a), 16 + 9 * std::sin(a)), QPointF(16 + 13 * std::cos(a), 16 + 13 * std::sin(a)));
    }
    Outlined(p, Star(QPointF(16, 16.5), 11, 4.6), Sheen(QPointF(8, 8), QPointF(24, 24), fg, 1.3, 0.7), ink, 1.3);
}

void MagicSymbol(QPainter& p, const QColor& fg, const QColor& ink) {
    QPainterPath wand;
    wand.moveTo(6, 25);
    wand.lineTo(19, 12);
    wand.lineTo(21, 14);
    wand.lineTo(8, 27);
    wand.closeSubpath();
    Outlined(p, wand, fg.saturation() < 40 ? Shade(fg, 0.6) : QColor(110, 70, 40), ink, 1.2);
    p.fillRect(QRectF(5.2, 24.5, 3, 3), Shade(fg, 0.8));
    Outlined(p, Star(QPointF(21.5, 10.5), 7.5, 2.6, 4), fg, ink, 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(fg);
    for (QPointF s : {QPointF(27, 18), QPointF(14, 6), QPointF(26, 4)}) p.drawPath(Star(s, 2.4, 0.8, 4));
}

void HourglassSymbol(QPainter& p, const QColor& fg, const QColor& ink) {
    const QColor wood(120, 74, 40);
    QPainterPath glass;
    glass.moveTo(9, 7);
    glass.lineTo(23, 7);
    glass.cubicTo(23, 13, 17.5, 14, 17.5, 16);
    glass.cubicTo(17.5, 18, 23, 19, 23, 25);
    glass.lineTo(9, 25);
    glass.cubicTo(9, 19, 14.5, 18, 14.5, 16);
    glass.cubicTo(14.5, 14, 9, 13, 9, 7);
    Outlined(p, glass, WithAlpha(QColor(220, 236, 255), 200), ink, 1.1);
    QPainterPath sandTop, sandBottom;
    sandTop.moveTo(11.5, 10.5);
    sandTop.lineTo(20.5, 10.5);
    sandTop.quadTo(18, 14, 16, 15.5);
    sandTop.quadTo(14, 14, 11.5, 10.5);
    sandBottom.moveTo(10, 24);
    sandBottom.quadTo(16, 18, 22, 24);
    sandBottom.closeSubpath();
    p.fillPath(sandTop, fg);
    p.fillPath(sandBottom, fg);
    p.setPen(QPen(fg, 0.8));
    p.drawLine(QPointF(16, 15.5), QPointF(16, 21));
    for (double y : {4.0, 25.0}) {
        QPainterPath plate;
        plate.addRoundedRect(QRectF(6, y, 20, 3.2), 1.2, 1.2);
        Outlined(p, plate, Sheen(QPointF(0, y), QPointF(0, y + 3), fg.saturation() < 40 ? fg : wood, 1.5, 0.6), ink, 1);
    }
}

void ScrollSymbol(QPainter& p, const QColor& fg, const QColor& ink) {
    const QColor paper = fg.saturation() < 40 ? Shade(fg, 1.1) : QColor(236, 214, 160);
    QPainterPath sheet;
    sheet.addRect(QRectF(8, 8, 16, 16));
    Outlined(p, sheet, Sheen(QPointF(8, 0), QPointF(24, 0), paper, 1.1, 0.8), ink, 1.1);
    for (double y : {6.0, 22.0}) {
        QPainterPath roll;
        roll.addRoundedRect(QRectF(5, y, 22, 4.5), 2.2, 2.2);
        Outlined(p, roll, Sheen(QPointF(0, y), QPointF(0, y + 4.5), paper, 1.3, 0.55), ink, 1.1);
    }
    p.setPen(QPen(Shade(paper, 0.45), 0.9));
    for (double y : {13.0, 16.0, 19.0}) p.drawLine(QPointF(11, y), QPointF(21, y));
    p.setPen(Qt::NoPen);
    p.setBrush(fg.saturation() < 40 ? Shade(fg, 0.7) : QColor(180, 24, 24));
    p.drawEllipse(QPointF(22, 20), 2.6, 2.6);
}

// Button k = 1..28: kind (k - 1) / 4 of capacity, magic, end turn, save/load in player
// colour (k - 1) % 4 + 1; 17..28 are the greyed forms of 1..12.
QImage ActionButton(int k) {
    const bool grey = k > 16;
    const int base = grey ? k - 16 : k;
    const int kind = (base - 1) / 4, player = (base - 1) % 4 + 1;
    const QColor colour = grey ? Mix(QColor(104, 104, 104), PlayerColour(player), 0.16) : PlayerColour(player);
    QImage img = NewImage(128, 128, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(24, 16, 10));
    {
        QPainter p(&img);
        Smooth(p);
        p.scale(4, 4);
        QPainterPath face;
        face.addRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
        QRadialGradient g(QPointF(11, 9), 30);
        g.setColorAt(0, Shade(colour, grey ? 1.2 : 1.45));
        g.setColorAt(0.6, colour);
        g.setColorAt(1, Shade(colour, 0.4));
        Outlined(p, face, g, kInk, 1.2);
        p.setPen(QPen(WithAlpha(Qt::white, grey ? 60 : 110), 1));
        p.drawArc(QRectF(2.5, 2.5, 27, 27), 100 * 16, 80 * 16);
        const QColor fg = grey ? QColor(168, 168, 168) : QColor(255, 236, 170);
        const QColor ink = grey ? QColor(60, 60, 60) : kInk;
        switch (kind) {
        case 0: CapacitySymbol(p, fg, ink); break;
        case 1: MagicSymbol(p, fg, ink); break;
        case 2: HourglassSymbol(p, fg, ink); break;
        default: ScrollSymbol(p, fg, ink); break;
        }
        if (grey) p.fillRect(QRectF(0, 0, 32, 32), QColor(40, 40, 40, 70));
    }
    return Resized(img, 32, 32);
}

// ---- Fight button --------------------------------------------------------------------

// 1: two crossed swords on a shield, a fight waits; 2: the same pressed; 3: a grey swirl.
QImage FightButton(int state) {
    const int s = 153;
    QImage img = Canvas(s, s, QColor(14, 10, 8));
    QPainter p(&img);
    Smooth(p);
    const QPointF c(76.5, 76.5);
    if (state == 3) {
        QImage swirl = Field(s, s, [&](double x, double y) {
            const double dx = x - c.x(), dy = y - c.y();
            const double r = std::hypot(dx, dy), a = std::atan2(dy, dx);
            const double arms = 0.5 + 0.5 * std::sin(a * 3 + r * 0.11 + Fbm(x, y, 20, 3, 91) * 2.5);
            const double fade = std::clamp(1.0 - r / 76.0, 0.0, 1.0);
            const double v = (0.15 + 0.75 * arms * fade + 0.35 * std::pow(fade, 4)) * (0.85 + 0.3 * Fbm(x, y, 10, 2, 92));
            return QColor::fromRgbF(float(std::min(1.0, v * 0.9)), float(std::min(1.0, v * 0.9)), float(std::min(1.0, v * 0.95)));
        });
        p.drawImage(0, 0, swirl);
        return img;
    }
    const bool down = state == 2;
    const double shift = down ? 2 : 0, dim = down ? 0.62 : 1.0;
    p.translate(shift, shift);
    // A dark red shield with a gold rim, light behind it.
    QRadialGradient halo(c, 76);
    halo.setColorAt(0, QColor(120, 40, 10, down ? 60 : 130));
    halo.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(-2, -2, s + 4, s + 4), halo);
    QPainterPath shield;
    shield.moveTo(c.x(), 16);
    shield.cubicTo(c.x() + 30, 26, c.x() + 50, 20, c.x() + 56, 18);
    shield.cubicTo(c.x() + 58, 70, c.x() + 40, 116, c.x(), 138);
    shield.cubicTo(c.x() - 40, 116, c.x() - 58, 70, c.x() - 56, 18);
    shield.cubicTo(c.x() - 50, 20, c.x() - 30, 26, c.x(), 16);
    QRadialGradient field(QPointF(60, 50), 90);
    field.setColorAt(0, Shade(QColor(150, 26, 24), 1.2 * dim));
    field.setColorAt(1, Shade(QColor(60, 8, 10), dim));
    Outlined(p, shield, field, Shade(kGold, dim), 5);
    p.strokePath(shield, QPen(kInk, 1));
    // Crossed swords.
    for (int side : {-1, 1}) {
        p.save();
        p.translate(c);
        p.rotate(side * 38);
        p.translate(-c);
        DrawSword(p, c.x(), 10, 142, 13, 46);
        p.restore();
    }
    if (down) p.fillRect(QRectF(-2, -2, s + 4, s + 4), QColor(0, 0, 0, 90));
    return img;
}

// ---- Panel decoration ----------------------------------------------------------------

// The item list's arrows, drawn pixel by pixel: a yellow triangle 10 wide and 6 high,
// lighter toward its tip.
QImage Arrow(bool up) {
    QImage img = Canvas(10, 6, Qt::black);
    const int s = DrawScale();  // the loops run over the image's own pixels, in game pixels
    for (int row = 0; row < 6 * s; ++row) {
        const double y = (row + 0.5) / s;
        const double r = up ? y - 0.5 : 5.5 - y;  // 0 at the tip
        const double half = 0.5 + r * 0.9;
        for (int x = 0; x < 10 * s; ++x) {
            const double d = std::abs((x + 0.5) / s - 5.0);
            const double cover = std::clamp((half - d) * s + 0.5, 0.0, 1.0);
            if (cover <= 0) continue;
            const QColor c = Shade(QColor(255, 226, 0), 1.0 - 0.05 * r);
            img.setPixelColor(x, row, Mix(QColor(0, 0, 0), c, cover));
        }
    }
    return img;
}

// The ornament under the name: a jewelled lozenge, spiral scrolls on either side and
// gilt rules tapering toward the ends.
QImage Ornament() {
    QImage img = Canvas(153 * 3, 12 * 3);
    {
        QPainter p(&img);
        Smooth(p);
        p.scale(3, 3);
        const double cx = 76.5, cy = 6;
        const QBrush gilt = Sheen(QPointF(0, 2), QPointF(0, 10), kGold, 1.5, 0.6);
        for (int side : {-1, 1}) {
            QPainterPath rule;  // tapering from the scroll outwards
            rule.moveTo(cx + side * 22, cy - 1.1);
            rule.lineTo(cx + side * 70, cy - 0.3);
            rule.lineTo(cx + side * 70, cy + 0.3);
            rule.lineTo(cx + side * 22, cy + 1.1);
            rule.closeSubpath();
            p.fillPath(rule, gilt);
            QPainterPath spiral;  // a scroll curling up and in
            for (int i = 0; i <= 60; ++i) {
                const double t = i / 60.0, a = M_PI / 2 + t * 2.4 * M_PI, r = 4.6 * (1 - 0.75 * t);
                const QPointF pt(cx + side * (16 + r * std::cos(a)), cy - 4.6 + 4.6 + r * std::sin(a) - 0.0);
                if (i == 0) spiral.moveTo(pt);
                else spiral.lineTo(pt);
            }
            p.strokePath(spiral, QPen(gilt, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.setPen(QPen(kInk, 0.5));
            for (double x : {40.0, 56.0}) {  // beads along the rule
                p.setBrush(Ball(QRectF(cx + side * x - 1.6, cy - 1.6, 3.2, 3.2), kGold));
                p.drawEllipse(QPointF(cx + side * x, cy), 1.6, 1.6);
            }
            QPainterPath leaf;  // a leaf at each end
            leaf.moveTo(cx + side * 68, cy);
            leaf.quadTo(cx + side * 71.5, cy - 3, cx + side * 75, cy);
            leaf.quadTo(cx + side * 71.5, cy + 3, cx + side * 68, cy);
            Outlined(p, leaf, gilt, kInk, 0.5);
        }
        QPainterPath diamond;
        diamond.moveTo(cx, 0.6), diamond.lineTo(cx + 8, cy), diamond.lineTo(cx, 11.4), diamond.lineTo(cx - 8, cy);
        diamond.closeSubpath();
        Outlined(p, diamond, Sheen(QPointF(cx - 7, 0), QPointF(cx + 7, 12), kGold, 1.5, 0.5), kInk, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(Ball(QRectF(cx - 2.6, cy - 2.6, 5.2, 5.2), QColor(170, 20, 30)));
        p.drawEllipse(QRectF(cx - 2.6, cy - 2.6, 5.2, 5.2));
    }
    return WithRim(Resized(img, 153, 12), QColor(20, 12, 6));
}

QImage Bar(int w, int h) {
    const bool across = w > h;
    QLinearGradient g(0, 0, across ? 0 : w, across ? h : 0);
    g.setColorAt(0, Shade(kGold, 1.5));
    g.setColorAt(0.4, kGold);
    g.setColorAt(1, Shade(kGold, 0.35));
    QImage img = Canvas(w, h, Qt::black);
    QPainter p(&img);
    p.fillRect(img.rect(), g);
    return img;
}

// The right column: dark carved wood with a recessed panel and a gilt edge.
QImage PanelBackground() {
    QImage img = DarkWood(152, 570, 33);
    QPainter p(&img);
    Smooth(p);
    p.fillRect(img.rect(), QColor(0, 0, 0, 50));
    p.setPen(QPen(QColor(0, 0, 0, 160), 2));
    p.drawRect(QRectF(4, 4, 144, 562));
    p.setPen(QPen(QColor(150, 100, 50, 90), 1));
    p.drawRect(QRectF(6, 6, 140, 558));
    p.setPen(QPen(Shade(kGold, 0.6), 1));
    p.drawLine(QPointF(0.5, 0), QPointF(0.5, 570));
    // Recessed fields behind the name and the values, edged with a thin gilt line.
    for (const QRectF& r : {QRectF(5, 122, 142, 58), QRectF(5, 184, 142, 124)}) {
        QPainterPath field;
        field.addRoundedRect(r, 4, 4);
        Outlined(p, field, QColor(0, 0, 0, 70), WithAlpha(Shade(kGold, 0.7), 150), 1);
    }
    Vignette(img, 0.35);
    return img;
}

// The bottom band: the same wood with a dark inset plate for the information line.
QImage BandBackground() {
    QImage img = DarkWood(640, 90, 35);
    QPainter p(&img);
    Smooth(p);
    p.fillRect(img.rect(), QColor(0, 0, 0, 50));
    p.setPen(QPen(Shade(kGold, 0.7), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(640, 0.5));
    QPainterPath plate;
    plate.addRoundedRect(QRectF(38, 10, 550, 72), 6, 6);
    QLinearGradient g(0, 10, 0, 82);
    g.setColorAt(0, QColor(6, 4, 3, 230));
    g.setColorAt(1, QColor(26, 16, 10, 230));
    Outlined(p, plate, g, Shade(kGold, 0.75), 1.5);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.drawRoundedRect(QRectF(41, 13, 544, 66), 4, 4);
    for (QPointF r : {QPointF(38, 10), QPointF(588, 10), QPointF(38, 82), QPointF(588, 82)}) {
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(Ball(QRectF(r.x() - 5, r.y() - 5, 10, 10), kGold));
        p.drawEllipse(r, 4.5, 4.5);
    }
    Vignette(img, 0.3);
    return img;
}

}  // namespace

void GenerateBoard(const QString& dir) {
    const QImage frame = SundialFrame();
    SaveBmp(frame, dir + "/cadre.bmp");
    for (int h = 0; h <= 12; ++h) SaveBmp(Sundial(frame, h), dir + QString("/soleil%1.bmp").arg(h));
    for (int k = 1; k <= 28; ++k) SaveBmp(ActionButton(k), dir + QString("/bouton%1.bmp").arg(k));
    for (int s = 1; s <= 3; ++s) SaveBmp(FightButton(s), dir + QString("/combat%1.bmp").arg(s));
    SaveBmp(Arrow(true), dir + "/flechehaut.bmp");
    SaveBmp(Arrow(false), dir + "/flechebas.bmp");
    SaveGif(Ornament(), dir + "/ornement.gif");
    SaveBmp(Bar(153, 4), dir + "/barreh.bmp");
    SaveBmp(Bar(4, 40), dir + "/barrev.bmp");
    SaveBmp(PanelBackground(), dir + "/panneau.bmp");
    SaveBmp(BandBackground(), dir + "/bandeau.bmp");
}

}  // namespace assetgen::ui
