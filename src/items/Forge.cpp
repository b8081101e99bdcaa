// The forge: the walk to the anvil, the recipe menu and forging.
#include "items/ForgeRecipes.h"
#include "rules/ItemCatalogue.h"
#include "items/Shop.h"
#include "items/ShopNotes.h"
#include "items/ShopCommon.h"
#include "state/GameLimits.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Screen.h"

namespace shop {

namespace {

constexpr int kAnvilLeft = 256;
constexpr int kQuitEntry = kForgeRecipeCount;  // "Quitter" follows the eighteen recipes

void ShowForgeMenu(Screen& combat, ShopState& st) {
    for (int p = 0; p < kForgeRecipeCount; ++p) {
        Control& entry = combat.C("Item", p);
        entry.caption = Msg(430 + p);
        const EntryNote note = RecipeNote(p + 1, gd.CurrentCharacter);
        entry.note = note.text;
        entry.noteWarning = note.warning;
    }
    combat.C("Item", kQuitEntry).caption = Msg(405);
    st.menuCount = kQuitEntry;
    for (int p = 0; p <= kQuitEntry; ++p) combat.C("Item", p).visible = true;
    PopupMenu(combat);
}

}  // namespace

const Spot kAnvil[1] = {{kAnvilLeft, 288, 160, 192}};

void ForgeTimer(Screen& combat, ShopState& st) {
    Control& perso = combat.C("Perso");
    if (perso.top > kCounterTop) {
        perso.top -= 32;
        return;
    }
    if (perso.left < kAnvilLeft) {
        perso.left += 32;
        return;
    }
    combat.C("Regul").enabled = false;
    int c = gd.CurrentCharacter;
    combat.C("Message").visible = true;
    combat.C("Fond").visible = true;
    if (rec::ClassNumber(c) != classes::kNain && !rec::HasItem(c, items::kSmithsBook)) {
        combat.C("Message").caption = Msg(26);
        return;
    }
    if (!rec::HasItem(c, items::kSmithsTools)) {
        combat.C("Message").caption = Msg(27);
        return;
    }
    ShowForgeMenu(combat, st);
}

void ForgeItemClick(Screen& combat, ShopState& st, int index) {
    if (index == st.menuCount) {
        combat.C("Perso").left = kEntranceLeft;
        combat.C("Perso").top = kEntranceTop;
        ShowMessage(combat, Msg(25));
        HideEntries(combat, 1, kQuitEntry);
        return;
    }
    if (index < 0 || index >= kForgeRecipeCount) return;
    const ForgeRecipe& r = Recipe(index + 1);
    ForgeItem(combat, index + 1, r.materials, r.turns, r.att, r.def, r.ag);
}

}  // namespace shop

void ForgeItem(Screen& combat, int k, const std::array<int, 7>& materials, int t, int att, int def,
               int ag) {
    int c = gd.CurrentCharacter;
    for (int r = 1; r <= 7; ++r) {
        if (rec::Resource(c, r) < materials[r - 1]) {
            combat.C("Message").caption = Msg(29);
            shop::PopupMenu(combat);
            return;
        }
    }
    const ForgeRecipe& recipe = Recipe(k);
    combat.C("Message").caption = Msg(28) + Msg(430 + k - 1);
    if (recipe.discards) DiscardItemGroup(recipe.discardFirst, recipe.discardLast);
    for (int r = 1; r <= 7; ++r) rec::SetResource(c, r, rec::Resource(c, r) - materials[r - 1]);
    gd.Status[c] = status::kForgingFirst + t;
    gd.AttackBonus[c] = limits::Grown(gd.AttackBonus[c], att, -limits::kMostBonus, limits::kMostBonus);
    gd.DefenseBonus[c] = limits::Grown(gd.DefenseBonus[c], def, -limits::kMostBonus, limits::kMostBonus);
    gd.AgilityBonus[c] = limits::Grown(gd.AgilityBonus[c], ag, -limits::kMostBonus, limits::kMostBonus);
    rec::AddItemBack(c, recipe.item, att);
    ShowPanelAhead(c);  // the panel shows the stocks and values left at once
}
