// The notes beside the shops' menu entries, in French and English.
#include "items/ShopNotes.h"

#include "items/ForgeRecipes.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"

namespace {

struct NoteWords {
    const char *attack, *defence, *outOfStock, *forgedOnly, *refused, *tooDear, *turn, *turns;
    const char* materials[7];  // short names, in storage order, so that a recipe fits a menu line
};
const NoteWords kFrench{"Att", "Déf", "rupture de stock", "à forger", "refusé à votre classe", "trop cher", "tour",
                        "tours",
                        {"Diam", "Bois", "Fer", "Merc", "Bron", "Or", "Arg"}};
const NoteWords kEnglish{"Att", "Def", "out of stock", "forged only", "not sold to your class", "too dear", "turn",
                         "turns",
                         {"Diam", "Wood", "Iron", "Merc", "Bron", "Gold", "Silv"}};

const NoteWords& Words() { return gd.LanguageOffset == 2000 ? kEnglish : kFrench; }

constexpr const char* kDot = " · ";

}  // namespace

EntryNote SellerEntryNote(int seller, int position, int classNumber, long gold) {
    const items::CatalogueItem* item = items::SellerItem(seller, position);
    if (!item) return {};
    const NoteWords& w = Words();
    switch (item->stock) {
        case items::Stock::OutOfStock: return {w.outOfStock, true};
        case items::Stock::ForgedOnly: return {w.forgedOnly, false};
        case items::Stock::NotSold: return {};
        case items::Stock::ForSale: break;
    }
    std::string text = std::to_string(item->price) + " " + Msg(8);
    if (item->value != 0 && items::AddsToAttack(item->number))
        text += kDot + std::string(w.attack) + " +" + std::to_string(item->value);
    else if (item->value != 0 && items::AddsToDefense(item->number))
        text += kDot + std::string(w.defence) + " +" + std::to_string(item->value);
    if (items::RefusalMessage(item->number, classNumber) != 0) return {text + kDot + w.refused, true};
    // A price equal to the gold is affordable.
    if (item->price > gold) return {text + kDot + w.tooDear, true};
    return {text, false};
}

// "2 Diam, 6 Bois, 7 Fer, 3 Merc · 3 tours": the materials in storage order, then the turns the
// forger will miss. A short stock marks the entry (the view draws the mark).
EntryNote RecipeNote(int k, int c) {
    const ForgeRecipe& r = Recipe(k);
    const NoteWords& w = Words();
    std::string materials;
    bool missing = false;
    for (int m = 1; m <= 7; ++m) {
        const int need = r.materials[m - 1];
        if (need == 0) continue;
        materials += (materials.empty() ? "" : ", ") + std::to_string(need) + " " + w.materials[m - 1];
        if (rec::Resource(c, m) < need) missing = true;
    }
    const int turns = r.turns + 1;  // the forger misses t + 1 turns
    std::string text = materials + kDot + std::to_string(turns) + " " + (turns == 1 ? w.turn : w.turns);
    return {text, missing};
}
