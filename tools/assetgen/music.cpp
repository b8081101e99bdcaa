// The four tunes of the game, composed note by note for General MIDI: the solemn title
// theme, the battle, the market and the forge.
#include "common.h"
#include "music_kit.h"

#include <cmath>

namespace assetgen {
namespace {
using namespace music;

QByteArray Write(std::vector<Part*> parts, midi::Track conductor, double tailBeats) {
    std::vector<midi::Track> tracks{std::move(conductor)};
    for (Part* p : parts) tracks.push_back(p->track);
    return midi::WriteFile(tracks, Tick(tailBeats));
}

// The title: D minor, 66 beats a minute. Two bars of swelling drone with a horn call, the
// horn theme over strings, the choir's answer with harp and trombones, a short coda.
QByteArray TitleTheme() {
    midi::Track conductor("Quelmor");
    conductor.Tempo(0, 66);
    conductor.TimeSignature(0, 4, 2);
    Part strings("Strings", 0, 48, 100, 64, 90);
    Part basses("Basses", 1, 43, 105, 56, 70);
    Part horn("Horns", 2, 60, 112, 76, 80);
    Part choir("Choir", 3, 52, 100, 64, 100);
    Part timpani("Timpani", 4, 47, 112, 60, 60);
    Part harp("Harp", 5, 46, 92, 40, 90);
    Part trombones("Trombones", 6, 57, 84, 84, 70);
    Part cymbals("Cymbals", kDrums, 0, 80, 64, 90);

    const auto spans = Progression({{"D5"}, {"D5"},
        {"Dm"}, {"Bb"}, {"Gm"}, {"A"}, {"Dm"}, {"F"}, {"Gm", "A7"}, {"Dm"},
        {"Bb"}, {"F"}, {"Gm"}, {"Dm"}, {"Bb"}, {"C"}, {"A"}, {"Dm"},
        {"Gm", "A"}, {"Dm"}}, 4);
    std::vector<int> pad, low;
    for (const Span& s : spans) {
        const bool choirPart = s.beat >= 40 && s.beat < 72;
        const int vel = s.beat < 8 ? 70 : choirPart ? 78 : 66;
        pad = Voice(s.chord, 48, 66, pad, 4);
        strings.Notes(s.beat, s.length, pad, vel);
        basses.Note(s.beat, s.length, InRange(s.chord.root, 36), vel + 14);
        if (s.beat >= 40) {
            low = Voice(s.chord, 45, 62, low, 3);
            trombones.Notes(s.beat, s.length, low, choirPart ? 64 : 70);
        }
        if (choirPart) {  // harp arpeggios, up and down over the voicing
            std::vector<int> up = pad;
            for (int k : pad) up.push_back(k + 12);
            static const int kOrder[8] = {0, 1, 2, 3, 4, 5, 6, 5};
            for (int i = 0; i < int(s.length * 2); ++i)
                harp.Note(s.beat + i * 0.5, 0.9, up[kOrder[i % 8]], i % 4 == 0 ? 66 : 54);
        }
        // The timpani are tuned to D and A.
        const bool tonic = s.chord.root == 2 || s.chord.root == 9;
        if (s.beat >= 8 && tonic && s.length >= 2)
            timpani.Note(s.beat, 1.5, s.chord.root == 2 ? 38 : 45, choirPart ? 96 : 84);
    }
    // Opening swell: strings, basses and a timpani roll on D grow out of silence.
    strings.Ramp(0, 8, 11, 40, 127);
    basses.Ramp(0, 8, 11, 40, 127);
    for (int i = 0; i < 64; ++i) timpani.Note(i * 0.125, 0.125, 38, 34 + i);
    timpani.Note(8, 1.5, 38, 104);
    // Horn call, then the theme.
    horn.Line(4, "A3:1 D4:1 F4:1.5 E4:.5", 88, 0.96);
    horn.Line(8, "D4:1 A4:2 G4:.5 F4:.5 G4:1.5 F4:.5 D4:2 Bb4:1 A4:1 G4:1 Bb4:1 A4:4 "
                 "D5:1.5 C5:.5 A4:2 C5:1 A4:1 F4:2 Bb4:1 A4:1 G4:1 E4:1 D4:4", 96, 0.96);
    // The choir's answer, doubled an octave down by the horns.
    const char* answer = "F5:2 D5:1 Bb4:1 C5:1.5 D5:.5 C5:1 A4:1 Bb4:1 C5:1 D5:2 A4:2 F4:1 A4:1 "
                         "D5:2 F5:2 E5:1.5 D5:.5 C5:1 E5:1 E5:1 F5:1 E5:1 C#5:1 D5:4";
    choir.Line(40, answer, 92, 1.0);
    horn.Line(40, answer, 80, 0.96, 1.0, -12);
    // Coda: the choir rises to the tonic, the horns settle on the third.
    choir.Line(72, "D5:2 C#5:2 D5:4", 84, 1.0);
    horn.Line(72, "Bb4:2 A4:2 F4:4", 84, 1.0);
    for (int i = 0; i < 24; ++i) timpani.Note(76 + i * 0.125, 0.125, 38, 50 + (i < 12 ? i * 3 : (24 - i) * 3));
    timpani.Note(79, 1, 38, 70);
    cymbals.Note(40, 3, 49, 76);
    cymbals.Note(40, 1, 35, 70);
    cymbals.Note(72, 3, 49, 56);
    cymbals.Note(76, 3, 57, 64);
    return Write({&strings, &basses, &horn, &choir, &timpani, &harp, &trombones, &cymbals}, conductor, 4);
}

// The battle: E minor, 150 beats a minute, a galloping string ostinato, trumpets and
// horns in thirds, brass stabs, war drums. Intro, A, A with horns, B, A again, ending.
QByteArray BattleTheme() {
    midi::Track conductor("Bataille");
    conductor.Tempo(0, 150);
    conductor.TimeSignature(0, 4, 2);
    Part strings("Strings", 0, 48, 92, 50, 50);
    Part basses("Basses", 1, 43, 100, 60, 40);
    Part trumpet("Trumpet", 2, 56, 104, 70, 60);
    Part brass("Brass", 3, 61, 82, 84, 50);
    Part horns("Horns", 4, 60, 96, 44, 60);
    Part timpani("Timpani", 5, 47, 100, 64, 50);
    Part trombone("Trombone", 6, 57, 84, 80, 50);
    Part drums("Drums", kDrums, 0, 100, 64, 40);

    const std::vector<const char*> a = {"Em", "C", "D", "Em", "Em", "C", "D", "Em"};
    const std::vector<const char*> b = {"Am", "C", "D", "B", "Am", "C", "D", "B"};
    std::vector<std::vector<const char*>> bars = {{"Em"}, {"Em"}, {"C"}, {"D"}};
    for (int r = 0; r < 2; ++r)
        for (const char* c : a) bars.push_back({c});
    for (const char* c : b) bars.push_back({c});
    for (int i = 0; i < 4; ++i) bars.push_back({a[size_t(i)]});
    for (const char* c : {"C", "D", "Em", "Em"}) bars.push_back({c});
    const auto spans = Progression(bars, 4);
    const std::vector<int> scale = {4, 6, 7, 9, 11, 0, 2};

    std::vector<int> stab;
    for (size_t i = 0; i < spans.size(); ++i) {
        const Span& s = spans[i];
        const int bar = int(i);
        const bool last = bar == 35;
        const int root3 = InRange(s.chord.root, 52), root2 = InRange(s.chord.root, 40);
        stab = Voice(s.chord, 50, 66, stab, 3);
        if (last) {  // the final blow: everybody on beat one
            strings.Notes(s.beat, 1, {root3, root3 + 12}, 110);
            basses.Note(s.beat, 1, root2, 110);
            brass.Notes(s.beat, 1, stab, 110);
            trombone.Note(s.beat, 1, root2, 110);
            timpani.Note(s.beat, 1, root2, 120);
            drums.Note(s.beat, 2, 49, 120);
            drums.Note(s.beat, 1, 36, 120);
            break;
        }
        for (int beat = 0; beat < 4; ++beat) {  // gallop: an eighth and two sixteenths
            const double t = s.beat + beat;
            const int v = beat % 2 == 0 ? 96 : 84;
            strings.Notes(t, 0.4, {root3, root3 + 12}, v);
            strings.Notes(t + 0.5, 0.2, {root3, root3 + 12}, v - 18);
            strings.Notes(t + 0.75, 0.2, {root3, root3 + 12}, v - 12);
            basses.Note(t, 0.45, root2, v);
            basses.Note(t + 0.5, 0.45, root2, v - 14);
        }
        if (bar >= 2) {
            brass.Notes(s.beat, 1.4, stab, 92);
            brass.Notes(s.beat + 2.5, 1.2, stab, 84);
        }
        if (bar >= 12) trombone.Note(s.beat, 1.9, root2, 86), trombone.Note(s.beat + 2, 1.9, root2, 80);
        timpani.Note(s.beat, 0.9, root2, 104);
        timpani.Note(s.beat + 2, 0.9, root2, 88);
        // Drums: kick and snare drive, hats after the intro, tom fills closing each phrase.
        const bool fill = bar == 3 || bar == 11 || bar == 19 || bar == 27 || bar == 31;
        drums.Grid(s.beat, 0.25, 36, "X.....x.X.....x.", 108);
        drums.Grid(s.beat, 0.25, 38, fill ? "....X..........." : "....X.......X...", 100);
        if (bar >= 4) drums.Grid(s.beat, 0.25, 42, fill ? "x.x.x.x." : "x.x.x.x.x.x.x.x.", 64);
        if (fill) {
            static const int kToms[8] = {50, 50, 48, 48, 47, 45, 43, 41};
            for (int k = 0; k < 8; ++k) drums.Note(s.beat + 2 + k * 0.25, 0.2, kToms[k], 92 + k * 2);
        }
        if (bar == 4 || bar == 12 || bar == 20 || bar == 28 || bar == 32) drums.Note(s.beat, 2, 49, 104);
    }
    const char* themeA = "E4:.5 E4:.5 B4:2 A4:.5 G4:.5 G4:1 E4:1 C5:2 D5:1.5 C5:.5 B4:1 A4:1 B4:3 R:1 "
                         "E4:.5 E4:.5 B4:2 A4:.5 B4:.5 C5:1 B4:.5 A4:.5 G4:1 E4:1 F#4:1 A4:1 D5:2 E5:3 R:1";
    const char* themeB = "A4:2 C5:2 E5:2 D5:1 C5:1 D5:1.5 E5:.5 F#5:2 D#5:4 "
                         "E5:2 C5:2 G5:2 E5:2 F#5:1 E5:1 D5:1 F#5:1 D#5:2 B4:2";
    const char* themeA4 = "E4:.5 E4:.5 B4:2 A4:.5 G4:.5 G4:1 E4:1 C5:2 D5:1.5 C5:.5 B4:1 A4:1 B4:3 R:1";
    const char* ending = "C5:2 E5:2 D5:2 F#5:2 E5:4 E5:1";
    trumpet.Line(16, themeA, 104);
    trumpet.Line(48, themeA, 108);
    trumpet.Line(80, themeB, 110);
    trumpet.Line(112, themeA4, 110);
    trumpet.Line(128, ending, 112);
    // The horns answer in harmony from the second statement on.
    for (auto [start, text] : std::vector<std::pair<double, const char*>>{{48, themeA}, {80, themeB}, {112, themeA4}, {128, ending}})
        for (const LineNote& n : ParseLine(start, text))
            if (n.key >= 0)
                horns.Note(n.beat, n.length * 0.92, HarmonyBelow(n.key, ChordAt(spans, n.beat), scale), 96);
    return Write({&strings, &basses, &trumpet, &brass, &horns, &timpani, &trombone, &drums}, conductor, 2);
}

// The market: G major jig in 6/8, flute over a lute's broken chords, bassoon, tambourine
// and bongos. Intro, A twice (recorder harmony the second time), B twice (fiddle), A, end.
QByteArray MarketTune() {
    midi::Track conductor("Marche");
    conductor.Tempo(0, 168);
    conductor.TimeSignature(0, 6, 3);
    Part flute("Flute", 0, 73, 116, 76, 60);
    Part lute("Lute", 1, 24, 127, 44, 50);
    Part bassoon("Bassoon", 2, 70, 108, 56, 40);
    Part recorder("Recorder", 3, 74, 104, 92, 60);
    Part fiddle("Fiddle", 4, 40, 100, 30, 60);
    Part perc("Percussion", kDrums, 0, 112, 64, 40);

    const std::vector<const char*> a = {"G", "C", "G", "D", "G", "C", "D", "G"};
    const std::vector<const char*> b = {"Em", "C", "D", "G", "Em", "C", "D", "G"};
    std::vector<std::vector<const char*>> bars = {{"G"}, {"G"}};
    for (const auto* part : {&a, &a, &b, &b, &a})
        for (const char* c : *part) bars.push_back({c});
    bars.push_back({"G"});
    const auto spans = Progression(bars, 3);
    const std::vector<int> scale = {7, 9, 11, 0, 2, 4, 6};

    std::vector<int> v;
    for (size_t i = 0; i < spans.size(); ++i) {
        const Span& s = spans[i];
        const bool last = i + 1 == spans.size();
        const int bass = InRange(s.chord.root, 43);
        v = Voice(s.chord, 55, 74, v, 3);
        if (last) {
            lute.Notes(s.beat, 3, {bass, v[0], v[1], v[2]}, 84);
            bassoon.Note(s.beat, 2.5, InRange(s.chord.root, 40), 86);
            perc.Grid(s.beat, 0.5, 54, "Xxxxx.", 80);
            perc.Note(s.beat, 0.5, 61, 90);
            break;
        }
        // A lute's broken chord: bass, up the chord and back.
        const int order[6] = {bass, v[0], v[1], v[2], v[1], v[0]};
        for (int k = 0; k < 6; ++k) lute.Note(s.beat + k * 0.5, k == 0 ? 1.4 : 0.9, order[k], k == 0 ? 84 : k == 3 ? 72 : 64);
        if (i >= 2) {
            const int low = InRange(s.chord.root, 40);
            bassoon.Note(s.beat, 0.8, low, 82);
            bassoon.Note(s.beat + 1.5, 0.8, low + 7 > 55 ? low - 5 : low + 7, 74);
        }
        perc.Grid(s.beat, 0.5, 54, "Xoxxoo", 84);
        perc.Grid(s.beat, 0.5, 61, "X..x..", 88);
        perc.Grid(s.beat, 0.5, 60, ".o..ox", 80);
    }
    const char* themeA = "D5:2 B4:1 G4:2 B4:1 C5:2 E5:1 G5:2 E5:1 D5:2 B4:1 D5:1 C5:1 B4:1 A4:2 F#4:1 A4:3 "
                         "D5:2 B4:1 G5:2 D5:1 E5:1 D5:1 C5:1 E5:2 C5:1 B4:1 C5:1 D5:1 A4:2 F#4:1 G4:3 R:3";
    const char* themeB = "E5:1 F#5:1 G5:1 B5:2 G5:1 E5:2 G5:1 E5:2 C5:1 F#5:2 A5:1 F#5:1 E5:1 D5:1 D5:2 B4:1 G4:3 "
                         "E5:1 F#5:1 G5:1 B5:2 G5:1 C6:2 B5:1 A5:1 G5:1 E5:1 F#5:1 G5:1 A5:1 D5:2 F#5:1 G5:3 R:3";
    const double bar = 3;
    flute.Line(2 * bar, themeA, 92, 0.88, 0.5);
    flute.Line(10 * bar, themeA, 96, 0.88, 0.5);
    flute.Line(18 * bar, themeB, 96, 0.88, 0.5);
    flute.Line(26 * bar, themeB, 100, 0.88, 0.5);
    flute.Line(34 * bar, themeA, 100, 0.88, 0.5);
    flute.Note(42 * bar, 2.5, Key("G5"), 96);
    fiddle.Line(26 * bar, themeB, 80, 0.9, 0.5, -12);
    fiddle.Line(34 * bar, themeA, 84, 0.9, 0.5, -12);
    fiddle.Note(42 * bar, 2.5, Key("G4"), 84);
    for (double start : {10 * bar, 34 * bar})
        for (const LineNote& n : ParseLine(start, themeA, 0.5))
            if (n.key >= 0)
                recorder.Note(n.beat, n.length * 0.88, HarmonyBelow(n.key, ChordAt(spans, n.beat), scale), 82);
    recorder.Note(42 * bar, 2.5, Key("D5"), 80);
    return Write({&flute, &lute, &bassoon, &recorder, &fiddle, &perc}, conductor, 3);
}

// The forge: C minor, 90 beats a minute. Hammer on anvil (ride bell and a struck bell),
// taiko and kick on the heavy beats, a bowed ostinato, tuba and trombones, then horns.
QByteArray ForgeTheme() {
    midi::Track conductor("Forge");
    conductor.Tempo(0, 90);
    conductor.TimeSignature(0, 4, 2);
    Part trombone("Trombones", 0, 57, 116, 70, 50);
    Part tuba("Tuba", 1, 58, 120, 60, 40);
    Part horns("Horns", 2, 60, 116, 46, 60);
    Part basses("Basses", 3, 43, 112, 56, 40);
    Part taiko("Taiko", 4, 116, 112, 64, 50);
    Part anvil("Anvil", 5, 14, 84, 80, 40);
    Part drums("Drums", kDrums, 0, 112, 64, 40);

    const std::vector<const char*> a = {"Cm", "Ab", "Fm", "G", "Cm", "Ab", "Fm", "G"};
    const std::vector<const char*> b = {"Cm", "Db", "Cm", "Bb", "Ab", "Fm", "G", "G"};
    std::vector<std::vector<const char*>> bars = {{"Cm"}, {"Cm"}};
    for (const auto* part : {&a, &a, &b})
        for (const char* c : *part) bars.push_back({c});
    bars.push_back({"Cm"});
    bars.push_back({"Cm"});
    const auto spans = Progression(bars, 4);
    const std::vector<int> scale = {0, 2, 3, 5, 7, 8, 10};

    for (size_t i = 0; i < spans.size(); ++i) {
        const Span& s = spans[i];
        const int bar = int(i);
        const bool outro = bar >= 26;
        const int fade = outro ? (bar - 25) * 14 : 0;
        // Hammer blows: a heavy strike, a light rebound, two taps, a strike, a tap.
        if (bar < 27) {
            drums.Grid(s.beat, 0.5, 53, "X.ooX.o.", 108 - fade);
            anvil.Grid(s.beat, 0.5, 84, "X...X...", 72 - fade);
            drums.Grid(s.beat, 0.5, 36, "X....x..", 110 - fade);
            taiko.Grid(s.beat, 0.5, 43, "X....x..", 108 - fade);
            if (bar % 2 == 1) drums.Grid(s.beat, 0.5, 41, "......xo", 96);
        } else {
            drums.Note(s.beat, 1, 53, 96);
            anvil.Note(s.beat, 3, 84, 64);
            taiko.Note(s.beat, 2, 43, 110);
            drums.Note(s.beat, 2, 36, 110);
        }
        if (bar >= 1 && bar < 27)
            for (int k = 0; k < 8; ++k)
                basses.Note(s.beat + k * 0.5, 0.42, InRange(s.chord.root, 36), k == 0 ? 104 : k == 5 ? 92 : 74);
        if (bar >= 2) tuba.Note(s.beat, bar == 27 ? 4 : 3.8, InRange(s.chord.root, 33), bar == 27 ? 90 : 92);
    }
    const char* themeA = "C3:2 Eb3:1 G3:1 Ab3:3 G3:1 F3:2 Ab3:1 C4:1 G3:3 B2:1 "
                         "C3:2 Eb3:1 G3:1 C4:2 Bb3:1 Ab3:1 Ab3:1 G3:1 F3:1 Ab3:1 G3:4";
    const char* themeB = "G4:1.5 Ab4:.5 G4:1 Eb4:1 F4:2 Ab4:2 G4:1.5 F4:.5 Eb4:1 C4:1 D4:2 F4:2 "
                         "Eb4:1 C4:1 Eb4:1 Ab4:1 C5:2 Ab4:1 F4:1 G4:1 Ab4:1 G4:1 F4:1 D4:2 B3:2";
    trombone.Line(8, themeA, 98, 0.9);
    horns.Line(40, themeA, 96, 0.92, 1.0, 12);
    for (const LineNote& n : ParseLine(40, themeA))
        if (n.key >= 0)
            trombone.Note(n.beat, n.length * 0.9, HarmonyBelow(n.key + 12, ChordAt(spans, n.beat), scale), 90);
    horns.Line(72, themeB, 100, 0.94);
    trombone.Line(72, themeB, 92, 0.9, 1.0, -12);
    horns.Line(104, "C4:8", 92, 1.0);
    trombone.Notes(104, 8, {Key("C3"), Key("G3")}, 88);
    return Write({&trombone, &tuba, &horns, &basses, &taiko, &anvil, &drums}, conductor, 4);
}

}  // namespace

void GenerateMusic(const QString& dir) {
    SaveBytes(TitleTheme(), dir + "/start.mid");
    SaveBytes(BattleTheme(), dir + "/battle.mid");
    SaveBytes(MarketTune(), dir + "/marche.mid");
    SaveBytes(ForgeTheme(), dir + "/forge.mid");
}

}  // namespace assetgen
