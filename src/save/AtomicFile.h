#pragma once
// Whole files written and read at once.
#include <string>

// Writes text to path without ever leaving it half-written: the text goes to a temporary file
// beside it (path + ".part"), which then takes the place of path in one rename. On failure
// (full disk, no right to write, a file too large) false with the system's reason; path is
// then as it was and the temporary file is gone.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& why);

enum class ReadResult { Read, Missing, Unreadable, TooLarge };
// Reads a whole file of at most most bytes.
ReadResult ReadWholeFile(const std::string& path, long long most, std::string& text);
