#pragma once
// The keys of the help and of the journal, for the screens that offer them.
class Screen;

constexpr const char* kHelpKey = "F1";
constexpr const char* kJournalKey = "F2";

// Gives a screen the help key (F1 opens the rules help) and the journal key (F2 opens the
// journal): a pop-up menu "MNU_Aide" that is never shown, with the entries "MNU_AideRegles"
// and "MNU_AideJournal" carrying the two shortcuts, and their handlers.
void AddHelpKeys(Screen& screen);
