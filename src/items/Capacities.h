#pragma once
#include <string>
// The class capacities: seduction, raising the dead, flight, theft and archery.

class Screen;

// Registers Capacity_Click on the board.
void AddCapacityHandlers(Screen& board);
// Is a theft waiting for the thief's choice on the victim's panel?
bool TheftInProgress();
// Completes the theft by taking the first entry named by the clicked item line.
void StealItem(const std::string& itemName);
void StealGold();
void StealResources();
