#pragma once
// Reading a record (RecordFormat.h) as input from outside: a line at a time, never the whole
// file, each line checked for its length and its form before anything runs. A fault stops the
// reading at its line, with the line's number and what is wrong; a last line without its line
// break is the event that was being written when the game stopped: left out, and said.
#include <cstdint>
#include <istream>
#include <string>

#include "ui/CommandLine.h"

namespace record {

struct RecordStart {
    int version = 0;
    uint64_t seed = 0;
    bool english = false;
    enum class From { Title, SavedGame, RunningGame } from = From::Title;
    std::string game;   // the game's save text (From::SavedGame, From::RunningGame)
};

class RecordReader {
public:
    explicit RecordReader(std::istream& in) : in_(in) {}

    // The first lines: format, version, seed, language, starting point.
    bool ReadStart(RecordStart& start);
    // The next event, its form checked (whether it can be applied is the replay's to say).
    // False at the end of the record, at a fault or at a line cut short.
    bool Next(CommandLine& event, std::string& raw);

    long long LineNumber() const { return line_; }
    long long Events() const { return events_; }
    // The bytes up to the end of the last line read whole.
    long long WholeBytes() const { return bytes_; }
    const std::string& Fault() const { return fault_; }  // "" when there is none
    bool CutShort() const { return cutShort_; }
    // The fault of the line just read, raised by whoever applies it.
    void Refuse(const std::string& why);

private:
    bool ReadLine(std::string& line);
    bool Fail(const std::string& why);
    bool CheckForm(const CommandLine& event, const std::string& raw);

    std::istream& in_;
    long long line_ = 0;
    long long events_ = 0;
    long long bytes_ = 0;
    std::string fault_;
    bool cutShort_ = false;
    bool over_ = false;
};

// A record's `start save` / `start game` line carries the game's text after these words.
bool GameText(const std::string& raw, std::string& kind, std::string& text);

}  // namespace record
