// The composer's kit: names to keys, chord voicing, parts, lines and drum grids.
#include "music_kit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace assetgen::music {

uint32_t Tick(double beat) { return uint32_t(std::lround(beat * midi::kTicksPerQuarter)); }

namespace {
// Pitch class of a letter and its accidentals, starting at s[0]; pos is moved past them.
int PitchClass(const std::string& s, size_t& pos) {
    static const int kBase[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    int pc = kBase[(s[0] - 'A') % 7];
    pos = 1;
    while (pos < s.size() && (s[pos] == '#' || s[pos] == 'b')) pc += s[pos++] == '#' ? 1 : -1;
    return (pc + 12) % 12;
}
}  // namespace

int Key(const std::string& name) {
    if (name.empty() || name[0] == 'R') return -1;
    size_t pos = 0;
    const int pc = PitchClass(name, pos);
    int octave = std::atoi(name.c_str() + pos);
    // B#/Cb cross the octave border: the letter decides the octave, as musicians write it.
    int key = 12 * (octave + 1) + pc;
    if (name[0] == 'C' && pc == 11) key -= 12;
    if (name[0] == 'B' && pc == 0) key += 12;
    return key;
}

Chord ParseChord(const std::string& name) {
    size_t pos = 0;
    Chord c;
    c.root = PitchClass(name, pos);
    const std::string q = name.substr(pos);
    std::vector<int> iv;
    if (q == "m") iv = {0, 3, 7};
    else if (q == "7") iv = {0, 4, 7, 10};
    else if (q == "m7") iv = {0, 3, 7, 10};
    else if (q == "5") iv = {0, 7};
    else if (q == "sus4") iv = {0, 5, 7};
    else if (q == "dim") iv = {0, 3, 6};
    else iv = {0, 4, 7};
    for (int i : iv) c.tones.push_back((c.root + i) % 12);
    return c;
}

int InRange(int pc, int lo) { return lo + ((pc - lo) % 12 + 12) % 12; }

std::vector<int> Voice(const Chord& chord, int lo, int hi, const std::vector<int>& prev, int n) {
    std::vector<int> pcs = chord.tones;
    std::sort(pcs.begin(), pcs.end());
    std::vector<int> best;
    double bestCost = std::numeric_limits<double>::max();
    for (int start = lo; start <= hi; ++start) {
        auto at = std::find(pcs.begin(), pcs.end(), start % 12);
        if (at == pcs.end()) continue;
        std::vector<int> v{start};
        size_t idx = size_t(at - pcs.begin());
        while (int(v.size()) < n) {
            idx = (idx + 1) % pcs.size();
            int k = v.back() + 1;
            while (k % 12 != pcs[idx]) ++k;
            v.push_back(k);
        }
        if (v.back() > hi) continue;
        double cost = 0;
        if (prev.size() == v.size()) {
            for (size_t i = 0; i < v.size(); ++i) cost += std::abs(v[i] - prev[i]);
        } else {
            double mean = 0;
            for (int k : v) mean += k;
            cost = std::abs(mean / double(v.size()) - (lo + hi) / 2.0);
        }
        // The root in the lowest voice makes a firmer sound: a small preference.
        if (start % 12 != chord.root) cost += 0.5;
        if (cost < bestCost) bestCost = cost, best = v;
    }
    return best;
}

int HarmonyBelow(int key, const Chord& chord, const std::vector<int>& scale) {
    const bool chordTone = std::find(chord.tones.begin(), chord.tones.end(), key % 12) != chord.tones.end();
    if (chordTone) {
        for (int d = 3; d <= 9; ++d)
            if (std::find(chord.tones.begin(), chord.tones.end(), (key - d) % 12) != chord.tones.end())
                return key - d;
    }
    // Two scale steps down.
    int k = key, steps = 0;
    while (steps < 2 && k > key - 12) {
        --k;
        if (std::find(scale.begin(), scale.end(), k % 12) != scale.end()) ++steps;
    }
    return k;
}

Part::Part(const char* name, int ch, int program, int volume, int pan, int reverb) : track(name), channel(ch) {
    if (ch != kDrums) track.Program(0, ch, program);
    track.Control(0, ch, 7, volume);
    track.Control(0, ch, 10, pan);
    track.Control(0, ch, 91, reverb);
    track.Control(0, ch, 11, 127);
}

void Part::Note(double beat, double length, int key, int velocity) {
    if (key < 0) return;
    track.Note(Tick(beat), channel, key, velocity, std::max<uint32_t>(1, Tick(beat + length) - Tick(beat)));
}

void Part::Notes(double beat, double length, const std::vector<int>& keys, int velocity) {
    for (int k : keys) Note(beat, length, k, velocity);
}

void Part::Ramp(double from, double to, int cc, int v0, int v1) {
    const int steps = std::max(1, int((to - from) * 4));
    for (int i = 0; i <= steps; ++i)
        track.Control(Tick(from + (to - from) * i / steps), channel, cc, v0 + (v1 - v0) * i / steps);
}

std::vector<LineNote> ParseLine(double beat, const char* text, double unit) {
    std::vector<LineNote> out;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        const size_t colon = word.find(':');
        const double len = std::atof(word.c_str() + colon + 1) * unit;
        out.push_back({beat, len, Key(word.substr(0, colon))});
        beat += len;
    }
    return out;
}

double Part::Line(double beat, const char* text, int velocity, double legato, double unit, int transpose) {
    double end = beat;
    for (const LineNote& n : ParseLine(beat, text, unit)) {
        // A little weight on the strong beats, as a player phrases.
        const double frac = n.beat - std::floor(n.beat);
        const int accent = frac < 1e-6 ? 4 : -3;
        if (n.key >= 0) Note(n.beat, n.length * legato, n.key + transpose, velocity + accent);
        end = n.beat + n.length;
    }
    return end;
}

void Part::Grid(double beat, double stepBeats, int key, const char* grid, int velocity) {
    for (int i = 0; grid[i]; ++i) {
        int v = 0;
        if (grid[i] == 'X') v = velocity;
        else if (grid[i] == 'x') v = velocity * 3 / 4;
        else if (grid[i] == 'o') v = velocity / 2;
        if (v > 0) Note(beat + i * stepBeats, stepBeats * 0.9, key, v);
    }
}

std::vector<Span> Progression(const std::vector<std::vector<const char*>>& bars, double beatsPerBar) {
    std::vector<Span> out;
    double beat = 0;
    for (const auto& bar : bars) {
        const double len = beatsPerBar / double(bar.size());
        for (const char* name : bar) {
            out.push_back({beat, len, ParseChord(name)});
            beat += len;
        }
    }
    return out;
}

const Chord& ChordAt(const std::vector<Span>& spans, double beat) {
    for (const Span& s : spans)
        if (beat < s.beat + s.length - 1e-6) return s.chord;
    return spans.back().chord;
}

}  // namespace assetgen::music
