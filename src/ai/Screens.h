#pragma once
// The computer player's choices on each kind of screen (one file each).
#include <string>

#include "ai/Computer.h"

class Screen;

namespace ai {

Decision BoardMove(Screen& board);
Decision FightMove(Screen* popup, const std::string& popupMenu);
Decision ArenaMove(Screen& combat);
Decision MarketMove(Screen& combat, Screen* popup, const std::string& popupMenu);
Decision ForgeMove(Screen& combat, Screen* popup, const std::string& popupMenu);

// A click on the board's map, in the middle of a cell of the displayed zone.
std::string MapClick(int column, int row);
// Shown and enabled, as a person sees it.
bool Visible(Screen& s, const std::string& key);

}  // namespace ai
