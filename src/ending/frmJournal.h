#pragma once
// The journal window `frmJournal`: every message shown in this game (the board's information
// line, the fight's, the shops', the arena's and the tower's message line, and what no line
// shows: how a fight ended, a purchase, a saved game), with its day, hour and character,
// newest last; its headings speak the current language. It only reads the journal
// (state/Journal.h): closing it changes nothing.
#include <memory>

class Screen;

// Opens the journal as a modal dialog, scrolled to the newest message; returns when closed.
void OpenJournal();
// A freshly built journal window.
std::unique_ptr<Screen> MakeFrmJournal();
