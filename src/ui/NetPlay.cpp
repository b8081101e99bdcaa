#include "ui/NetPlay.h"

#include <utility>

#include "state/Text.h"

namespace {

NetPlayHooks& Hooks() {
    static NetPlayHooks hooks;
    return hooks;
}

}  // namespace

void SetNetPlayHooks(NetPlayHooks hooks) { Hooks() = std::move(hooks); }

const NetPlayHooks& NetPlay() { return Hooks(); }

bool NetHosting() { return Hooks().hosting && Hooks().hosting(); }

bool NetJoined() { return Hooks().joined && Hooks().joined(); }

int NetAwayParty() { return Hooks().awayParty ? Hooks().awayParty() : 0; }

std::string NetNewCode() { return Hooks().newCode ? Hooks().newCode() : std::string(); }

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool ReadNetPort(const std::string& text, int& port) {
    const std::string digits = TrimBlanks(text);
    if (digits.empty() || digits.size() > 5) return false;
    int value = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') return false;
        value = value * 10 + (ch - '0');
    }
    if (value < 1 || value > 65535) return false;
    port = value;
    return true;
}

int CharacterLength(const std::string& text) { return static_cast<int>(FromUtf8(text).size()); }
