#pragma once
// The sixteen class figures, drawn in 64 x 80 portrait units.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace fig {

// Draws the figure of class n (1-16) without background.
void DrawClass(QPainter& p, int n);
void DrawClassA(QPainter& p, int n);   // classes 1-8
void DrawClassB(QPainter& p, int n);   // classes 9-16
// The backdrop colour of class n's portrait.
QColor Backdrop(int n);
// The part of the portrait shown in the class's 32 x 32 map icon.
QRectF IconCrop(int n);

}  // namespace fig
