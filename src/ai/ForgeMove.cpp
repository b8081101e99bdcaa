// The computer at the forge: to the anvil when a recipe worth its turns can be forged with
// the resources at hand, that recipe from the menu, and out again.
#include <string>

#include "ai/Forging.h"
#include "ai/Memory.h"
#include "ai/Sayings.h"
#include "ai/Screens.h"
#include "items/ForgeRecipes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "ui/Screen.h"

namespace ai {

Decision ForgeMove(Screen& combat, Screen* popup, const std::string& popupMenu) {
    Memory& m = Mem();
    const int c = gd.CurrentCharacter;
    if (popup) {
        return ShopMenuChoice(*popup, popupMenu, [&m, c](Control& e) -> std::optional<Decision> {
            if (m.forgeRecipe == kNoRecipe || e.index != m.forgeRecipe - 1) return std::nullopt;
            const int k = m.forgeRecipe;
            m.forgeRecipe = kNoRecipe;
            m.forgeDone = true;
            return Decision{"menu " + e.Key(), "forge " + e.caption + ", worth " + std::to_string(static_cast<int>(RecipeWorth(c, k)))};
        }, "nothing to forge");
    }
    Control* regul = combat.Find("Regul");
    if (regul && regul->enabled) return {"wait 250", "walking to the anvil"};
    double worth = 0;
    const int k = BestRecipe(c, &worth);
    if (m.forgeDone || k == kNoRecipe || ++m.forgeTries > 2) return {"click Combat.Form 200 300", "leave the forge"};
    m.forgeRecipe = k;
    return {"click Combat.Form 272 176", "to the anvil for " + Msg(430 + k - 1), Say(Saying::Forge, c, InSentence(Msg(430 + k - 1)))};
}

}  // namespace ai
