#pragma once
// Carries out one of the computer's decisions on the open screens, in the window, through the
// same code as the scripted driver's input commands (ui/InputCommand.h); a `wait` does nothing
// (time passes by itself). False when the line cannot be followed.
#include <string>

class Screen;

namespace ai {

bool Act(const std::string& line, Screen* popup);

}  // namespace ai
