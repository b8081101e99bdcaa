#pragma once
// The game's journal: every message shown in this game, oldest first, with the day, the hour
// and the name of the character whose turn it was. Messages are kept as the text the player
// saw, already in the language of that moment.
//
// Two lines show messages, one at a time each: the board's information line and the fight
// screen's message line. A line that is set again to the text it still shows adds no second
// entry; once the line was cleared (or hidden), showing the same text again is a new entry.
// A fight's outcome, which no line shows, is noted as an entry of its own.
//
// Wiring:
//   - at board start-up (frmJeu::Load):  JournalClear();
//   - in SetInformations(text), after the caption is set: JournalRecord(text, <moment>);
//     for every text, the empty one included (an empty text ends the message on show);
//   - the fight screen's message line: JournalRecord(text, <moment>, JournalLine::Fight) when
//     it shows a message, JournalRecord("", <moment>, JournalLine::Fight) when it hides it;
//   - the end of a fight: JournalNote(outcome, <moment>).
#include <string>
#include <vector>

struct JournalEntry {
    std::string text;            // the message as shown
    int day = 0;                 // day number, from 1
    int hour = 0;                // hour of the day, 0-23
    std::string characterName;   // without the blanks of its record field
    int player = 0;              // the character's player, 1-4; 0 when not known (older saves)
};

// When a message is shown: the board clock's day and hour and the acting character's name.
struct JournalMoment {
    int day = 0;
    int hour = 0;
    std::string characterName;   // as in its record field; the journal trims the blanks
    int player = 0;              // the character's player, 0 when none
};

// The places that show one message at a time.
enum class JournalLine { Informations, Fight };

// Records a message that line now shows (an empty text only ends the one on show).
void JournalRecord(const std::string& text, const JournalMoment& at, JournalLine line = JournalLine::Informations);
void JournalRecord(const std::string& text, int day, int hour, const std::string& characterName);
// Records something no line shows: always a new entry.
void JournalNote(const std::string& text, const JournalMoment& at);
// Every recorded message, oldest first.
const std::vector<JournalEntry>& JournalEntries();
// Forgets every message (a new game begins).
void JournalClear();

// What the computer said of its decisions while it played (ai/Sayings.h): kept beside the
// messages for the journal window, each after the messages that came before it. They are the
// window's alone: never saved with the game, gone with a new or a loaded game.
struct JournalAside {
    JournalEntry entry;
    size_t after = 0;   // how many of JournalEntries() came before it
};
void JournalAsideNote(const std::string& text, const JournalMoment& at);
const std::vector<JournalAside>& JournalAsides();

// The whole journal, with the entry each line still shows (-1 for none), as a saved game
// keeps it; restoring it puts the journal back exactly, so a line set again to the text it
// showed still adds nothing.
struct JournalState {
    std::vector<JournalEntry> entries;
    int informationsShown = -1;
    int fightShown = -1;
};
JournalState JournalSnapshot();
void JournalRestore(JournalState state);
