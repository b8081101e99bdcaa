#pragma once
// The rules help `frmAide`: one page per topic (moving, places, the tower keys, fights,
// spells, the market and the forge) and the table of the sixteen classes built from the class
// data; a tab per topic and Previous / Next buttons. It speaks the current language.
#include <memory>

class Screen;

// Opens the rules help as a modal dialog; returns when it is closed.
void OpenHelp();
// A freshly built help window on its first page.
std::unique_ptr<Screen> MakeFrmAide();
