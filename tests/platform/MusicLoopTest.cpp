// A screen's piece goes on until the screen stops it or closes: it comes round again at once.
#include <gtest/gtest.h>

#include <SDL2/SDL_mixer.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
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
        capture.WaitUntil(start + 4.5);
    }
    fs::remove_all(folder);
    return Onsets(capture.Written());
}

// The note sounds once a round, and three rounds at least began before the stop (an early
// piece starts when the device opens, a little before the count).
void ExpectRoundsASecondApart(const std::vector<double>& onsets) {
    ASSERT_GE(onsets.size(), 3u) << "the piece did not come round again";
    ASSERT_LE(onsets.size(), 5u) << "the piece went on after the stop";
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
