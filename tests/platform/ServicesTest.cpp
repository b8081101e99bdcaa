#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <SDL2/SDL_mixer.h>

#include <functional>
#include <string>

#include "platform/SdlServices.h"
#include "ui/Services.h"

TEST(Services, TheRecordingFakeKeepsTheOrderOfRequests) {
    RecordingServices fake;
    auto player = fake.NewMusicPlayer();
    player->SetFileName("start.mid");
    for (const char* c : {"open", "play", "stop", "close"}) player->Command(c);
    fake.PlaySound("song.wav", 1);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"music open start.mid", "music play start.mid", "music stop start.mid",
                                                 "music close start.mid", "sound song.wav 1"}));
}

TEST(Services, MissingOrBrokenFilesLeaveTheGameSilent) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    sdl.Start();
    auto player = sdl.NewMusicPlayer();
    player->SetFileName("no-such-tune.mid");
    EXPECT_NO_THROW({
        player->Command("open");
        player->Command("play");
        player->Command("stop");
        player->Command("close");
        player->Command("bogus");
        sdl.PlaySound("no-such-sound.wav", 1);
        sdl.PlaySound("", 1);
    });
}

TEST(Services, PlaysTheGeneratedMusicThroughTheSoundfont) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    if (!sdl.Start()) GTEST_SKIP() << "no audio device, even the dummy one";
    auto player = sdl.NewMusicPlayer();
    player->SetFileName("start.mid");
    player->Command("open");
    player->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 1);  // play returns at once while the piece goes on
    player->Command("stop");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    player->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    player.reset();                    // the piece stops when its screen's player goes
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sdl.PlaySound("cmbsnd1.wav", 1);
    EXPECT_GE(Mix_Playing(-1), 1);
}

// The game opens the sound device only once its first frame is up: what the title asked for
// before then must still happen, and nothing a closed screen asked for.
TEST(Services, WhatScreensAskedBeforeTheDeviceOpenedHappensWhenItOpens) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    EXPECT_FALSE(sdl.audioReady());
    sdl.PlaySound("cmbsnd1.wav", 1);  // dropped: no device yet

    auto title = sdl.NewMusicPlayer();
    title->SetFileName("start.mid");
    title->Command("open");
    title->Command("play");
    auto stopped = sdl.NewMusicPlayer();  // a screen that played, then stopped
    stopped->SetFileName("battle.mid");
    stopped->Command("open");
    stopped->Command("play");
    stopped->Command("stop");
    {
        auto gone = sdl.NewMusicPlayer();  // a screen closed before the device opened
        gone->SetFileName("battle.mid");
        gone->Command("open");
        gone->Command("play");
    }
    if (!sdl.Start()) GTEST_SKIP() << "no audio device, even the dummy one";
    EXPECT_TRUE(sdl.Start());  // once only; later calls answer
    // Only the title's piece plays: the stopped and the gone screens' players stay quiet.
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    title->Command("stop");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    stopped->Command("play");  // still opened: it plays when asked
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    stopped.reset();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);  // the early wave never sounded
}

TEST(Services, MutedMusicBeforeTheDeviceOpensStaysSilent) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    sdl.SetMusicMuted(true);
    auto title = sdl.NewMusicPlayer();
    title->SetFileName("start.mid");
    title->Command("open");
    title->Command("play");
    if (!sdl.Start()) GTEST_SKIP() << "no audio device, even the dummy one";
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sdl.SetMusicMuted(false);
    title->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

namespace {

// The sound device's mixing threads of this process (SDL names them SDLAudioP1, P2...).
int MixingThreads() {
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        if (name.rfind("SDLAudio", 0) == 0) ++count;
    }
    return count;
}

// Runs the events for up to ms milliseconds, until done() holds; whether it does.
bool EventsUntil(int ms, const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    return done();
}

}  // namespace

// In silence the sound device closes, so that its mixing thread stops waking the machine; the
// next effect or piece opens it again, and sounds.
TEST(Services, TheSoundDeviceRestsInSilenceAndWakesForTheNextSound) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    if (!sdl.Start()) GTEST_SKIP() << "no audio device, even the dummy one";
    // The mixing thread names itself once it runs, which a busy machine may delay.
    auto mixing = [] { return MixingThreads() >= 1; };
    sdl.PlaySound("cmbsnd1.wav", 1);
    ASSERT_TRUE(EventsUntil(2000, mixing));
    const int wait = SdlServices::kRestMs * 3;
    EXPECT_TRUE(EventsUntil(wait, [] { return MixingThreads() == 0; })) << "the device never rests";
    sdl.PlaySound("cmbsnd1.wav", 1);
    EXPECT_GE(Mix_Playing(-1), 1);
    EXPECT_TRUE(EventsUntil(2000, mixing)) << "the device did not open again";
    // A piece that plays round and round keeps it open; stopped, the device rests again.
    auto player = sdl.NewMusicPlayer();
    player->SetFileName("start.mid");
    player->Command("open");
    player->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_FALSE(EventsUntil(SdlServices::kRestMs + 1500, [] { return MixingThreads() == 0; }));
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    player->Command("stop");
    EXPECT_TRUE(EventsUntil(wait, [] { return MixingThreads() == 0; }));
    player->Command("play");  // loaded again, from the file it opened
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}
