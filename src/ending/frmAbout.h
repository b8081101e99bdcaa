#pragma once
// The about box `frmAbout`: the makers with two pictures and a mail link on its first tab,
// the scrolling credits on its second; opened modally from the title screen.
#include <memory>

class Screen;

// A freshly built about box (the scroll starts at line 0, its timer stopped).
std::unique_ptr<Screen> MakeFrmAbout();
