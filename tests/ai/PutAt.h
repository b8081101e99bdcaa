#pragma once
// Puts a character on a cell of the map, for the computer's tests to set a scene.
#include <cstdint>

#include "ai/Paths.h"
#include "state/GlobalDecl.h"

inline void PutAt(int c, const ai::Spot& s) {
    gd.Zone[c] = s.zone;
    gd.PosX[c] = s.x;
    gd.PosY[c] = static_cast<int16_t>(s.y);
}
