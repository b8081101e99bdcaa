#pragma once
// Continue: the newest unfinished record replayed from the title, with no window painted, and
// the game handed back where it stood, the record written on from its last whole event. The
// window, the driver and the tests run this same code; they differ only in how the screens
// are shown again and who answers a dialog left open.
#include <functional>
#include <string>

#include "record/Autosave.h"

class Screen;

namespace record {

struct ContinueHost {
    // The replay is over: the screens open now are shown again (the window makes their windows).
    std::function<void()> showAgain;
    // A modal dialog or a pop-up menu the record ended in: the player answers it from here
    // (when left empty, through the host the screens are given back to).
    std::function<void(Screen&)> dialog;
    std::function<void(Screen&, const std::string& menu, int x, int y)> popup;
};

// The record's first lines and the game it starts from, checked before anything changes; false
// with the fault ("line N: why").
bool UsableRecordStart(const std::string& path, std::string& why);
// "line 12: unknown command" → 12 and "unknown command"; a message without its line gives 0.
void SplitFaultLine(const std::string& message, long long& line, std::string& why);

// Continues the record at `path`. A record whose start cannot be used is refused before the
// title closes: nothing changes. `told` gets the outcome once the screens show the game again
// (before a dialog left open is handed back), while nothing is being recorded.
void ContinueRecord(const std::string& path, const ContinueHost& host,
                    const std::function<void(const ContinueResult&)>& told);

// The engine the autosave runs in the window and the driver: the record's core, with `host`
// for Continue.
RecordEngine CoreEngine(ContinueHost host);

}  // namespace record
