#pragma once
// What the market's and the forge's menus show beside each entry's name, and the name over
// the seller's offer: the price and the attack or defence an item gives, a recipe's materials
// and forging time, and whether the entry is out of reach.
#include <string>

struct EntryNote {
    std::string text;
    bool warning = false;  // out of stock, refused to the buyer's class, materials missing
};

// Menu position p of seller s, for a buyer of class classNumber who holds gold pieces: an
// item dearer than the buyer's gold is marked too.
EntryNote SellerEntryNote(int seller, int position, int classNumber, long gold);
// Forge recipe k (1-18) for character c.
EntryNote RecipeNote(int k, int c);
