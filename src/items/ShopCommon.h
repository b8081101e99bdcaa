#pragma once
// Helpers shared by the market and the forge files.
#include <string>

class Screen;

namespace shop {

constexpr int kEntranceLeft = 192, kEntranceTop = 224;
constexpr int kWalkInterval = 250;
constexpr int kLastMenuEntry = 21;  // Item(0) to Item(21)

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
void MarketLoad(Screen& combat);
void MarketMouseDown(Screen& combat, int x, int y);
// Where a click reaches a seller (1 to 5) or the way out (0).
bool MarketPlacePoint(int place, int& x, int& y);
void MarketTimer(Screen& combat);
void MarketItemClick(Screen& combat, int index);
void ForgeLoad(Screen& combat);
void ForgeMouseDown(Screen& combat, int x, int y);
// Where a click reaches the anvil (1) or the way out (0).
bool ForgePlacePoint(int place, int& x, int& y);
void ForgeTimer(Screen& combat);
void ForgeItemClick(Screen& combat, int index);

}  // namespace shop
