// Walking on the map: place cells, roads, obstacles, zone exits and the four direction
// commands with their one- and two-cell steps and the check at the tower door.
#include "board/Board.h"
#include "board/Events.h"
#include "rules/MapTables.h"
#include "board/frmJeu.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "ui/Ui.h"

namespace {

// Classes for which the temple (11, 9) of the forest is no place at all.
bool TempleRefused(int cls) {
    using namespace classes;
    return cls == kCavalierNoir || cls == kDiablotin || cls == kNecromancien || cls == kMonstre || cls == kOrc ||
           cls == kSorcier || cls == kTroll || cls == kVampire;
}

void MoveBy(int c, int dx, int dy) {
    gd.PosX[c] += dx;
    gd.PosY[c] = static_cast<int16_t>(gd.PosY[c] + dy);
}

bool OnTowerDoor(int c) {
    return gd.Zone[c] == map::kTowerDoor.zone && gd.PosX[c] == map::kTowerDoor.column &&
           gd.PosY[c] == map::kTowerDoor.row;
}

int KeyCount(int c) {
    using namespace items;
    return rec::CountItem(c, kRunicKey) + rec::CountItem(c, kGoldKey) + rec::CountItem(c, kShadowKey);
}

// After a step up onto the tower door: without exactly the three keys the players are told
// so; with them the door stays shut all the same and the character steps back.
void AtTowerDoor(int c) {
    ShowCharacterOnMap(c);
    if (KeyCount(c) != 3) {
        const std::string missing = "Il vous manque les clés requises.";
        NoteInJournal(missing);
        Ui::Get().MessageBox(missing);
        return;
    }
    ShowTowerDoorDialog();
    if (!Jeu()) return;
    MoveBy(c, 0, 1);
    ShowCharacterOnMap(c);
}

}  // namespace

bool IsPlaceCell(int column, int row) {
    const int c = gd.CurrentCharacter;
    const int zone = gd.Zone[c];
    if (zone == map::Forest && column == 11 && row == 9 && TempleRefused(rec::ClassNumber(c))) return false;
    return map::PlaceAt(zone, column, row) != map::Place::None;
}

namespace {

const map::ZoneExit* ExitAt(int zone, int column, int row) {
    const map::ZoneExit* exits = map::ZoneExits();
    for (int e = 0; e < map::kZoneExitCount; ++e)
        if (exits[e].fromZone == zone && exits[e].exitColumn == column && exits[e].exitRow == row) return &exits[e];
    return nullptr;
}

// A zone exit, or a road cell with no obstacle on it; nothing moves.
bool IsOpen(int zone, int column, int row) {
    if (ExitAt(zone, column, row)) return true;
    if (Jeu())
        for (int i = 1; i <= 16; ++i)
            if (gb.BlockZone[i] == zone && gb.BlockX[i] == column && gb.BlockY[i] == row) return false;
    return map::IsRoadCell(zone, column, row);
}

}  // namespace

bool IsPassable(int column, int row) {
    const int zone = gd.Zone[gd.CurrentCharacter];
    if (ExitAt(zone, column, row)) {
        ChangeZone(column, row);
        return true;
    }
    return IsOpen(zone, column, row);
}

// The same questions, in the same order, as MoveDirection asks them; an exit two cells ahead
// carries the character into the next zone before the one-cell step is looked at there.
bool CanStep(int dx, int dy) {
    const int c = gd.CurrentCharacter;
    if (gd.MovesLeft == 0) return false;
    const int zone = gd.Zone[c], x = gd.PosX[c], y = gd.PosY[c];
    if (IsPlaceCell(x + 2 * dx, y + 2 * dy)) return true;
    const bool onPlace = IsPlaceCell(x, y);
    if (const map::ZoneExit* exit = ExitAt(zone, x + 2 * dx, y + 2 * dy)) {
        if (onPlace) return true;
        const int nx = exit->newX >= 0 ? exit->newX : x, ny = exit->newY >= 0 ? exit->newY : y;
        return IsOpen(exit->toZone, nx + dx, ny + dy);
    }
    return (onPlace && IsOpen(zone, x + 2 * dx, y + 2 * dy)) || IsOpen(zone, x + dx, y + dy);
}

bool CanStepAnywhere() { return CanStep(0, -1) || CanStep(0, 1) || CanStep(-1, 0) || CanStep(1, 0); }

void ChangeZone(int column, int row) {
    frmJeu* b = Jeu();
    const int c = gd.CurrentCharacter;
    const int oldZone = gd.Zone[c];
    const map::ZoneExit* exits = map::ZoneExits();
    const map::ZoneExit* exit = nullptr;
    for (int e = 0; e < map::kZoneExitCount; ++e)
        if (exits[e].fromZone == oldZone && exits[e].exitColumn == column && exits[e].exitRow == row) exit = &exits[e];
    if (!exit || !b) return;
    gb.DisplayedZone = 0;
    gd.Zone[c] = exit->toZone;
    RefreshThumbnails(oldZone);
    ShowZonePicture(exit->toZone);
    if (exit->newX >= 0) gd.PosX[c] = exit->newX;
    if (exit->newY >= 0) gd.PosY[c] = static_cast<int16_t>(exit->newY);
    gb.DisplayedZone = exit->toZone;
    ShowZoneContents(exit->toZone);
}

bool MoveDirection(int dx, int dy, bool keyRule) {
    const int c = gd.CurrentCharacter;
    if (gd.MovesLeft != 0 && IsPlaceCell(gd.PosX[c] + 2 * dx, gd.PosY[c] + 2 * dy)) {
        MoveBy(c, 2 * dx, 2 * dy);
        ShowCharacterOnMap(c);
        SetMovesLeft(0);
        PlaceEvents();
        return true;
    }
    // Both are asked even without movement: the second may carry the character to a new zone.
    const bool onPlace = IsPlaceCell(gd.PosX[c], gd.PosY[c]);
    const bool twoAhead = IsPassable(gd.PosX[c] + 2 * dx, gd.PosY[c] + 2 * dy);
    if (gd.MovesLeft != 0 && onPlace && twoAhead) {
        MoveBy(c, 2 * dx, 2 * dy);
        SetMovesLeft(gd.MovesLeft - 1);
    } else {
        const bool oneAhead = IsPassable(gd.PosX[c] + dx, gd.PosY[c] + dy);
        if (gd.MovesLeft == 0 || !oneAhead) return false;
        MoveBy(c, dx, dy);
        SetMovesLeft(gd.MovesLeft - 1);
        if (keyRule && OnTowerDoor(c)) {
            AtTowerDoor(c);
            return true;
        }
    }
    ShowCharacterOnMap(c);
    RoadEvents();
    return true;
}

void AddMovementHandlers(frmJeu& board) {
    board.On("MNU_Up_Click", [](const EventArgs&) { MoveDirection(0, -1, true); });
    board.On("MNU_Down_Click", [](const EventArgs&) { MoveDirection(0, 1, false); });
    board.On("MNU_Left_Click", [](const EventArgs&) { MoveDirection(-1, 0, false); });
    board.On("MNU_Right_Click", [](const EventArgs&) { MoveDirection(1, 0, false); });
    AddMapClickHandlers(board);
}
