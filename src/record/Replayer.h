#pragma once
// Replaying a record: its events applied to the screens, from its starting point, with no
// window painted; the modal dialogs and pop-up menus read their events from the record, as the
// driver's dialogs read its script. It stops at the record's end, after a given number of
// events, at a line cut short, or at a fault (a line it refuses, a control a player could not
// use then), and says where and why.
//
//     std::ifstream file(path);
//     record::Replayer replay(file);
//     replay.SetDialogLeftOpen([&](Screen& dialog) { host.RunModal(dialog); });
//     record::ReplayResult r = replay.Run();   // the game stands after r.events events
#include <functional>
#include <istream>
#include <string>

#include "record/RecordReader.h"
#include "ui/Host.h"
#include "ui/InputCommand.h"

namespace record {

// The pace of a replay watched on the screens: asked before each event, and while a wait's
// time passes, a slice at a time, so that the timers fire on the screens as the game's clock
// goes. Without one, the replay runs at once.
struct ReplayPace {
    // Before the event after `done` events (a wait of `waitMs`, 0 for any other line). False
    // stops the replay before it: the game stands as after the events done.
    std::function<bool(long long done, long long waitMs)> before;
    // `ms` of a wait's time (at most kPaceSliceMs) are about to pass.
    std::function<void(long long ms)> during;
};
constexpr long long kPaceSliceMs = 40;

// Is a record being replayed (Continue, the driver's replay, a replay watched)? Its games are
// no new games: the autosave starts no record of them.
bool ReplayRunning();

struct ReplayResult {
    enum class Stop {
        Whole,     // every event was applied; the game goes on
        Ended,     // the record's `end`: the game was over
        Limit,     // the number of events asked for was applied
        CutShort,  // the last line was cut short: left out
        Fault,     // a line was refused: the game stands as after the line before it
        Stopped,   // the pace stopped it before an event (the viewer's Take over or Stop)
    } stop = Stop::Whole;
    long long events = 0;      // events applied
    long long lines = 0;       // lines read (the first four included)
    long long validBytes = 0;  // the record's bytes up to the end of the last event applied
    std::string message;       // what happened, with the line's number for a fault
    bool Valid() const { return stop != Stop::Fault; }
};

class Replayer : public Host {
public:
    explicit Replayer(std::istream& in);
    ~Replayer() override;

    // The record ends (or stops) inside a modal dialog or a pop-up menu: the dialog goes to
    // whoever takes the game up from there (the window's own host, the driver's script), and
    // the handler that opened it goes on when it returns. Without these, the dialog closes
    // (the pop-up is dismissed) as a host without interaction would.
    void SetDialogLeftOpen(std::function<void(Screen&)> dialog) { dialogLeftOpen_ = std::move(dialog); }
    void SetPopupLeftOpen(std::function<void(Screen&, const std::string&, int, int)> popup) {
        popupLeftOpen_ = std::move(popup);
    }

    void SetPace(ReplayPace pace) { pace_ = std::move(pace); }
    // The screens the replay opens, changes and closes are shown by the host the replay was
    // started under (the window's, as they go); its timers stay the record's. Off by default.
    void ShowScreens(bool on) { shown_ = on; }

    // Applies the record from its start, at most `most` events (all when negative). The screens
    // open before are closed: the record's own start is opened instead.
    ReplayResult Run(long long most = -1);
    // How far it has gone: while Run lasts (a dialog handed over where the record stopped), as
    // Run would return it.
    ReplayResult SoFar() const;

    // Host, while Run lasts.
    void ScreenOpened(Screen& screen) override;
    void ScreenClosed(Screen& screen) override;
    void Changed() override;
    void RunModal(Screen& screen) override;
    void RunPopup(Screen& screen, const std::string& menu, int x, int y) override;
    void TimersChanged() override {}
    void Quit() override;

private:
    bool Step();                       // applies the next event; false once stopped
    bool Apply(const CommandLine& event, const std::string& raw);
    bool Begin(const RecordStart& start);
    bool PacedWait(const CommandLine& event);
    // Hands a dialog or pop-up menu left open to whoever goes on (not a replay any more).
    void HandOver(const std::function<void()>& go);
    // The outcome of a save or a load that the record says, the waits before it applied.
    bool Outcome(const std::string& yes, const std::string& no, std::string& value);
    void Stop(ReplayResult::Stop why, const std::string& message);

    RecordReader reader_;
    ReplayResult result_;
    bool stopped_ = false;
    long long applied_ = 0;
    long long most_ = -1;
    Host* outer_ = nullptr;
    PopupWait popup_;
    // Where the line being applied ends: a dialog it opened and the record left open is handed
    // over with that line counted, since the game stands after it.
    long long inFlight_ = 0;
    std::function<void(Screen&)> dialogLeftOpen_;
    std::function<void(Screen&, const std::string&, int, int)> popupLeftOpen_;
    ReplayPace pace_;
    bool shown_ = false;
    bool running_ = false;
    bool counted_ = false;  // counted in ReplayRunning
    void Count(bool on);
};

// Checks a whole record in a fresh game: the result and a sentence for it ("record FILE: N
// events, valid" or where it stops being valid).
ReplayResult CheckRecordFile(const std::string& path, std::string& sentence);

}  // namespace record
