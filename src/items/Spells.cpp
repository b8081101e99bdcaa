// Placeholder until spells land.
#include "items/Spells.h"

void AddSpellHandlers(Screen&) {}
void CompleteSpellOnCharacter(int) {}
