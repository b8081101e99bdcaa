#include "record/WatchReplay.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "record/Autosave.h"
#include "record/ContinueGame.h"
#include "record/RecordFolder.h"
#include "record/RecordFormat.h"
#include "record/Recorder.h"
#include "record/ReplayPanel.h"
#include "save/SaveCommands.h"
#include "state/GlobalDecl.h"
#include "ui/InputCommand.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Services.h"
#include "ui/Ui.h"

namespace record {

namespace {

bool English() { return gd.LanguageOffset == 2000; }

// The events a record holds: its whole lines after the first four.
long long CountEvents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    long long lines = 0;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        for (std::streamsize i = 0; i < file.gcount(); ++i)
            if (buffer[i] == '\n') ++lines;
    }
    return std::max(0LL, lines - 4);
}

// What the panel says once the record goes no further.
void SayTheEnd(const ReplayResult& r, WatchState& state) {
    state.over = true;
    state.gameOver = r.stop == ReplayResult::Stop::Ended;
    long long line = 0;
    std::string why;
    SplitFaultLine(r.message, line, why);
    const std::string n = std::to_string(line);
    switch (r.stop) {
        case ReplayResult::Stop::Ended:
            state.endFrench = "Fin de l'enregistrement : la partie est finie.";
            state.endEnglish = "End of the record: the game is over.";
            break;
        case ReplayResult::Stop::Fault:
        case ReplayResult::Stop::CutShort:
            state.endFrench = "La ligne " + n + " est fautive (" + why + ") : la lecture s'arrête avant elle.";
            state.endEnglish = "Line " + n + " is at fault (" + why + "): the replay stops before it.";
            break;
        default:
            state.endFrench = "Fin de l'enregistrement : la partie en est restée là.";
            state.endEnglish = "End of the record: the game was left here.";
            break;
    }
}

class Watch {
public:
    Watch(const std::string& path, const WatchHost& host, std::istream& file)
        : path_(path), host_(host), replay_(file) {}
    // Left by an exception too (the driver's script ended inside): the game's screens take input
    // again.
    ~Watch() { SetInputOnlyTo(nullptr); }

    WatchResult Run(long long total) {
        // Nothing of the watched game is recorded: a record under way ends here, to be continued.
        if (Recording()) StopRecording("");
        panel_ = &static_cast<ReplayPanel&>(Ui::Get().Show(std::make_unique<ReplayPanel>(host_.wake)));
        panel_->state.total = total;
        panel_->Refresh();
        SetInputOnlyTo(panel_);
        if (host_.watching) host_.watching(true);
        replay_.ShowScreens(true);
        replay_.SetPace(ReplayPace{[this](long long done, long long) { return Before(done); },
                                   [this](long long ms) { During(ms); }});
        replay_.SetDialogLeftOpen([this](Screen& dialog) { LeftOpen([&] {
            if (host_.dialog) host_.dialog(dialog);
            else if (Ui::Get().host()) Ui::Get().host()->RunModal(dialog);
        }, [&] { Ui::Get().Close(dialog); }); });
        replay_.SetPopupLeftOpen([this](Screen& screen, const std::string& menu, int x, int y) { LeftOpen([&] {
            if (host_.popup) host_.popup(screen, menu, x, y);
            else if (Ui::Get().host()) Ui::Get().host()->RunPopup(screen, menu, x, y);
        }, [] {}); });
        replay_.Run();
        if (!handedBack_) {
            if (Asked() == WatchState::Ask::Nothing) AtTheEnd();
            if (Asked() == WatchState::Ask::TakeOver) HandBack();
            else StopWatching();
        }
        return result_;
    }

private:
    WatchState::Ask Asked() const { return panel_->state.ask; }

    void Show(long long done) {
        panel_->state.done = done;
        panel_->Refresh();
        if (Host* host = Ui::Get().host()) host->Changed();
    }

    // The player's next use of the panel; a driver's script that ends stops the watch.
    void AwaitPlayer() {
        if (!host_.idle || !host_.idle()) panel_->state.ask = WatchState::Ask::Stop;
    }

    bool Before(long long done) {
        if (handedBack_) return false;  // the panel is gone: the game is the player's
        Show(done);
        for (;;) {
            if (Asked() != WatchState::Ask::Nothing) return false;
            if (panel_->state.stepTo > done) return true;
            if (!panel_->state.paused) return true;
            AwaitPlayer();
        }
    }

    void During(long long ms) {
        if (handedBack_) return;
        for (;;) {
            // Taken over or stopped: the rest of the wait passes at once.
            if (Asked() != WatchState::Ask::Nothing) return;
            if (!panel_->state.paused) {
                if (host_.sleep) host_.sleep(static_cast<long long>(ms / kReplaySpeeds[panel_->state.speed]));
                return;
            }
            // A step finishes the event under way.
            if (panel_->state.stepTo > panel_->state.done) return;
            AwaitPlayer();
        }
    }

    // The record goes no further: the panel says so and waits for Take over or Stop.
    void AtTheEnd() {
        const ReplayResult r = replay_.SoFar();
        SayTheEnd(r, panel_->state);
        // Ended inside a dialog, the lines that opened it are still under way: all were read.
        Show(r.stop == ReplayResult::Stop::Whole ? std::max(r.events, panel_->state.total) : r.events);
        while (Asked() == WatchState::Ask::Nothing) AwaitPlayer();
        if (Asked() == WatchState::Ask::TakeOver && panel_->state.gameOver) panel_->state.ask = WatchState::Ask::Stop;
    }

    // A dialog or pop-up menu that the record stops in: the player's once the game is taken
    // over, else closed.
    void LeftOpen(const std::function<void()>& answer, const std::function<void()>& close) {
        if (!handedBack_ && Asked() == WatchState::Ask::Nothing) AtTheEnd();
        if (handedBack_ || Asked() == WatchState::Ask::TakeOver) {
            HandBack();
            answer();
        } else {
            close();
        }
    }

    void Leave() {
        SetInputOnlyTo(nullptr);
        if (panel_ && !panel_->closed) Ui::Get().Close(*panel_);
    }

    // Take over: the game is the player's from where it stands.
    void HandBack() {
        if (handedBack_) return;
        handedBack_ = true;
        // From here the player's saves and loads are his own, not the record's.
        SetSaveReplay(SaveReplay{});
        result_.kind = WatchResult::TakenOver;
        result_.replay = replay_.SoFar();
        Leave();
        if (host_.watching) host_.watching(false);
        if (result_.replay.stop != ReplayResult::Stop::Ended)
            result_.newRecord = RecordTakenOverGame(path_, result_.replay.validBytes);
    }

    // Stop: back to the title.
    void StopWatching() {
        result_.kind = WatchResult::Stopped;
        result_.replay = replay_.SoFar();
        Leave();
        Ui::Get().CloseGameScreens();
        Ui::Get().Idle();
        OpenTitleScreen();
        if (host_.watching) host_.watching(false);
    }

    std::string path_;
    const WatchHost& host_;
    Replayer replay_;
    ReplayPanel* panel_ = nullptr;
    bool handedBack_ = false;
    WatchResult result_;
};

}  // namespace

std::string WatchRefusal(const std::string& fault) {
    long long line = 0;
    std::string why;
    SplitFaultLine(fault, line, why);
    const std::string n = std::to_string(line > 0 ? line : 1);
    return English() ? "This record cannot be watched: line " + n + ", " + why + "."
                     : "Cet enregistrement ne peut pas être regardé : ligne " + n + ", " + why + ".";
}

WatchResult WatchRecord(const std::string& path, const WatchHost& host) {
    std::string why;
    if (!UsableRecordStart(path, why)) {
        WatchResult refused;
        refused.refusal = WatchRefusal(why);
        Ui::Get().MessageBox(refused.refusal);
        return refused;
    }
    const long long total = CountEvents(path);
    std::ifstream file(path, std::ios::binary);
    Watch watch(path, host, file);
    return watch.Run(total);
}

WatchResult WatchChosenRecord(const WatchHost& host) {
    FileQuestion q;
    q.kind = FileQuestion::Open;
    q.folder = RecordsFolder(Ui::Get().services().SavesFolder());
    q.title = English() ? "Watch a replay" : "Revoir une partie enregistrée";
    q.filterName = English() ? "Records of games" : "Parties enregistrées";
    q.suffix = kRecordSuffix;
    q.language = English() ? "en" : "fr";
    const std::string path = Ui::Get().services().AskFileName(q);
    if (path.empty()) return WatchResult{};
    return WatchRecord(path, host);
}

}  // namespace record
