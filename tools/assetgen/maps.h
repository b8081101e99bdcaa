#pragma once
// What the map painter promises about roads: it lays road exactly on the cells where
// RoadMaskCell is true, in colours inside the road colour band.
#include <QColor>

namespace assetgen {

// True when the painter lays road on (column, row) of zone (columns 1-20, rows 1-15).
bool RoadMaskCell(int zone, int column, int row);

// True for the colours of road surfaces: warm sandy tones, the only such tones on a map.
inline bool IsRoadColour(const QColor& c) {
    float h, s, v;
    c.getHsvF(&h, &s, &v);
    const float hue = h * 360.0f;
    return hue >= 22.0f && hue <= 46.0f && s >= 0.25f && s <= 0.56f && v >= 0.47f && v <= 0.95f;
}

}  // namespace assetgen
