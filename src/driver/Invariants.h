#pragma once
// The rules a running game must never break, checked after every action of random play.
#include <string>

// "" when every rule holds, otherwise the first broken rule.
std::string CheckInvariants();
