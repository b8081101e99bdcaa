#include "ui/GameRecord.h"

#include <functional>
#include <utility>

#include "state/GlobalDecl.h"

namespace {

GameRecordHooks& Hooks() {
    static GameRecordHooks hooks;
    return hooks;
}

std::function<void()>& WatchHook() {
    static std::function<void()> watch;
    return watch;
}

bool English() { return gd.LanguageOffset == 2000; }

}  // namespace

void SetGameRecordHooks(GameRecordHooks hooks) { Hooks() = std::move(hooks); }

void SetWatchReplayHook(std::function<void()> watch) { WatchHook() = std::move(watch); }

bool WatchOffered() { return static_cast<bool>(WatchHook()); }

void WatchReplay() {
    if (WatchHook()) WatchHook()();
}

bool RecordingSwitchShown() { return static_cast<bool>(Hooks().recordingOn); }

bool RecordingSwitchOn() { return Hooks().recordingOn ? Hooks().recordingOn() : true; }

void SetRecordingSwitch(bool on) {
    if (Hooks().setRecordingOn) Hooks().setRecordingOn(on);
}

bool ContinueOffered() { return Hooks().canContinue && Hooks().continueLast && Hooks().canContinue(); }

void ContinueLastGame() {
    if (Hooks().continueLast) Hooks().continueLast();
}

void TellGameStarted() {
    if (Hooks().gameStarted) Hooks().gameStarted();
}

std::string ContinueEntryCaption() {
    return English() ? "&Continue the last game" : "Reprendre la &dernière partie";
}

std::string RecordSwitchCaption() { return English() ? "Record the &games" : "Enre&gistrer les parties"; }

std::string WatchEntryCaption() {
    return English() ? "&Watch a replay..." : "Re&voir une partie enregistrée...";
}
