#include "ui/Ui.h"

#include <algorithm>

#include "ui/InputLog.h"
#include "ui/KeyBindings.h"
#include "ui/MessageBox.h"

Ui& Ui::Get() {
    static Ui ui;
    return ui;
}

Services& Ui::services() {
    static RecordingServices silent;
    return services_ ? *services_ : silent;
}

Screen& Ui::Show(std::unique_ptr<Screen> screen) {
    Screen& s = *screen;
    if (s.aside) open_.insert(open_.begin(), std::move(screen));  // below the game's screens
    else open_.push_back(std::move(screen));
    s.Load();
    ApplyKeyBindings(s);
    if (!s.closed && host_) host_->ScreenOpened(s);
    if (!s.closed) input_log::ScreenEvent(s, true);
    AfterHandler();
    return s;
}

void Ui::ShowModal(std::unique_ptr<Screen> screen) {
    Screen& s = *screen;
    s.modal = true;
    open_.push_back(std::move(screen));
    s.Load();
    ApplyKeyBindings(s);
    if (s.closed) return;  // a load may close its screen at once (an empty graveyard)
    if (host_) host_->ScreenOpened(s);
    input_log::ScreenEvent(s, true);
    AfterHandler();
    ++modalDepth_;
    if (host_) {
        const input_log::Fresh own;  // the player's inputs in the dialog are his own
        host_->RunModal(s);
    }
    --modalDepth_;
    // A host that cannot run the interaction (none attached) just closes the dialog.
    if (!s.closed) Close(s);
}

void Ui::Close(Screen& screen) {
    if (screen.closed) return;
    auto it = std::find_if(open_.begin(), open_.end(), [&](auto& p) { return p.get() == &screen; });
    if (it == open_.end()) return;
    screen.closed = true;
    std::unique_ptr<Screen> owned = std::move(*it);
    open_.erase(it);
    for (Control& c : owned->Controls())
        if (c.kind == Kind::Timer) c.enabled = false;
    owned->Unload();
    if (host_) host_->ScreenClosed(*owned);
    input_log::ScreenEvent(*owned, false);
    closed_.push_back(std::move(owned));
    AfterHandler();
}

void Ui::CloseAll() {
    CloseGameScreens();
    while (!open_.empty()) {
        std::unique_ptr<Screen> s = std::move(open_.back());
        open_.pop_back();
        s->closed = true;
        if (host_) host_->ScreenClosed(*s);
        closed_.push_back(std::move(s));
    }
}

void Ui::CloseGameScreens() {
    for (size_t i = open_.size(); i-- > 0;) {
        if (open_[i]->aside) continue;
        std::unique_ptr<Screen> s = std::move(open_[i]);
        open_.erase(open_.begin() + static_cast<long>(i));
        s->closed = true;
        if (host_) host_->ScreenClosed(*s);
        closed_.push_back(std::move(s));
    }
    modalDepth_ = 0;
    now_ = 0;
}

void Ui::Popup(Screen& screen, const std::string& menu, int x, int y) {
    ++modalDepth_;  // the opener's handler is still running while the menu is up
    if (host_) {
        const input_log::Fresh own;
        input_log::PopupChoice choice;
        host_->RunPopup(screen, menu, x, y);
        choice.Finish(IsOpen(&screen));
    }
    --modalDepth_;
}

bool Ui::PressKey(Screen& screen, const std::string& key) {
    const input_log::Input input;
    if (input.Outermost() && !input.Write("press " + input_log::Path(screen, key))) return true;
    if (screen.PressKey(key) || screen.closed) return true;
    for (Screen* other : OpenScreens()) {
        if (other == &screen || other->closed) continue;
        const bool partner = other->besideScreen == screen.Name() || screen.besideScreen == other->Name();
        if (partner && other->PressKey(key)) return true;
    }
    return false;
}

void Ui::DismissPopup(Screen&) {
    const input_log::Input input;
    if (input.Outermost()) input.Write("close");
}

void Ui::CloseBox(Screen& screen) {
    const input_log::Input input;
    if (screen.closed) return;
    if (input.Outermost() && !input.Write("close " + input_log::Word(screen.Name()))) return;
    if (screen.HasHandler("Form_QueryClose")) screen.Run("Form_QueryClose", EventArgs{});
    else Close(screen);
}

void Ui::MessageBox(const std::string& text, const std::string& caption) {
    ShowModal(MakeMessageBox(text, caption));
}

void Ui::Quit() {
    if (host_) host_->Quit();
}

std::vector<Screen*> Ui::OpenScreens() {
    std::vector<Screen*> out;
    for (auto& s : open_) out.push_back(s.get());
    return out;
}

Screen* Ui::Find(const std::string& name) {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if ((*it)->Name() == name) return it->get();
    return nullptr;
}

Screen* Ui::Top() {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if ((*it)->visible && !(*it)->aside) return it->get();
    return nullptr;
}

bool Ui::IsOpen(const Screen* screen) {
    return std::any_of(open_.begin(), open_.end(), [&](auto& p) { return p.get() == screen; });
}

void Ui::SyncTimers() {
    bool changed = false;
    for (auto& s : open_) {
        for (Control& c : s->Controls()) {
            if (c.kind != Kind::Timer) continue;
            bool running = c.enabled && c.interval > 0;
            if (!running) {
                if (c.due >= 0) changed = true;
                c.due = -1;
            } else if (c.due < 0 || c.interval != c.armedInterval || c.restarts != c.armedRestarts ||
                       !c.armedEnabled) {
                c.due = now_ + s->TimerDelay(c);
                changed = true;
            }
            c.armedInterval = c.interval;
            c.armedRestarts = c.restarts;
            c.armedEnabled = running;
        }
    }
    if (changed && host_) host_->TimersChanged();
}

long long Ui::NextDue() const {
    long long best = -1;
    for (auto& s : open_)
        for (const Control& c : s->Controls())
            if (c.kind == Kind::Timer && c.due >= 0 && (best < 0 || c.due < best)) best = c.due;
    return best;
}

void Ui::AdvanceTo(long long t) {
    const input_log::Inside ticks;  // what the timers' handlers do is the game's own
    ++firing_;
    SyncTimers();
    for (;;) {
        Screen* screen = nullptr;
        Control* timer = nullptr;
        for (auto& s : open_)
            for (Control& c : s->Controls())
                if (c.kind == Kind::Timer && c.due >= 0 && c.due <= t && (!timer || c.due < timer->due)) {
                    timer = &c;
                    screen = s.get();
                }
        if (!timer) break;
        if (timer->due > now_) now_ = timer->due;
        // The next tick falls due one interval after this one, unless the handler changes it.
        timer->due = now_ + screen->TimerDelay(*timer);
        timer->armedInterval = timer->interval;
        timer->armedRestarts = timer->restarts;
        screen->TimerTick(*timer);
        SyncTimers();
    }
    if (t > now_) now_ = t;
    --firing_;
    Collect();
}

void Ui::AfterHandler() {
    SyncTimers();
    if (host_) host_->Changed();
}

void Ui::Collect() {
    // Closed screens are deleted only when no handler of theirs can still be running (a
    // handler may close its own screen and go on, e.g. the title's Continue replaying a game).
    if (firing_ == 0 && modalDepth_ == 0)
        std::erase_if(closed_, [](const std::unique_ptr<Screen>& s) { return !s->Handling(); });
}
