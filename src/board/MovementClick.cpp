// Clicks on the big map (a step, an obstacle placed, a flight's landing, the tower floors)
// and on the zone thumbnails.
#include "board/Board.h"
#include "board/Encounter.h"
#include "board/frmJeu.h"
#include "rules/Enemies.h"
#include "rules/MapTables.h"
#include "rules/Reach.h"
#include "state/CharacterRecord.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/PendingSpells.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Navigation.h"

namespace {

// A click above the character at an opened tower door: the floor screen, then its guardian.
void EnterTower(int c) {
    const int owner = rec::Owner(c);
    if (!reach::IsTowerDoor(reach::Standing(c)) || gd.DoorState[owner] <= 4) return;
    const int floor = gd.TowerFloor[owner];
    if (floor < 0 || floor > 4) return;
    gd.MovesLeft = 0;
    RefreshPanel(c);
    gd.CombatMode = combat_mode::kTowerFloor;
    OpenCombatModal();
    gd.CombatMode = combat_mode::kFight;
    // Floor f is guarded by enemy 15 + f.
    const EnemyValues g = EnemyTable(15 + floor);
    MeetMonster(g.number, g.attack, g.defense, g.agility);
}

void Land(frmJeu&, int column, int row) {
    const int c = gd.CurrentCharacter;
    SetInformations("");
    gd.PendingSpell = pending_spell::kNone;
    gd.PosX[c] = column;
    gd.PosY[c] = static_cast<int16_t>(row);
    gd.Zone[c] = gb.DisplayedZone;
    SetMovesLeft(0);
    gd.CapacityAvailable = false;
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
    ShowCharacterOnMap(c);
    RefreshThumbnails(0);
    gd.Status[c] = status::kLosesNextTurn;
}

// A click one or two cells away in a straight line runs that direction's command.
void StepTowards(frmJeu&, int column, int row) {
    const int c = gd.CurrentCharacter;
    if (c == gd.FreeMoveCharacter) ++gd.MovesLeft;
    if (gb.DisplayedZone != gd.Zone[c]) return;
    const int x = gd.PosX[c], y = gd.PosY[c];
    if (row == y && (column == x - 1 || column == x - 2)) MoveDirection(-1, 0, false);
    else if (row == y && (column == x + 1 || column == x + 2)) MoveDirection(1, 0, false);
    else if (column == x && (row == y - 1 || row == y - 2)) {
        if (!MoveDirection(0, -1, false)) EnterTower(c);
    } else if (column == x && (row == y + 1 || row == y + 2)) MoveDirection(0, 1, false);
}

void Image1_MouseDown(const EventArgs& a) {
    frmJeu* b = Jeu();
    if (!b) return;
    const int column = a.x / 32 + 1, row = a.y / 32 + 1;
    if (gd.PendingSpell == pending_spell::kBloc) {
        CompleteSpellOnCell(column, row);
        return;
    }
    if (gd.PendingSpell == pending_spell::kFlight) Land(*b, column, row);
    StepTowards(*b, column, row);
}

void Carte_Click(int k) {
    frmJeu* b = Jeu();
    if (!b || k < 1 || k > 4) return;
    const int shown = gb.DisplayedZone;
    gb.DisplayedZone = 0;
    RefreshThumbnails(shown);
    gb.DisplayedZone = k;
    RefreshThumbnails(k);
    ShowZonePicture(k);
    ShowZoneContents(k);
}

}  // namespace

void AddMapClickHandlers(frmJeu& board) {
    board.On("Image1_MouseDown", Image1_MouseDown, "BSXY");
    board.On("Carte_Click", [](const EventArgs& a) { Carte_Click(a.index); }, "I");
}
