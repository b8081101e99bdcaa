#include "platform/MidiLength.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>

namespace {

class Reader {
public:
    Reader(const std::string& d, size_t from, size_t to) : d_(d), at_(from), end_(to) {}
    bool done() const { return at_ >= end_; }
    std::optional<uint32_t> Byte() {
        if (at_ >= end_) return std::nullopt;
        return uint8_t(d_[at_++]);
    }
    // A variable-length number of at most four bytes.
    std::optional<uint32_t> VarLen() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            auto b = Byte();
            if (!b) return std::nullopt;
            v = (v << 7) | (*b & 0x7F);
            if (!(*b & 0x80)) return v;
        }
        return std::nullopt;
    }
    std::optional<uint32_t> Big(int bytes) {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            auto b = Byte();
            if (!b) return std::nullopt;
            v = (v << 8) | *b;
        }
        return v;
    }
    bool Skip(uint32_t n) {
        if (n > end_ - at_) return false;
        at_ += n;
        return true;
    }
    size_t at() const { return at_; }

private:
    const std::string& d_;
    size_t at_, end_;
};

// The meta events whose length FluidSynth checks.
bool MetaLengthFits(uint32_t type, uint32_t length) {
    switch (type) {
        case 0x2F: return length == 0;  // end of track
        case 0x51: return length == 3;  // tempo
        case 0x54: return length == 5;  // SMPTE offset
        case 0x58: return length == 4;  // time signature
        case 0x59: return length == 2;  // key signature
        default: return true;
    }
}

// One track's events, to its end-of-track event, which must close the chunk. Adds its tempo
// changes; returns its end tick.
std::optional<uint32_t> ReadTrack(Reader& r, std::map<uint32_t, uint32_t>& tempo) {
    uint32_t tick = 0, status = 0;
    while (true) {
        const auto delta = r.VarLen();
        auto first = r.Byte();
        if (!delta || !first) return std::nullopt;
        tick += *delta;
        if (*first & 0x80) {
            status = *first;
            first.reset();
        } else if (status < 0x80 || status >= 0xF0) {
            return std::nullopt;  // running status only after a channel message
        }
        if (status == 0xFF) {
            const auto type = r.Byte();
            const auto length = type ? r.VarLen() : std::nullopt;
            if (!length || !MetaLengthFits(*type, *length)) return std::nullopt;
            if (*type == 0x51) {
                const auto us = r.Big(3);
                if (!us || *us == 0) return std::nullopt;
                tempo[tick] = *us;
            } else if (!r.Skip(*length)) {
                return std::nullopt;
            }
            if (*type == 0x2F) return r.done() ? std::optional<uint32_t>(tick) : std::nullopt;
        } else if (status == 0xF0) {
            const auto length = r.VarLen();
            if (!length || !r.Skip(*length)) return std::nullopt;
        } else if (status >= 0xF0) {
            return std::nullopt;  // FluidSynth reads no other system message from a file
        } else {
            const int data = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
            for (int i = 0; i < data; ++i) {
                const auto b = i == 0 && first ? first : r.Byte();
                if (!b || (*b & 0x80)) return std::nullopt;
            }
        }
    }
}

}  // namespace

double MidiSeconds(const std::string& bytes) {
    Reader header(bytes, 0, bytes.size());
    if (bytes.compare(0, 4, "MThd") != 0 || !header.Skip(4)) return 0;
    const auto length = header.Big(4), format = header.Big(2), tracks = header.Big(2), division = header.Big(2);
    if (!length || !format || !tracks || !division) return 0;
    if (*length != 6 || *format > 1 || *tracks == 0 || *tracks > 255) return 0;
    if (*division == 0 || (*division & 0x8000)) return 0;  // no SMPTE time

    std::map<uint32_t, uint32_t> tempo{{0, 500000}};  // tick -> microseconds a beat
    uint32_t end = 0;
    size_t at = header.at();
    for (uint32_t t = 0; t < *tracks; ++t) {
        Reader chunk(bytes, at, bytes.size());
        if (bytes.compare(at, 4, "MTrk") != 0 || !chunk.Skip(4)) return 0;
        const auto size = chunk.Big(4);
        if (!size || *size > bytes.size() - chunk.at()) return 0;
        Reader events(bytes, chunk.at(), chunk.at() + *size);
        const auto last = ReadTrack(events, tempo);
        if (!last) return 0;
        end = std::max(end, *last);
        at = chunk.at() + *size;
    }
    double seconds = 0;
    for (auto it = tempo.begin(); it != tempo.end() && it->first < end; ++it) {
        const auto next = std::next(it);
        const uint32_t to = next == tempo.end() ? end : std::min(end, next->first);
        seconds += double(to - it->first) * it->second / *division / 1e6;
    }
    return seconds;
}
