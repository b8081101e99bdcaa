#include "ui/InputCommand.h"

#include <set>

#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

const std::set<std::string>& Commands() {
    static const std::set<std::string> commands = {"click", "dblclick", "select", "dblselect", "tab",
                                                   "menu",  "key",      "enter",  "press",     "presson",
                                                   "down",  "up",       "move",   "dblevent",  "close", "wait"};
    return commands;
}

// The words one command takes in a record (the command included), and at most in a script.
struct Arity {
    size_t record, most;
};

Arity ArityOf(const std::string& cmd) {
    if (cmd == "click" || cmd == "down" || cmd == "move") return {6, 6};
    if (cmd == "up") return {7, 7};
    if (cmd == "dblclick" || cmd == "dblevent") return {4, 4};
    if (cmd == "select" || cmd == "dblselect" || cmd == "tab" || cmd == "key") return {3, 3};
    return {2, 2};
}

class Apply {
public:
    Apply(const CommandLine& line, PopupWait& popup, InputCheck check, std::string& fault)
        : line_(line), w_(line.words), cmd_(line.Command()), popup_(popup), check_(check), fault_(fault) {}

    bool Run() {
        if (!Commands().count(cmd_)) return Fault("unknown command " + cmd_);
        if (check_ == InputCheck::Record && cmd_ != "close") {
            const Arity arity = ArityOf(cmd_);
            if (w_.size() != arity.record)
                return Fault(cmd_ + ": takes " + std::to_string(arity.record - 1) + " arguments, not " +
                             std::to_string(w_.size() - 1));
        }
        if (cmd_ == "wait") return Wait();
        if (cmd_ == "close") return Close();
        if (cmd_ == "menu") return MenuEntry();
        if (w_.size() < 2) return Missing();
        std::string key = w_[1];
        Screen* s = Target(key);
        if (!s) return false;
        if (cmd_ == "press" || cmd_ == "presson") {
            if (cmd_ == "press") return Ui::Get().PressKey(*s, key) || check_ != InputCheck::Lenient;
            s->PressKey(key);
            return true;
        }
        Control* c = key == "Form" && (cmd_ == "click" || cmd_ == "down" || cmd_ == "up" || cmd_ == "move")
                         ? nullptr
                         : s->Find(key);
        if (!c && key != "Form") return Check(false, "no control " + key + " on " + s->Name());
        if (check_ == InputCheck::Record && !Usable(*s, c)) return false;
        return Deliver(*s, c, key);
    }

private:
    bool Fault(const std::string& why) {
        if (check_ != InputCheck::Lenient) fault_ = why;
        return false;
    }
    // A fault for the driver and the record; the computer's line is simply not followed.
    bool Check(bool ok, const std::string& why) { return ok || Fault(why); }
    bool Missing() { return Fault(cmd_ + ": missing argument"); }

    bool Number(size_t i, int& out) {
        if (line_.Number(i, out)) return true;
        return Fault(cmd_ + ": not a whole number: " + (i < w_.size() ? w_[i] : ""));
    }
    // Word i as a number, or fallback when a script leaves it out.
    bool Optional(size_t i, int fallback, int& out) {
        if (i >= w_.size() && check_ != InputCheck::Record) {
            out = fallback;
            return true;
        }
        return Number(i, out);
    }

    // "Screen.Control" or a control of the top screen; a record always names the screen.
    Screen* Target(std::string& key) {
        const ControlPath path = SplitControlPath(key);
        if (path.screen.empty()) {
            if (check_ == InputCheck::Record) {
                Fault(cmd_ + ": " + key + " names no screen");
                return nullptr;
            }
            Screen* top = Ui::Get().Top();
            if (!top) Fault("no screen is open");
            return top;
        }
        Screen* s = Ui::Get().Find(path.screen);
        if (!s) Fault("no open screen " + path.screen);
        key = path.key;
        if (s && check_ == InputCheck::Record && UnderADialog(*s)) {
            Fault(cmd_ + ": " + path.screen + " lies under an open dialog");
            return nullptr;
        }
        return s;
    }

    // Is the screen below a modal dialog that is open? A player's input reaches the dialog, or
    // a screen opened above it, alone.
    static bool UnderADialog(const Screen& s) {
        bool under = false;
        for (Screen* open : Ui::Get().OpenScreens()) {
            if (open == &s) under = false;
            else if (open->modal && !open->closed) under = true;
        }
        return under;
    }

    // What a player could use: the control shown and enabled (a release goes to the control
    // pressed, whatever became of it).
    bool Usable(Screen& s, Control* c) {
        if (!c || cmd_ == "up") return true;
        if (c->kind == Kind::Menu) return Fault(cmd_ + ": " + c->Key() + " is a menu entry");
        if (!s.Usable(*c)) return Fault(cmd_ + ": " + s.Name() + "." + c->Key() + " is hidden or disabled");
        return true;
    }

    // A point of the control (or of the form) that a pointer could be on.
    bool Inside(Screen& s, Control* c, int x, int y) {
        if (check_ != InputCheck::Record) return true;
        const int width = c ? c->width : s.width, height = c ? c->height : s.height;
        if (cmd_ == "up") {
            // Released anywhere: within the reach of the screen around the control.
            if (x >= -4 * s.width && x <= 4 * s.width && y >= -4 * s.height && y <= 4 * s.height) return true;
        } else if (x >= 0 && y >= 0 && x <= width && y <= height) {
            return true;
        }
        return Fault(cmd_ + ": the point " + std::to_string(x) + " " + std::to_string(y) + " is outside " +
                     (c ? c->Key() : std::string("the form")));
    }

    bool Mouse(int& button, int& shift) {
        if (!Optional(4, 1, button) || !Optional(5, 0, shift)) return false;
        if (check_ == InputCheck::Record && ((button != 1 && button != 2 && button != 4) || shift < 0 || shift > 7))
            return Fault(cmd_ + ": no such button " + std::to_string(button) + " or keys " + std::to_string(shift));
        return true;
    }

    bool Deliver(Screen& s, Control* c, const std::string& key) {
        int x = 0, y = 0;
        if (cmd_ == "click" || cmd_ == "dblclick" || cmd_ == "down" || cmd_ == "up" || cmd_ == "move" ||
            cmd_ == "dblevent") {
            if (!Optional(2, 0, x) || !Optional(3, 0, y) || !Inside(s, c, x, y)) return false;
        }
        int button = 1, shift = 0, n = 0;
        if (cmd_ == "click") {
            if (!Mouse(button, shift)) return false;
            s.Click(key, x, y, button, shift);
        } else if (cmd_ == "dblclick") {
            s.DblClick(key, x, y);
        } else if (cmd_ == "down") {
            if (!Mouse(button, shift)) return false;
            s.Press(key, x, y, button, shift);
        } else if (cmd_ == "up") {
            int click = 0;
            if (!Mouse(button, shift) || !Optional(6, 0, click)) return false;
            if (click != 0 && click != 1) return Fault("up: not 0 or 1: " + w_[6]);
            s.Release(key, x, y, button, shift, click == 1);
        } else if (cmd_ == "move") {
            if (!Optional(4, 0, button) || !Optional(5, 0, shift)) return false;
            s.MouseMove(key, x, y, button, shift);
        } else if (cmd_ == "dblevent") {
            s.DoubleClickEvent(key, x, y);
        } else if (cmd_ == "select" || cmd_ == "dblselect" || cmd_ == "tab") {
            if (w_.size() < 3) return Missing();
            if (!Number(2, n)) return false;
            if (check_ == InputCheck::Record) {
                const int count = static_cast<int>(cmd_ == "tab" ? c->tabs.size() : c->items.size());
                if (n < 0 || n >= count) return Fault(cmd_ + ": " + key + " has no line " + std::to_string(n));
            }
            if (cmd_ == "tab") s.Tab(key, n);
            else s.Select(key, n, cmd_ == "dblselect");
        } else if (cmd_ == "key") {
            if (w_.size() < 3) return Missing();
            if (check_ == InputCheck::Record && c->kind != Kind::TextBox) return Fault("key: " + key + " is no text box");
            s.Type(key, w_[2]);
        } else if (cmd_ == "enter") {
            s.Enter(key);
        }
        return true;
    }

    bool Wait() {
        if (check_ == InputCheck::Lenient) return true;  // in the window, time passes by itself
        if (w_.size() < 2) return Missing();
        int ms = 0;
        if (!Number(1, ms)) return false;
        if (ms < 0) return Fault("wait: negative time");
        if (ms > kLongestWait)
            return Fault("wait: longer than " + std::to_string(kLongestWait) + " ms (an hour); split it into shorter waits");
        Ui::Get().AdvanceTo(Ui::Get().Now() + ms);
        return true;
    }

    bool Close() {
        if (w_.size() > 2 || (check_ == InputCheck::Record && w_.size() == 2 && popup_.screen))
            return Fault("close: takes a screen's name alone, and none while a pop-up menu waits");
        if (popup_.screen) {
            popup_.Clear();
            return true;
        }
        Screen* s = Ui::Get().Top();
        if (w_.size() == 2) {
            s = Ui::Get().Find(w_[1]);
            if (!s) return Fault("close: no open screen " + w_[1]);
            if (check_ == InputCheck::Record && !s->visible) return Fault("close: " + w_[1] + " is hidden");
            if (check_ == InputCheck::Record && UnderADialog(*s)) return Fault("close: " + w_[1] + " lies under an open dialog");
        } else if (check_ == InputCheck::Record) {
            return Fault("close: no pop-up menu waits; name the screen");
        }
        if (!s) return Fault("close: no screen is open");
        Ui::Get().CloseBox(*s);
        return true;
    }

    bool MenuEntry() {
        if (w_.size() < 2) return Missing();
        std::string key = w_[1];
        if (popup_.screen) {
            Screen* s = popup_.screen;
            const ControlPath path = SplitControlPath(key);
            if (!path.screen.empty() && path.screen != s->Name())
                return Fault("menu " + key + " is not in the open pop-up " + popup_.menu);
            key = path.key;
            if (check_ == InputCheck::Lenient) {
                if (Ui::Get().IsOpen(s)) s->Menu(key);
                return true;
            }
            Control* c = s->Find(key);
            if (!c) return Fault("no control " + key + " on " + s->Name());
            if (c->parent != popup_.menu) return Fault("menu " + key + " is not in the open pop-up " + popup_.menu);
            if (check_ == InputCheck::Record && (!c->visible || !c->enabled || c->separator))
                return Fault("menu: " + key + " is hidden or disabled");
            popup_.Clear();
            s->Menu(key);
            return true;
        }
        Screen* s = Target(key);
        if (!s) return false;
        Control* c = s->Find(key);
        if (!c) return Check(false, "no control " + key + " on " + s->Name());
        if (check_ == InputCheck::Record && (c->kind != Kind::Menu || !c->visible || !c->enabled || c->separator))
            return Fault("menu: " + s->Name() + "." + key + " is no entry a player could choose now");
        s->Menu(key);
        return true;
    }

    const CommandLine& line_;
    const std::vector<std::string>& w_;
    const std::string& cmd_;
    PopupWait& popup_;
    InputCheck check_;
    std::string& fault_;
};

const Screen*& Gate() {
    static const Screen* panel = nullptr;
    return panel;
}

// The screen a line of input names, as far as the gate needs it ("" for the top screen).
std::string NamedScreen(const CommandLine& line) {
    if (line.words.size() < 2 || line.Command() == "wait") return "";
    if (line.Command() == "close") return line.words[1];
    return SplitControlPath(line.words[1]).screen;
}

}  // namespace

void SetInputOnlyTo(const Screen* panel) { Gate() = panel; }
const Screen* InputOnlyTo() { return Gate(); }

bool IsInputCommand(const std::string& command) { return Commands().count(command) != 0; }

bool ApplyInput(const CommandLine& line, PopupWait& popup, InputCheck check, std::string& fault) {
    fault.clear();
    if (line.Empty()) {
        if (check != InputCheck::Lenient) fault = "no command";
        return false;
    }
    const Screen* panel = Gate();
    if (panel && check != InputCheck::Record && NamedScreen(line) != panel->Name()) {
        if (check != InputCheck::Lenient)
            fault = line.Command() + ": refused, a replay is being watched: only " + panel->Name() + " takes input";
        return false;
    }
    return Apply(line, popup, check, fault).Run();
}
