#pragma once
// What the game's mixer hands the sound device, for the tests: SDL's disk driver writes every
// mixed buffer to a file, as fast as the mixer fills them (no waiting for a sound card), and
// the file is read back once the device has closed. The mixer's frames are counted as they are
// mixed, so that a test waits for a moment of the sound rather than of the clock (loading a
// piece takes seconds of sound). Where things start in the file is read from the sound itself:
// a pause of the test's thread lets the mixer run on.
#include <SDL2/SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class DiskCapture {
public:
    static constexpr int kRate = 44100;  // the rate the game opens the device at

    // Call before SdlServices::Start: the device it opens is the disk.
    DiskCapture() : file_("/tmp/quelmor-capture-" + std::to_string(getpid()) + ".raw") {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
    }
    ~DiskCapture() {
        Mix_SetPostMix(nullptr, nullptr);  // the mixer keeps its hook from one device to the next
        std::remove(file_.c_str());
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    // Call once the device is open: counts the frames mixed from now on.
    void Count() {
        frames_ = 0;
        Mix_SetPostMix(&DiskCapture::Counted, this);
    }
    // Seconds of sound mixed since Count.
    double Now() const { return double(frames_) / kRate; }
    // Waits until the mixer has mixed up to this time (at most a minute of the clock).
    void WaitUntil(double seconds) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (frames_ < (long long)(seconds * kRate) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    // After the device has closed: every sample written, interleaved stereo.
    std::vector<int16_t> Written() const {
        std::ifstream in(file_, std::ios::binary);
        std::vector<int16_t> s;
        for (int16_t v; in.read(reinterpret_cast<char*>(&v), sizeof v);) s.push_back(v);
        return s;
    }

private:
    static void Counted(void* self, Uint8*, int len) { static_cast<DiskCapture*>(self)->frames_ += len / 4; }
    std::string file_;
    std::atomic<long long> frames_{0};
};

// Frames [first, end) of interleaved stereo samples.
using Span = std::pair<size_t, size_t>;

// The stretches of sound, apart by at least a quarter of a second of plain zeros (the mixer's
// silence; FluidSynth's dither never leaves a piece at zero for that long).
inline std::vector<Span> SoundRuns(const std::vector<int16_t>& s) {
    const size_t gap = DiskCapture::kRate / 4;
    std::vector<Span> runs;
    size_t lastSound = 0;
    for (size_t f = 0; 2 * f + 1 < s.size(); ++f) {
        if (s[2 * f] == 0 && s[2 * f + 1] == 0) continue;
        if (runs.empty() || f - lastSound > gap) runs.push_back({f, f + 1});
        runs.back().second = f + 1;
        lastSound = f;
    }
    return runs;
}

// Peak and RMS of some frames, in dB of full scale, and how many samples sit at full scale.
struct Level {
    double peakDb = -120, rmsDb = -120;
    long long clipped = 0;
};
inline Level Measure(const std::vector<int16_t>& s, Span frames) {
    const size_t from = 2 * frames.first, to = std::min(s.size(), 2 * frames.second);
    int peak = 0;
    double sumSq = 0;
    Level level;
    for (size_t i = from; i < to; ++i) {
        peak = std::max(peak, std::abs(int(s[i])));
        sumSq += double(s[i]) * s[i];
        if (s[i] == 32767 || s[i] == -32768) ++level.clipped;
    }
    if (peak > 0) level.peakDb = 20 * std::log10(peak / 32768.0);
    if (sumSq > 0) level.rmsDb = 10 * std::log10(sumSq / double(to - from) / (32768.0 * 32768.0));
    return level;
}
