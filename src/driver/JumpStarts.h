#pragma once
// Jump-starts for random play: a game just set up is put, through the driver's `set`
// commands, into a state a long game would reach (beside a place, at the tower door with
// the keys, on the last tower floor, rich, with dead companions), so that random play
// reaches the late screens in a few hundred actions.
#include <functional>
#include <string>
#include <vector>

// The driver lines of one jump-start for the current character; pick(n) is a random number
// in 0..n-1. The lines only set shared state and show a zone of the board.
std::vector<std::string> JumpStart(const std::function<int(int)>& pick);
