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

struct ReplayResult {
    enum class Stop {
        Whole,     // every event was applied; the game goes on
        Ended,     // the record's `end`: the game was over
        Limit,     // the number of events asked for was applied
        CutShort,  // the last line was cut short: left out
        Fault,     // a line was refused: the game stands as after the line before it
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

    // Applies the record from its start, at most `most` events (all when negative). The screens
    // open before are closed: the record's own start is opened instead.
    ReplayResult Run(long long most = -1);
    // How far it has gone: while Run lasts (a dialog handed over where the record stopped), as
    // Run would return it.
    ReplayResult SoFar() const;

    // Host, while Run lasts.
    void ScreenOpened(Screen&) override {}
    void ScreenClosed(Screen& screen) override;
    void Changed() override {}
    void RunModal(Screen& screen) override;
    void RunPopup(Screen& screen, const std::string& menu, int x, int y) override;
    void TimersChanged() override {}
    void Quit() override;

private:
    bool Step();                       // applies the next event; false once stopped
    bool Apply(const CommandLine& event, const std::string& raw);
    bool Begin(const RecordStart& start);
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
};

// Checks a whole record in a fresh game: the result and a sentence for it ("record FILE: N
// events, valid" or where it stops being valid).
ReplayResult CheckRecordFile(const std::string& path, std::string& sentence);

}  // namespace record
