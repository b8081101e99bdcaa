#pragma once
// The program's own keys, on every window: full screen and the sound switches, for this run.
#include <functional>

// What the keys switch: the sound's two mutes, read and written.
struct SoundSwitches {
    std::function<bool()> musicMuted, effectsMuted;
    std::function<void(bool)> setMusicMuted, setEffectsMuted;
};

// Installs the key hook of every window: F11 toggles full screen (back to normalScale), Ctrl+M
// silences everything (or gives it back), Ctrl+Shift+M the music, Ctrl+Shift+E the effects.
// The same actions answer the menus that offer them (ui/KeyBindings.h, ProgramActions): the
// sound's switches say "on" when muted, full screen when the screen's window is full screen.
void InstallProgramKeys(SoundSwitches sound, double normalScale);
