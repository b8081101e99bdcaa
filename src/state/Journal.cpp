#include "state/Journal.h"

#include "state/GameLimits.h"

namespace {

std::vector<JournalEntry> entries;
std::vector<JournalAside> asides;
// For each line, the entry of the message it still shows (no other text or clearing since);
// -1 when it shows none.
int onShow[2] = {-1, -1};

std::string Trimmed(const std::string& name) {
    size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    size_t last = name.find_last_not_of(' ');
    return name.substr(first, last - first + 1);
}

JournalEntry EntryOf(const std::string& text, const JournalMoment& at) {
    return JournalEntry{text, at.day, at.hour, Trimmed(at.characterName), at.player};
}

// A new entry; a full journal first forgets its oldest ones, and the lines' entries move with it.
void Keep(JournalEntry entry) {
    if (entries.size() >= static_cast<size_t>(limits::kMostJournalEntries)) {
        const int dropped = limits::kJournalEntriesDropped;
        entries.erase(entries.begin(), entries.begin() + dropped);
        for (int& shown : onShow) shown = shown >= dropped ? shown - dropped : -1;
        // The asides said among the forgotten messages go with them.
        std::erase_if(asides, [dropped](const JournalAside& a) { return a.after < static_cast<size_t>(dropped); });
        for (JournalAside& a : asides) a.after -= static_cast<size_t>(dropped);
    }
    entries.push_back(std::move(entry));
}

bool Same(const JournalEntry& a, const JournalEntry& b) {
    return a.text == b.text && a.day == b.day && a.hour == b.hour && a.characterName == b.characterName &&
           a.player == b.player;
}

}  // namespace

void JournalRecord(const std::string& text, const JournalMoment& at, JournalLine line) {
    int& shown = onShow[line == JournalLine::Fight ? 1 : 0];
    if (text.empty()) {
        shown = -1;
        return;
    }
    JournalEntry entry = EntryOf(text, at);
    if (shown >= 0 && Same(entries[static_cast<size_t>(shown)], entry)) return;  // set again to what it showed
    Keep(std::move(entry));
    shown = static_cast<int>(entries.size()) - 1;
}

void JournalRecord(const std::string& text, int day, int hour, const std::string& characterName) {
    JournalRecord(text, JournalMoment{day, hour, characterName});
}

void JournalNote(const std::string& text, const JournalMoment& at) {
    if (!text.empty()) Keep(EntryOf(text, at));
}

const std::vector<JournalEntry>& JournalEntries() { return entries; }

void JournalAsideNote(const std::string& text, const JournalMoment& at) {
    if (text.empty()) return;
    if (asides.size() >= static_cast<size_t>(limits::kMostJournalEntries))
        asides.erase(asides.begin(), asides.begin() + limits::kJournalEntriesDropped);
    asides.push_back(JournalAside{EntryOf(text, at), entries.size()});
}

const std::vector<JournalAside>& JournalAsides() { return asides; }

void JournalClear() {
    asides.clear();
    entries.clear();
    onShow[0] = onShow[1] = -1;
}

JournalState JournalSnapshot() { return JournalState{entries, onShow[0], onShow[1]}; }

void JournalRestore(JournalState state) {
    asides.clear();
    entries = std::move(state.entries);
    const int count = static_cast<int>(entries.size());
    auto valid = [count](int shown) { return shown >= 0 && shown < count ? shown : -1; };
    onShow[0] = valid(state.informationsShown);
    onShow[1] = valid(state.fightShown);
}
