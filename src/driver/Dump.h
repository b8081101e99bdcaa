#pragma once
// The driver's dump: the whole shared state, the open screens and their controls, as JSON.
#include <string>

class Screen;

// A JSON string literal of UTF-8 text.
std::string JsonString(const std::string& text);
// A JSON Boolean: true or false.
std::string JsonBool(bool b);
// One line of JSON with every shared variable, the screens' own values and controls.
// popupScreen/popupMenu describe an open pop-up menu ("" when none).
std::string DumpState(Screen* popupScreen, const std::string& popupMenu);
// The names of the open screens, bottom to top, separated by blanks.
std::string ScreenList();
