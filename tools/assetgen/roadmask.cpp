// The cells on which the map painter lays road: the board's own road table, so that what
// players see as road is exactly where their characters may walk.
#include "maps.h"

#include "rules/MapTables.h"

namespace assetgen {

bool RoadMaskCell(int zone, int column, int row) { return map::IsRoadCell(zone, column, row); }

}  // namespace assetgen
