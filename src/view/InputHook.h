#pragma once
// The host's step before any input reaches a handler (it brings the clock up to date).
#include <functional>

void SetBeforeInputHook(std::function<void()> hook);
void RunBeforeInputHook();
