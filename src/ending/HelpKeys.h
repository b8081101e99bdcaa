#pragma once
// The keys of the help and of the journal (screens get them through AddHelpKeys, ui/Navigation.h).
#include "ui/KeyBindings.h"

constexpr const char* kHelpKey = ProgramKeyText(ProgramKey::Help);
constexpr const char* kJournalKey = ProgramKeyText(ProgramKey::Journal);
