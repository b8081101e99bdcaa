#include "rules/MapTables.h"

namespace map {
namespace {

struct Run { int zone, row, first, last; };

// Road cells as runs of columns per row (inclusive).
constexpr Run kRoads[] = {
    {1, 3, 5, 14}, {1, 3, 18, 20}, {1, 5, 3, 5}, {1, 5, 16, 16}, {1, 6, 3, 3}, {1, 6, 5, 5},
    {1, 6, 16, 16}, {1, 7, 3, 3}, {1, 7, 5, 8}, {1, 7, 16, 16}, {1, 8, 3, 3}, {1, 8, 16, 16},
    {1, 9, 3, 3}, {1, 9, 16, 16}, {1, 10, 3, 3}, {1, 10, 16, 16}, {1, 11, 16, 16},
    {1, 12, 5, 16}, {1, 14, 3, 3}, {1, 15, 3, 3},

    {2, 3, 1, 3}, {2, 3, 7, 16}, {2, 5, 18, 18}, {2, 6, 18, 18}, {2, 7, 18, 18},
    {2, 8, 18, 18}, {2, 9, 11, 11}, {2, 9, 18, 18}, {2, 10, 11, 11}, {2, 10, 18, 18},
    {2, 11, 11, 11}, {2, 12, 11, 16}, {2, 14, 18, 18}, {2, 15, 18, 18},

    {3, 1, 3, 3}, {3, 2, 3, 3}, {3, 3, 3, 3}, {3, 5, 5, 14}, {3, 6, 9, 9}, {3, 7, 3, 3},
    {3, 7, 9, 9}, {3, 7, 14, 14}, {3, 7, 16, 16}, {3, 8, 3, 3}, {3, 8, 9, 9}, {3, 8, 14, 14},
    {3, 8, 16, 16}, {3, 9, 3, 16}, {3, 10, 3, 3}, {3, 10, 9, 9}, {3, 10, 14, 14},
    {3, 10, 16, 16}, {3, 10, 19, 19}, {3, 11, 3, 3}, {3, 11, 9, 9}, {3, 11, 14, 14},
    {3, 11, 16, 16}, {3, 11, 19, 19}, {3, 12, 9, 9}, {3, 12, 19, 19}, {3, 13, 5, 14},
    {3, 13, 18, 20},

    {4, 1, 18, 18}, {4, 2, 18, 18}, {4, 3, 11, 12}, {4, 3, 16, 18}, {4, 4, 6, 6},
    {4, 4, 11, 11}, {4, 5, 6, 6}, {4, 5, 11, 11}, {4, 6, 6, 6}, {4, 6, 11, 11}, {4, 7, 6, 6},
    {4, 7, 11, 11}, {4, 8, 6, 6}, {4, 9, 6, 9}, {4, 9, 13, 18}, {4, 10, 18, 18},
    {4, 11, 11, 11}, {4, 11, 18, 18}, {4, 12, 11, 11}, {4, 12, 18, 18}, {4, 13, 1, 11},
};

constexpr PlaceCell kPlaces[kPlaceCount] = {
    {{1, 3, 3}, Place::Inn},      {{1, 16, 3}, Place::Tower},
    {{1, 3, 12}, Place::Ruins},   {{1, 10, 7}, Place::Camp},
    {{2, 18, 3}, Place::Volcano}, {{2, 18, 12}, Place::Ruins},
    {{2, 5, 3}, Place::Swamp},    {{2, 11, 7}, Place::UndergroundChest},
    {{3, 3, 5}, Place::Arena},    {{3, 16, 5}, Place::Forge},
    {{3, 3, 13}, Place::Market},  {{3, 16, 13}, Place::Ruins},
    {{4, 6, 2}, Place::ForestChest}, {{4, 14, 3}, Place::Fountain},
    {{4, 11, 9}, Place::TempleChest}, {{4, 18, 13}, Place::Ruins},
};

// Start cells of classes 1 to 16.
constexpr Cell kStart[17] = {
    {0, 0, 0},
    {1, 10, 7}, {3, 16, 13}, {3, 3, 5}, {2, 18, 3}, {4, 6, 2}, {4, 14, 3}, {1, 3, 3}, {4, 11, 9},
    {1, 3, 12}, {2, 5, 3}, {3, 16, 5}, {2, 11, 7}, {1, 16, 3}, {2, 18, 12}, {4, 18, 13}, {3, 3, 13},
};

constexpr ZoneExit kExits[kZoneExitCount] = {
    {3, 3, -1, 1, -1, 16}, {3, 22, 13, 4, 0, -1}, {4, 18, -1, 2, -1, 16}, {2, 18, 17, 4, -1, 0},
    {2, -1, 3, 1, 21, -1}, {1, 3, 17, 3, -1, 0},  {1, 22, 3, 2, 0, -1},   {4, -1, 13, 3, 21, -1},
};

}  // namespace

bool IsRoadCell(int zone, int column, int row) {
    for (const Run& r : kRoads)
        if (r.zone == zone && r.row == row && column >= r.first && column <= r.last) return true;
    return false;
}

const PlaceCell* PlaceCells() { return kPlaces; }

Place PlaceAt(int zone, int column, int row) {
    for (const PlaceCell& p : kPlaces)
        if (p.cell.zone == zone && p.cell.column == column && p.cell.row == row) return p.place;
    return Place::None;
}

Cell StartCell(int classNumber) {
    if (classNumber < 1 || classNumber > 16) return kStart[0];
    return kStart[classNumber];
}

const ZoneExit* ZoneExits() { return kExits; }

}  // namespace map
