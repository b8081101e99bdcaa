#include "view/ProgramKeys.h"

#include <QApplication>
#include <optional>
#include <string>
#include <utility>

#include "save/SaveCommands.h"
#include "ui/KeyBindings.h"
#include "view/InputHook.h"
#include "view/ScreenView.h"

namespace {

// Runs a program action on a window; false for the actions the screens carry themselves.
bool Act(ProgramKey action, ScreenWindow* window, const SoundSwitches& sound, double normalScale) {
    switch (action) {
        case ProgramKey::FullScreen:
            if (window) window->ToggleFullScreen(normalScale);
            return true;
        case ProgramKey::MuteAll: {
            const bool mute = !(sound.musicMuted() && sound.effectsMuted());
            sound.setMusicMuted(mute);
            sound.setEffectsMuted(mute);
            return true;
        }
        case ProgramKey::MuteMusic:
            sound.setMusicMuted(!sound.musicMuted());
            return true;
        case ProgramKey::MuteEffects:
            sound.setEffectsMuted(!sound.effectsMuted());
            return true;
        case ProgramKey::Save:
            RequestSave();
            return true;
        case ProgramKey::Help:
        case ProgramKey::Journal:
            return false;  // the screens carry these
        case ProgramKey::HurryComputer:
            return false;  // the computer's pace, while it plays (and a letter like any other)
    }
    return false;
}

// The window that shows a screen, if any.
ScreenWindow* WindowShowing(const Screen& screen) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<ScreenWindow*>(w); window && &window->screen() == &screen) return window;
    return nullptr;
}

}  // namespace

void InstallProgramKeys(SoundSwitches sound, double normalScale) {
    SetGlobalKeyHook([sound, normalScale](const std::string& key, ScreenWindow& window) {
        const std::optional<ProgramKey> action = ProgramKeyFor(key);
        return action && Act(*action, &window, sound, normalScale);
    });
    // The same actions chosen in a menu (the board's game menu), on the window of its screen.
    ProgramActions actions;
    actions.run = [sound, normalScale](ProgramKey action, Screen& from) {
        Act(action, WindowShowing(from), sound, normalScale);
    };
    actions.isOn = [sound](ProgramKey action, Screen& from) {
        switch (action) {
            case ProgramKey::FullScreen: {
                ScreenWindow* window = WindowShowing(from);
                return window && window->isFullScreen();
            }
            case ProgramKey::MuteAll: return sound.musicMuted() && sound.effectsMuted();
            case ProgramKey::MuteMusic: return sound.musicMuted();
            case ProgramKey::MuteEffects: return sound.effectsMuted();
            default: return false;
        }
    };
    SetProgramActions(std::move(actions));
}
