// Walking on the map: place cells, roads, obstacles, zone exits and the four direction
// commands with their one- and two-cell steps and the check at the tower door.
#include "board/Board.h"
#include "board/Events.h"
#include "board/frmJeu.h"
#include "rules/DirectionStep.h"
#include "rules/ItemCatalogue.h"
#include "rules/MapTables.h"
#include "rules/Reach.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "ui/Ui.h"

namespace {

void MoveBy(int c, int dx, int dy) {
    gd.PosX[c] += dx;
    gd.PosY[c] = static_cast<int16_t>(gd.PosY[c] + dy);
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

// The obstacles standing on the map.
// The direction command (dx, dy) for the current character where it stands now.
reach::DirectionStep Step(int dx, int dy) {
    const int c = gd.CurrentCharacter;
    return reach::Direction(reach::Standing(c), dx, dy, rec::ClassNumber(c), gd.MovesLeft != 0, StandingObstacles());
}

}  // namespace

bool CanStep(int dx, int dy) { return Step(dx, dy).Moved(); }

bool CanStepAnywhere() { return CanStep(0, -1) || CanStep(0, 1) || CanStep(-1, 0) || CanStep(1, 0); }

void ChangeZone(int column, int row) {
    frmJeu* b = Jeu();
    const int c = gd.CurrentCharacter;
    const int oldZone = gd.Zone[c];
    const map::ZoneExit* exit = reach::ExitAt(oldZone, column, row);
    if (!exit || !b) return;
    const map::Cell to = reach::Through(*exit, reach::Standing(c));
    gb.DisplayedZone = 0;
    gd.Zone[c] = to.zone;
    RefreshThumbnails(oldZone);
    ShowZonePicture(to.zone);
    gd.PosX[c] = to.column;
    gd.PosY[c] = static_cast<int16_t>(to.row);
    gb.DisplayedZone = to.zone;
    ShowZoneContents(to.zone);
}

bool MoveDirection(int dx, int dy, bool keyRule) {
    const int c = gd.CurrentCharacter;
    const reach::DirectionStep step = Step(dx, dy);
    for (int e = 0; e < step.exitCount; ++e) ChangeZone(step.exits[e]->exitColumn, step.exits[e]->exitRow);
    if (!step.Moved()) return false;
    MoveBy(c, step.dx, step.dy);
    if (step.kind == reach::StepKind::IntoPlace) {
        ShowCharacterOnMap(c);
        SetMovesLeft(0);
        PlaceEvents();
        return true;
    }
    SetMovesLeft(gd.MovesLeft - 1);
    if (step.kind == reach::StepKind::OneCell && keyRule && reach::IsTowerDoor(reach::Standing(c))) {
        AtTowerDoor(c);
        return true;
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
