#include <gtest/gtest.h>

#include <cstdlib>

#include <SDL2/SDL_mixer.h>

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
    if (!sdl.audioReady()) GTEST_SKIP() << "no audio device, even the dummy one";
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
