#pragma once
// What the screens ask of the game's record, which lives above them: whether a game is being
// recorded and the player's switch for it, whether an unfinished record can be continued and
// continuing it, and the moment a game starts. The program sets the hooks at start
// (src/app, and the driver when asked to keep records); with none set nothing is recorded,
// Continue is never offered and the switch reads "on".
#include <functional>
#include <string>

struct GameRecordHooks {
    // The switch "record the games", kept for the next runs.
    std::function<bool()> recordingOn;
    std::function<void(bool)> setRecordingOn;
    // An unfinished record of a game to continue exists (asked when the title loads).
    std::function<bool()> canContinue;
    // Continues the last unfinished game (from the title, inside its menu's handler).
    std::function<void()> continueLast;
    // A game started on the board, alone and between two actions (a new one once its set-up
    // closed, or a loaded one). The record ends by itself with the game (the end screen, the
    // board closed): the record's core watches for it.
    std::function<void()> gameStarted;
};

void SetGameRecordHooks(GameRecordHooks hooks);

// Watching a record (the title's "Watch a replay..."): the program sets what runs it (the
// window, and the driver); with none set, the entry is not shown.
void SetWatchReplayHook(std::function<void()> watch);
bool WatchOffered();
void WatchReplay();

// Whether the program keeps records at all (hooks set, a folder to write in): the switch shows.
bool RecordingSwitchShown();
bool RecordingSwitchOn();
void SetRecordingSwitch(bool on);
bool ContinueOffered();
void ContinueLastGame();
void TellGameStarted();

// The title's and the board's entries, in the current language: "Continue the last game" and
// the switch "Record the games" (a mark while on).
std::string ContinueEntryCaption();
std::string RecordSwitchCaption();
std::string WatchEntryCaption();
