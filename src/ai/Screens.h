#pragma once
// The computer player's choices on each kind of screen (one file each).
#include <functional>
#include <optional>
#include <string>

#include "ai/Computer.h"

class Screen;
struct Control;

namespace ai {

Decision BoardMove(Screen& board);
Decision FightMove(Screen* popup, const std::string& popupMenu);
Decision ArenaMove(Screen& combat);
Decision MarketMove(Screen& combat, Screen* popup, const std::string& popupMenu);
Decision ForgeMove(Screen& combat, Screen* popup, const std::string& popupMenu);

// A choice in a shop's pop-up menu: the first shown entry that wanted() answers with a
// decision, else "Quitter" (with why), else closing the menu.
Decision ShopMenuChoice(Screen& popup, const std::string& menu,
                        const std::function<std::optional<Decision>(Control&)>& wanted, const std::string& why);

// A click on the board's map, in the middle of a cell of the displayed zone.
std::string MapClick(int column, int row);
// Shown and enabled, as a person sees it.
bool Visible(Screen& s, const std::string& key);

}  // namespace ai
