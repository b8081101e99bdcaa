#pragma once
// Helpers shared by the market and the forge files, and what tells the two shops apart.
#include <string>

class Screen;
struct ShopState;

namespace shop {

constexpr int kEntranceLeft = 192, kEntranceTop = 224;
constexpr int kCounterTop = 160;   // the icon walks up to here, then along the counter
constexpr int kLeaveBelow = 256;   // a click below leaves the shop
constexpr int kWalkInterval = 250;
constexpr int kLastMenuEntry = 21;  // Item(0) to Item(21)

// A place on the picture that a click walks to: x strictly between left and right, y from top
// to bottom.
struct Spot {
    int left, right, top, bottom;
};

// What differs between the shops, one row per CombatMode.
struct Mode {
    int combatMode;
    int caption;          // relative message of the screen's caption
    const char* picture;  // the screen's background
    const char* music;
    int welcome;          // relative message at the entrance
    const Spot* spots;    // places 1..spotCount: the market's sellers, the forge's anvil
    int spotCount;
    bool spotIsSeller;    // a click on place s makes s the seller
    void (*walk)(Screen& combat, ShopState& st);            // a tick of Regul
    void (*choose)(Screen& combat, ShopState& st, int index);  // a menu entry chosen
};
// The row of a CombatMode, nullptr for the modes that are not shops.
const Mode* FindMode(int combatMode);

// Message and Fond become visible, Message showing text.
void ShowMessage(Screen& combat, const std::string& text);
// One of the three greetings, drawn at random.
std::string Greeting();
// The shop's pop-up menu at the seller or the anvil.
void PopupMenu(Screen& combat);
// Menu entries from..to hidden.
void HideEntries(Screen& combat, int from, int to);
// Closes the Combat screen and gives the turn back to the board.
void Leave(Screen& combat);

// The market's and the forge's own halves.
extern const Spot kSellers[5];
void MarketTimer(Screen& combat, ShopState& st);
void MarketItemClick(Screen& combat, ShopState& st, int index);
extern const Spot kAnvil[1];
void ForgeTimer(Screen& combat, ShopState& st);
void ForgeItemClick(Screen& combat, ShopState& st, int index);

}  // namespace shop
