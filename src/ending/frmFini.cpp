// Placeholder until the end screen lands.
#include "ending/frmFini.h"

void OpenEndScreen() {}
