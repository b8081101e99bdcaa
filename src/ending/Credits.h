#pragma once
// The credits that scroll in the about box: 203 lines, each starting with a marker,
// "1" for a heading and "0" for a plain line; the rest of the line is the visible text.
#include <string>
#include <vector>

constexpr int kCreditsLines = 203;

// The credits lines in the current language.
std::vector<std::string> CreditsLines();
