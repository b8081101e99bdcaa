#pragma once
// The title's entries for the game's record (see ui/GameRecord.h).
class Screen;

constexpr const char* kTitleContinue = "MNU_Continue";
constexpr const char* kTitleRecordSwitch = "MNU_Enregistrer";
constexpr const char* kTitleWatch = "MNU_Watch";

// Adds them under the title's File menu, hidden until RefreshTitleRecordEntries shows them.
void AddTitleRecordEntries(Screen& title);
// Captions, marks and whether they show, as the record stands now (the title's load and each
// change of language).
void RefreshTitleRecordEntries(Screen& title);
