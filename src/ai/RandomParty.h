#pragma once
// A party that plays at random through the same handlers: the opponent the computer player
// is measured against (a legal step, the end of the turn, the fight button, a fight row, a
// click somewhere on a shop), drawn from its own seeded sequence.
#include <cstdint>
#include <string>

#include "ai/Computer.h"

class Screen;

namespace ai {

Decision RandomMove(uint64_t& state, Screen* popup, const std::string& popupMenu);

}  // namespace ai
