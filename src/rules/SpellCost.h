#pragma once
// What a spell costs a character in magic points, on the board and in a fight alike.

// The cost of a spell for character c: 4 less for every Sceptre céleste carried, never below 0.
int SpellCost(int c, int listedCost);
// Lowers c's magic points by that cost.
void ChargeSpellCost(int c, int listedCost);
