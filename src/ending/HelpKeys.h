#pragma once
// The keys of the help and of the journal, for the screens that offer them.
#include <string>

#include "ui/KeyBindings.h"

class Screen;

constexpr const char* kHelpKey = ProgramKeyText(ProgramKey::Help);
constexpr const char* kJournalKey = ProgramKeyText(ProgramKey::Journal);

// Gives a screen the help key (F1 opens the rules help) and the journal key (F2 opens the
// journal): two menu entries "MNU_AideRegles" and "MNU_AideJournal" carrying the keys, with
// their handlers. They go under the screen's menu `menu` when one is named (the title's "?"
// menu shows them with their keys), otherwise under a pop-up menu "MNU_Aide" that is never
// shown and only holds the keys.
void AddHelpKeys(Screen& screen, const std::string& menu = "");
// Captions the two entries in the current language (for a screen whose language can change
// while it is open, such as the title screen).
void CaptionHelpKeys(Screen& screen);
