#pragma once
// What the screen manager asks of whoever shows the screens: the Qt windows or the driver.
#include <string>

class Screen;

class Host {
public:
    virtual ~Host() = default;
    // A screen was opened (modeless or modal) or closed, or its values changed.
    virtual void ScreenOpened(Screen& screen) = 0;
    virtual void ScreenClosed(Screen& screen) = 0;
    virtual void Changed() = 0;
    // Runs the user's interaction with a modal screen; returns once it is closed.
    virtual void RunModal(Screen& screen) = 0;
    // Shows a pop-up menu of the screen at (x, y) of the screen; returns once an entry was
    // chosen (its handler has run) or the menu was dismissed.
    virtual void RunPopup(Screen& screen, const std::string& menu, int x, int y) = 0;
    // A pop-up menu shown for the eye alone while a replay is watched (the record chooses its
    // entry), and taken away again once chosen: nothing waits on it and it takes no input.
    virtual void PopupShown(Screen&, const std::string& /*menu*/, int /*x*/, int /*y*/) {}
    virtual void PopupGone(Screen&) {}
    // The timers changed: the next tick is due at Ui::NextDue().
    virtual void TimersChanged() = 0;
    // Ends the program at once (the title's Quit).
    virtual void Quit() = 0;
};
