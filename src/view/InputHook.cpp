#include "view/InputHook.h"

#include "ui/Ui.h"

namespace {
std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}
}  // namespace

void SetBeforeInputHook(std::function<void()> hook) { Hook() = std::move(hook); }

void RunBeforeInputHook() {
    if (Hook()) Hook()();
}

namespace {
std::function<bool(const std::string&, ScreenWindow&)>& GlobalHook() {
    static std::function<bool(const std::string&, ScreenWindow&)> hook;
    return hook;
}
}  // namespace

void SetGlobalKeyHook(std::function<bool(const std::string&, ScreenWindow&)> hook) { GlobalHook() = std::move(hook); }

bool RunGlobalKeyHook(const std::string& key, ScreenWindow& window) {
    return GlobalHook() ? GlobalHook()(key, window) : false;
}

namespace {
std::function<long long()>& Clock() {
    static std::function<long long()> clock;
    return clock;
}
}  // namespace

void SetViewClock(std::function<long long()> clock) { Clock() = std::move(clock); }

long long ViewClock() { return Clock() ? Clock()() : Ui::Get().Now(); }

namespace {
std::function<std::string(const Screen&)>& NoteHook() {
    static std::function<std::string(const Screen&)> hook;
    return hook;
}
}  // namespace

void SetTitleNoteHook(std::function<std::string(const Screen&)> hook) { NoteHook() = std::move(hook); }

std::string TitleNote(const Screen& screen) { return NoteHook() ? NoteHook()(screen) : std::string(); }
