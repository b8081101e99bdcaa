// Placeholder until the market and the forge land.
#include "items/Shop.h"

void ShopLoad(Screen&) {}
void ShopMouseDown(Screen&, int, int) {}
void ShopTimer(Screen&) {}
void ShopItemClick(Screen&, int) {}
void ShopListClick(Screen&) {}
