#pragma once
// Where a character may stand and walk: place cells, open road, zone exits and the tower
// door, asked of any zone, cell and class. Questions only: nothing here moves anyone.
#include <span>

#include "rules/MapTables.h"

namespace reach {

// Cells with an obstacle on them (their zone, column and row).
using Obstacles = std::span<const map::Cell>;

// Classes for which the temple of the forest is no place at all.
bool TempleRefuses(int cls);

// Is (column, row) of zone a place for a character of class cls?
bool IsPlaceFor(int zone, int column, int row, int cls);

// The zone exit at a cell of a zone, nullptr when there is none.
const map::ZoneExit* ExitAt(int zone, int column, int row);

// Where a character standing at `at` comes out through an exit of its zone.
map::Cell Through(const map::ZoneExit& exit, const map::Cell& at);

// Is there an obstacle on (column, row) of zone?
bool IsBlocked(int zone, int column, int row, Obstacles obstacles);

// A zone exit, or a road cell with no obstacle on it.
bool IsOpen(int zone, int column, int row, Obstacles obstacles);

// The cell character c stands on.
map::Cell Standing(int c);

// The tower door of the town.
bool IsTowerDoor(const map::Cell& at);

// The cell of a place found once on the map (the arena, the forge, the market); the first
// one for a place found in several zones.
map::Cell CellOf(map::Place place);

// The arena, where a lost fight costs nothing.
bool IsArena(const map::Cell& at);

}  // namespace reach
