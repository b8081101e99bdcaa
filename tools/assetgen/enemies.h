#pragma once
// The nineteen enemy pictures, drawn in 128 x 128 units, and the helpers they share.
#include <QColor>
#include <QPainter>
#include <QPointF>

namespace foe {

// Draws enemy n (1-19) without background.
void DrawEnemyA(QPainter& p, int n);   // enemies 1-10
void DrawEnemyB(QPainter& p, int n);   // enemies 11-19

// A limb or any thick rounded stroke from a to b with a dark outline and a light edge.
void Limb(QPainter& p, const QPointF& a, const QPointF& b, double width, const QColor& colour);
// A limb bending through a knee or elbow.
void Limb3(QPainter& p, const QPointF& a, const QPointF& joint, const QPointF& b, double width, const QColor& colour);
// A boot or foot standing at the given point.
void Foot(QPainter& p, const QPointF& at, double size, const QColor& colour, int facing = 1);
// A standing person's torso between the shoulders and the hips (a tapered block).
void Torso(QPainter& p, const QPointF& neck, double shoulders, double hips, double height, const QColor& colour);
// A portrait-unit head part drawn at c with the given scale (the parts of fig are drawn
// around the portrait head centre 32, 34).
void AtHead(QPainter& p, const QPointF& c, double scale);

}  // namespace foe
