#pragma once
// Watching a record on the real screens (File ▸ Watch a replay...): the record is replayed
// from its start with its screens shown, at the pace of its own waits (×¼ to ×16), paused,
// stepped an event at a time, and its panel (ReplayPanel.h) beside the game's windows. No input
// of the player's reaches the game's screens meanwhile (ui/InputCommand.h: SetInputOnlyTo), and
// nothing is recorded. Take over hands the game to the player where it stands (the window's
// own clock, the computer parties and, when records are kept, a new record that holds the
// watched lines so far); Stop goes back to the title. The window, the driver and the tests run
// this same code; they differ only in how time passes and how they wait for the player.
#include <functional>
#include <string>

#include "record/Replayer.h"

class Screen;

namespace record {

struct WatchHost {
    // Lets `ms` of real time pass, or less should the panel be used meanwhile (the window);
    // nothing in the driver.
    std::function<void(long long ms)> sleep;
    // Waits for the player's next use of the panel; false when none can come any more (the
    // driver's script ended).
    std::function<bool()> idle;
    // The panel was used: a sleep or idle in progress returns.
    std::function<void()> wake;
    // Watching starts (true) and ends (false): the window stops its own clock and refuses the
    // player's input to the game's windows meanwhile; once it ends, the window shows the screens
    // as its own again and its clock goes on from the game's time.
    std::function<void(bool)> watching;
    // A dialog or pop-up menu open when the game was taken over: the player answers it (empty:
    // through the host the screens have again).
    std::function<void(Screen&)> dialog;
    std::function<void(Screen&, const std::string&, int, int)> popup;
};

// How a watch ended.
struct WatchResult {
    enum Kind { Refused, Stopped, TakenOver } kind = Refused;
    ReplayResult replay;      // how far the record went
    std::string newRecord;    // the record the game taken over goes on in ("" when none)
    std::string refusal;      // Refused: why, in the player's language
};

// Watches the record at `path`. A record whose start cannot be used is refused before anything
// changes (its reason said in a message box, in the player's language). Otherwise the game's
// screens are closed, the record plays from its start with the panel open (paused at first),
// and once the player stops or takes over, the panel closes.
WatchResult WatchRecord(const std::string& path, const WatchHost& host);

// The same, with the record chosen in a file dialog opened on the records' folder (any file may
// be chosen: one received from a friend); nothing when the dialog is cancelled.
WatchResult WatchChosenRecord(const WatchHost& host);

// The player's words for a refused record (a message box's text).
std::string WatchRefusal(const std::string& fault);

}  // namespace record
