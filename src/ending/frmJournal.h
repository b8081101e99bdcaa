#pragma once
// The journal window `frmJournal`: every message the board's information line has shown in
// this game, with its day, hour and character, newest last; its headings speak the current
// language. It only reads the journal (state/Journal.h): closing it changes nothing.
#include <memory>

class Screen;

// Opens the journal as a modal dialog, scrolled to the newest message; returns when closed.
void OpenJournal();
// A freshly built journal window.
std::unique_ptr<Screen> MakeFrmJournal();
