// The tests' MIDI file reader.
#include "audio_smf.h"

#include <algorithm>
#include <map>

namespace smf {
namespace {

struct Reader {
    const QByteArray& b;
    qsizetype pos;
    qsizetype end;
    bool ok = true;
    int Byte() {
        if (pos >= end) {
            ok = false;
            return 0;
        }
        return uint8_t(b[pos++]);
    }
    uint32_t Big(int n) {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | uint32_t(Byte());
        return v;
    }
    uint32_t VarLen() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const int c = Byte();
            v = (v << 7) | uint32_t(c & 0x7F);
            if (!(c & 0x80)) return v;
        }
        ok = false;  // longer than four bytes
        return v;
    }
};

}  // namespace

double Song::Seconds(uint32_t tick) const {
    double seconds = 0;
    uint32_t at = 0, us = 500000;  // the default tempo, 120 beats a minute
    for (const auto& [t, tempo] : tempos) {
        if (t >= tick) break;
        seconds += double(t - at) * us / 1e6 / division;
        at = t;
        us = tempo;
    }
    return seconds + double(tick - at) * us / 1e6 / division;
}

double Song::LengthSeconds() const {
    uint32_t last = 0;
    for (uint32_t e : trackEnds) last = std::max(last, e);
    return Seconds(last);
}

Song Parse(const QByteArray& bytes) {
    Song s;
    Reader r{bytes, 0, bytes.size()};
    if (bytes.left(4) != "MThd") return s.error = "no MThd", s;
    r.pos = 4;
    if (r.Big(4) != 6) return s.error = "header length", s;
    s.format = int(r.Big(2));
    s.trackCount = int(r.Big(2));
    s.division = int(r.Big(2));
    if (s.division <= 0 || s.division >= 0x8000) return s.error = "division", s;
    for (int t = 0; t < s.trackCount; ++t) {
        if (bytes.mid(r.pos, 4) != "MTrk") return s.error = "no MTrk for track " + std::to_string(t), s;
        r.pos += 4;
        const uint32_t len = r.Big(4);
        Reader tr{bytes, r.pos, r.pos + qsizetype(len)};
        if (tr.end > bytes.size()) return s.error = "track " + std::to_string(t) + " runs past the file", s;
        uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        std::map<std::pair<int, int>, std::vector<Note>> open;
        while (tr.ok && tr.pos < tr.end && !ended) {
            tick += tr.VarLen();
            int c = tr.Byte();
            if (c < 0x80) {  // running status
                if (status == 0) return s.error = "data byte without status", s;
                --tr.pos;
                c = status;
            }
            if (c == 0xFF) {
                const int type = tr.Byte();
                const uint32_t n = tr.VarLen();
                if (type == 0x51 && n == 3) s.tempos.push_back({tick, tr.Big(3)});
                else tr.pos += qsizetype(n);
                if (type == 0x2F) ended = true;
                continue;
            }
            if (c == 0xF0 || c == 0xF7) {
                tr.pos += qsizetype(tr.VarLen());
                continue;
            }
            status = c;
            const int kind = c & 0xF0, ch = c & 0x0F;
            const int d1 = tr.Byte();
            const int d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : tr.Byte();
            if (d1 > 127 || d2 > 127) return s.error = "data byte above 127", s;
            if (kind == 0x90 && d2 > 0) {
                open[{ch, d1}].push_back({t, ch, d1, d2, tick, tick});
                s.firstNoteTick[size_t(ch)] = std::min(s.firstNoteTick[size_t(ch)], tick);
            } else if (kind == 0x80 || kind == 0x90) {
                auto& list = open[{ch, d1}];
                if (list.empty()) {
                    ++s.unmatchedNoteOffs;
                } else {
                    Note n = list.front();
                    list.erase(list.begin());
                    n.off = tick;
                    s.notes.push_back(n);
                }
            } else if (kind == 0xC0) {
                s.programOfChannel[size_t(ch)] = d1;
                s.firstProgramTick[size_t(ch)] = std::min(s.firstProgramTick[size_t(ch)], tick);
            }
        }
        if (!tr.ok) return s.error = "track " + std::to_string(t) + " is cut short", s;
        if (!ended) return s.error = "track " + std::to_string(t) + " has no end-of-track", s;
        if (tr.pos != tr.end) return s.error = "bytes after end-of-track in track " + std::to_string(t), s;
        for (auto& [k, list] : open) s.danglingNoteOns += int(list.size());
        s.trackEnds.push_back(tick);
        r.pos = tr.end;
    }
    if (r.pos != bytes.size()) s.error = "bytes after the last track";
    std::stable_sort(s.tempos.begin(), s.tempos.end());
    return s;
}

}  // namespace smf
