#include "state/Journal.h"

namespace {

std::vector<JournalEntry> entries;
// Is the last entry the message the line still shows (no other text or clearing since)?
bool lastOnShow = false;

std::string Trimmed(const std::string& name) {
    size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    size_t last = name.find_last_not_of(' ');
    return name.substr(first, last - first + 1);
}

}  // namespace

void JournalRecord(const std::string& text, int day, int hour, const std::string& characterName) {
    if (text.empty()) {
        lastOnShow = false;
        return;
    }
    JournalEntry entry{text, day, hour, Trimmed(characterName)};
    if (lastOnShow && !entries.empty()) {
        const JournalEntry& last = entries.back();
        if (last.text == entry.text && last.day == day && last.hour == hour &&
            last.characterName == entry.characterName)
            return;   // the line was set again to what it already showed
    }
    entries.push_back(std::move(entry));
    lastOnShow = true;
}

const std::vector<JournalEntry>& JournalEntries() { return entries; }

void JournalClear() {
    entries.clear();
    lastOnShow = false;
}
