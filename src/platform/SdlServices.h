#pragma once
// Music and wave sounds through SDL2_mixer (MIDI through FluidSynth and a General MIDI
// soundfont), and the mail client through the desktop. Any failure leaves the game silent.
#include <memory>
#include <string>

#include "ui/Services.h"

class SdlServices : public Services {
public:
    // folder: where the game's files lie (music and sounds load by bare name from there).
    explicit SdlServices(std::string folder);
    ~SdlServices() override;
    std::unique_ptr<MusicPlayer> NewMusicPlayer() override;
    void PlaySound(const std::string& file, int flags) override;
    void OpenMail(const std::string& address, const std::string& subject) override;

    bool audioReady() const { return ready_; }
    // For this run only: silence the music, the effects, or both.
    void SetMusicMuted(bool muted);
    void SetEffectsMuted(bool muted);
    bool musicMuted() const { return musicMuted_; }
    bool effectsMuted() const { return effectsMuted_; }

    std::string PathOf(const std::string& file) const;

private:
    struct Cache;
    std::string folder_;
    bool ready_ = false;
    bool musicMuted_ = false;
    bool effectsMuted_ = false;
    std::unique_ptr<Cache> cache_;
};

// The folder of the running executable.
std::string ProgramFolder();
