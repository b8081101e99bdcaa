#pragma once
// Playing across machines: the lines the host and the joined machines send each other
// (docs/network-protocol.md). One message a line, its first word its kind; the record's own
// lines ride inside `input`, `head` and `ev` messages untouched. Plain C++: the transport
// (src/link) carries the lines, this builds and reads them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace net {

constexpr int kProtocolVersion = 1;

// A joined machine's line at most (an input line of a record is at most 4,096 bytes).
constexpr std::size_t kLongestClientLine = 4200;
// The host's line at most: a game's whole text in a `head` line.
constexpr std::size_t kLongestHostLine = 16u * 1024 * 1024 + 64;
// Lines a joined machine may send: on average a second, and at once.
constexpr int kLinesPerSecond = 20;
constexpr int kBurstLines = 40;
// Lines over the rate before the machine is disconnected.
constexpr int kFloodLines = 200;
// Bytes waiting unread from one machine before it is disconnected.
constexpr std::size_t kMostPendingBytes = 64 * 1024;
// Wrong join codes before the machine is disconnected.
constexpr int kMostWrongCodes = 5;
// Seconds a new connection has to say hello.
constexpr int kHelloSeconds = 10;
// A player's name: as the set-up's (1 to 10 characters).
constexpr std::size_t kLongestName = 10;

// One line read: its kind (the first word), its words, and for the kinds that carry a record's
// line (`input LINE`, `head LINE`, `ev N LINE`) that line as it was sent.
struct Message {
    std::string kind;
    std::vector<std::string> words;  // the kind first
    std::string carried;             // the record's line inside it, untouched
    bool quoteLeftOpen = false;
};

// Reads one line (without its line feed). A line with nothing in it has an empty kind.
Message ReadMessage(const std::string& line);

// A joined machine's lines.
std::string HelloLine(const std::string& code, const std::string& name, int version = kProtocolVersion);
std::string InputLine(const std::string& recordLine);
std::string DoneLine();
std::string ResyncLine();

// The host's lines.
std::string WelcomeLine(const std::string& seats);
std::string RefusedLine(const std::string& why);
std::string StartLine(long long events, long long handOvers);
std::string HeadLine(const std::string& recordLine);
std::string EventLine(long long number, const std::string& recordLine);
std::string HashLine(long long handOver, uint64_t hash);
std::string OkLine(long long number);
std::string LiveLine();
std::string EndLine(const std::string& why);

// The game's state hash: FNV-1a of the saved game's text, and its 16 hex digits.
uint64_t StateHash(const std::string& gameText);
std::string HashText(uint64_t hash);
bool ReadHash(const std::string& text, uint64_t& hash);
// A whole number of events or hand-overs (0 and up); false for anything else.
bool ReadCount(const std::string& word, long long& count);

}  // namespace net
