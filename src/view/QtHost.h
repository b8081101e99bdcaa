#pragma once
// Shows the screen models as real windows: one window per open screen, modal dialogs in a
// nested event loop, pop-up menus at the pointer, and the screens' timers on real time.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

#include "ui/Host.h"

class Screen;
class ScreenWindow;

// What kind of window shows a screen (a main window, a fixed dialog, the fight's tool panel),
// and so which buttons a window manager puts on its title bar.
Qt::WindowFlags WindowKind(const Screen& screen);

class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    explicit QtHost(double scale = 1);
    ~QtHost() override;
    void ScreenOpened(Screen& screen) override;
    void ScreenClosed(Screen& screen) override;
    void Changed() override;
    void RunModal(Screen& screen) override;
    void RunPopup(Screen& screen, const std::string& menu, int x, int y) override;
    void TimersChanged() override;
    void PopupShown(Screen& screen, const std::string& menu, int x, int y) override;
    void PopupGone(Screen& screen) override;
    void Quit() override;

    ScreenWindow* WindowOf(Screen& screen);
    // The pop-up menu waiting for its choice (nullptr when none).
    Screen* popupScreen() const { return popupScreen_; }
    const std::string& popupMenu() const { return popupMenu_; }
    double scale() const { return scale_; }
    void SetScale(double scale);
    // What runs once the windows show what the handlers changed (the computer's pace looks
    // whether a computer party is now to act); nullptr for nothing.
    void SetAfterSync(std::function<void()> afterSync) { afterSync_ = std::move(afterSync); }
    // Shows again the screens another host ran meanwhile (a record replayed with no window):
    // a window for each open screen that has none, bottom to top, and the game's clock, which
    // the replay moved on, goes on from where it stands.
    void TakeOver();
    // A replay is watched (panel: its panel's screen) or no more (nullptr). Meanwhile the game's
    // clock is the record's: the window neither ticks the screens' timers nor moves the clock
    // before an input; the player's input reaches the panel's window alone (but the keys of
    // the help, the journal and saving); dialogs are shown without holding the other windows.
    // Once it ends, the window takes the game as its own again (TakeOver).
    void Watch(Screen* panel);
    bool watching() const { return watchPanel_ != nullptr; }
    // A network game is followed (on) or no more: as while watching, the game's clock is the
    // host's events' and dialogs hold no other window, but the player's input reaches the
    // screens (the input gate sends it to the host, see ui/InputLog.h), and a pop-up menu the
    // game shows can be chosen from.
    void Follow(bool on);
    // A pop-up menu that this machine's player may not answer (a remote party of a hosted game
    // opened it): shown without taking the pointer or the keys, its choice or dismissal comes
    // from elsewhere (ClosePopup ends its wait). nullptr: every pop-up is the player's.
    void SetPopupForOthers(std::function<bool()> others) { popupForOthers_ = std::move(others); }
    // Ends the wait of the pop-up menu up (its choice made, or none).
    void ClosePopup();
    // A followed game's pop-up chosen in, the choice refused by the host: it may be chosen again.
    void TakeWatchedChoiceAgain();
    bool following() const { return following_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool AwaitsItsScreen(Screen& screen);
    double ScaleFor(const Screen& screen) const;
    void Tick();
    void BringClockUpToDate();
    void Place(Screen& screen, ScreenWindow& window);
    void PlaceAside(ScreenWindow& panel);
    // The game's own again: its dialogs hold the other windows, its clock goes on (TakeOver).
    void HoldWithDialogs();
    bool RefusedWhileWatching(QObject* watched, QEvent* e);
    std::map<Screen*, ScreenWindow*> windows_;
    std::map<Screen*, class QEventLoop*> loops_;
    long long Elapsed() const { return clock_.elapsed() + clockShift_; }
    QElapsedTimer clock_;
    long long clockShift_ = 0;   // the game's time that ran without this host
    QTimer timer_;
    double scale_;
    bool syncQueued_ = false;
    Screen* popupScreen_ = nullptr;
    std::string popupMenu_;
    std::function<void()> afterSync_;
    Screen* watchPanel_ = nullptr;
    bool following_ = false;
    std::function<bool()> popupForOthers_;
    QEventLoop* popupLoop_ = nullptr;
    bool OnRecordClock() const { return watchPanel_ || following_; }
};
