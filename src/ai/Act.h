#pragma once
// Carries out one of the computer's decisions on the open screens, in the window: the same
// calls the scripted driver makes for `press`, `click`, `select`, `menu` and `close`; a
// `wait` does nothing (time passes by itself). The line is read as the driver reads its
// scripts (ui/CommandLine.h). False when it is none of these.
#include <string>

class Screen;

namespace ai {

bool Act(const std::string& line, Screen* popup);

}  // namespace ai
