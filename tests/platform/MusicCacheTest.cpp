// The SDL services keep the piece loaded last for the next screen that plays it.
#include <gtest/gtest.h>

#include <SDL2/SDL_mixer.h>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "platform/SdlServices.h"

namespace {

double OpenAndPlayMs(MusicPlayer& player, const char* file) {
    auto start = std::chrono::steady_clock::now();
    player.SetFileName(file);
    player.Command("open");
    player.Command("play");
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

class MusicCache : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        sdl = std::make_unique<SdlServices>(QUELMOR_BIN_DIR);
        sdl->Start();
        if (!sdl->audioReady()) GTEST_SKIP() << "no audio device, even the dummy one";
    }
    std::unique_ptr<SdlServices> sdl;
};

}  // namespace

TEST_F(MusicCache, TheNextFightPlaysTheKeptPieceAtOnce) {
    double first;
    {
        auto fight = sdl->NewMusicPlayer();
        first = OpenAndPlayMs(*fight, "battle.mid");
        EXPECT_EQ(Mix_PlayingMusic(), 1);
    }  // the fight's screen closes: its piece stops
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    auto next = sdl->NewMusicPlayer();
    const double again = OpenAndPlayMs(*next, "battle.mid");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    // No new synthesizer, no soundfont read again.
    EXPECT_LT(again * 5, first) << "first " << first << " ms, again " << again << " ms";
    next->Command("stop");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    next->Command("play");  // from the start again
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(MusicCache, AScreenWhosePieceWasReplacedLoadsItAgain) {
    auto title = sdl->NewMusicPlayer();
    auto fight = sdl->NewMusicPlayer();
    OpenAndPlayMs(*title, "start.mid");
    title->Command("stop");
    OpenAndPlayMs(*fight, "battle.mid");  // takes the place of the title's piece
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    fight->Command("stop");
    title->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    fight->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    fight.reset();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    title->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(MusicCache, AMissingPieceStaysSilentAndLeavesThePlayingOneAlone) {
    auto title = sdl->NewMusicPlayer();
    auto other = sdl->NewMusicPlayer();
    OpenAndPlayMs(*title, "start.mid");
    for (int i = 0; i < 2; ++i) {
        other->SetFileName("no-such-tune.mid");
        other->Command("open");
        other->Command("play");
        EXPECT_EQ(Mix_PlayingMusic(), 1);  // still the title's piece
    }
    title->Command("close");
    other->Command("play");
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}
