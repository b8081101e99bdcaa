// Placeholder until encounters land.
#include "board/Encounter.h"

void MeetMonster(int, int, int, int) {}
bool IsWithinReach(int) { return false; }
void AddEncounterHandlers(Screen&) {}
