#pragma once
// The host's step before any input reaches a handler (it brings the clock up to date).
#include <functional>
#include <string>

void SetBeforeInputHook(std::function<void()> hook);
void RunBeforeInputHook();

class ScreenWindow;
// Keys that belong to the program rather than to a screen (full screen, sound): the hook
// returns true when it took the key.
void SetGlobalKeyHook(std::function<bool(const std::string&, ScreenWindow&)> hook);
bool RunGlobalKeyHook(const std::string& key, ScreenWindow& window);
