// What a fight leaves in the game's journal: every message of its message line, at the board's
// hour and under the name of the character who fought (how it ended is noted with its notice).
#include "combat/Fight.h"
#include "rules/BoardInformation.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"

namespace {

void Record(const std::string& text) {
    JournalMoment now;
    if (BoardMoment(now)) JournalRecord(text, now, JournalLine::Fight);
}

}  // namespace

void JournalFightMessage(const std::string& text) { Record(text); }

void JournalFightMessageHidden() { Record(""); }
