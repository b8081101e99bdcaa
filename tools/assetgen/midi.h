#pragma once
// A small Standard MIDI File writer (format 1) for the generator's tunes: one track per
// part, notes given as start and length in ticks. Header-only so the tests can use it.
#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace assetgen::midi {

constexpr int kTicksPerQuarter = 480;

// Appends v as a variable-length quantity (7 bits a byte, high bit set on all but the last).
inline void PutVarLen(QByteArray& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = uint8_t(v & 0x7F);
    while (v >>= 7) buf[n++] = uint8_t(0x80 | (v & 0x7F));
    while (n > 0) out.append(char(buf[--n]));
}

// Appends v as a big-endian integer of the given byte count.
inline void PutBig(QByteArray& out, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.append(char((v >> (8 * i)) & 0xFF));
}

class Track {
public:
    explicit Track(std::string name = {}) : name_(std::move(name)) {}

    // Sets the tempo from this tick on (beats of a quarter note per minute).
    void Tempo(uint32_t tick, double bpm) {
        const uint32_t us = uint32_t(60000000.0 / bpm + 0.5);
        Add(tick, 0, {0xFF, 0x51, 0x03, uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
    }
    // Time signature num/(2^denPow2), for sequencers that show bars.
    void TimeSignature(uint32_t tick, int num, int denPow2) {
        Add(tick, 0, {0xFF, 0x58, 0x04, uint8_t(num), uint8_t(denPow2), 24, 8});
    }
    void Program(uint32_t tick, int ch, int program) {
        Add(tick, 1, {uint8_t(0xC0 | (ch & 15)), uint8_t(program & 0x7F)});
    }
    void Control(uint32_t tick, int ch, int cc, int value) {
        Add(tick, 1, {uint8_t(0xB0 | (ch & 15)), uint8_t(cc & 0x7F), uint8_t(std::clamp(value, 0, 127))});
    }
    // A note; keys and velocities are clamped to the MIDI range, empty notes are dropped.
    void Note(uint32_t tick, int ch, int key, int velocity, uint32_t length) {
        if (length == 0) return;
        notes_.push_back({tick, length, ch & 15, std::clamp(key, 0, 127), std::clamp(velocity, 1, 127)});
    }
    // The tick at which the last note ends or the last event happens.
    uint32_t EndTick() const {
        uint32_t end = 0;
        for (const auto& e : events_) end = std::max(end, e.tick);
        for (const auto& n : notes_) end = std::max(end, n.tick + n.length);
        return end;
    }
    // The MTrk chunk: events in time order; at one tick meta events, then controls and
    // programs, then note offs, then note ons. A note that is struck again on the same key
    // and channel while it sounds is cut where the new one starts.
    QByteArray Encode(uint32_t endTick) const {
        std::vector<Event> all = events_;
        std::vector<NoteRec> notes = notes_;
        std::stable_sort(notes.begin(), notes.end(),
                         [](const NoteRec& a, const NoteRec& b) { return a.tick < b.tick; });
        std::map<std::pair<int, int>, size_t> last;
        for (size_t i = 0; i < notes.size(); ++i) {
            const auto k = std::make_pair(notes[i].ch, notes[i].key);
            auto it = last.find(k);
            if (it != last.end()) {
                NoteRec& prev = notes[it->second];
                if (prev.tick + prev.length > notes[i].tick) prev.length = notes[i].tick - prev.tick;
            }
            last[k] = i;
        }
        for (const auto& n : notes) {
            if (n.length == 0) continue;
            all.push_back({n.tick, 3, {uint8_t(0x90 | n.ch), uint8_t(n.key), uint8_t(n.velocity)}});
            all.push_back({n.tick + n.length, 2, {uint8_t(0x80 | n.ch), uint8_t(n.key), 0}});
        }
        std::stable_sort(all.begin(), all.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        QByteArray body;
        if (!name_.empty()) {
            body.append(char(0)).append(char(0xFF)).append(char(0x03));
            PutVarLen(body, uint32_t(name_.size()));
            body.append(name_.data(), qsizetype(name_.size()));
        }
        uint32_t now = 0;
        for (const auto& e : all) {
            PutVarLen(body, e.tick - now);
            now = e.tick;
            body.append(reinterpret_cast<const char*>(e.bytes.data()), qsizetype(e.bytes.size()));
        }
        PutVarLen(body, endTick > now ? endTick - now : 0);
        body.append(char(0xFF)).append(char(0x2F)).append(char(0x00));
        QByteArray chunk("MTrk");
        PutBig(chunk, uint32_t(body.size()), 4);
        chunk.append(body);
        return chunk;
    }

private:
    struct Event {
        uint32_t tick;
        int order;
        std::vector<uint8_t> bytes;
    };
    struct NoteRec {
        uint32_t tick, length;
        int ch, key, velocity;
    };
    void Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
        events_.push_back({tick, order, std::move(bytes)});
    }
    std::string name_;
    std::vector<Event> events_;
    std::vector<NoteRec> notes_;
};

// A whole format-1 file; every track ends at the same tick (the end of the longest one
// plus tailTicks, so the last notes may ring out).
inline QByteArray WriteFile(const std::vector<Track>& tracks, uint32_t tailTicks = 0,
                            int division = kTicksPerQuarter) {
    uint32_t end = 0;
    for (const auto& t : tracks) end = std::max(end, t.EndTick());
    end += tailTicks;
    QByteArray out("MThd");
    PutBig(out, 6, 4);
    PutBig(out, 1, 2);
    PutBig(out, uint32_t(tracks.size()), 2);
    PutBig(out, uint32_t(division), 2);
    for (const auto& t : tracks) out.append(t.Encode(end));
    return out;
}

}  // namespace assetgen::midi
