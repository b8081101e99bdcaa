#pragma once
// The host's step before any input reaches a handler (it brings the clock up to date).
#include <functional>
#include <string>

void SetBeforeInputHook(std::function<void()> hook);
void RunBeforeInputHook();

// The time that fading controls are painted at: the host's running clock in the window (the
// screen manager's own time moves only with input and timers), the screen manager's time
// otherwise (the driver's virtual clock).
void SetViewClock(std::function<long long()> clock);
long long ViewClock();

class ScreenWindow;
// Keys that belong to the program rather than to a screen (full screen, sound): the hook
// returns true when it took the key.
void SetGlobalKeyHook(std::function<bool(const std::string&, ScreenWindow&)> hook);
bool RunGlobalKeyHook(const std::string& key, ScreenWindow& window);

class Screen;
// Words the program adds to a window's title after the screen's caption (who plays where, in a
// network game): "" for none.
void SetTitleNoteHook(std::function<std::string(const Screen&)> hook);
std::string TitleNote(const Screen& screen);
