#include "ui/ComputerHurry.h"

#include <algorithm>

namespace {
bool hurried = false;
}  // namespace

void SetComputerHurried(bool on) { hurried = on; }

bool ComputerHurried() { return hurried; }

int HurriedDelay(int interval) { return std::min(interval, std::max(20, interval / 8)); }
