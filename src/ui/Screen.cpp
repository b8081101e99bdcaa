#include "ui/Screen.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "ui/InputLog.h"
#include "ui/Ui.h"

namespace {

// A control or handler name that no screen defines is a typing error in the code: in the test
// build it stops everything at once, so that no rule is silently switched off.
void UnknownName([[maybe_unused]] const char* what, [[maybe_unused]] const std::string& screen,
                 [[maybe_unused]] const std::string& name) {
#ifdef QUELMOR_STRICT_NAMES
    std::fprintf(stderr, "%s \"%s\" is unknown on screen %s\n", what, name.c_str(), screen.c_str());
    std::abort();
#endif
}

}  // namespace

Screen::Screen(std::string name, int w, int h) : width(w), height(h), name_(std::move(name)) {}

Screen::~Screen() = default;

void SplitKey(const std::string& key, std::string& name, int& index) {
    index = -1;
    name = key;
    size_t open = key.find('(');
    if (open == std::string::npos || key.back() != ')') return;
    name = key.substr(0, open);
    try {
        index = std::stoi(key.substr(open + 1, key.size() - open - 2));
    } catch (...) {
        index = -1;
        name = key;
    }
}

Control& Screen::Add(Kind kind, const std::string& name, int index) {
    controls_.emplace_back();
    Control& c = controls_.back();
    c.kind = kind;
    c.name = name;
    c.index = index;
    c.order = nextOrder_++;
    if (kind == Kind::Timer) c.enabled = false;
    if (kind == Kind::Label) c.back = backColor;
    byKey_[c.Key()] = &c;
    return c;
}

Control* Screen::Find(const std::string& key) {
    auto it = byKey_.find(key);
    return it == byKey_.end() ? nullptr : it->second;
}

Control& Screen::C(const std::string& key) {
    if (Control* c = Find(key)) return *c;
    UnknownName("control", name_, key);
    dummy_ = Control{};
    dummy_.name = key;
    dummy_.visible = false;
    return dummy_;
}

Control& Screen::C(const std::string& name, int index) {
    if (index < 0) return C(name);
    // "Name(index)", built in one piece: the screens ask for indexed controls all the time.
    char digits[16];
    digits[0] = '(';
    char* end = std::to_chars(digits + 1, digits + sizeof digits - 1, index).ptr;
    *end++ = ')';
    std::string key;
    key.reserve(name.size() + static_cast<size_t>(end - digits));
    key.append(name).append(digits, end);
    return C(key);
}

bool Screen::Shown(const Control& c) {
    const long long now = Ui::Get().Now();
    const Control* p = &c;
    for (int depth = 0; p && depth < 16; ++depth) {
        if (!p->visible || FadeAlpha(*p, now) <= 0.0) return false;
        if (p->parent.empty()) return true;
        p = Find(p->parent);
    }
    return true;
}

double Screen::Opacity(const Control& c, long long now) {
    double alpha = 1.0;
    const Control* p = &c;
    for (int depth = 0; p && depth < 16; ++depth) {
        alpha *= FadeAlpha(*p, now);
        p = p->parent.empty() ? nullptr : Find(p->parent);
    }
    return alpha;
}

bool Screen::Usable(const Control& c) {
    const Control* p = &c;
    for (int depth = 0; p && depth < 16; ++depth) {
        if (!p->visible || !p->enabled) return false;
        if (p->parent.empty()) return true;
        p = Find(p->parent);
    }
    return true;
}

void Screen::On(const std::string& handler, Handler fn, ArgOrder order) {
    handlers_[handler] = Entry{std::move(fn), std::move(order)};
}

bool Screen::HasHandler(const std::string& handler) const { return handlers_.count(handler) != 0; }

std::vector<std::string> Screen::HandlerNames() const {
    std::vector<std::string> names;
    for (const auto& [name, entry] : handlers_) names.push_back(name);
    return names;
}

void Screen::Run(const std::string& handler, const EventArgs& args) {
    if (!closed && !HasHandler(handler)) UnknownName("handler", name_, handler);
    Deliver(handler, args);
}

void Screen::Deliver(const std::string& handler, const EventArgs& args) {
    auto it = handlers_.find(handler);
    if (it == handlers_.end() || closed) return;
    Handler fn = it->second.fn;  // a handler may replace the table while it runs
    ++running_;
    fn(args);
    --running_;
    if (running_ == 0 && !closed) AfterInput();
    Ui::Get().AfterHandler();
}

bool Screen::Call(const std::string& handler, const std::vector<int>& args) {
    auto it = handlers_.find(handler);
    if (it == handlers_.end()) return false;
    EventArgs a;
    const ArgOrder& order = it->second.order;
    for (size_t i = 0; i < args.size() && i < order.size(); ++i) {
        switch (order[i]) {
            case 'I': a.index = args[i]; break;
            case 'B': a.button = args[i]; break;
            case 'S': a.shift = args[i]; break;
            case 'X': a.x = args[i]; break;
            case 'Y': a.y = args[i]; break;
            default: break;
        }
    }
    Run(handler, a);
    return true;
}

void Screen::Press(const std::string& key, int x, int y, int button, int shift) {
    const input_log::Input input;
    Control* c = key == "Form" ? nullptr : Find(key);
    if (key != "Form" && (!c || !Usable(*c))) return;
    if (input.Outermost() && !input.Write("down " + input_log::Path(*this, key) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                    std::to_string(button) + " " + std::to_string(shift)))
        return;
    if (c && Focusable(*c)) focus = key;
    Deliver((c ? c->name : std::string("Form")) + "_MouseDown", EventArgs{c ? c->index : -1, button, shift, x, y});
}

void Screen::Release(const std::string& key, int x, int y, int button, int shift, bool click) {
    const input_log::Input input;
    Control* c = key == "Form" ? nullptr : Find(key);
    if (key != "Form" && !c) return;
    if (input.Outermost() && !input.Write("up " + input_log::Path(*this, key) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                    std::to_string(button) + " " + std::to_string(shift) + (click ? " 1" : " 0")))
        return;
    std::string name = c ? c->name : "Form";
    EventArgs a{c ? c->index : -1, button, shift, x, y};
    // The release goes to the control that was pressed even if a handler hid it meanwhile.
    Deliver(name + "_MouseUp", a);
    if (closed || !click || button != 1) return;
    if (c && !Usable(*c)) return;
    Deliver(name + "_Click", a);
}

void Screen::Click(const std::string& key, int x, int y, int button, int shift) {
    const input_log::Input input;
    Control* c = key == "Form" ? nullptr : Find(key);
    if (key != "Form" && (!c || !Usable(*c))) return;
    if (input.Outermost() && !input.Write("click " + input_log::Path(*this, key) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                    std::to_string(button) + " " + std::to_string(shift)))
        return;
    Press(key, x, y, button, shift);
    if (closed) return;
    Release(key, x, y, button, shift, true);
}

void Screen::AbsolutePosition(const Control& c, int& x, int& y) {
    x = c.left;
    y = c.top;
    const Control* p = c.parent.empty() ? nullptr : Find(c.parent);
    for (int depth = 0; p && depth < 16; ++depth) {
        x += p->left;
        y += p->top;
        p = p->parent.empty() ? nullptr : Find(p->parent);
    }
}

Control* Screen::HitTest(int x, int y) {
    Control* best = nullptr;
    for (Control& c : controls_) {
        if (c.kind == Kind::Timer || c.kind == Kind::Menu || c.kind == Kind::Line || c.decoration) continue;
        if (!Shown(c)) continue;
        int ax, ay;
        AbsolutePosition(c, ax, ay);
        if (x < ax || y < ay || x >= ax + c.width || y >= ay + c.height) continue;
        if (!best || c.order > best->order) best = &c;
    }
    // A disabled control swallows the click, as a window does.
    return best;
}

void Screen::DblClick(const std::string& key, int x, int y) {
    const input_log::Input input;
    {
        Control* c = Find(key);
        if (key != "Form" && (!c || !Usable(*c))) return;
        if (input.Outermost() && !input.Write("dblclick " + input_log::Path(*this, key) + " " + std::to_string(x) + " " + std::to_string(y)))
            return;
    }
    Click(key, x, y);
    if (closed) return;
    Control* c = Find(key);
    if (!c || !Usable(*c)) return;
    Deliver(c->name + "_DblClick", EventArgs{c->index, 1, 0, x, y});
}

void Screen::DoubleClickEvent(const std::string& key, int x, int y) {
    const input_log::Input input;
    Control* c = Find(key);
    if (!c || !Usable(*c)) return;
    if (input.Outermost() && !input.Write("dblevent " + input_log::Path(*this, key) + " " + std::to_string(x) + " " + std::to_string(y))) return;
    Deliver(c->name + "_DblClick", EventArgs{c->index, 1, 0, x, y});
}

void Screen::MouseMove(const std::string& key, int x, int y, int button, int shift) {
    const input_log::Input input;
    Control* c = key == "Form" ? nullptr : Find(key);
    if (key != "Form" && (!c || !Usable(*c))) return;
    if (input.Outermost() && !input.Write("move " + input_log::Path(*this, key) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                std::to_string(button) + " " + std::to_string(shift))) return;
    Deliver((c ? c->name : std::string("Form")) + "_MouseMove",
        EventArgs{c ? c->index : -1, button, shift, x, y});
}

void Screen::Select(const std::string& list, int line, bool doubleClick) {
    const input_log::Input input;
    Control* c = Find(list);
    if (!c || !Usable(*c) || line < 0 || line >= static_cast<int>(c->items.size())) return;
    if (input.Outermost() && !input.Write(std::string(doubleClick ? "dblselect " : "select ") + input_log::Path(*this, list) + " " +
                std::to_string(line))) return;
    c->listIndex = line;
    Deliver(c->name + "_Click", EventArgs{c->index, 1, 0, 0, 0});
    if (doubleClick && !closed) Deliver(c->name + "_DblClick", EventArgs{c->index, 1, 0, 0, 0});
}

void Screen::Tab(const std::string& key, int tab) {
    const input_log::Input input;
    Control* c = Find(key);
    if (!c || !Usable(*c) || tab < 0 || tab >= static_cast<int>(c->tabs.size())) return;
    if (input.Outermost() && !input.Write("tab " + input_log::Path(*this, key) + " " + std::to_string(tab))) return;
    int previous = c->selectedTab;
    c->selectedTab = tab;
    // The handler learns the tab that was left in x and the new one in index.
    Deliver(c->name + "_Click", EventArgs{tab, 1, 0, previous, 0});
}

void Screen::Menu(const std::string& key) {
    const input_log::Input input;
    Control* c = Find(key);
    if (!c || c->kind != Kind::Menu || !c->visible || !c->enabled || c->separator) return;
    // An entry of the program's own (network play) is no input of the game's: not recorded,
    // nor sent anywhere.
    if (c->programOwn) {
        Deliver(c->name + "_Click", EventArgs{c->index, 1, 0, 0, 0});
        return;
    }
    if (input.Outermost()) {
        if (!input.Write("menu " + input_log::Path(*this, key))) return;
        input_log::MenuChosen();
    }
    Deliver(c->name + "_Click", EventArgs{c->index, 1, 0, 0, 0});
}

void Screen::Type(const std::string& key, const std::string& text) {
    const input_log::Input input;
    Control* c = Find(key);
    if (!c || !Usable(*c)) return;
    if (input.Outermost() && !input.Write("key " + input_log::Path(*this, key) + " " + input_log::Word(text))) return;
    c->text = text;
    Deliver(c->name + "_Change", EventArgs{c->index, 1, 0, 0, 0});
}

void Screen::Enter(const std::string& key) {
    const input_log::Input input;
    Control* c = Find(key);
    if (!c || !Usable(*c)) return;
    if (input.Outermost() && !input.Write("enter " + input_log::Path(*this, key))) return;
    Deliver(c->name + "_KeyPress", EventArgs{c->index, 1, 0, 13, 0});
}

bool Screen::PressKey(const std::string& key) {
    const input_log::Input input;
    // A key taken elsewhere (a network game followed) is handled.
    if (input.Outermost() && !input.Write("presson " + input_log::Path(*this, key))) return true;
    for (Control& c : controls_) {
        if (c.kind == Kind::Menu && c.shortcut == key && c.visible && c.enabled && !c.separator) {
            Menu(c.Key());
            return true;
        }
    }
    for (Control& c : controls_) {
        if (c.kind == Kind::Menu || c.hotkey != key) continue;
        if (!Usable(c)) return true;  // the key belongs to this control, which cannot be used now
        if (c.kind == Kind::ListBox || c.kind == Kind::TextBox) continue;
        Click(c.Key(), c.width / 2, c.height / 2);
        return true;
    }
    return FocusKey(key);
}

bool Screen::Focusable(const Control& c) {
    if (c.kind == Kind::Button || c.kind == Kind::ListBox || c.kind == Kind::TabStrip || c.kind == Kind::TextBox)
        return true;
    if (c.kind != Kind::Image || !HasHandler(c.name + "_Click")) return false;
    for (const Control& other : controls_)
        if (other.kind == Kind::Button) return true;
    return false;
}

bool Screen::MoveFocus(bool forward) {
    // The walk goes on from where the place is even when that control can't be used any more.
    std::vector<Control*> ring;
    for (Control& c : controls_)
        if (Focusable(c)) ring.push_back(&c);
    const int n = static_cast<int>(ring.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (ring[i]->Key() == focus) at = i;
    if (at < 0) at = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        Control* c = ring[((at + (forward ? step : -step)) % n + n) % n];
        if (!Usable(*c)) continue;
        focus = c->Key();
        return true;
    }
    return false;
}

bool Screen::FocusKey(const std::string& key) {
    if (key == kFocusNextKey) return MoveFocus(true);
    // Shift+Tab reaches a window as Shift+Backtab.
    if (key == kFocusPreviousKey || key == "Shift+Backtab" || key == "Backtab") return MoveFocus(false);
    Control* c = focus.empty() ? nullptr : Find(focus);
    if (!c || !Usable(*c)) return false;
    if ((c->kind == Kind::Button || c->kind == Kind::Image) && (key == kFocusClickKey || key == "Return")) {
        Click(c->Key(), c->width / 2, c->height / 2);
        return true;
    }
    if (c->kind == Kind::TabStrip && (key == "Left" || key == "Right")) {
        const int tab = c->selectedTab + (key == "Right" ? 1 : -1);
        if (tab >= 0 && tab < static_cast<int>(c->tabs.size())) Tab(c->Key(), tab);
        return true;
    }
    if (c->kind == Kind::ListBox && (key == "Up" || key == "Down")) {
        const int count = static_cast<int>(c->items.size());
        if (count == 0) return true;
        int line = c->listIndex < 0 ? 0 : c->listIndex + (key == "Down" ? 1 : -1);
        line = std::clamp(line, 0, count - 1);
        if (line != c->listIndex) Select(c->Key(), line);
        return true;
    }
    return false;
}

void Screen::TimerTick(Control& timer) {
    const input_log::Inside tick;
    Deliver(timer.name + "_Timer", EventArgs{timer.index, 1, 0, 0, 0});
}

void Screen::StartTimer(Control& timer, int interval) {
    timer.interval = interval;
    timer.enabled = true;
    ++timer.restarts;
}

void Screen::DrawLine(Control& box, int x1, int y1, int x2, int y2, Rgb color) {
    box.drawOps.push_back(DrawOp{DrawOp::Line, x1, y1, x2, y2, color});
}

void Screen::DrawBox(Control& box, int x1, int y1, int x2, int y2, Rgb color, bool filled) {
    box.drawOps.push_back(DrawOp{filled ? DrawOp::FillRect : DrawOp::Rect, x1, y1, x2, y2, color});
}

void Screen::DrawEllipse(Control& box, int x1, int y1, int x2, int y2, Rgb color, bool filled) {
    box.drawOps.push_back(DrawOp{filled ? DrawOp::FillEllipse : DrawOp::Ellipse, x1, y1, x2, y2, color});
}

MusicPlayer& Screen::Music() {
    if (!music_) music_ = Ui::Get().services().NewMusicPlayer();
    return *music_;
}
