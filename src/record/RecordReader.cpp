#include "record/RecordReader.h"

#include <charconv>
#include <set>

#include "record/RecordFormat.h"
#include "record/Recorder.h"
#include "ui/InputCommand.h"

namespace record {

namespace {

// The commands of the driver's scripts that a record never holds: they change the game
// behind the player's back, show it, or run the computer.
const std::set<std::string>& DriverOnly() {
    static const std::set<std::string> only = {"set",    "rnd",  "call", "dump",     "snap",   "play",
                                               "newgame", "screen", "quit", "openmenu", "tip",    "record",
                                               "replay", "_pickclass"};
    return only;
}

// The record's own lines beside the inputs, with how many words each takes (0: any from 2).
size_t OwnWords(const std::string& cmd) {
    if (cmd == "computer") return 3;
    if (cmd == "hurry" || cmd == "saved" || cmd == "end") return 2;
    if (cmd == "notsaved" || cmd == "notloaded" || cmd == "save" || cmd == "load") return 1;
    if (cmd == "unfaithful") return 0;
    return static_cast<size_t>(-1);
}

}  // namespace

bool GameText(const std::string& raw, std::string& kind, std::string& text) {
    for (const char* k : {"save", "game"}) {
        const std::string head = std::string("start ") + k + " ";
        if (raw.starts_with(head)) {
            kind = k;
            text = raw.substr(head.size());
            return true;
        }
    }
    return false;
}

bool RecordReader::Fail(const std::string& why) {
    if (fault_.empty()) fault_ = "line " + std::to_string(line_) + ": " + why;
    over_ = true;
    return false;
}

void RecordReader::Refuse(const std::string& why) { Fail(why); }

bool RecordReader::ReadLine(std::string& line) {
    line.clear();
    if (over_) return false;
    std::streambuf* buf = in_.rdbuf();
    ++line_;
    long long read = 0;
    for (;;) {
        const int ch = buf ? buf->sbumpc() : std::char_traits<char>::eof();
        if (ch == std::char_traits<char>::eof()) {
            over_ = true;
            if (read > 0) {
                cutShort_ = true;
                fault_ = "line " + std::to_string(line_) + " is cut short (the event being written when the game "
                         "stopped): left out";
            }
            return false;
        }
        ++read;
        if (ch == '\n') break;
        if (ch == '\0') return Fail("holds a zero byte: this is no record's text");
        line.push_back(static_cast<char>(ch));
        // Only a game's whole text may make a long line.
        if (line.size() > kLongestLine && !line.starts_with("start ")) {
            return Fail("longer than " + std::to_string(kLongestLine) + " bytes");
        }
        if (line.size() > kLongestStartLine)
            return Fail("longer than " + std::to_string(kLongestStartLine) + " bytes");
    }
    bytes_ += read;
    return true;
}

bool RecordReader::ReadStart(RecordStart& start) {
    std::string line;
    auto expect = [&](const char* what) {
        if (ReadLine(line)) return true;
        if (cutShort_ || fault_.empty()) {
            cutShort_ = false;
            fault_.clear();
            Fail(std::string("the record ends before its ") + what);
        }
        return false;
    };
    if (!expect("first line")) return false;
    const std::string magic = std::string(kRecordMagic) + " ";
    if (!line.starts_with(magic)) return Fail("not a record of the game (it does not start with \"" + magic + "\")");
    int version = 0;
    if (!ToWholeNumber(line.substr(magic.size()), version)) return Fail("no version after \"" + magic + "\"");
    if (version != kRecordVersion)
        return Fail("version " + std::to_string(version) + " is not one this game reads (it reads " +
                    std::to_string(kRecordVersion) + ")");
    start.version = version;
    if (!expect("seed")) return false;
    const std::string digits = line.starts_with("seed ") ? line.substr(5) : "";
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), start.seed);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || digits[0] == '-')
        return Fail("expected \"seed N\" with N a whole number of 64 bits");
    if (!expect("language")) return false;
    if (line != "lang fr" && line != "lang en") return Fail("expected \"lang fr\" or \"lang en\"");
    start.english = line == "lang en";
    if (!expect("starting point")) return false;
    std::string kind;
    if (line == "start new") {
        start.from = RecordStart::From::Title;
    } else if (GameText(line, kind, start.game)) {
        start.from = kind == "save" ? RecordStart::From::SavedGame : RecordStart::From::RunningGame;
    } else {
        return Fail("expected \"start new\", \"start save GAME\" or \"start game GAME\"");
    }
    return true;
}

bool RecordReader::CheckForm(const CommandLine& event, const std::string& raw) {
    if (event.quoteLeftOpen) return Fail("a quote is left open");
    if (event.Empty()) return Fail("an empty line or a comment: a record has neither");
    const std::string& cmd = event.Command();
    if (DriverOnly().count(cmd)) return Fail(cmd + " is a command of the driver's scripts, not of a record");
    if (cmd == "start") {
        std::string kind, text;
        if (!GameText(raw, kind, text)) return Fail("expected \"start save GAME\" or \"start game GAME\"");
        return true;
    }
    if (IsInputCommand(cmd)) return true;  // the replay checks the input's arguments as it applies it
    const size_t words = OwnWords(cmd);
    if (words == static_cast<size_t>(-1)) return Fail("unknown command " + cmd);
    const size_t count = event.words.size();
    if ((words == 0 && count < 2) || (words != 0 && count != words))
        return Fail(cmd + ": takes " + std::to_string(words ? words - 1 : 1) + " arguments, not " +
                    std::to_string(count - 1));
    const std::string& arg = count > 1 ? event.words[1] : "";
    if (cmd == "computer") {
        int p = 0;
        if (!event.Number(1, p) || p < 1 || p > 4) return Fail("computer: not a player from 1 to 4: " + arg);
        if (ComputerPartyWord(event.words[2]) < 0) return Fail("computer: on, off, easy, normal or hard, not " + event.words[2]);
    }
    if (cmd == "hurry" && arg != "on" && arg != "off") return Fail("hurry: on or off, not " + arg);
    if (cmd == "end" && arg != "won" && arg != "left") return Fail("end: won or left, not " + arg);
    return true;
}

bool RecordReader::Next(CommandLine& event, std::string& raw) {
    if (!ReadLine(raw)) return false;
    if (events_ >= kMostEvents) return Fail("more than " + std::to_string(kMostEvents) + " events");
    // A game's text is read whole by the one who takes it: never split into words.
    if (raw.starts_with("start ")) event = CommandLine{{"start"}, false};
    else event = ReadCommandLine(raw);
    if (!CheckForm(event, raw)) return false;
    ++events_;
    return true;
}

}  // namespace record
