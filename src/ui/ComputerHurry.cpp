#include "ui/ComputerHurry.h"

#include <algorithm>

#include "ui/InputLog.h"

namespace {
bool hurried = false;
}  // namespace

void SetComputerHurried(bool on) {
    // The fight screens' pauses change with it: the record keeps it.
    if (on != hurried) input_log::Note(on ? "hurry on" : "hurry off");
    hurried = on;
}

bool ComputerHurried() { return hurried; }

int HurriedDelay(int interval) { return std::min(interval, std::max(20, interval / 8)); }
