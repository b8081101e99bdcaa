// A screen's piece goes on until the screen stops it or closes: it comes round again at once.
#include <gtest/gtest.h>

#include <SDL2/SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/DiskCapture.h"
#include "platform/SdlServices.h"

namespace fs = std::filesystem;

namespace {

// A piece of one second at 120 beats a minute: half a second of rest, then a piano note of a
// quarter of a second, then rest to the end of the second beat.
void WriteBeat(const fs::path& file) {
    const unsigned char midi[] = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,  // format 0, one track, 480 a beat
        'M', 'T', 'r', 'k', 0, 0, 0, 18,                          //
        0x00, 0xC0, 0x00,                                         // piano
        0x83, 0x60, 0x90, 60, 127,                                // tick 480: middle C
        0x81, 0x70, 0x80, 60, 0,                                  // tick 720: let go
        0x81, 0x70, 0xFF, 0x2F, 0x00,                             // tick 960: the end
    };
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(midi), sizeof midi);
}

// The times (seconds into the file) at which a note sounds after a stretch of quiet.
std::vector<double> Onsets(const std::vector<int16_t>& s) {
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
    const int threshold = peak / 4;
    std::vector<double> onsets;
    long long lastLoud = -DiskCapture::kRate;
    for (size_t f = 0; 2 * f + 1 < s.size(); ++f) {
        if (std::abs(int(s[2 * f])) < threshold && std::abs(int(s[2 * f + 1])) < threshold) continue;
        if ((long long)f - lastLoud > DiskCapture::kRate * 3 / 10) onsets.push_back(double(f) / DiskCapture::kRate);
        lastLoud = (long long)f;
    }
    return onsets;
}

// Plays the one-second piece for a little over three seconds, then stops it and lets the
// mixer run on. The screen asks before the sound device is open when `early`. Nothing when
// there is no sound device.
std::optional<std::vector<double>> PlayTheBeat(bool early) {
    const fs::path folder = fs::temp_directory_path() / ("quelmor-loop-" + std::to_string(getpid()));
    fs::create_directories(folder);
    WriteBeat(folder / "beat.mid");
    DiskCapture capture;
    {
        SdlServices sdl(folder.string());
        auto screen = sdl.NewMusicPlayer();
        screen->SetFileName("beat.mid");
        if (early) {
            screen->Command("open");
            screen->Command("play");
        }
        if (!sdl.Start()) {
            fs::remove_all(folder);
            return std::nullopt;
        }
        capture.Count();  // (loading a piece takes a few seconds of sound)
        if (!early) {
            screen->Command("open");
            screen->Command("play");
        }
        const double start = capture.Now();
        capture.WaitUntil(start + 3.2);
        EXPECT_EQ(Mix_PlayingMusic(), 1) << "the piece ended by itself";
        screen->Command("stop");
        capture.WaitUntil(capture.Now() + 1.0);
    }
    fs::remove_all(folder);
    const std::vector<int16_t> out = capture.Written();
    // The stop is heard: the last second is silence.
    const size_t lastSecond = 2 * DiskCapture::kRate;
    EXPECT_TRUE(out.size() > lastSecond &&
                std::all_of(out.end() - lastSecond, out.end(), [](int16_t v) { return v == 0; }))
        << "the piece went on after the stop";
    return Onsets(out);
}

// The note sounds once a round, and three rounds at least began before the stop (an early
// piece starts when the device opens, before the count: more rounds then).
void ExpectRoundsASecondApart(const std::vector<double>& onsets) {
    ASSERT_GE(onsets.size(), 3u) << "the piece did not come round again";
    // No gap where the piece comes round: the note comes back exactly a second later.
    for (size_t i = 1; i < onsets.size(); ++i) EXPECT_NEAR(onsets[i] - onsets[i - 1], 1.0, 0.005) << "round " << i;
}

}  // namespace

TEST(MusicLoop, APieceComesRoundAgainAtOnceUntilItsScreenStopsIt) {
    const auto onsets = PlayTheBeat(false);
    if (!onsets) GTEST_SKIP() << "no disk audio driver";
    ExpectRoundsASecondApart(*onsets);
}

TEST(MusicLoop, APiecePlayedBeforeTheDeviceOpenedComesRoundAgainToo) {
    const auto onsets = PlayTheBeat(true);
    if (!onsets) GTEST_SKIP() << "no disk audio driver";
    ExpectRoundsASecondApart(*onsets);
}

// FluidSynth starts a repeating piece again inside the sound thread, and keeps trying there: a
// piece it cannot read, or one that ends where it starts, must not be asked to repeat, or the
// sound thread spins for ever holding the mixer's lock and the next command never returns.
TEST(MusicLoop, ADamagedOrEmptyPieceDoesNotHoldTheSoundThread) {
    const fs::path folder = fs::temp_directory_path() / ("quelmor-damaged-" + std::to_string(getpid()));
    fs::create_directories(folder);
    {
        std::ifstream in(fs::path(QUELMOR_BIN_DIR) / "battle.mid", std::ios::binary);
        const std::string battle((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ofstream(folder / "half.mid", std::ios::binary) << battle.substr(0, battle.size() / 2);
        const char empty[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, char(0xE0),
                              'M', 'T', 'r', 'k', 0, 0, 0, 8, 0x00, char(0x90), 60, 100, 0x00, char(0xFF), 0x2F, 0x00};
        std::ofstream(folder / "empty.mid", std::ios::binary).write(empty, sizeof empty);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // mixes as a sound card would take it
    auto sdl = std::make_unique<SdlServices>(folder.string());
    if (!sdl->Start()) GTEST_SKIP() << "no audio device, even the dummy one";
    auto screen = sdl->NewMusicPlayer();
    std::atomic<bool> done{false};
    std::thread commands([&] {
        for (const char* piece : {"half.mid", "empty.mid", "half.mid"}) {
            screen->SetFileName(piece);
            screen->Command("open");
            screen->Command("play");
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            screen->Command("stop");
        }
        screen->Command("close");
        done = true;
    });
    for (int i = 0; i < 300 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!done) {
        // Nothing can be closed any more: every mixer call waits for the spinning thread.
        ADD_FAILURE() << "the sound thread held the mixer: a command never returned";
        std::fflush(stdout);
        std::_Exit(1);
    }
    commands.join();
    screen.reset();
    sdl.reset();
    fs::remove_all(folder);
}
