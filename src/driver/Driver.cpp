#include "driver/Driver.h"

#include <algorithm>
#include <fstream>

#include <QDir>
#include <QImage>

#include "ai/Computer.h"
#include "driver/Dump.h"
#include "driver/NetCommands.h"
#include "driver/Variables.h"
#include "record/Recorder.h"
#include "record/Replayer.h"
#include "record/WatchReplay.h"
#include "save/SaveCommands.h"
#include "setup/FairePerso.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "ui/CommandLine.h"
#include "ui/GameRecord.h"
#include "ui/InputCommand.h"
#include "ui/Screen.h"
#include "ui/Ui.h"
#include "view/Render.h"

Driver::Driver(std::istream& in, std::ostream& out, std::ostream& err) : in_(in), out_(out), err_(err) {
    Ui::Get().SetHost(this);
    Ui::Get().SetServices(&services_);
    SetWatchReplayHook([this] { Watch(); });
}

Driver::~Driver() {
    EndNetSessions();
    // A record the script started ends with it: the time since its last input counts.
    record::StopRecording("");
    SetWatchReplayHook(nullptr);
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    Ui::Get().SetHost(nullptr);
    Ui::Get().SetServices(nullptr);
}

void Driver::Fail(const std::string& message) {
    err_ << "error: line " << line_ << ": " << message << "\n";
    err_.flush();
    throw DriverExit{2};
}

int Driver::Run() { return Guarded(true); }

int Driver::Continue() { return Guarded(false); }

int Driver::Guarded(bool opening) {
    try {
        if (opening && opening_) opening_();
        while (Step()) {
        }
    } catch (const DriverExit& e) {
        out_.flush();
        return e.status;
    }
    out_.flush();
    return 0;
}

bool Driver::Step() {
    Ui::Get().Idle();
    std::string line;
    if (playLeft_ > 0 && pending_.empty()) {
        // `play N`: the computer parties act while it is their turn.
        if (ai::ComputerToAct()) {
            --playLeft_;
            ai::Decision d = ai::Decide(popupScreen_, popupMenu_);
            if (playVerbose_) out_ << "# " << d.line << "  -- " << d.reason << "\n";
            if (playTell_) ai::Tell(d);
            Execute(d.line);
            return true;
        }
        playLeft_ = 0;
    }
    if (!pending_.empty()) {
        line = pending_.front();
        pending_.pop_front();
    } else if (source_) {
        if (!source_(line)) return false;
        ++line_;
    } else {
        if (!std::getline(in_, line)) return false;
        ++line_;
    }
    Execute(line);
    return true;
}

bool Driver::NextScriptLine(std::string& line) {
    if (!pending_.empty()) {
        line = pending_.front();
        pending_.pop_front();
        return true;
    }
    if (source_) {
        if (!source_(line)) return false;
        ++line_;
        return true;
    }
    if (!std::getline(in_, line)) return false;
    ++line_;
    return true;
}

void Driver::RunModal(Screen& screen) {
    while (!screen.closed) {
        if (!Step()) throw DriverExit{0};  // the script ended inside a dialog
    }
}

void Driver::RunPopup(Screen& screen, const std::string& menu, int x, int y) {
    Screen* outerScreen = popupScreen_;
    std::string outerMenu = popupMenu_;
    popupScreen_ = &screen;
    popupMenu_ = menu;
    popupX_ = x;
    popupY_ = y;
    lastPopup_ = PopupPlace{screen.Name(), menu, x, y};
    popupSeen_ = true;
    while (popupScreen_ == &screen && popupMenu_ == menu) {
        if (!Step()) throw DriverExit{0};
    }
    popupScreen_ = outerScreen;
    popupMenu_ = outerMenu;
}

void Driver::ScreenClosed(Screen& screen) {
    if (popupScreen_ == &screen) {
        popupScreen_ = nullptr;
        popupMenu_.clear();
    }
}

void Driver::Quit() { throw DriverExit{0}; }

Screen* Driver::ScreenNamed(const std::string& name) { return Ui::Get().Find(name); }

Screen& Driver::TargetScreen(std::string& key) {
    const ControlPath path = SplitControlPath(key);
    if (!path.screen.empty()) {
        Screen* s = ScreenNamed(path.screen);
        if (!s) Fail("no open screen " + path.screen);
        key = path.key;
        return *s;
    }
    Screen* top = Ui::Get().Top();
    if (!top) Fail("no screen is open");
    return *top;
}

void Driver::Execute(const std::string& raw) {
    const CommandLine line = ReadCommandLine(raw);
    if (line.quoteLeftOpen) Fail("unterminated quote");
    if (line.Empty()) return;
    const std::vector<std::string>& w = line.words;
    const std::string& cmd = line.Command();
    auto need = [&](size_t n) {
        if (w.size() < n) Fail(cmd + ": missing argument");
    };
    auto integer = [&](size_t i) {
        int v;
        if (!line.Number(i, v)) Fail(cmd + ": not a whole number: " + (i < w.size() ? w[i] : ""));
        return v;
    };
    auto control = [&](Screen& s, const std::string& key) -> Control& {
        Control* c = s.Find(key);
        if (!c) Fail("no control " + key + " on " + s.Name());
        return *c;
    };

    if (cmd == "rnd") {
        record::MarkUnfaithful("rnd");
        for (size_t i = 1; i < w.size(); ++i) {
            try {
                size_t used = 0;
                double f = std::stod(w[i], &used);
                if (used != w[i].size() || !(f >= 0 && f < 1)) Fail("rnd: not a fraction in [0, 1): " + w[i]);
                rnd::QueueOne(f);
            } catch (const std::logic_error&) {
                Fail("rnd: not a fraction: " + w[i]);
            }
        }
    } else if (cmd == "wait" && watching_) {
        // The viewer's own time: the replay, playing, goes on by as much (at its speed).
        need(2);
        const int ms = integer(1);
        if (ms < 0) Fail("wait: negative time");
        watchTime_ += ms;
    } else if (IsInputCommand(cmd)) {
        // A player's input: the same code as the computer's decisions and the record's events.
        PopupWait popup{popupScreen_, popupMenu_};
        std::string fault;
        const bool followed = ApplyInput(line, popup, InputCheck::Script, fault);
        if (!popup.screen && popupScreen_) {
            popupScreen_ = nullptr;
            popupMenu_.clear();
        }
        if (!followed) Fail(fault);
    } else if (cmd == "call") {
        need(2);
        std::string handler = w[1];
        Screen& s = TargetScreen(handler);
        std::vector<int> args;
        for (size_t i = 2; i < w.size(); ++i) args.push_back(integer(i));
        record::MarkUnfaithful("call");
        if (!s.Call(handler, args)) Fail("no handler " + handler + " on " + s.Name());
    } else if (cmd == "set") {
        need(3);
        record::MarkUnfaithful("set");
        if (!SetVariable(w[1], w[2])) Fail("set: no variable " + w[1] + " for value " + w[2]);
    } else if (cmd == "computer") {
        need(2);
        int p = integer(1);
        if (p < 1 || p > kMaxPlayers) Fail("computer: not a player number from 1 to 4: " + w[1]);
        const int level = w.size() > 2 ? record::ComputerPartyWord(w[2]) : computer_level::kHard;
        if (level < 0) Fail("computer: on, off, easy, normal or hard, not " + w[2]);
        SetComputerPlayer(p, level);
    } else if (cmd == "play") {
        need(2);
        int n = integer(1);
        if (n < 0) Fail("play: negative count");
        playLeft_ = n;
        // `verbose` prints each decision with its reason; `tell` shows what the window shows
        // of them (the board's plate, the journal's asides).
        playVerbose_ = std::find(w.begin() + 2, w.end(), "verbose") != w.end();
        playTell_ = std::find(w.begin() + 2, w.end(), "tell") != w.end();
    } else if (cmd == "newgame") {
        NewGame(w);
    } else if (cmd == "_pickclass") {
        // One class of the set-up list by its number, then "add the character".
        need(2);
        Screen* s = ScreenNamed("FairePerso");
        if (!s) Fail("newgame: the set-up screen is not open");
        Control& list = control(*s, "List1");
        std::string name = classes::Name(integer(1));
        int line = -1;
        for (size_t i = 0; i < list.items.size(); ++i)
            if (list.items[i] == name) line = static_cast<int>(i);
        if (line < 0) Fail("newgame: class " + w[1] + " is not in the list any more");
        s->Select("List1", line);
        s->Click("ajouter");
    } else if (cmd == "screen") {
        out_ << ScreenList() << "\n";
    } else if (cmd == "dump") {
        std::string state = DumpState(popupScreen_, popupMenu_);
        state.pop_back();  // the closing brace: the driver's own keys come last
        const std::vector<ServiceRequest>& all = services_.requests;
        std::vector<ServiceRequest> since(all.begin() + static_cast<long>(std::min(requestsDumped_, all.size())), all.end());
        requestsDumped_ = all.size();
        out_ << state << DumpSeen(since, popupSeen_ ? &lastPopup_ : nullptr) << "}\n";
    } else if (cmd == "openmenu") {
        need(2);
        openMenu_ = w[1];
    } else if (cmd == "tip") {
        // The next snap shows the tip of a control of the top screen, as the pointer resting on
        // it would.
        need(2);
        Screen* top = Ui::Get().Top();
        if (!top) Fail("tip: no screen is open");
        control(*top, w[1]);
        tip_ = w[1];
    } else if (cmd == "snap") {
        need(2);
        Snap(w[1], w.size() > 2 ? w[2] : "");
    } else if (cmd == "save" || cmd == "load") {
        // The player's command, with the file dialog answering FILE.
        need(2);
        services_.fileAnswers.assign(1, w[1]);
        if (cmd == "save") RequestSave();
        else RequestLoad();
        services_.fileAnswers.clear();
    } else if (cmd == "record") {
        need(2);
        std::string why;
        if (!record::StartRecording(w[1], why)) Fail("record: " + why);
    } else if (cmd == "replay") {
        need(2);
        long long most = -1;
        if (w.size() > 2) {
            most = integer(2);
            if (most < 0) Fail("replay: negative count");
        }
        Replay(w[1], most);
    } else if (cmd == "watch") {
        need(2);
        services_.fileAnswers.assign(1, w[1]);
        Watch();
        services_.fileAnswers.clear();
    } else if (IsNetCommand(cmd)) {
        const std::string fault = RunNetCommand(line, [this](std::string& next) { return NextScriptLine(next); }, out_, err_);
        if (!fault.empty()) Fail(fault);
    } else if (cmd == "quit") {
        throw DriverExit{0};
    } else {
        Fail("unknown command " + cmd);
    }
    out_.flush();
}

void Driver::SetComputerPlayer(int p, int level) {
    // Inside the set-up screen it is that player's box; OK writes the boxes into the game.
    record::SetComputerParty(p, level);
}

void Driver::Replay(const std::string& path, long long most) {
    std::ifstream file(path, std::ios::binary);
    if (!file) Fail("replay: cannot read " + path);
    popupScreen_ = nullptr;
    popupMenu_.clear();
    record::Replayer replay(file);
    // Where the record stops inside a dialog or a pop-up menu, the script goes on in it.
    replay.SetDialogLeftOpen([this](Screen& dialog) { RunModal(dialog); });
    replay.SetPopupLeftOpen([this](Screen& screen, const std::string& menu, int x, int y) { RunPopup(screen, menu, x, y); });
    const record::ReplayResult result = replay.Run(most);
    if (!result.Valid()) err_ << "replay " << path << ": " << result.message << "\n";
    err_.flush();
}

void Driver::Watch() {
    popupScreen_ = nullptr;
    popupMenu_.clear();
    record::WatchHost host;
    // The script's next line is the player's next use of the panel.
    bool ended = false, woken = false;
    host.idle = [this, &ended] {
        ended = ended || !Step();
        return !ended;
    };
    // Playing, the record waits for the script's waits; a panel's use ends the wait early.
    host.sleep = [this, &ended, &woken](long long ms) {
        woken = false;
        while (watchTime_ < ms && !woken && !ended) ended = !Step();
        watchTime_ = std::max(0LL, watchTime_ - ms);
    };
    host.wake = [&woken] { woken = true; };
    const bool outerWatching = watching_;
    watching_ = true;
    watchTime_ = 0;
    host.dialog = [this](Screen& dialog) { RunModal(dialog); };
    host.popup = [this](Screen& screen, const std::string& menu, int x, int y) { RunPopup(screen, menu, x, y); };
    record::WatchResult result;
    try {
        result = record::WatchChosenRecord(host);
    } catch (...) {
        watching_ = outerWatching;
        throw;
    }
    watching_ = outerWatching;
    if (result.kind == record::WatchResult::Refused && !result.refusal.empty()) err_ << "watch: " << result.refusal << "\n";
    err_.flush();
}

void Driver::NewGame(const std::vector<std::string>& w) {
    if (w.size() < 5 || (w.size() - 1) % 2 != 0 || w.size() > 9) Fail("newgame: give 2 to 4 names, each with its classes");
    std::vector<std::string> cmds;
    cmds.push_back("menu frmBegin.MNU_New");
    int players = static_cast<int>((w.size() - 1) / 2);
    for (int p = 0; p < players; ++p) {
        if (p >= 2) cmds.push_back("click FairePerso.Command1");
        if (p >= 1) cmds.push_back("tab FairePerso.EnsTab " + std::to_string(p));
        std::string name = w[1 + 2 * p];
        std::string quoted = "\"";
        for (char ch : name) {
            if (ch == '"' || ch == '\\') quoted.push_back('\\');
            quoted.push_back(ch);
        }
        cmds.push_back("key FairePerso.ReponseDuNom " + quoted + "\"");
        std::string list = w[2 + 2 * p];
        size_t start = 0;
        while (start <= list.size()) {
            size_t comma = list.find(',', start);
            std::string one = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            int n;
            if (!ToWholeNumber(one, n) || n < 1 || n > 16) Fail("newgame: not a class number: " + one);
            cmds.push_back("_pickclass " + one);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    cmds.push_back("click FairePerso.cmdOK");
    pending_.insert(pending_.begin(), cmds.begin(), cmds.end());
}

void Driver::Snap(const std::string& name, const std::string& screenName) {
    if (snapFolder_.empty()) Fail("snap: start the driver with --snap DIR");
    if (!QDir().mkpath(QString::fromStdString(snapFolder_))) Fail("snap: cannot make the folder " + snapFolder_);
    QImage image;
    if (screenName.empty()) {
        image = RenderTop(snapScale_, openMenu_, popupScreen_ ? popupMenu_ : "", popupX_, popupY_, tip_);
    } else {
        // An open screen under the top one, as the player sees it beside a dialog (the board's
        // panel beside the market).
        Screen* under = Ui::Get().Find(screenName);
        if (!under) Fail("snap: no open screen " + screenName);
        image = RenderScreen(*under, snapScale_);
    }
    openMenu_.clear();
    tip_.clear();
    if (image.isNull()) Fail("snap: no screen to paint");
    const std::string file = snapFolder_ + "/" + name + ".png";
    if (!image.save(QString::fromStdString(file))) Fail("snap: cannot write " + file);
}
