#pragma once
// The computer's forge plan: who can forge, what each recipe adds to a character for the
// turns it costs, which one to forge with the resources at hand, and which metal the town's
// mine should give to bring the best recipe nearer.

namespace ai {

constexpr int kNoRecipe = 0;

// c holds the smith's tools and knows the craft (a dwarf, or the smiths' book).
bool CanForge(int c);
// What recipe k (1-18) adds to c, in attack points or their worth, the turns it keeps c
// at the anvil taken off.
double RecipeWorth(int c, int k);
// How many resource units c still lacks for recipe k.
int Shortfall(int c, int k);
// The recipe worth most that c can forge now (kNoRecipe when none is worth it).
int BestRecipe(int c, double* worth);
// The mine's icon (0 gold, 2 iron, 4 bronze, 6 silver) that serves c's forge plan best.
int MineIcon(int c, const char** why);

}  // namespace ai
