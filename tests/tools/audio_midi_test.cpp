// The MIDI writer and the four tunes: the writer's bytes read back with the tests' own
// reader; each tune is a well-formed General MIDI file of 30 to 90 seconds with real parts
// (instruments set before they play, drums where they belong, harmony, dynamics), keeps
// to its key, and loads in SDL_mixer.
#include "audio_smf.h"
#include "midi.h"
#include "music_kit.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

QByteArray VarLen(uint32_t v) {
    QByteArray b;
    assetgen::midi::PutVarLen(b, v);
    return b;
}

TEST(MidiWriter, VariableLengthQuantitiesMatchTheStandardExamples) {
    EXPECT_EQ(VarLen(0x00), QByteArray::fromHex("00"));
    EXPECT_EQ(VarLen(0x40), QByteArray::fromHex("40"));
    EXPECT_EQ(VarLen(0x7F), QByteArray::fromHex("7f"));
    EXPECT_EQ(VarLen(0x80), QByteArray::fromHex("8100"));
    EXPECT_EQ(VarLen(0x2000), QByteArray::fromHex("c000"));
    EXPECT_EQ(VarLen(0x3FFF), QByteArray::fromHex("ff7f"));
    EXPECT_EQ(VarLen(0x4000), QByteArray::fromHex("818000"));
    EXPECT_EQ(VarLen(0x1FFFFF), QByteArray::fromHex("ffff7f"));
    EXPECT_EQ(VarLen(0x200000), QByteArray::fromHex("81808000"));
    EXPECT_EQ(VarLen(0x0FFFFFFF), QByteArray::fromHex("ffffff7f"));
}

TEST(MidiWriter, FileReadsBackWithTempoNotesAndCommonEnd) {
    using assetgen::midi::Track;
    Track conductor("tempo");
    conductor.Tempo(0, 100);
    conductor.Tempo(960, 50);
    Track piano("piano");
    piano.Program(0, 0, 0);
    piano.Note(0, 0, 60, 90, 480);
    piano.Note(480, 0, 64, 200, 480);  // velocity clamped to 127
    piano.Note(960, 0, 300, 0, 960);   // key clamped to 127, velocity to 1
    piano.Note(100, 0, 50, 80, 0);     // empty: dropped
    const QByteArray bytes = assetgen::midi::WriteFile({conductor, piano}, 480);
    const smf::Song s = smf::Parse(bytes);
    ASSERT_EQ(s.error, "");
    EXPECT_EQ(s.format, 1);
    EXPECT_EQ(s.trackCount, 2);
    EXPECT_EQ(s.division, 480);
    ASSERT_EQ(s.notes.size(), 3u);
    EXPECT_EQ(s.notes[1].velocity, 127);
    EXPECT_EQ(s.notes[2].key, 127);
    EXPECT_EQ(s.notes[2].velocity, 1);
    ASSERT_EQ(s.trackEnds.size(), 2u);
    EXPECT_EQ(s.trackEnds[0], s.trackEnds[1]);
    EXPECT_EQ(s.trackEnds[0], 1920u + 480u);
    // Two beats at 100 a minute, then three at 50 (the tail included).
    EXPECT_NEAR(s.LengthSeconds(), 2 * 0.6 + 3 * 1.2, 1e-9);
}

TEST(MidiWriter, RepeatedKeyIsReleasedBeforeItIsStruckAgain) {
    using assetgen::midi::Track;
    Track t;
    t.Note(0, 2, 60, 90, 480);
    t.Note(480, 2, 60, 91, 480);   // struck again exactly when the first ends
    t.Note(960, 2, 62, 92, 960);
    t.Note(1200, 2, 62, 93, 240);  // struck again while still sounding: the first is cut
    const QByteArray chunk = t.Encode(t.EndTick());
    const qsizetype off = chunk.indexOf(QByteArray::fromHex("823c00"));
    const qsizetype secondOn = chunk.indexOf(QByteArray::fromHex("923c5b"));
    ASSERT_GE(off, 0);
    ASSERT_GE(secondOn, 0);
    EXPECT_LT(off, secondOn);
    const smf::Song s = smf::Parse(assetgen::midi::WriteFile({t}));
    ASSERT_EQ(s.error, "");
    EXPECT_EQ(s.danglingNoteOns, 0);
    EXPECT_EQ(s.unmatchedNoteOffs, 0);
    ASSERT_EQ(s.notes.size(), 4u);
    for (const smf::Note& n : s.notes) {
        if (n.velocity == 92) {
            EXPECT_EQ(n.off, 1200u);
        }
    }
}

TEST(MusicKit, NamesChordsAndVoicing) {
    using namespace assetgen::music;
    EXPECT_EQ(Key("C4"), 60);
    EXPECT_EQ(Key("A4"), 69);
    EXPECT_EQ(Key("Bb2"), 46);
    EXPECT_EQ(Key("F#5"), 78);
    EXPECT_EQ(Key("B#3"), 60);
    EXPECT_EQ(Key("R"), -1);
    EXPECT_EQ(ParseChord("Dm").tones, (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(ParseChord("A7").tones, (std::vector<int>{9, 1, 4, 7}));
    EXPECT_EQ(ParseChord("Bb").tones, (std::vector<int>{10, 2, 5}));
    EXPECT_EQ(InRange(2, 36), 38);
    // Voicings stay in range, use only chord tones and move little from chord to chord.
    std::vector<int> prev;
    for (const char* name : {"C", "Am", "F", "G", "C"}) {
        const Chord c = ParseChord(name);
        const std::vector<int> v = Voice(c, 55, 72, prev, 3);
        ASSERT_EQ(v.size(), 3u) << name;
        for (int k : v) {
            EXPECT_GE(k, 55);
            EXPECT_LE(k, 72);
            EXPECT_NE(std::find(c.tones.begin(), c.tones.end(), k % 12), c.tones.end()) << name << " " << k;
        }
        if (!prev.empty()) {
            int moved = 0;
            for (size_t i = 0; i < 3; ++i) moved += std::abs(v[i] - prev[i]);
            EXPECT_LE(moved, 6) << name;
        }
        prev = v;
    }
    // A harmony under a chord tone is a chord tone a third to a sixth below.
    const Chord cmaj = ParseChord("C");
    const std::vector<int> scale = {0, 2, 4, 5, 7, 9, 11};
    EXPECT_EQ(HarmonyBelow(Key("G4"), cmaj, scale), Key("E4"));
    EXPECT_EQ(HarmonyBelow(Key("E5"), cmaj, scale), Key("C5"));
    EXPECT_EQ(HarmonyBelow(Key("D5"), cmaj, scale), Key("B4"));  // passing note: a diatonic third
}

struct Tune {
    const char* file;
    std::vector<int> scale;        // pitch classes of its key, leading tones included
    std::set<int> programs;        // instruments the piece must use
    bool drums;
};

std::ostream& operator<<(std::ostream& os, const Tune& t) { return os << t.file; }

class Tunes : public testing::TestWithParam<Tune> {
protected:
    static void SetUpTestSuite() {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        audio_ = SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
        Mix_SetSoundFonts("/usr/share/sounds/sf2/TimGM6mb.sf2");
        Mix_Init(MIX_INIT_MID);
    }
    static void TearDownTestSuite() {
        if (audio_) Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    static QString Path(const Tune& t) { return QString(QUELMOR_BIN_DIR) + "/" + t.file; }
    static smf::Song Load(const Tune& t) {
        QFile f(Path(t));
        if (!f.open(QIODevice::ReadOnly)) {
            smf::Song missing;
            missing.error = "cannot open";
            return missing;
        }
        return smf::Parse(f.readAll());
    }
    static bool audio_;
};
bool Tunes::audio_ = false;

TEST_P(Tunes, IsAWellFormedFileOfThirtyToNinetySeconds) {
    const smf::Song s = Load(GetParam());
    ASSERT_EQ(s.error, "");
    EXPECT_EQ(s.format, 1);
    EXPECT_GE(s.trackCount, 5);
    EXPECT_GE(s.LengthSeconds(), 30.0);
    EXPECT_LE(s.LengthSeconds(), 90.0);
    EXPECT_EQ(s.unmatchedNoteOffs, 0);
    EXPECT_EQ(s.danglingNoteOns, 0);
    for (const smf::Note& n : s.notes) EXPECT_GT(n.off, n.on) << "key " << n.key << " at " << n.on;
    // Music all the way: the last note ends within a few seconds of the file's end.
    uint32_t lastOff = 0;
    for (const smf::Note& n : s.notes) lastOff = std::max(lastOff, n.off);
    EXPECT_GT(s.Seconds(lastOff), s.LengthSeconds() - 5.0);
}

TEST_P(Tunes, EveryInstrumentIsChosenBeforeItPlays) {
    const Tune& t = GetParam();
    const smf::Song s = Load(t);
    ASSERT_EQ(s.error, "");
    std::set<int> used;
    for (int ch = 0; ch < 16; ++ch) {
        if (ch == 9 || s.firstNoteTick[size_t(ch)] == UINT32_MAX) continue;
        EXPECT_LE(s.firstProgramTick[size_t(ch)], s.firstNoteTick[size_t(ch)]) << "channel " << ch;
        used.insert(s.programOfChannel[size_t(ch)]);
    }
    EXPECT_GE(used.size(), 4u);
    for (int program : t.programs) EXPECT_TRUE(used.count(program)) << "program " << program;
    EXPECT_EQ(s.firstNoteTick[9] != UINT32_MAX, t.drums);
}

TEST_P(Tunes, NotesLieInPlayableRangesWithLivingDynamics) {
    const smf::Song s = Load(GetParam());
    ASSERT_EQ(s.error, "");
    std::set<int> velocities;
    for (const smf::Note& n : s.notes) {
        if (n.channel == 9) {
            EXPECT_GE(n.key, 35);
            EXPECT_LE(n.key, 81);
        } else {
            EXPECT_GE(n.key, 28);
            EXPECT_LE(n.key, 100);
        }
        velocities.insert(n.velocity);
    }
    EXPECT_GE(velocities.size(), 8u);
    EXPECT_GT(double(s.notes.size()) / s.LengthSeconds(), 2.0);
}

TEST_P(Tunes, KeepsToItsKey) {
    const Tune& t = GetParam();
    const smf::Song s = Load(t);
    ASSERT_EQ(s.error, "");
    int in = 0, all = 0;
    for (const smf::Note& n : s.notes) {
        if (n.channel == 9) continue;
        ++all;
        in += std::find(t.scale.begin(), t.scale.end(), n.key % 12) != t.scale.end();
    }
    ASSERT_GT(all, 0);
    EXPECT_GE(double(in) / all, 0.95) << in << " of " << all;
}

TEST_P(Tunes, HarmonySoundsThroughout) {
    const smf::Song s = Load(GetParam());
    ASSERT_EQ(s.error, "");
    uint32_t end = 0;
    for (const smf::Note& n : s.notes) end = std::max(end, n.off);
    int beats = 0, full = 0;
    for (uint32_t tick = uint32_t(s.division) / 4; tick < end; tick += uint32_t(s.division)) {
        std::set<int> classes;
        for (const smf::Note& n : s.notes)
            if (n.channel != 9 && n.on <= tick && tick < n.off) classes.insert(n.key % 12);
        ++beats;
        full += classes.size() >= 2;
    }
    EXPECT_GE(double(full) / beats, 0.8) << full << " of " << beats << " beats";
}

TEST_P(Tunes, LoadsInTheMixer) {
    ASSERT_TRUE(audio_) << SDL_GetError();
    Mix_Music* music = Mix_LoadMUS(Path(GetParam()).toLocal8Bit().constData());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MID);
    Mix_FreeMusic(music);
}

INSTANTIATE_TEST_SUITE_P(
    Music, Tunes,
    testing::Values(Tune{"start.mid", {2, 4, 5, 7, 9, 10, 0, 1}, {48, 52, 60}, true},
                    Tune{"battle.mid", {4, 6, 7, 9, 11, 0, 2, 3}, {56, 61, 47}, true},
                    Tune{"marche.mid", {7, 9, 11, 0, 2, 4, 6}, {73, 24}, true},
                    Tune{"forge.mid", {0, 2, 3, 5, 7, 8, 10, 11, 1}, {57, 58}, true}),
    [](const testing::TestParamInfo<Tune>& info) { return std::string(info.param.file).substr(0, std::string(info.param.file).find('.')); });

}  // namespace
