#pragma once
// The painters of single places, each drawn around the centre of its cell.
#include <QPainter>
#include <QPointF>
#include <cstdint>

namespace mapart {

void Inn(QPainter& p, const QPointF& c);
void SmallTower(QPainter& p, const QPointF& c);
void Camp(QPainter& p, const QPointF& c);
void Volcano(QPainter& p, const QPointF& c);
void CaveChest(QPainter& p, const QPointF& c);
void Swamp(QPainter& p, const QPointF& c);
void Ruins(QPainter& p, const QPointF& c, uint32_t seed);
void Arena(QPainter& p, const QPointF& c);
void Forge(QPainter& p, const QPointF& c);
void Market(QPainter& p, const QPointF& c);
void ForestChest(QPainter& p, const QPointF& c);
void Fountain(QPainter& p, const QPointF& c);
void Temple(QPainter& p, const QPointF& c);

}  // namespace mapart
