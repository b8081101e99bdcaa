// The tower-floor screen: the floor reached and its guardian.
#include "combat/CombatForm.h"
#include "rules/Enemies.h"
#include "combat/Fight.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Text.h"

namespace {

// Under the floor's number: what goes on.
constexpr const char* kGuardianFrench = "Cliquez sur le gardien (ou Échap) pour l'affronter.";
constexpr const char* kGuardianEnglish = "Click the guardian (or press Esc) to face it.";

}  // namespace

void LoadTowerFloor(CombatForm& combat) {
    const int floor = gd.TowerFloor[rec::Owner(gd.CurrentCharacter)];
    combat.caption = Msg(582);
    combat.picture = "mechant.bmp";
    combat.PlaceCharacterIcon();
    combat.WriteMessage(Msg(149) + NumberText(floor));
    Control& guardian = combat.C("Mechant");
    guardian.picture = EnemyPicture(15 + floor);
    guardian.visible = true;
    Control& hint = combat.C("lblGardien");
    hint.caption = gd.LanguageOffset == 2000 ? kGuardianEnglish : kGuardianFrench;
    hint.visible = true;
}
