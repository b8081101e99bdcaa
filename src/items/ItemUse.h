#pragma once
// Using an item of the current character's list on the board.
#include <string>

// Uses the current character's first item whose name is the clicked line's caption; items
// that cannot be used on the board, and an empty line, do nothing.
void UseItemNamed(const std::string& caption);
