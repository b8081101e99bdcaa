// A piece is asked to repeat only when FluidSynth will surely read it and it does not end where
// it starts; the game's own pieces always qualify.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/MidiLength.h"

namespace {

std::string Slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A one-track file around the given events (the end-of-track event is not added).
std::string File(const std::string& events, int division = 480) {
    std::string f("MThd\0\0\0\6\0\0\0\1", 12);
    f += char(division >> 8);
    f += char(division & 0xFF);
    f += "MTrk";
    for (int shift : {24, 16, 8, 0}) f += char((events.size() >> shift) & 0xFF);
    return f + events;
}

const std::string kEnd("\xFF\x2F\x00", 3);
// Middle C struck at the start and let go after a beat, then the end a beat later.
const std::string kTwoBeats = std::string("\x00\x90\x3C\x64\x83\x60\x80\x3C\x00\x83\x60", 11) + kEnd;

}  // namespace

TEST(MidiLength, ReadsTheLengthThroughTheTempoChanges) {
    EXPECT_DOUBLE_EQ(MidiSeconds(File(kTwoBeats)), 1.0);  // 120 beats a minute unless told
    // 60 beats a minute from the start, 240 from the second beat: 1 s + 0.25 s.
    const std::string tempos = std::string("\x00\xFF\x51\x03\x0F\x42\x40", 7) +
                               std::string("\x00\x90\x3C\x64\x83\x60\xFF\x51\x03\x03\xD0\x90", 12) +
                               std::string("\x00\x80\x3C\x00\x83\x60", 6) + kEnd;
    EXPECT_DOUBLE_EQ(MidiSeconds(File(tempos)), 1.25);
    // Running status after a note: the same length.
    EXPECT_DOUBLE_EQ(MidiSeconds(File(std::string("\x00\x90\x3C\x64\x83\x60\x3C\x00\x83\x60", 10) + kEnd)), 1.0);

    for (const char* piece : {"start.mid", "battle.mid", "marche.mid", "forge.mid"}) {
        const double seconds = MidiSeconds(Slurp(std::string(QUELMOR_BIN_DIR) + "/" + piece));
        EXPECT_GT(seconds, 30.0) << piece;
        EXPECT_LT(seconds, 180.0) << piece;
    }
}

TEST(MidiLength, WhatFluidSynthMightNotReadOrThatEndsAtOnceHasNoLength) {
    const std::string whole = File(kTwoBeats);
    ASSERT_GT(MidiSeconds(whole), 0);
    for (size_t cut = 0; cut < whole.size(); ++cut) EXPECT_EQ(MidiSeconds(whole.substr(0, cut)), 0) << "cut at " << cut;
    const std::string battle = Slurp(std::string(QUELMOR_BIN_DIR) + "/battle.mid");
    EXPECT_EQ(MidiSeconds(battle.substr(0, battle.size() / 2)), 0);

    EXPECT_EQ(MidiSeconds(File(kEnd)), 0) << "it ends where it starts";
    EXPECT_EQ(MidiSeconds(File(std::string("\x00\x90\x3C\x64", 4) + kEnd)), 0) << "it ends where it starts";
    EXPECT_EQ(MidiSeconds(File(std::string("\x00\xFF\x51\x03\x00\x00\x00", 7) + kTwoBeats)), 0) << "tempo 0";
    EXPECT_EQ(MidiSeconds(File(std::string("\x00\xFF\x51\x02\x07\xA1", 6) + kTwoBeats)), 0) << "short tempo";
    EXPECT_EQ(MidiSeconds(File(std::string("\x00\xFF\x03\x01\x41\x00\x3C\x64", 8) + kTwoBeats)), 0)
        << "running status after a meta event";
    EXPECT_EQ(MidiSeconds(File(std::string("\x00\xF7\x01\x00", 4) + kTwoBeats)), 0) << "a sysex continuation";
    EXPECT_EQ(MidiSeconds(File(kTwoBeats + std::string("\x00", 1))), 0) << "bytes after the end of the track";
    EXPECT_EQ(MidiSeconds(File(std::string("\x00\x90\x3C\xE4", 4) + kTwoBeats)), 0) << "a status byte as data";
    EXPECT_EQ(MidiSeconds(File(kTwoBeats, -25 * 256 + 40)), 0) << "SMPTE time";
    EXPECT_EQ(MidiSeconds(File(kTwoBeats, 0)), 0) << "no ticks a beat";
    std::string twoTracks = File(kTwoBeats);
    twoTracks[11] = 2;  // announces a second track that isn't there
    EXPECT_EQ(MidiSeconds(twoTracks), 0);
    EXPECT_EQ(MidiSeconds(""), 0);
    EXPECT_EQ(MidiSeconds(std::string(4000, '\x5A')), 0);
}
