#pragma once
// What saving and loading say to the player, in the language of the game.
#include <string>

#include "state/GameRules.h"

enum class SaveText {
    // Captions of the entries and of the file dialogs.
    SaveEntry,        // the board's save button (tooltip) and the dialog's title
    LoadEntry,        // the title's File menu entry
    FileKind,         // the file dialogs' filter name
    // Why a save cannot be made now.
    NoGame,
    DuringFight,
    DuringShop,
    WindowOpen,
    LoadOnTitleOnly,
    // Replacing a file, leaving the board.
    ReplaceQuestion,  // followed by the file's name
    Replace,
    Keep,
    LeaveQuestion,
    SaveAndLeave,
    LeaveWithoutSaving,
    Cancel,
    LoadOverQuestion,  // loading another game from the board
    LoadWithoutSaving,
    // Outcomes.
    Saved,            // followed by the file's name
    NotWritten,       // followed by the reason
    NotLoaded,        // followed by the file's name, Separator, then the reason
    Separator,
    // Why a file is not loaded.
    Missing,
    Unreadable,
    Empty,
    TooLarge,
    TooDeep,
    Truncated,
    Malformed,
    NotASave,
    OtherVersion,     // followed by the version found
    BadField,         // followed by the field's name and what is wrong with it
    // What is wrong with a field.
    FieldMissing,
    FieldType,
    FieldRange,
    FieldText,
    FieldRecord,
    // Files the JSON reader refuses, and games that cannot go on.
    NumberTooLarge,
    JsonFault,        // followed by the reader's own words
    DuplicateKey,     // followed by the key's place in the file
    RuleBroken,       // followed by the rule (SayRule)
    DiceState,
    // Why the system did not write a file (see SayWriteFault).
    FaultNoSpace,
    FaultNoRight,
    FaultReadOnly,
    FaultNoFolder,
    FaultNameTooLong,
    FaultTooLarge,
    FaultIsFolder,
    FaultDevice,
    FaultOther,       // followed by the system's error number
    // The file name a save dialog offers: the players' names, then this and the day.
    DayInName,
};

// The text in the game's current language (French unless English is chosen).
std::string Say(SaveText text);
// A rule of the game that a saved state breaks, in the game's current language, with the
// character or player it concerns.
std::string SayRule(Rule rule, int slot);
// Why a file was not written, from the system's error number (errno), in the game's language.
std::string SayWriteFault(int error);
