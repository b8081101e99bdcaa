#pragma once
// The one Qt view of every screen model: paints the form, its picture and its controls,
// and forwards presses, releases, moves, menu choices and typing to the screen's handlers.
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <map>
#include <string>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTabBar;
class Screen;
struct Control;
struct Font;

// A control's font as the windows draw it (at the windows' own scale 1).
QFont MakeFont(const Font& f);
// A menu entry's text as the menus show it: its caption, then its key after a tab.
QString MenuText(const Control& c);
// A control's tip: what it does (or its tooltip) and its key, then, while it cannot be used,
// why not.
QString TipText(Screen& screen, const Control& c);
// A key as the menus show it beside an entry.
QString ShortcutText(const std::string& key);
// The menus' font at a window's scale: the application's font grown by the same factor (the file
// dialog's too, over a window drawn larger).
QFont MenuFont(double scale);

class ScreenCanvas : public QWidget {
    Q_OBJECT
public:
    ScreenCanvas(Screen& screen, double scale, QWidget* parent = nullptr);
    void Sync();                 // child widgets follow the model
    // The factor by which the screen is shown: whole in a window, any that fits in full screen.
    double scale() const { return scale_; }
    void SetScale(double scale);
    // The screen's own pixel under a point of the canvas.
    QPoint FormPixel(const QPointF& at) const;
    Screen& screen() { return screen_; }
    // The screen was closed: from now on the canvas never touches it again (the screen may be
    // deleted before the canvas is).
    void Detach() { detached_ = true; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    bool event(QEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void PaintControl(class QPainter& p, Control& c);
    void PaintFocus(class QPainter& p, const Control& c, const class QRect& r);
    void FollowFocus();  // the keyboard goes where the screen's focus is
    long long NextFadeFrame(const Control& c, long long now);
    static constexpr int kFadeFrameMs = 40;
    long long fadeDue_ = -1;  // when the queued fade repaint comes (view clock), -1 none
    QLineEdit* EditFor(Control& c);
    QTabBar* TabsFor(Control& c);
    Screen& screen_;
    double scale_;
    std::string pressed_;
    int pressedButton_ = 0;
    std::map<std::string, QLineEdit*> edits_;
    std::map<std::string, QTabBar*> tabBars_;
    bool syncing_ = false;
    bool detached_ = false;
};

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(Screen& screen, double scale);
    void Sync();
    Screen& screen() { return screen_; }
    ScreenCanvas* canvas() { return canvas_; }
    // Shows a pop-up menu of the screen at a point of the form; blocks until it closes.
    void Popup(const std::string& menu, int x, int y);
    // Builds a Qt menu holding the entries under a menu control.
    QMenu* BuildMenu(const std::string& menu, QWidget* parent);
    // A pop-up menu of the screen shown while a replay is watched: drawn where the game showed
    // it, taking no input (the record chooses), until taken away.
    // choosable: its entries take the player's clicks (a network game followed).
    void ShowWatchedPopup(const std::string& menu, int x, int y, bool choosable = false);
    void HideWatchedPopup();
    // A choosable watched pop-up takes one choice, then waits for it to come back from the game
    // (a second click would be a second choice); refused, it takes one again.
    void TakeWatchedChoiceAgain();
    // Full screen with the picture centred at the largest scale that fits (any factor), or back.
    void ToggleFullScreen(double normalScale);
    // The window keeps the size of its contents: a window manager offers no resizing, and so
    // no maximising, for it.
    void SetFixedFrame(bool fixed);
    // A fixed window is as wide as its title needs under a window manager (after a new title or
    // a new scale).
    void FitTitle();
    // The screen was closed: the window (about to be deleted) leaves it alone from now on.
    void Detach();

protected:
    void closeEvent(class QCloseEvent*) override;
    void keyPressEvent(class QKeyEvent*) override;
    bool focusNextPrevChild(bool next) override;  // Tab and Shift+Tab go to the screen

private:
    void BuildMenuBar();
    void SyncMenus();
    void MenuChosen(const std::string& key);
    void ForgetMenu(QMenu* menu);
    Screen& screen_;
    ScreenCanvas* canvas_;
    QMenuBar* menuBar_ = nullptr;
    std::map<std::string, QAction*> actions_;
    bool detached_ = false;
    QMenu* watchedPopup_ = nullptr;
    bool choosable_ = false;  // the watched pop-up takes the player's clicks
    bool fixedFrame_ = false;
    QRect normalPlace_;  // the window's place before it went full screen
};
