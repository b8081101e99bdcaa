// The SDL services keep every piece they loaded, and leave the process's signals alone.
#include <gtest/gtest.h>

#include <SDL2/SDL_mixer.h>
#include <csignal>
#include <chrono>
#include <cstdlib>

#include "platform/SdlServices.h"

namespace {

double OpenAndPlayMs(MusicPlayer& player, const char* file) {
    auto start = std::chrono::steady_clock::now();
    player.SetFileName(file);
    player.Command("open");
    player.Command("play");
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(MusicCache, APieceIsLoadedOnceAndReplaysFromTheStart) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    if (!sdl.audioReady()) GTEST_SKIP() << "no audio device, even the dummy one";
    auto title = sdl.NewMusicPlayer();
    auto fight = sdl.NewMusicPlayer();
    const double first = OpenAndPlayMs(*title, "start.mid");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    title->Command("stop");
    OpenAndPlayMs(*fight, "battle.mid");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    fight->Command("close");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    // Back to the title's piece: no new synthesizer, no soundfont read again.
    const double again = OpenAndPlayMs(*title, "start.mid");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_LT(again * 5, first) << "first " << first << " ms, again " << again << " ms";
    // The other player closing its (cached) piece leaves this one playing.
    fight->SetFileName("battle.mid");
    fight->Command("open");
    fight->Command("close");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    title.reset();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST(MusicCache, AMissingPieceIsNotKeptAndStaysSilent) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    if (!sdl.audioReady()) GTEST_SKIP() << "no audio device, even the dummy one";
    auto player = sdl.NewMusicPlayer();
    for (int i = 0; i < 2; ++i) {
        player->SetFileName("no-such-tune.mid");
        player->Command("open");
        player->Command("play");
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
}

TEST(Signals, TheSoundLeavesTerminationToTheProcess) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlServices sdl(QUELMOR_BIN_DIR);
    for (int sig : {SIGTERM, SIGINT}) {
        struct sigaction now {};
        ASSERT_EQ(sigaction(sig, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << "signal " << sig;
    }
}
