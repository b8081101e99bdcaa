#include "rules/BoardInformation.h"

#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"

int HourOfDay(int hourCounter) { return hourCounter - 24 * (hourCounter / 24); }
int DayNumber(int hourCounter) { return hourCounter / 24 + 1; }

bool BoardMoment(JournalMoment& at) {
    if (!CurrentBoardView()) return false;
    at = JournalMoment{DayNumber(gb.HourCounter), HourOfDay(gb.HourCounter),
                       rec::ReadName(gd.CurrentCharacter, rec::Name::Character), rec::Owner(gd.CurrentCharacter)};
    return true;
}

void NoteInJournal(const std::string& text) {
    JournalMoment now;
    if (BoardMoment(now)) JournalNote(text, now);
}

void SetInformations(const std::string& text) {
    gb.informations = text;
    BoardView* view = CurrentBoardView();
    if (!view) return;
    view->DrawInformations();
    JournalMoment now;
    if (BoardMoment(now)) JournalRecord(text, now);
}

std::string Informations() { return gb.informations; }

void ShowFightNotice(const std::string& text, FightNoticeTone tone) {
    if (BoardView* view = CurrentBoardView()) view->DrawNotice(text, tone);
}
