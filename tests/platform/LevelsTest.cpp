// The levels the mixer gives the music and the effects, on what the sound device receives.
#include <gtest/gtest.h>

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/DiskCapture.h"
#include "platform/SdlServices.h"

// The battle's first ten seconds hold some of its loudest bars: they must not reach full scale,
// and the effects of a fight must stand well above them.
TEST(Levels, TheBattleStaysBelowFullScaleAndTheEffectsStandAboveIt) {
    DiskCapture capture;
    {
        SdlServices sdl(QUELMOR_BIN_DIR);
        if (!sdl.Start()) GTEST_SKIP() << "no disk audio driver";
        // A player's mute and unmute leave the music at the level it started at.
        const int level = Mix_VolumeMusic(-1);
        sdl.SetMusicMuted(true);
        sdl.SetMusicMuted(false);
        EXPECT_EQ(Mix_VolumeMusic(-1), level);

        capture.Count();
        auto fight = sdl.NewMusicPlayer();
        fight->SetFileName("battle.mid");
        fight->Command("open");
        fight->Command("play");
        capture.WaitUntil(capture.Now() + 10);
        fight.reset();
        // Then each effect on its own, after half a second of silence.
        for (int i = 1; i <= 3; ++i) {
            capture.WaitUntil(capture.Now() + 0.5);
            sdl.PlaySound("cmbsnd" + std::to_string(i) + ".wav", 1);
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (Mix_Playing(-1) && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        capture.WaitUntil(capture.Now() + 0.5);
    }
    const std::vector<int16_t> out = capture.Written();
    const std::vector<Span> runs = SoundRuns(out);
    ASSERT_EQ(runs.size(), 4u) << "the music, then the three effects";

    const Span music = runs[0];
    ASSERT_GE(music.second - music.first, size_t(9.5 * DiskCapture::kRate));
    const Level whole = Measure(out, music);
    EXPECT_LT(whole.peakDb, -1.0);
    EXPECT_EQ(whole.clipped, 0);
    EXPECT_GT(whole.peakDb, -20.0) << "the music is hardly audible";
    double loudest = -120;  // the RMS of the loudest half second of the music
    for (size_t f = music.first; f + DiskCapture::kRate / 2 <= music.second; f += DiskCapture::kRate / 4)
        loudest = std::max(loudest, Measure(out, {f, f + DiskCapture::kRate / 2}).rmsDb);

    for (int i = 1; i <= 3; ++i) {
        const Level effect = Measure(out, runs[size_t(i)]);
        EXPECT_EQ(effect.clipped, 0) << "cmbsnd" << i;
        EXPECT_GE(effect.peakDb - loudest, 6.0)
            << "cmbsnd" << i << " peaks at " << effect.peakDb << " dBFS over music of " << loudest << " dBFS RMS";
    }
}
