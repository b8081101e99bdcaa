#pragma once
// What the computer would buy at the market for a character, and whether that is worth the walk.

namespace items {
struct CatalogueItem;
}

namespace ai {

struct Purchase {
    const items::CatalogueItem* item = nullptr;   // none when nothing is worth its price
    double gain = 0;                              // roughly, attack points or their worth
};

// The purchase that adds most for the gold c has.
Purchase BestPurchase(int c);
// Is there anything at the market worth c's walk (the Monstre and the Troll are not served)?
bool WantsMarketFor(int c);

}  // namespace ai
