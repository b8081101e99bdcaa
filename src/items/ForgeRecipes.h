#pragma once
// The eighteen forge recipes: what each costs in resources and turns and what it gives.
#include <array>

struct ForgeRecipe {
    int item;                     // ItemNumber of the forged entry
    std::array<int, 7> materials; // Diamant, Bois, Fer, Mercure, Bronze, Or, Argent
    int turns;                    // forging time t: Status becomes 19 + t
    int att, def, ag;             // added to the bonus arrays; att is also the entry's value
    bool discards;                // a group is removed before the item is added
    int discardFirst, discardLast;
};

constexpr int kForgeRecipeCount = 18;

// Recipe k (1-18), shown at forge menu position k − 1.
const ForgeRecipe& Recipe(int k);
