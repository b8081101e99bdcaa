// Placeholder until the fight screen lands: fights leave FightResult at 0.
#include "combat/Combat.h"

#include "state/GlobalDecl.h"

void OpenCombatModal() {}
void StartFight() { gd.FightResult = 0; }
Screen* CombatScreen() { return nullptr; }
