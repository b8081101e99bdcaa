#pragma once
// Writing a shared variable or a screen's own value by name, as the driver's `set` does.
#include <string>

// name is "MovesLeft", "Status[4]" or "BlockX[2]"; false when there is no such variable
// (or the index is out of range, or the value is malformed for that variable).
bool SetVariable(const std::string& name, const std::string& value);
