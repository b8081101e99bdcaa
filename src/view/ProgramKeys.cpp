#include "view/ProgramKeys.h"

#include <optional>
#include <string>
#include <utility>

#include "save/SaveCommands.h"
#include "ui/KeyBindings.h"
#include "view/InputHook.h"
#include "view/ScreenView.h"

void InstallProgramKeys(SoundSwitches sound, double normalScale) {
    SetGlobalKeyHook([sound = std::move(sound), normalScale](const std::string& key, ScreenWindow& window) {
        const std::optional<ProgramKey> action = ProgramKeyFor(key);
        if (!action) return false;
        switch (*action) {
            case ProgramKey::FullScreen:
                window.ToggleFullScreen(normalScale);
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
    });
}
