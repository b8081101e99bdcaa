#pragma once
#include <string>
// The class capacities: seduction, raising the dead, flight, theft and archery.

class Screen;

// Registers Capacity_Click on the board.
void AddCapacityHandlers(Screen& board);
// Capacity_Click: the current character uses what its class and its items allow, in order.
void UseCapacity();
// Is a theft waiting for the thief's choice on the victim's panel?
bool TheftInProgress();
// Completes the theft by taking the first entry named by the clicked item line.
void StealItem(const std::string& itemName);
// Completes the theft by taking all the victim's gold (the sum is capped at 99999).
void StealGold();
// Completes the theft by taking all the victim's resources (each sum is capped at 99).
void StealResources();
