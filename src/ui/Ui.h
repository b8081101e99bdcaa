#pragma once
// The screen manager: which screens are open, modal and modeless showing, pop-up menus,
// message boxes, and the timers of every open screen on one clock.
#include <memory>
#include <string>
#include <vector>

#include "ui/Host.h"
#include "ui/Screen.h"
#include "ui/Services.h"

class Ui {
public:
    static Ui& Get();

    void SetHost(Host* host) { host_ = host; }
    Host* host() { return host_; }
    void SetServices(Services* services) { services_ = services; }
    Services& services();

    // Opens a screen without waiting (runs its Load) and returns it.
    Screen& Show(std::unique_ptr<Screen> screen);
    // Opens a screen as a modal dialog and returns when it has closed.
    void ShowModal(std::unique_ptr<Screen> screen);
    // Closes a screen: runs its Unload, stops its timers and its music.
    void Close(Screen& screen);
    // The window's close box on a screen: its Form_QueryClose decides, else it closes.
    void CloseBox(Screen& screen);
    // The player dismissed a pop-up menu that waits elsewhere (a network game followed: the
    // host's pop-up): his input is the dismissal's line, for the player's gate (ui/InputLog.h).
    void DismissPopup(Screen& screen);
    // Closes every open screen without running their Unload (start of a new run).
    void CloseAll();
    // The same for the game's screens alone: a panel aside (Screen::aside) stays open.
    void CloseGameScreens();

    // Shows a pop-up menu of a screen at (x, y); returns after the choice.
    void Popup(Screen& screen, const std::string& menu, int x, int y);
    // A modal message box with an OK button.
    void MessageBox(const std::string& text, const std::string& caption = "Quelmor");
    void Quit();

    // A key pressed on a screen's window: the screen's own keys first, then those of the screen
    // it works beside (the fight screen and its action panel answer each other's keys, whichever
    // of the two has the keyboard). False when nothing took it.
    bool PressKey(Screen& screen, const std::string& key);

    std::vector<Screen*> OpenScreens();       // bottom to top
    Screen* Find(const std::string& name);    // the topmost open screen of that name
    Screen* Top();                            // the topmost visible screen of the game's
    bool IsOpen(const Screen* screen);

    // Time, in milliseconds since start (virtual in the driver, real in the window).
    long long Now() const { return now_; }
    // Fires, in time order, every timer that falls due up to t.
    void AdvanceTo(long long t);
    // When the next enabled timer falls due, -1 when none is running.
    long long NextDue() const;
    // Re-arms timers whose interval, enabled state or restart count changed.
    void SyncTimers();

    // Called after every handler: timers, repaint, deferred deletion.
    void AfterHandler();

    // Is a modal dialog running its own interaction (the driver reads commands inside it).
    int ModalDepth() const { return modalDepth_; }
    // Deletes closed screens once no handler of theirs can still be running; hosts call it
    // between two events.
    void Idle() { Collect(); }

private:
    Ui() = default;
    void Collect();

    Host* host_ = nullptr;
    Services* services_ = nullptr;
    std::vector<std::unique_ptr<Screen>> open_;
    std::vector<std::unique_ptr<Screen>> closed_;
    long long now_ = 0;
    int modalDepth_ = 0;
    int firing_ = 0;
};
