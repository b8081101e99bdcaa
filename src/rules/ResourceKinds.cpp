#include "rules/ResourceKinds.h"

#include "state/Messages.h"

std::string ResourceName(int r) { return Msg(564 + r); }
std::string ResourceIcon(int r) { return "res" + std::to_string(r) + ".gif"; }
