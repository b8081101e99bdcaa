#pragma once
// The fixed geography of the four zones: road cells, place cells, start cells and the
// zone exits. The board's rules and the map painter both read these tables, so what is
// drawn as a road is exactly where characters may walk.

namespace map {

constexpr int kColumns = 20;
constexpr int kRows = 15;
constexpr int kCell = 32;

enum Zone { Plain = 1, Mountain = 2, Town = 3, Forest = 4 };

// True when (column, row) of zone is a road cell (columns 1-20, rows 1-15).
bool IsRoadCell(int zone, int column, int row);

struct Cell { int zone, column, row; };

// What stands on a place cell.
enum class Place {
    None, Inn, Tower, Camp, Volcano, UndergroundChest, Swamp, Arena, Forge, Market,
    ForestChest, Fountain, TempleChest, Ruins
};

struct PlaceCell { Cell cell; Place place; };
// The sixteen place cells, four per zone, in zone order.
const PlaceCell* PlaceCells();   // 16 entries
constexpr int kPlaceCount = 16;

// The place at a cell of a zone, Place::None when the cell is no place.
Place PlaceAt(int zone, int column, int row);

// The start cell of a class (1-16); every start cell is a place cell.
Cell StartCell(int classNumber);

// The tower door of the town.
constexpr Cell kTowerDoor{Town, 19, 10};

struct ZoneExit { int fromZone, exitColumn, exitRow, toZone; int newX, newY; };
// The eight exits; newX or newY is -1 where that coordinate stays unchanged.
const ZoneExit* ZoneExits();     // 8 entries
constexpr int kZoneExitCount = 8;

}  // namespace map
