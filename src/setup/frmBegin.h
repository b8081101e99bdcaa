#pragma once
// The title screen.
#include <memory>

class Screen;

// Opened through OpenTitleScreen (ui/Navigation.h).
std::unique_ptr<Screen> MakeFrmBegin();
