#pragma once
// Splitting a driver script line into words ("..." may hold blanks; \" and \\ escape).
#include <string>
#include <vector>

// The words of a line; ok is false when a quote is left open.
std::vector<std::string> SplitWords(const std::string& line, bool& ok);
