// Levels of the music and the effects on what the sound device receives. SDL's disk driver
// writes every buffer the mixer fills to a file, without waiting for a sound card, so that an
// hour of music takes seconds; the file is read back and measured. A post-mix hook only counts
// the frames (to time the effects and the ends of the pieces) and notes where each effect
// starts, so that the effect can be told apart from the music it is mixed with.
#include "levels.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/MidiLength.h"
#include "platform/SdlServices.h"

namespace {

constexpr double kFullScale = 32768.0;
constexpr double kPastTheEnd = 10.0;  // seconds played after a piece's end
constexpr int kMaxChannels = 32;

// A piece's length in seconds, read as the game reads it before asking for repeats.
double PieceSeconds(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return MidiSeconds(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

// ---------------------------------------------------------------- what the mixer does, live

struct EffectStart {
    int channel;
    long long frame;  // the first frame of the mixing buffer it started in
    Mix_Chunk* chunk;
};

std::atomic<long long> gFrames{0};  // frames mixed since the hook was set
std::atomic<long long> gFirstSound{-1};  // the first frame that is not silence, by that count
int gFrameBytes = 4;
int gChannels = 0;
std::array<bool, kMaxChannels> gWasPlaying{};
std::array<EffectStart, 64> gStarts{};
std::atomic<int> gStartCount{0};

// Runs at the end of every mixing callback, with the device locked. A channel that plays now
// and did not at the previous callback started at the first frame of this one.
void PostMix(void*, Uint8* stream, int len) {
    const long long first = gFrames;
    if (gFirstSound < 0) {
        const auto* s = reinterpret_cast<const int16_t*>(stream);
        for (int i = 0; i < len / 2; ++i)
            if (s[i] != 0) {
                gFirstSound = first + i / 2;
                break;
            }
    }
    for (int ch = 0; ch < gChannels; ++ch) {
        const bool playing = Mix_Playing(ch) != 0;
        if (playing && !gWasPlaying[size_t(ch)] && gStartCount < int(gStarts.size()))
            gStarts[size_t(gStartCount++)] = {ch, first, Mix_GetChunk(ch)};
        gWasPlaying[size_t(ch)] = playing;
    }
    gFrames = first + len / gFrameBytes;
}

void WaitForFrame(long long frame) {
    while (gFrames < frame) std::this_thread::sleep_for(std::chrono::microseconds(500));
}

// ---------------------------------------------------------------- measures

double Db(double ratio) { return ratio > 0 ? std::max(-120.0, 20 * std::log10(ratio)) : -120.0; }

struct Stats {
    double peak = 0;    // of full scale
    double sumSq = 0;   // of full scale, squared
    long long samples = 0;
    long long clipped = 0;  // samples at full scale
    double PeakDb() const { return Db(peak); }
    double RmsDb() const { return samples ? Db(std::sqrt(sumSq / double(samples))) : -120.0; }
};

// Samples are interleaved stereo; ranges are in frames. Frames marked in `skip` are left out.
Stats Measure(const std::vector<int32_t>& s, long long from, long long to, const std::vector<bool>* skip = nullptr) {
    Stats st;
    from = std::max(0LL, from);
    to = std::min<long long>(to, (long long)(s.size() / 2));
    for (long long f = from; f < to; ++f) {
        if (skip && (*skip)[size_t(f)]) continue;
        for (size_t i = size_t(2 * f); i < size_t(2 * f + 2); ++i) {
            const double v = std::abs(s[i]) / kFullScale;
            st.peak = std::max(st.peak, v);
            st.sumSq += v * v;
            if (s[i] >= 32767 || s[i] <= -32768) ++st.clipped;
            ++st.samples;
        }
    }
    return st;
}

// The longest run of frames below -60 dBFS on both sides, in milliseconds.
double LongestQuietMs(const std::vector<int32_t>& s, long long from, long long to, int freq) {
    long long run = 0, best = 0;
    for (long long f = std::max(0LL, from); f < to && 2 * f + 1 < (long long)s.size(); ++f) {
        const bool quiet = std::abs(s[size_t(2 * f)]) < 33 && std::abs(s[size_t(2 * f + 1)]) < 33;
        run = quiet ? run + 1 : 0;
        best = std::max(best, run);
    }
    return 1000.0 * double(best) / freq;
}

// The first frame from `from` on louder than `level` (of full scale), or `to`.
long long FirstAbove(const std::vector<int32_t>& s, long long from, long long to, double level) {
    const int32_t threshold = int32_t(level * kFullScale);
    for (long long f = std::max(0LL, from); f < to && 2 * f + 1 < (long long)s.size(); ++f)
        if (std::abs(s[size_t(2 * f)]) > threshold || std::abs(s[size_t(2 * f + 1)]) > threshold) return f;
    return to;
}

struct Piece {
    std::string file;
    double seconds = 0;
    long long asked = 0, end = 0;  // frames: "play" sent, screen closed
};

struct Hit {
    std::string file;
    long long frame = 0;
    std::vector<int32_t> samples;  // what the effect adds to the mix, interleaved stereo
};

}  // namespace

int RunLevels() {
    const std::string raw = "/tmp/quelmor-levels-" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);  // no waiting for a sound card that isn't there

    std::vector<Piece> pieces;
    std::vector<Hit> hits;
    int freq = 0;
    {
        SdlServices services(ProgramFolder());
        if (!services.Start()) {
            std::printf("audio_ready 0\n");
            return 1;
        }
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&freq, &format, &channels);
        if (format != AUDIO_S16SYS || channels != 2) {
            std::printf("levels_format_unexpected 1\n");
            return 1;
        }
        gFrameBytes = 4;
        gChannels = std::min(Mix_AllocateChannels(-1), kMaxChannels);
        std::printf("levels_driver %s\nlevels_music_volume %d\nlevels_effect_volume %d\n",
                    SDL_GetCurrentAudioDriver(), Mix_VolumeMusic(-1), Mix_Volume(-1, -1));
        Mix_SetPostMix(PostMix, nullptr);

        for (const char* file : {"start.mid", "battle.mid", "marche.mid", "forge.mid"}) {
            Piece piece{file, PieceSeconds(services.PathOf(file))};
            if (piece.seconds <= 0) {
                std::printf("levels_unreadable %s\n", file);
                return 1;
            }
            {
                auto player = services.NewMusicPlayer();  // one screen's player
                player->SetFileName(file);
                player->Command("open");
                piece.asked = gFrames;
                player->Command("play");
                if (piece.file == "battle.mid") {
                    // The fight's blows, spells and parries, spread over the piece and past
                    // its end: each of the three effects at four moments.
                    const double span = piece.seconds + kPastTheEnd - 1;
                    for (int i = 0; i < 12; ++i) {
                        WaitForFrame(piece.asked + (long long)(freq * span * (i + 0.5) / 12));
                        services.PlaySound("cmbsnd" + std::to_string(1 + i % 3) + ".wav", 1);
                    }
                }
                WaitForFrame(piece.asked + (long long)(freq * (piece.seconds + kPastTheEnd)));
                piece.end = gFrames;
            }  // the screen closes
            pieces.push_back(piece);
            WaitForFrame(gFrames + freq / 4);
        }
        Mix_SetPostMix(nullptr, nullptr);
        // What each effect added to the mix: its samples at the volume they were mixed at.
        for (int i = 0; i < gStartCount; ++i) {
            const EffectStart& st = gStarts[size_t(i)];
            Hit hit;
            hit.frame = st.frame;
            hit.file = "cmbsnd" + std::to_string(1 + i % 3) + ".wav";  // in the order played
            const int volume = Mix_MasterVolume(-1) * Mix_Volume(st.channel, -1) * st.chunk->volume /
                               (MIX_MAX_VOLUME * MIX_MAX_VOLUME);
            const auto* data = reinterpret_cast<const int16_t*>(st.chunk->abuf);
            for (Uint32 k = 0; k < st.chunk->alen / 2; ++k) hit.samples.push_back(data[k] * volume / MIX_MAX_VOLUME);
            hits.push_back(std::move(hit));
        }
    }  // the device closes: the file is complete

    std::ifstream in(raw, std::ios::binary);
    std::vector<int32_t> out;
    for (int16_t v; in.read(reinterpret_cast<char*>(&v), sizeof v);) out.push_back(v);
    in.close();
    std::remove(raw.c_str());
    std::printf("levels_frames %zu\n", out.size() / 2);
    // The file begins with the buffers mixed before the hook was set: the first sound tells
    // how many (nothing sounds before the first piece).
    long long fileFirst = 0;
    while (size_t(fileFirst) < out.size() && out[size_t(fileFirst)] == 0) ++fileFirst;
    if (gFirstSound < 0 || size_t(fileFirst) == out.size()) {
        std::printf("levels_silent 1\n");
        return 1;
    }
    const long long shift = fileFirst / 2 - gFirstSound;
    for (Piece& p : pieces) {
        p.asked += shift;
        p.end += shift;
    }
    for (Hit& h : hits) h.frame += shift;

    // The music alone: the mix less what the effects added (exact where the mix did not reach
    // full scale); the pieces' own figures leave out the frames where an effect sounds.
    std::vector<int32_t> music = out;
    std::vector<bool> effectFrames(out.size() / 2);
    for (const Hit& h : hits)
        for (size_t k = 0; k < h.samples.size() && size_t(2 * h.frame) + k < music.size(); ++k) {
            music[size_t(2 * h.frame) + k] -= h.samples[k];
            effectFrames[size_t(h.frame) + k / 2] = true;
        }

    for (const Piece& p : pieces) {
        // The piece starts with the first sound after "play" (the stream is silent before).
        long long start = p.asked;
        while (start < p.end && out[size_t(2 * start)] == 0 && out[size_t(2 * start + 1)] == 0) ++start;
        const long long length = (long long)std::llround(p.seconds * freq);
        const long long loop = start + length;
        const Stats all = Measure(out, start, p.end, &effectFrames);
        const char* f = p.file.c_str();
        std::printf("piece_%s_seconds %.1f\n", f, p.seconds);
        std::printf("piece_%s_peak_dbfs %.2f\npiece_%s_rms_dbfs %.2f\npiece_%s_clipped %lld\n", f, all.PeakDb(), f,
                    all.RmsDb(), f, all.clipped);
        // Where the piece comes round again. What still sounds in its last 50 ms is cut off
        // there (FluidSynth resets the synthesizer): a click unless it is faint. The next round
        // begins when the sound rises well above that; the rests the piece itself ends with
        // show as the longest quiet stretch about its end.
        const double tail = Measure(music, loop - freq / 20, loop).peak;
        const long long next = FirstAbove(music, loop - freq / 20, p.end, std::max(4 * tail, 0.001));
        std::printf("piece_%s_tail_dbfs %.1f\n", f, Db(tail));
        std::printf("piece_%s_restart_ms %.1f\n", f, 1000.0 * double(next - loop) / freq);
        std::printf("piece_%s_quiet_ms %.0f\n", f, LongestQuietMs(music, loop - 5 * freq, p.end, freq));
        std::printf("piece_%s_after_end_rms_dbfs %.1f\n", f, Measure(music, loop + freq, p.end).RmsDb());
    }

    // Each effect over the battle music: its own peak against the music's RMS while it sounds.
    std::map<std::string, double> margin, peakDb, musicDb;
    Stats mix;
    for (const Hit& h : hits) {
        const long long frames = (long long)h.samples.size() / 2;
        double peak = 0;
        for (int32_t v : h.samples) peak = std::max(peak, std::abs(v) / kFullScale);
        const double musicRms = Measure(music, h.frame, h.frame + frames).RmsDb();
        const Stats heard = Measure(out, h.frame, h.frame + frames);
        mix.peak = std::max(mix.peak, heard.peak);
        mix.clipped += heard.clipped;
        const double m = Db(peak) - musicRms;
        if (!margin.count(h.file) || m < margin[h.file]) {
            margin[h.file] = m;
            peakDb[h.file] = Db(peak);
            musicDb[h.file] = musicRms;
        }
    }
    std::printf("effects_played %zu\n", hits.size());  // 12 expected
    for (const auto& [file, m] : margin)
        std::printf("effect_%s_peak_dbfs %.2f\neffect_%s_music_rms_dbfs %.2f\neffect_%s_over_music_db %.1f\n",
                    file.c_str(), peakDb[file], file.c_str(), musicDb[file], file.c_str(), m);
    std::printf("effects_mix_peak_dbfs %.2f\neffects_mix_clipped %lld\n", mix.PeakDb(), mix.clipped);
    return 0;
}
