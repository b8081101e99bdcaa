#include "items/ForgeRecipes.h"

namespace {

// clang-format off
constexpr ForgeRecipe kRecipes[kForgeRecipeCount + 1] = {
    {0, {0, 0, 0, 0, 0, 0, 0}, 0, 0, 0, 0, false, 0, 0},
    {31, {2, 6, 7, 3, 0, 0, 0},     2,  8,  8, 1, true, 12, 16},  // Epée de fer
    {32, {3, 7, 0, 4, 7, 0, 0},     3, 10, 10, 2, true, 12, 16},  // Epée de bronze
    {33, {4, 8, 0, 6, 0, 7, 0},     4, 24, 12, 3, true, 12, 16},  // Epée d'or
    {34, {5, 9, 0, 7, 0, 0, 7},     5, 28, 14, 4, true, 12, 16},  // Epée d'argent
    {35, {2, 6, 7, 3, 0, 0, 0},     2,  8,  8, 1, true, 5, 8},    // Hache de fer
    {36, {3, 7, 0, 4, 7, 0, 0},     3, 10, 10, 2, true, 5, 8},    // Hache de bronze
    {37, {8, 8, 0, 6, 0, 7, 0},     4, 24, 12, 3, true, 5, 8},    // Hache d'or
    {38, {10, 9, 0, 7, 0, 0, 7},    5, 28, 14, 4, true, 5, 8},    // Hache d'argent
    {39, {0, 7, 7, 0, 0, 0, 0},     2,  8,  8, 1, true, 17, 19},  // Lance de fer
    {69, {0, 8, 0, 0, 7, 0, 0},     3, 10, 10, 2, true, 17, 19},  // Lance de bronze
    {70, {2, 9, 0, 2, 0, 7, 0},     4, 24, 12, 3, true, 17, 19},  // Lance d'or
    {71, {3, 10, 0, 4, 0, 0, 7},    5, 28, 14, 4, true, 17, 19},  // Lance d'argent
    {72, {7, 0, 4, 3, 0, 7, 0},     4,  0,  0, 4, false, 0, 0},   // Arc d'or
    {73, {5, 0, 4, 2, 0, 0, 7},     4,  0,  0, 6, false, 0, 0},   // Arc d'argent
    {74, {0, 0, 4, 7, 0, 0, 0},     4, 24, 14, 4, true, 3, 4},    // Flèche de feu
    {75, {12, 0, 18, 50, 6, 14, 12}, 10, 6,  6, 3, true, 20, 30}, // Armure de feu
    {76, {2, 0, 3, 2, 0, 4, 0},     2,  9,  9, 7, false, 0, 0},   // Poignard
    {77, {1, 0, 4, 3, 0, 0, 4},     3, 10, 10, 8, true, 0, 2},    // Dague
};
// clang-format on

}  // namespace

const ForgeRecipe& Recipe(int k) {
    if (k < 1 || k > kForgeRecipeCount) return kRecipes[0];
    return kRecipes[k];
}
