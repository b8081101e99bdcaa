#include "record/Replayer.h"

#include <algorithm>
#include <fstream>

#include "record/Recorder.h"
#include "save/SaveCommands.h"
#include "save/SavedGame.h"
#include "state/BoardState.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "ui/ComputerHurry.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace record {

namespace {
int& Running() {
    static int running = 0;
    return running;
}
}  // namespace

bool ReplayRunning() { return Running() > 0; }

Replayer::Replayer(std::istream& in) : reader_(in) {}

Replayer::~Replayer() {
    if (Ui::Get().host() == this) Ui::Get().SetHost(outer_);
    if (running_) {
        // Left by an exception (the driver's script ended inside the replay).
        Count(false);
        SetSaveReplay(SaveReplay{});
    }
}

void Replayer::Stop(ReplayResult::Stop why, const std::string& message) {
    if (stopped_) return;
    stopped_ = true;
    result_.stop = why;
    result_.message = message;
}

ReplayResult Replayer::Run(long long most) {
    most_ = most;
    outer_ = Ui::Get().host();
    Ui::Get().SetHost(this);
    running_ = true;
    Count(true);
    SetSaveReplay(SaveReplay{
        [this](std::string& name) { return Outcome("saved", "notsaved", name); },
        [this](std::string& text) { return Outcome("start", "notloaded", text); },
    });
    RecordStart start;
    if (!reader_.ReadStart(start)) Stop(ReplayResult::Stop::Fault, reader_.Fault());
    else if (Begin(start)) result_.validBytes = reader_.WholeBytes();
    while (Step()) {
    }
    SetSaveReplay(SaveReplay{});
    running_ = false;
    Count(false);
    Ui::Get().SetHost(outer_);
    Ui::Get().Idle();
    result_.events = applied_;
    result_.lines = reader_.LineNumber();
    return result_;
}

ReplayResult Replayer::SoFar() const {
    ReplayResult r = result_;
    r.events = applied_;
    r.lines = reader_.LineNumber();
    return r;
}

bool Replayer::Begin(const RecordStart& start) {
    Ui::Get().CloseGameScreens();  // a viewer's panel stays
    Ui::Get().Idle();
    // Nothing of an earlier game stays (a saved game brings all of its own).
    ResetGlobalDecl();
    ResetBoardState();
    // Every seeding of the game from here takes the record's seed.
    rnd::FixSeed(start.seed);
    SetComputerHurried(false);
    if (start.from == RecordStart::From::Title) {
        OpenTitleScreen();
        Screen* title = TitleScreen();
        if (start.english && title) title->Menu("lang(1)");
        return true;
    }
    SavedGame game;
    std::string why;
    if (!ReadSaveText(start.game, game, why)) {
        reader_.Refuse("the game it starts from is refused: " + why);
        Stop(ReplayResult::Stop::Fault, reader_.Fault());
        return false;
    }
    ResumeRecordedGame(std::move(game), start.from == RecordStart::From::SavedGame);
    return true;
}

bool Replayer::Step() {
    if (stopped_) return false;
    if (most_ >= 0 && reader_.Events() >= most_) {
        Stop(ReplayResult::Stop::Limit, std::to_string(reader_.Events()) + " events replayed, as asked");
        return false;
    }
    CommandLine event;
    std::string raw;
    if (!reader_.Next(event, raw)) {
        if (reader_.CutShort()) Stop(ReplayResult::Stop::CutShort, reader_.Fault());
        else if (!reader_.Fault().empty()) Stop(ReplayResult::Stop::Fault, reader_.Fault());
        else Stop(ReplayResult::Stop::Whole, "the record goes no further: the game goes on");
        return false;
    }
    if (pace_.before) {
        int ms = 0;
        const bool wait = event.Command() == "wait" && event.words.size() == 2 && event.Number(1, ms);
        if (!pace_.before(applied_, wait ? ms : 0)) {
            Stop(ReplayResult::Stop::Stopped, "stopped after " + std::to_string(applied_) + " events");
            return false;
        }
    }
    const long long outerInFlight = inFlight_;
    inFlight_ = reader_.WholeBytes();
    const bool applied = Apply(event, raw);
    inFlight_ = outerInFlight;
    if (applied || result_.stop == ReplayResult::Stop::Ended) {
        ++applied_;
        result_.validBytes = std::max(result_.validBytes, reader_.WholeBytes());
    }
    return applied && !stopped_;
}

bool Replayer::Apply(const CommandLine& event, const std::string& raw) {
    const std::string& cmd = event.Command();
    const std::string arg = event.words.size() > 1 ? event.words[1] : "";
    auto refuse = [&](const std::string& why) {
        reader_.Refuse(why);
        Stop(ReplayResult::Stop::Fault, reader_.Fault());
        return false;
    };
    if (cmd == "computer") {
        SetComputerParty(std::stoi(arg), ComputerPartyWord(event.words[2]));
    } else if (cmd == "hurry") {
        SetComputerHurried(arg == "on");
    } else if (cmd == "save") {
        RequestSave();
    } else if (cmd == "load") {
        RequestLoad();
    } else if (cmd == "end") {
        Stop(ReplayResult::Stop::Ended, "the game ended (" + arg + ")");
        return false;
    } else if (cmd == "unfaithful") {
        return refuse("the game was changed here by the driver's `" + arg +
                      "`, which a record does not hold: it replays no further");
    } else if (cmd == "wait" && pace_.during && PacedWait(event)) {
    } else if (cmd == "saved" || cmd == "notsaved" || cmd == "start" || cmd == "notloaded") {
        (void)raw;
        return refuse(cmd + " without the save or load command it answers");
    } else {
        std::string fault;
        if (!ApplyInput(event, popup_, InputCheck::Record, fault) && !stopped_) return refuse(fault);
    }
    return true;
}

// A wait of the record, a slice at a time, the pace told before each; a wait at fault is left
// to the input's own checks.
bool Replayer::PacedWait(const CommandLine& event) {
    int ms = 0;
    if (event.words.size() != 2 || !event.Number(1, ms) || ms < 0 || ms > kLongestWait) return false;
    for (long long left = ms; left > 0;) {
        const long long slice = std::min(left, kPaceSliceMs);
        pace_.during(slice);
        Ui::Get().AdvanceTo(Ui::Get().Now() + slice);
        left -= slice;
    }
    if (ms == 0) Ui::Get().AdvanceTo(Ui::Get().Now());
    return true;
}

bool Replayer::Outcome(const std::string& yes, const std::string& no, std::string& value) {
    // The waits the player spent in the file dialog come first.
    for (;;) {
        if (stopped_) return false;
        CommandLine event;
        std::string raw;
        if (most_ >= 0 && reader_.Events() >= most_) {
            Stop(ReplayResult::Stop::Limit, std::to_string(reader_.Events()) + " events replayed, as asked");
            return false;
        }
        if (!reader_.Next(event, raw)) {
            if (reader_.CutShort()) Stop(ReplayResult::Stop::CutShort, reader_.Fault());
            else if (!reader_.Fault().empty()) Stop(ReplayResult::Stop::Fault, reader_.Fault());
            else Stop(ReplayResult::Stop::Whole, "the record goes no further: the game goes on");
            return false;
        }
        const std::string& cmd = event.Command();
        if (cmd == "wait") {
            if (!Apply(event, raw)) return false;
            ++applied_;
            result_.validBytes = reader_.WholeBytes();
            continue;
        }
        if (cmd == no) {
            ++applied_;
            result_.validBytes = reader_.WholeBytes();
            return false;
        }
        if (cmd == yes) {
            std::string kind;
            if (yes == "start" && !GameText(raw, kind, value)) value.clear();
            if (yes == "start" && kind != "save") {
                reader_.Refuse("a game loaded is a saved game (start save)");
                Stop(ReplayResult::Stop::Fault, reader_.Fault());
                return false;
            }
            if (yes != "start") value = event.words[1];
            if (yes == "start") {
                SavedGame game;
                std::string why;
                if (!ReadSaveText(value, game, why)) {
                    reader_.Refuse("the game loaded here is refused: " + why);
                    Stop(ReplayResult::Stop::Fault, reader_.Fault());
                    return false;
                }
            }
            ++applied_;
            result_.validBytes = reader_.WholeBytes();
            return true;
        }
        reader_.Refuse("expected what the " + std::string(yes == "saved" ? "save" : "load") +
                       " came to (" + yes + " or " + no + "), not " + cmd);
        Stop(ReplayResult::Stop::Fault, reader_.Fault());
        return false;
    }
}

void Replayer::ScreenOpened(Screen& screen) {
    if (shown_ && outer_) outer_->ScreenOpened(screen);
}

void Replayer::ScreenClosed(Screen& screen) {
    if (popup_.screen == &screen) popup_.Clear();
    if (shown_ && outer_) outer_->ScreenClosed(screen);
}

void Replayer::Changed() {
    if (shown_ && outer_) outer_->Changed();
}

void Replayer::Count(bool on) {
    if (on == counted_) return;
    counted_ = on;
    Running() += on ? 1 : -1;
}

void Replayer::HandOver(const std::function<void()>& go) {
    // From here the game is the player's: a game it starts is a new game of his. The replay is
    // counted again once the player is done, however that ends (the driver's script may end in
    // the dialog).
    struct Back {
        Replayer& replay;
        ~Back() {
            Ui::Get().SetHost(&replay);
            replay.Count(replay.running_);
        }
    } back{*this};
    Count(false);
    Ui::Get().SetHost(outer_);
    go();
}

void Replayer::RunModal(Screen& screen) {
    while (!screen.closed && Step()) {
    }
    if (screen.closed || !dialogLeftOpen_) return;
    // The record stopped inside the dialog: whoever goes on takes it, the line that opened it
    // counted as applied.
    result_.validBytes = std::max(result_.validBytes, inFlight_);
    HandOver([&] { dialogLeftOpen_(screen); });
}

void Replayer::RunPopup(Screen& screen, const std::string& menu, int x, int y) {
    const PopupWait outer = popup_;
    popup_.screen = &screen;
    popup_.menu = menu;
    Host* shownTo = shown_ ? outer_ : nullptr;
    if (shownTo) shownTo->PopupShown(screen, menu, x, y);
    while (popup_.screen == &screen && popup_.menu == menu && Step()) {
    }
    if (shownTo) shownTo->PopupGone(screen);
    const bool waiting = popup_.screen == &screen && popup_.menu == menu;
    popup_ = outer;
    if (!waiting || !popupLeftOpen_) return;
    result_.validBytes = std::max(result_.validBytes, inFlight_);
    HandOver([&] { popupLeftOpen_(screen, menu, x, y); });
}

void Replayer::Quit() { Stop(ReplayResult::Stop::Ended, "the game was quit"); }

ReplayResult CheckRecordFile(const std::string& path, std::string& sentence) {
    std::ifstream file(path, std::ios::binary);
    ReplayResult result;
    if (!file) {
        result.stop = ReplayResult::Stop::Fault;
        result.message = "cannot be read";
        sentence = "record " + path + ": cannot be read";
        return result;
    }
    Replayer replay(file);
    result = replay.Run();
    const std::string events = std::to_string(result.events) + (result.events == 1 ? " event" : " events");
    switch (result.stop) {
        case ReplayResult::Stop::Whole:
        case ReplayResult::Stop::Ended:
        case ReplayResult::Stop::Limit:
        case ReplayResult::Stop::Stopped:
            sentence = "record " + path + ": " + events + ", valid";
            break;
        case ReplayResult::Stop::CutShort:
            sentence = "record " + path + ": " + events + ", valid up to its last whole line; " + result.message;
            break;
        case ReplayResult::Stop::Fault:
            sentence = "record " + path + ": " + events + " applied, then " + result.message;
            break;
    }
    return result;
}

}  // namespace record
