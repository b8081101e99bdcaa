#pragma once
// The keyboard: which key clicks which control of which screen. One table for the whole
// game, applied to every screen when it opens; the windows' tooltips name the keys. Beside
// it, the keys of the program itself (help, journal, full screen, sound), which work on
// every window. The help's keyboard page is written from both tables.
#include <functional>
#include <optional>
#include <span>
#include <string>

class Screen;

// One key of one screen: a control's hot key, or a menu entry's shortcut.
struct KeyBinding {
    const char* screen;
    const char* control;   // a control's key, "StepPix(2)" for an element of an array
    const char* key;       // "Return", "Ctrl+Return", "Esc", "PgUp", "Up", "C", "1"
};

// Gives the screen's controls their hot keys and its menu entries their shortcuts.
void ApplyKeyBindings(Screen& screen);
// Every binding of every screen.
std::span<const KeyBinding> KeyBindingTable();
// The key bound to a control of a screen; empty when it has none.
std::string BoundKey(const std::string& screen, const std::string& control);

// The keys that belong to the program rather than to a screen.
enum class ProgramKey { Help, Journal, FullScreen, MuteAll, MuteMusic, MuteEffects, Save, HurryComputer };
struct ProgramKeyBinding {
    ProgramKey action;
    const char* key;
};
inline constexpr ProgramKeyBinding kProgramKeys[] = {
    {ProgramKey::Help, "F1"},           {ProgramKey::Journal, "F2"},
    {ProgramKey::FullScreen, "F11"},    {ProgramKey::MuteAll, "Ctrl+M"},
    {ProgramKey::MuteMusic, "Ctrl+Shift+M"}, {ProgramKey::MuteEffects, "Ctrl+Shift+E"},
    {ProgramKey::Save, "Ctrl+S"},       {ProgramKey::HurryComputer, "H"},
};
// The key of a program action.
constexpr const char* ProgramKeyText(ProgramKey action) {
    for (const ProgramKeyBinding& b : kProgramKeys)
        if (b.action == action) return b.key;
    return "";
}
// The program action a key stands for, if any.
std::optional<ProgramKey> ProgramKeyFor(const std::string& key);

// The program's actions as a menu chooses them (the board's game menu). The window runs them,
// on the window of the screen whose menu chose them (full screen and the sound are the
// window's); where no window runs them (the driver), nothing happens. isOn tells whether a
// switch is on (full screen; a mute) for the menu's marks.
struct ProgramActions {
    std::function<void(ProgramKey, Screen&)> run;
    std::function<bool(ProgramKey, Screen&)> isOn;
};
void SetProgramActions(ProgramActions actions);
void RunProgramAction(ProgramKey action, Screen& from);
bool ProgramSwitchOn(ProgramKey action, Screen& from);
