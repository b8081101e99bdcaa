#include "net/Protocol.h"

#include <charconv>

#include "ui/CommandLine.h"
#include "ui/InputLog.h"

namespace net {

namespace {

// The text after the first `skip` words and the blank after each (the words before it are
// plain: a kind, a number).
std::string After(const std::string& line, int skip) {
    size_t at = 0;
    for (int i = 0; i < skip; ++i) {
        const size_t blank = line.find(' ', at);
        if (blank == std::string::npos) return "";
        at = blank + 1;
    }
    return line.substr(at);
}

}  // namespace

Message ReadMessage(const std::string& line) {
    Message m;
    const size_t blank = line.find(' ');
    m.kind = line.substr(0, blank);
    if (m.kind == "input" || m.kind == "head") {
        m.carried = After(line, 1);
        m.words = {m.kind};
        return m;
    }
    if (m.kind == "ev") {
        m.carried = After(line, 2);
        const std::string rest = line.substr(0, line.size() - m.carried.size());
        bool ok = true;
        m.words = SplitWords(rest, ok);
        return m;
    }
    bool ok = true;
    m.words = SplitWords(line, ok);
    m.quoteLeftOpen = !ok;
    if (m.words.empty()) m.kind.clear();
    return m;
}

std::string HelloLine(const std::string& code, const std::string& name, int version) {
    return "hello " + std::to_string(version) + " " + input_log::Word(code) + " " + input_log::Word(name);
}
std::string InputLine(const std::string& recordLine) { return "input " + recordLine; }
std::string DoneLine() { return "done"; }
std::string ResyncLine() { return "resync"; }

std::string WelcomeLine(const std::string& seats) {
    return "welcome " + std::to_string(kProtocolVersion) + (seats.empty() ? "" : " " + seats);
}
std::string RefusedLine(const std::string& why) { return "refused " + input_log::Word(why); }
std::string StartLine(long long events, long long handOvers) {
    return "start " + std::to_string(events) + " " + std::to_string(handOvers);
}
std::string HeadLine(const std::string& recordLine) { return "head " + recordLine; }
std::string EventLine(long long number, const std::string& recordLine) {
    return "ev " + std::to_string(number) + " " + recordLine;
}
std::string HashLine(long long handOver, uint64_t hash) {
    return "hash " + std::to_string(handOver) + " " + HashText(hash);
}
std::string OkLine(long long number) { return "ok " + std::to_string(number); }
std::string LiveLine() { return "live"; }
std::string EndLine(const std::string& why) { return "end " + input_log::Word(why); }

uint64_t StateHash(const std::string& gameText) {
    uint64_t h = 14695981039346656037ull;
    for (unsigned char ch : gameText) h = (h ^ ch) * 1099511628211ull;
    return h;
}

std::string HashText(uint64_t hash) {
    static const char* digits = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) text[static_cast<size_t>(i)] = digits[hash & 15];
    return text;
}

bool ReadHash(const std::string& text, uint64_t& hash) {
    if (text.size() != 16) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hash, 16);
    return error == std::errc() && end == text.data() + text.size();
}

bool ReadCount(const std::string& word, long long& count) {
    if (word.empty() || word.size() > 18 || word[0] == '-' || word[0] == '+') return false;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), count);
    return error == std::errc() && end == word.data() + word.size();
}

}  // namespace net
