// Placeholder until capacities land.
#include "items/Capacities.h"

void AddCapacityHandlers(Screen&) {}
bool TheftInProgress() { return false; }
void StealItem(const std::string&) {}
void StealGold() {}
void StealResources() {}
