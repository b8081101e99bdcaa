// Placeholder until the graveyard lands.
#include "items/Graveyard.h"

void OpenGraveyard() {}
