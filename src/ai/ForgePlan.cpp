#include <algorithm>

#include "ai/Forging.h"
#include "items/ForgeRecipes.h"
#include "rules/ItemCatalogue.h"
#include "rules/ResourceKinds.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"

namespace ai {

bool CanForge(int c) {
    return (rec::ClassNumber(c) == classes::kNain || rec::HasItem(c, items::kSmithsBook)) &&
           rec::HasItem(c, items::kSmithsTools);
}

double RecipeWorth(int c, int k) {
    const ForgeRecipe& r = Recipe(k);
    if (r.item == 0) return 0;
    // The bonuses last; a forged entry of 31-39 also counts its value in the defence.
    double gain = r.att + 0.8 * r.def + 0.3 * r.ag;
    if (rec::CountsForDefense(r.item)) gain += 0.8 * r.att;
    if (r.discards)
        for (int i = 0; i < rec::ItemCount(c); ++i) {
            const rec::ItemEntry e = rec::ItemAt(c, i);
            if (e.number < r.discardFirst || e.number > r.discardLast) continue;
            if (rec::CountsForAttack(e.number)) gain -= e.value;
            else if (rec::CountsForDefense(e.number)) gain -= 0.8 * e.value;
        }
    // Each turn at the anvil is a turn neither walked nor fought.
    return gain - 2.0 * (r.turns + 1);
}

int Shortfall(int c, int k) {
    const ForgeRecipe& r = Recipe(k);
    int missing = 0;
    for (int m = 1; m <= 7; ++m) missing += std::max(0, r.materials[m - 1] - rec::Resource(c, m));
    return missing;
}

int BestRecipe(int c, double* worth) {
    int best = kNoRecipe;
    double bestWorth = 0;
    if (CanForge(c))
        for (int k = 1; k <= kForgeRecipeCount; ++k) {
            const double w = RecipeWorth(c, k);
            if (Shortfall(c, k) == 0 && w > bestWorth) {
                bestWorth = w;
                best = k;
            }
        }
    if (worth) *worth = bestWorth;
    return best;
}

int MineIcon(int c, const char** why) {
    static const int kMetals[4][2] = {{0, kGoldMetal}, {2, kIron}, {4, kBronze}, {6, kSilver}};
    if (why) *why = "gold is the dearest metal";
    if (!CanForge(c)) return 0;
    // The recipe nearest to hand for what it is worth, among those that lack a metal.
    int target = kNoRecipe;
    double bestScore = 0;
    for (int k = 1; k <= kForgeRecipeCount; ++k) {
        const ForgeRecipe& r = Recipe(k);
        bool lacksMetal = false;
        for (auto& m : kMetals) lacksMetal = lacksMetal || rec::Resource(c, m[1]) < r.materials[m[1] - 1];
        const double score = RecipeWorth(c, k) / (1.0 + Shortfall(c, k));
        if (lacksMetal && score > bestScore) {
            bestScore = score;
            target = k;
        }
    }
    if (target == kNoRecipe) return 0;
    int icon = 0, most = 0;
    for (auto& m : kMetals) {
        const int lack = Recipe(target).materials[m[1] - 1] - rec::Resource(c, m[1]);
        if (lack > most) {
            most = lack;
            icon = m[0];
        }
    }
    if (why) *why = "the metal my next forging lacks most";
    return icon;
}

}  // namespace ai
