#pragma once
// The length of a MIDI piece, read before it is asked to repeat without end. FluidSynth's player
// starts a repeating piece again inside its synthesizer's clock callback, and keeps trying
// there: a piece it cannot read, or one that ends where it starts, would hold the sound thread
// (and the mixer's lock) for ever.
#include <string>

// The length in seconds of a Standard MIDI File (its bytes), to its last track's end through
// its tempo changes; 0 when FluidSynth might fail to read it: the check is stricter than
// FluidSynth (format 0 or 1, ticks a beat, every chunk a complete track that ends with its
// end-of-track event, no running status after a meta or system event, no tempo of 0).
double MidiSeconds(const std::string& bytes);
