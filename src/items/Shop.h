#pragma once
// The market (CombatMode 1) and the forge (CombatMode 2) on the Combat screen.
#include <array>
#include <string>

class Screen;
class ShopOnCombat;

namespace shop {
struct Mode;
}

// The shop's own values while the Combat screen is open in a shop mode. The screen holds them;
// the seller is the screen's Seller.
struct ShopState {
    explicit ShopState(int& formSeller) : seller(formSeller) {}
    ShopState(const ShopState&) = delete;
    ShopState& operator=(const ShopState&) = delete;
    // Back to what the screen holds when a shop opens.
    void Reset(const shop::Mode* opened);

    const shop::Mode* mode = nullptr;  // the shop opened, nullptr outside the shops
    int& seller;                       // seller of the last click in the market
    int menuCount = 0;                 // index of the "Quitter" entry of the menu last built
    std::string offeredEntry;          // four digits
    long offeredPrice = 0;
    int groupFirst = 0, groupLast = 0;
};

// The values held by a shop made with MakeShopOnCombat (ui/Navigation.h).
ShopState& ShopStateOf(ShopOnCombat& shop);

// Load step of the Combat screen in a shop mode.
void ShopLoad(Screen& combat, ShopState& st, int combatMode);
// A press on the form's picture at (x, y).
void ShopMouseDown(Screen& combat, ShopState& st, int x, int y);
// Where a click reaches place k of the shop's picture (1 to 5 the market's sellers, 1 the
// forge's anvil, 0 the way out); false when the shop has no such place.
bool ShopPlacePoint(const ShopState& st, int place, int& x, int& y);
// Regul_Timer in a shop mode (the walk).
void ShopTimer(Screen& combat, ShopState& st);
// Item_Click(index) in a shop mode.
void ShopItemClick(Screen& combat, ShopState& st, int index);
// List1_Click (the yes / no answer) in the market.
void ShopListClick(Screen& combat, ShopState& st);

// The seller offers an entry at a price; its group is first..last (both 0 for none).
void OfferItem(Screen& combat, ShopState& st, const std::string& entry, long price, int groupFirst,
               int groupLast);
// The buyer accepts the offer: pays, keeps only the new item of its group, shops on.
void Oui_Click(Screen& combat, ShopState& st);
// The buyer declines: a new greeting and the seller's menu again.
void Non_Click(Screen& combat);
// Removes every entry numbered first..last from the current character's items.
void DiscardItemGroup(int first, int last);
// The character icon goes back to the shop's entrance and the menu entries are hidden.
void ReturnToEntrance(Screen& combat, const ShopState& st);
// Forges recipe k if the current character has the materials (a menu choice at the anvil).
void ForgeItem(Screen& combat, int k, const std::array<int, 7>& materials, int t, int att, int def,
               int ag);
