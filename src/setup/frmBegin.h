#pragma once
// The title screen.
#include <memory>

class Screen;

// Opens a freshly loaded title screen (program start, Cancel on set-up, OK on the end screen).
void OpenTitleScreen();
std::unique_ptr<Screen> MakeFrmBegin();
