// The pace of a fight in the window: a person's fight always keeps the pauses of its rules;
// a computer party's fight, once the player has hurried the computer with H, runs its pauses
// (the message pause, the enemy's turn, the spell frames) at an eighth of their length.
#include "combat/ChCmb.h"
#include "combat/CombatForm.h"
#include "combat/Fight.h"
#include "state/CharacterRecord.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "ui/ComputerHurry.h"

bool FightHurried() { return ComputerHurried() && rec::PlayedByComputer(gd.CurrentCharacter); }

int CombatForm::TimerDelay(const Control& timer) const {
    if (openedMode == combat_mode::kFight && FightHurried()) return HurriedDelay(timer.interval);
    return timer.interval;
}

int ChCmb::TimerDelay(const Control& timer) const {
    return FightHurried() ? HurriedDelay(timer.interval) : timer.interval;
}
