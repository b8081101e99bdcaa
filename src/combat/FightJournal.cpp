// What a fight leaves in the game's journal: every message of its message line, then how it
// ended, at the board's hour and under the name of the character who fought.
#include "board/Board.h"
#include "combat/Fight.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Messages.h"

namespace {

struct OutcomeWords {
    const char *separator, *won, *lost, *noVictory;
};
const OutcomeWords kFrench{" : ", "combat gagné.", "combat perdu.", "combat sans victoire."};
const OutcomeWords kEnglish{": ", "fight won.", "fight lost.", "fight without victory."};

void Record(const std::string& text) {
    JournalMoment now;
    if (BoardMoment(now)) JournalRecord(text, now, JournalLine::Fight);
}

}  // namespace

void JournalFightMessage(const std::string& text) { Record(text); }

void JournalFightMessageHidden() { Record(""); }

void JournalFightOutcome() {
    const OutcomeWords& w = gd.LanguageOffset == 2000 ? kEnglish : kFrench;
    const char* result = gd.FightResult == 1 ? w.won : gd.FightResult == -1 ? w.lost : w.noVictory;
    JournalMoment now;
    if (BoardMoment(now)) JournalNote(EnemyName(gd.EnemyNumber) + w.separator + result, now);
}
