#pragma once
// Music and wave sounds through SDL2_mixer (MIDI through FluidSynth and a General MIDI
// soundfont), and the mail client through the desktop. Any failure leaves the game silent.
// A screen's piece plays round and round until the screen stops it or closes.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Services.h"

class QTimer;
class SdlMusicPlayer;

class SdlServices : public Services {
public:
    // folder: where the game's files lie (music and sounds load by bare name from there).
    // Nothing is loaded or opened yet: see Start.
    explicit SdlServices(std::string folder);
    ~SdlServices() override;
    // Loads the mixer and opens the sound device (once; later calls only answer). Pieces that
    // screens opened and played before this start now. Returns whether sound works.
    bool Start();
    std::unique_ptr<MusicPlayer> NewMusicPlayer() override;
    // Waves asked for before Start, or while effects are muted, are not played.
    void PlaySound(const std::string& file, int flags) override;
    void OpenMail(const std::string& address, const std::string& subject) override;
    // The file dialog is the windows' own (see SetFileDialog); without one, every question is
    // answered "cancelled".
    std::string AskFileName(const FileQuestion& question) override;
    std::string SavesFolder() override;
    void SetFileDialog(std::function<std::string(const FileQuestion&)> dialog) { fileDialog_ = std::move(dialog); }

    bool audioReady() const { return ready_; }
    // Is the sound device open? Once nothing has sounded for kRestMs it closes, so that its
    // mixing thread stops waking (some forty times a second, music or not); the next sound or
    // piece opens it again. Screens see no difference.
    bool deviceOpen() const { return deviceOpen_; }
    static constexpr int kRestMs = 5000;
    // For this run only: silence the music, the effects, or both.
    void SetMusicMuted(bool muted);
    void SetEffectsMuted(bool muted);
    bool musicMuted() const { return musicMuted_; }
    bool effectsMuted() const { return effectsMuted_; }

    std::string PathOf(const std::string& file) const;

private:
    friend class SdlMusicPlayer;
    struct Cache;
    bool OpenDevice();
    // Opens the device again if it rested; false when sound does not work.
    bool Awake();
    // Looks again in kRestMs whether anything still sounds; the device closes if not.
    void RestLater();
    void Rest();
    bool deviceOpen_ = false;
    const char* soundFont_ = nullptr;
    std::unique_ptr<QTimer> rest_;
    std::string folder_;
    bool started_ = false;
    bool ready_ = false;
    bool musicMuted_ = false;
    bool effectsMuted_ = false;
    std::unique_ptr<Cache> cache_;
    std::vector<SdlMusicPlayer*> players_;  // alive, in the order they were made
    std::function<std::string(const FileQuestion&)> fileDialog_;
};

// The folder of the running executable.
std::string ProgramFolder();
