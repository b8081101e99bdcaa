#include "ui/InputLog.h"

#include <algorithm>

#include "ui/InputCommand.h"
#include "ui/PlayerInput.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace input_log {

namespace {

struct Log {
    Sink sink;
    int depth = 0;          // inputs and ticks being handled, one inside another
    int quiet = 0;          // commands whose inputs are not written
    long long written = 0;  // the game clock at the last line
    bool chosen = false;    // an entry of the innermost pop-up was chosen
    std::function<void()> handOver;
    std::function<void(const Screen&, bool)> screens;
    PlayerGate gate;
};

Log& L() {
    static Log log;
    return log;
}

// The sink and the hooks may be replaced by what they call (a record that ends): each call
// runs on its own copy.
void Emit(const std::string& line) {
    WriteWait();
    if (const Sink sink = L().sink) sink(line);
}

}  // namespace

void SetSink(Sink sink) {
    L().sink = std::move(sink);
    L().written = Ui::Get().Now();
}

bool Active() { return static_cast<bool>(L().sink); }

void WriteWait() {
    Log& log = L();
    if (!log.sink) return;
    const long long now = Ui::Get().Now();
    // The clock starts again with a new run of the screens (CloseAll): nothing passed.
    if (now < log.written) log.written = now;
    while (now > log.written) {
        const long long step = std::min<long long>(now - log.written, kLongestWait);
        log.written += step;
        if (const Sink sink = log.sink) sink("wait " + std::to_string(step));
        if (!log.sink) return;
    }
}

void WriteWaitIfOver(long long minMs) {
    const Log& log = L();
    if (!log.sink || log.depth != 0 || log.quiet != 0) return;
    if (Ui::Get().Now() - log.written >= minMs) WriteWait();
}

void Note(const std::string& line) {
    if (Active()) Emit(line);
}

void SetPlayerGate(PlayerGate gate) { L().gate = std::move(gate); }

bool PlayerGateSet() { return static_cast<bool>(L().gate); }

Input::Input() : outer_(L().depth == 0 && L().quiet == 0 && (L().sink || L().gate)) { ++L().depth; }

Input::~Input() { --L().depth; }

bool Input::Write(const std::string& line) const {
    if (!outer_) return true;
    if (const PlayerGate gate = L().gate; gate && PlayerWindowOpen() && !gate(line)) return false;
    Emit(line);
    return true;
}

Inside::Inside() { ++L().depth; }

Inside::~Inside() { --L().depth; }

Fresh::Fresh() : depth_(L().depth) {
    // Opened by a timer tick: the wait up to the tick comes before the dialog's own inputs.
    if (L().quiet == 0) WriteWait();
    L().depth = 0;
}

Fresh::~Fresh() {
    // Closed by a timer tick in the middle of a wait: the handler that opened it goes on at
    // once, so the wait up to here ends before whatever comes next.
    if (L().quiet == 0) WriteWait();
    L().depth = depth_;
}

Quiet::Quiet() { ++L().quiet; }

Quiet::~Quiet() { --L().quiet; }

PopupChoice::PopupChoice() : outerChosen_(L().chosen) { L().chosen = false; }

PopupChoice::~PopupChoice() { L().chosen = outerChosen_; }

void PopupChoice::Finish(bool screenOpen) {
    if (!L().chosen && screenOpen && L().quiet == 0) Note("close");
}

void MenuChosen() { L().chosen = true; }

std::string Word(const std::string& text) {
    bool plain = !text.empty() && text[0] != '#';
    for (char ch : text)
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '"' || ch == '\\') plain = false;
    if (plain) return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"' || ch == '\\') quoted.push_back('\\');
        quoted.push_back(ch);
    }
    return quoted + "\"";
}

std::string Path(const Screen& screen, const std::string& key) { return Word(screen.Name() + "." + key); }

void SetHandOverHook(std::function<void()> hook) { L().handOver = std::move(hook); }

void HandOver() {
    if (const std::function<void()> hook = L().handOver) hook();
}

void SetScreenHook(std::function<void(const Screen&, bool)> hook) { L().screens = std::move(hook); }

void ScreenEvent(const Screen& screen, bool opened) {
    if (const std::function<void(const Screen&, bool)> hook = L().screens) hook(screen, opened);
}

}  // namespace input_log
