#pragma once
// A small Standard MIDI File reader for the tests, written apart from the generator's
// writer so that each checks the other: chunks, delta times, running status, meta events,
// the tempo map and every note with its start, end and channel.
#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

namespace smf {

struct Note {
    int track, channel, key, velocity;
    uint32_t on, off;  // ticks
};

struct Song {
    std::string error;  // empty when the file parsed
    int format = -1, trackCount = 0, division = 0;
    std::vector<Note> notes;
    std::vector<std::pair<uint32_t, uint32_t>> tempos;  // tick, microseconds per quarter
    std::vector<int> programOfChannel = std::vector<int>(16, -1);  // the last program set
    std::vector<uint32_t> firstNoteTick = std::vector<uint32_t>(16, UINT32_MAX);
    std::vector<uint32_t> firstProgramTick = std::vector<uint32_t>(16, UINT32_MAX);
    std::vector<uint32_t> trackEnds;  // tick of each track's end-of-track event
    int unmatchedNoteOffs = 0, danglingNoteOns = 0;
    double Seconds(uint32_t tick) const;  // time of a tick through the tempo map
    double LengthSeconds() const;          // time of the last end-of-track
};

Song Parse(const QByteArray& bytes);

}  // namespace smf
