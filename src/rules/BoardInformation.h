#pragma once
// The board's messages: the information line, the journal's moment, the notice over the map.
#include <string>

#include "rules/BoardView.h"

struct JournalMoment;

// Writes the information line (gb.informations); every message shown while a board is open
// joins the game's journal.
void SetInformations(const std::string& text);
// The information line.
std::string Informations();
// The moment the journal gives a message shown now: the board clock's day and hour and the
// character whose turn it is. False while no board is open.
bool BoardMoment(JournalMoment& at);
// Notes in the game's journal, at the board's moment, something no line shows (a purchase,
// the message box at the tower door). Nothing while no board is open.
void NoteInJournal(const std::string& text);
// A notice over the map that says how a fight ended (or that the game was saved); it fades by
// itself (the next turn's banner takes it away). Nothing while no board is open.
void ShowFightNotice(const std::string& text, FightNoticeTone tone);
// The hour of the day (0-23) and the day number (from 1) of an hour counter.
int HourOfDay(int hourCounter);
int DayNumber(int hourCounter);
