#pragma once
// A screen model: its window's values, its controls and its named handlers.
// Handlers act on the shared game state and on the controls; views and the driver only
// deliver input through Click/MouseDown/.../Menu/Timer and read the controls back.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/Control.h"
#include "ui/Services.h"

// Arguments of an event, in the order the handlers of the game name them.
struct EventArgs {
    int index = -1;   // element of a control array
    int button = 1;   // 1 left, 2 right, 4 middle
    int shift = 0;    // 1 Shift + 2 Ctrl + 4 Alt
    int x = 0, y = 0; // pixels of the control
};

// How the integer arguments of `call HANDLER ...` map onto EventArgs: a letter per argument,
// I index, B button, S shift, X, Y.
using ArgOrder = std::string;

class Screen {
public:
    Screen(std::string name, int width, int height);
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    const std::string& Name() const { return name_; }

    // Window values.
    std::string caption;
    Rgb backColor = colors::kButtonFace;
    std::string picture;          // the form's background picture file
    int width, height;            // client area in pixels
    bool visible = true;          // the board hides itself during a fight
    bool topMost = false;         // the fight's action panel
    bool modal = false;           // shown as a modal dialog (set when it opens)
    std::string besideScreen;     // placed to the right of this screen when shown
    // A panel of the program's own beside the game (the controls of a replay being watched):
    // kept below the game's screens, never the top one, and left open when they all close.
    bool aside = false;
    std::string icon = "quelmor.ico";
    bool fixedSize = true;

    // Controls.
    Control& Add(Kind kind, const std::string& name, int index = -1);
    Control* Find(const std::string& key);              // nullptr when there is none
    // The control by its key. A name the screen does not have is a fault of the code: the test
    // build stops with the name; a player's build goes on with a throwaway hidden control.
    Control& C(const std::string& key);
    Control& C(const std::string& name, int index);
    std::deque<Control>& Controls() { return controls_; }
    // True when the control and every container around it are visible (and enabled); a
    // fading control (or container) that has faded away by the screen manager's time is not.
    bool Shown(const Control& c);
    // How opaque the control is painted at time now: its own fade times its containers'.
    double Opacity(const Control& c, long long now);
    bool Usable(const Control& c);
    // The control's top-left corner in the form's pixels (containers add their positions).
    void AbsolutePosition(const Control& c, int& x, int& y);
    // The topmost usable control under a point of the form, nullptr for the background;
    // decorations are looked through.
    Control* HitTest(int x, int y);

    // Handlers by name ("EndTurn_Click", "Perso1_Click", "Regul_Timer").
    using Handler = std::function<void(const EventArgs&)>;
    void On(const std::string& handler, Handler fn, ArgOrder order = "");
    bool HasHandler(const std::string& handler) const;
    // Runs a handler by name with integer arguments in its own order; false if unknown.
    bool Call(const std::string& handler, const std::vector<int>& args);
    // Runs a handler the code names: like C(), an unknown name stops the test build.
    void Run(const std::string& handler, const EventArgs& args);
    // Delivers an input event to its handler, if the screen has one (most events have none).
    void Deliver(const std::string& handler, const EventArgs& args);
    std::vector<std::string> HandlerNames() const;

    // Input as a window delivers it (nothing happens for hidden or disabled controls).
    // Press and Release are the two halves of a click; Click runs both, then the click itself.
    // The key "Form" names the form's own background.
    void Press(const std::string& key, int x, int y, int button, int shift);
    void Release(const std::string& key, int x, int y, int button, int shift, bool click);
    void Click(const std::string& key, int x = 0, int y = 0, int button = 1, int shift = 0);
    void DblClick(const std::string& key, int x = 0, int y = 0);
    // The double-click event alone, as the window delivers it after a press and a release.
    void DoubleClickEvent(const std::string& key, int x, int y);
    void MouseMove(const std::string& key, int x, int y, int button = 0, int shift = 0);
    void Select(const std::string& list, int line, bool doubleClick = false);
    void Tab(const std::string& key, int tab);
    void Menu(const std::string& key);
    void Type(const std::string& key, const std::string& text);
    void Enter(const std::string& key);
    void TimerTick(Control& timer);
    // A key pressed on the screen ("Return", "F1", "Ctrl+M", "Up"): chooses the menu entry with
    // that shortcut, or clicks the usable control with that hot key. False when nothing took it.
    bool PressKey(const std::string& key);

    // The keyboard's place in a dialog: the key of the control it works on ("" for none).
    // Keys no binding takes move it and act on it: Tab and Shift+Tab walk the usable buttons,
    // lists, tab strips and text boxes in their order (and, in a dialog, that is on a screen with
    // buttons, the pictures that answer a click); Space or Return clicks the button or picture;
    // Up and Down move a list's selection (a selection is a click on the line), Left and Right
    // a tab strip's tab. A click on such a control brings it there too.
    std::string focus;
    bool Focusable(const Control& c);
    static constexpr const char* kFocusNextKey = "Tab";
    static constexpr const char* kFocusPreviousKey = "Shift+Tab";
    static constexpr const char* kFocusClickKey = "Space";

    // Timers: sets the interval, enables and restarts the countdown.
    void StartTimer(Control& timer, int interval);

    // Drawing on a picture box.
    void Cls(Control& box) { box.drawOps.clear(); }
    void DrawLine(Control& box, int x1, int y1, int x2, int y2, Rgb color);
    void DrawBox(Control& box, int x1, int y1, int x2, int y2, Rgb color, bool filled);
    void DrawEllipse(Control& box, int x1, int y1, int x2, int y2, Rgb color, bool filled);

    // The music player of this screen (created on first use; stops when the screen closes).
    MusicPlayer& Music();

    // Values owned by the screen itself that the driver can dump and set (the board's clock
    // and obstacles): a name and a run of count integers (count 1 for a single value).
    struct Var {
        std::string name;
        int* values;
        int count;
    };
    void ExposeVar(const std::string& varName, int* values, int count = 1) {
        vars.push_back(Var{varName, values, count});
    }
    std::vector<Var> vars;

    // Form_Load and Form_Unload.
    virtual void Load() {}
    virtual void Unload() {}

    // How long a running timer of this screen waits before its next tick: its interval, unless
    // the player has chosen a quicker pace for the screen (the fight screens of a computer
    // party hurried by H). The interval itself, which the rules read, never changes.
    virtual int TimerDelay(const Control& timer) const { return timer.interval; }

    // Is a handler of this screen running (AfterInput follows once the outermost returns)?
    bool Handling() const { return running_ > 0; }

    bool closed = false;

protected:
    // Runs once an input (a click, a key, a menu choice, a timer tick) has been dealt with:
    // after the outermost handler of this screen returns, never between nested handlers.
    virtual void AfterInput() {}

private:
    bool FocusKey(const std::string& key);
    bool MoveFocus(bool forward);
    struct Entry {
        Handler fn;
        ArgOrder order;
    };
    std::string name_;
    std::deque<Control> controls_;
    std::unordered_map<std::string, Control*> byKey_;
    std::unordered_map<std::string, Entry> handlers_;
    std::unique_ptr<MusicPlayer> music_;
    int nextOrder_ = 0;
    int running_ = 0;  // handlers of this screen running, nested ones included
    Control dummy_;
};

// Splits "Name(3)" into "Name" and 3 (index -1 when there is none).
void SplitKey(const std::string& key, std::string& name, int& index);
