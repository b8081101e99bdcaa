// Placeholder until item use lands.
#include "items/Inventory.h"

void AddItemHandlers(Screen&) {}
