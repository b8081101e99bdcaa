#pragma once
// The game's journal: every message the board's information line has shown in this game,
// oldest first, with the day, the hour and the name of the character whose turn it was.
// Messages are kept as the text the player saw, already in the language of that moment.
//
// Wiring (one call each on the board):
//   - at board start-up (frmJeu::Load):  JournalClear();
//   - in SetInformations(text), after the caption is set:
//       JournalRecord(text, DayNumber(b->HourCounter), HourOfDay(b->HourCounter),
//                     rec::ReadName(gd.CurrentCharacter, rec::Name::Character));
//     Call it for every text, the empty one included: an empty text records nothing but
//     ends the message on show, so the same message shown again later is recorded again,
//     while setting the line again to the text it already shows adds no second entry.
#include <string>
#include <vector>

struct JournalEntry {
    std::string text;            // the message as shown
    int day = 0;                 // day number, from 1
    int hour = 0;                // hour of the day, 0-23
    std::string characterName;   // without the blanks of its record field
};

// Records a message the information line now shows (an empty text only ends the one on show).
void JournalRecord(const std::string& text, int day, int hour, const std::string& characterName);
// Every recorded message, oldest first.
const std::vector<JournalEntry>& JournalEntries();
// Forgets every message (a new game begins).
void JournalClear();
