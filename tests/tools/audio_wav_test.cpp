// The four sound effects: 16-bit mono PCM at 44100 Hz with consistent headers, of their
// intended lengths, loud but never clipped, starting at once and ending without a click,
// each with its own character, and loadable by SDL_mixer.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QFile>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Wave {
    std::string error;
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<int16_t> samples;
    double Seconds() const { return rate ? double(samples.size()) / rate : 0; }
};

uint32_t Le(const QByteArray& b, qsizetype at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

Wave Read(const QString& name) {
    Wave w;
    QFile f(QString(QUELMOR_BIN_DIR) + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) return w.error = "cannot open", w;
    const QByteArray b = f.readAll();
    if (b.size() < 44 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return w.error = "not RIFF WAVE", w;
    if (Le(b, 4, 4) != uint32_t(b.size() - 8)) return w.error = "RIFF size", w;
    qsizetype at = 12;
    bool fmt = false;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const uint32_t len = Le(b, at + 4, 4);
        if (at + 8 + qsizetype(len) > b.size()) return w.error = "chunk runs past the file", w;
        if (id == "fmt ") {
            fmt = true;
            w.format = int(Le(b, at + 8, 2));
            w.channels = int(Le(b, at + 10, 2));
            w.rate = int(Le(b, at + 12, 4));
            w.byteRate = int(Le(b, at + 16, 4));
            w.blockAlign = int(Le(b, at + 20, 2));
            w.bits = int(Le(b, at + 22, 2));
        } else if (id == "data") {
            if (!fmt) return w.error = "data before fmt", w;
            for (uint32_t i = 0; i + 1 < len; i += 2) w.samples.push_back(int16_t(Le(b, at + 8 + i, 2)));
            if (at + 8 + qsizetype(len) != b.size()) return w.error = "bytes after the data", w;
            return w;
        }
        at += 8 + qsizetype(len) + (len & 1);
    }
    return w.error = "no data chunk", w;
}

double Peak(const Wave& w, size_t from, size_t to) {
    double peak = 0;
    for (size_t i = from; i < std::min(to, w.samples.size()); ++i) peak = std::max(peak, std::abs(w.samples[i] / 32768.0));
    return peak;
}

// Zero crossings a second: a rough measure of how bright a sound is.
double Crossings(const Wave& w, size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < std::min(to, w.samples.size()); ++i) n += (w.samples[i - 1] < 0) != (w.samples[i] < 0);
    return n * 44100.0 / double(to - from);
}

double Rms(const Wave& w, size_t from, size_t to) {
    double s = 0;
    for (size_t i = from; i < to; ++i) s += double(w.samples[i]) * w.samples[i];
    return std::sqrt(s / double(to - from)) / 32768.0;
}

struct Effect {
    const char* file;
    double minSeconds, maxSeconds;
};

std::ostream& operator<<(std::ostream& os, const Effect& e) { return os << e.file; }

class Effects : public testing::TestWithParam<Effect> {};

TEST_P(Effects, HeaderIsSixteenBitMonoPcm) {
    const Wave w = Read(GetParam().file);
    ASSERT_EQ(w.error, "");
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 44100);
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.blockAlign, 2);
    EXPECT_EQ(w.byteRate, 88200);
    EXPECT_GE(w.Seconds(), GetParam().minSeconds);
    EXPECT_LE(w.Seconds(), GetParam().maxSeconds);
}

TEST_P(Effects, LoudButNeverClipped) {
    const Wave w = Read(GetParam().file);
    ASSERT_EQ(w.error, "");
    const double peak = Peak(w, 0, w.samples.size());
    EXPECT_LT(peak, 0.95);
    EXPECT_GT(peak, 0.5);
    double mean = 0;
    for (int16_t s : w.samples) mean += s / 32768.0;
    EXPECT_LT(std::abs(mean / double(w.samples.size())), 0.01);  // no offset
}

TEST_P(Effects, StartsAtOnceAndEndsWithoutAClick) {
    const Wave w = Read(GetParam().file);
    ASSERT_EQ(w.error, "");
    const double peak = Peak(w, 0, w.samples.size());
    EXPECT_GT(Peak(w, 0, 441), 0.3 * peak);  // within 10 ms
    EXPECT_LT(std::abs(w.samples.front()), 200);
    EXPECT_LT(Peak(w, w.samples.size() - 88, w.samples.size()), 0.01);
    // And it dies away: the last fifth is much quieter than the first.
    const size_t n = w.samples.size();
    EXPECT_LT(Rms(w, n * 4 / 5, n), 0.5 * Rms(w, 0, n / 5));
}

TEST_P(Effects, LoadsInTheMixer) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 1, 1024), 0) << Mix_GetError();
    Mix_Chunk* chunk = Mix_LoadWAV((QString(QUELMOR_BIN_DIR) + "/" + GetParam().file).toLocal8Bit().constData());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    const Wave w = Read(GetParam().file);
    int rate = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
    if (rate == 44100 && format == AUDIO_S16SYS) {  // no resampling: every sample arrives
        EXPECT_EQ(chunk->alen, uint32_t(w.samples.size() * 2 * size_t(channels)));
    }
    Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

INSTANTIATE_TEST_SUITE_P(Sounds, Effects,
                         testing::Values(Effect{"song.wav", 1.2, 1.8}, Effect{"cmbsnd1.wav", 0.3, 0.5},
                                         Effect{"cmbsnd2.wav", 0.6, 1.0}, Effect{"cmbsnd3.wav", 0.3, 0.5}),
                         [](const testing::TestParamInfo<Effect>& info) {
                             const std::string f = info.param.file;
                             return f.substr(0, f.find('.'));
                         });

TEST(EffectCharacter, BlowIsDullParryRingsSpellSparkles) {
    const Wave blow = Read("cmbsnd1.wav"), parry = Read("cmbsnd3.wav"), spell = Read("cmbsnd2.wav"), flash = Read("song.wav");
    ASSERT_EQ(blow.error + parry.error + spell.error + flash.error, "");
    // The blow's thud is lower than the clang of the parry, the spell brighter than both.
    EXPECT_LT(Crossings(blow, 0, 4410), Crossings(parry, 0, 4410));
    EXPECT_GT(Crossings(spell, 0, spell.samples.size()), Crossings(blow, 0, blow.samples.size()));
    // The parry and the flash ring on: still sounding after a quarter of their length.
    EXPECT_GT(Rms(parry, parry.samples.size() / 4, parry.samples.size() / 2), 0.02);
    EXPECT_GT(Rms(flash, flash.samples.size() / 2, flash.samples.size() * 3 / 4), 0.01);
}

}  // namespace
