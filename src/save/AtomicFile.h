#pragma once
// Whole files written and read at once.
#include <string>

// Writes text to path without ever leaving it half-written: the text goes to a temporary file
// of a short name of its own in the same folder (.quelmor-XXXXXX.part), which then takes the
// place of path in one rename; so any name the file system takes for path can be written. On
// failure (full disk, no right to write, a folder that does not exist) false with the system's
// error number (errno; EIO for a file found shorter than what was written); path is then as
// it was and the temporary file is gone.
bool WriteFileAtomically(const std::string& path, const std::string& text, int& error);

enum class ReadResult { Read, Missing, Unreadable, TooLarge };
// Reads a whole file of at most most bytes.
ReadResult ReadWholeFile(const std::string& path, long long most, std::string& text);
