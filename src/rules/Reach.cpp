#include "rules/Reach.h"

#include "state/Classes.h"
#include "state/GlobalDecl.h"

namespace reach {

bool TempleRefuses(int cls) {
    using namespace classes;
    return cls == kCavalierNoir || cls == kDiablotin || cls == kNecromancien || cls == kMonstre || cls == kOrc ||
           cls == kSorcier || cls == kTroll || cls == kVampire;
}

bool IsPlaceFor(int zone, int column, int row, int cls) {
    const map::Place place = map::PlaceAt(zone, column, row);
    if (place == map::Place::TempleChest && TempleRefuses(cls)) return false;
    return place != map::Place::None;
}

const map::ZoneExit* ExitAt(int zone, int column, int row) {
    const map::ZoneExit* exits = map::ZoneExits();
    for (int e = 0; e < map::kZoneExitCount; ++e)
        if (exits[e].fromZone == zone && exits[e].exitColumn == column && exits[e].exitRow == row) return &exits[e];
    return nullptr;
}

map::Cell Through(const map::ZoneExit& exit, const map::Cell& at) {
    return map::Cell{exit.toZone, exit.newX >= 0 ? exit.newX : at.column, exit.newY >= 0 ? exit.newY : at.row};
}

bool IsBlocked(int zone, int column, int row, Obstacles obstacles) {
    for (const map::Cell& o : obstacles)
        if (o.zone == zone && o.column == column && o.row == row) return true;
    return false;
}

bool IsOpen(int zone, int column, int row, Obstacles obstacles) {
    if (ExitAt(zone, column, row)) return true;
    return !IsBlocked(zone, column, row, obstacles) && map::IsRoadCell(zone, column, row);
}

map::Cell Standing(int c) { return map::Cell{gd.Zone[c], gd.PosX[c], gd.PosY[c]}; }

bool IsTowerDoor(const map::Cell& at) {
    return at.zone == map::kTowerDoor.zone && at.column == map::kTowerDoor.column && at.row == map::kTowerDoor.row;
}

map::Cell CellOf(map::Place place) {
    for (int p = 0; p < map::kPlaceCount; ++p)
        if (map::PlaceCells()[p].place == place) return map::PlaceCells()[p].cell;
    return map::Cell{0, 0, 0};
}

bool IsArena(const map::Cell& at) { return map::PlaceAt(at.zone, at.column, at.row) == map::Place::Arena; }

}  // namespace reach
