#pragma once
// The composer's kit behind music.cpp: note names, chords and their voicings, parts that
// write one General MIDI channel each, melodic lines written as text, and drum grids.
#include "common.h"
#include "midi.h"

#include <string>
#include <vector>

namespace assetgen::music {

constexpr int kDrums = 9;  // General MIDI percussion channel (channel 10)

// The tick of a beat (quarter notes from the start).
uint32_t Tick(double beat);

// "C4" = 60, "F#3" = 54, "Bb2" = 46; "R" (a rest) = -1.
int Key(const std::string& name);

// A chord by name: root letter and accidental, then "" major, "m" minor, "7", "m7",
// "5" (root and fifth), "sus4", "dim". Pitch classes, root first.
struct Chord {
    int root = 0;
    std::vector<int> tones;
};
Chord ParseChord(const std::string& name);

// The key of pitch class pc inside [lo, lo + 11].
int InRange(int pc, int lo);

// Close voicing of n chord tones within [lo, hi] that moves least from prev (or sits in the
// middle of the range when prev is empty).
std::vector<int> Voice(const Chord& chord, int lo, int hi, const std::vector<int>& prev, int n);

// A second voice under a melody key: the nearest chord tone a third to a sixth below, or a
// diatonic third below (in scale, pitch classes) for a passing note.
int HarmonyBelow(int key, const Chord& chord, const std::vector<int>& scale);

// One instrument on one channel, writing into its own track.
class Part {
public:
    Part(const char* name, int channel, int program, int volume, int pan, int reverb);
    void Note(double beat, double length, int key, int velocity);
    void Notes(double beat, double length, const std::vector<int>& keys, int velocity);
    // Sweeps a controller (7 volume, 11 expression) linearly between two beats.
    void Ramp(double from, double to, int cc, int v0, int v1);
    // Plays a line "D4:1.5 A4:.5 R:2" (durations in units of `unit` beats) from beat, with
    // each note held for `legato` of its length, shifted by `transpose`. Returns the end beat.
    double Line(double beat, const char* text, int velocity, double legato = 0.92,
                double unit = 1.0, int transpose = 0);
    // One drum voice from a grid of steps: 'X' accent, 'x' normal, 'o' soft, '.' silent.
    void Grid(double beat, double stepBeats, int key, const char* grid, int velocity);
    midi::Track track;
    int channel;
};

// The keys and starts of the notes of a line, for writing harmonies under it.
struct LineNote {
    double beat, length;
    int key;
};
std::vector<LineNote> ParseLine(double beat, const char* text, double unit = 1.0);

// A progression: the chord that sounds at each beat, laid out bar by bar.
struct Span {
    double beat, length;
    Chord chord;
};
std::vector<Span> Progression(const std::vector<std::vector<const char*>>& bars, double beatsPerBar);
const Chord& ChordAt(const std::vector<Span>& spans, double beat);

}  // namespace assetgen::music
