#pragma once
// Breaking a text into lines of at most a number of characters, between words.
#include <string>
#include <vector>

// The lines of a UTF-8 text, each at most maxChars code points long: breaks fall between
// words, a word longer than a line is cut, "\n" starts a new line. An empty text gives one
// empty line.
std::vector<std::string> WrapLines(const std::string& text, int maxChars);
