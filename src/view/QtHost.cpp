#include "view/QtHost.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "ui/Screen.h"
#include "ui/Ui.h"
#include "view/InputHook.h"
#include "view/ScreenView.h"

QtHost::QtHost(double scale) : scale_(scale > 0 ? scale : 1) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtHost::Tick);
    SetBeforeInputHook([this] { BringClockUpToDate(); });
    // While a replay is watched, the fades are painted at the record's time.
    SetViewClock([this] { return OnRecordClock() ? Ui::Get().Now() : Elapsed(); });
}

QtHost::~QtHost() {
    SetBeforeInputHook(nullptr);
    SetViewClock(nullptr);
    for (auto& [screen, window] : windows_) delete window;
}

void QtHost::BringClockUpToDate() {
    Ui::Get().Idle();
    if (OnRecordClock()) return;  // the record moves the clock
    Ui::Get().AdvanceTo(Elapsed());
}

void QtHost::Tick() {
    BringClockUpToDate();
    TimersChanged();
}

void QtHost::TimersChanged() {
    if (OnRecordClock()) {
        timer_.stop();  // the record fires the timers
        return;
    }
    long long due = Ui::Get().NextDue();
    if (due < 0) {
        timer_.stop();  // nothing runs: the process sleeps until the next input
        return;
    }
    long long wait = due - Elapsed();
    timer_.start(static_cast<int>(std::max(0LL, wait)));
}

Qt::WindowFlags WindowKind(const Screen& screen) {
    // Without CustomizeWindowHint, Qt adds the minimise and maximise buttons to any window:
    // the hints below are the whole of what the title bar offers.
    const Qt::WindowFlags fixed = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    // The fight's action panel: a small tool window above the fight; it closes with the fight only.
    if (screen.topMost) return Qt::Tool | fixed | Qt::WindowStaysOnTopHint;
    // A dialog of fixed size over the window that opened it, closed by its close box.
    if (screen.modal) return Qt::Dialog | fixed | Qt::WindowCloseButtonHint;
    return Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

ScreenWindow* QtHost::WindowOf(Screen& screen) {
    auto it = windows_.find(&screen);
    return it == windows_.end() ? nullptr : it->second;
}

void QtHost::Place(Screen& screen, ScreenWindow& window) {
    window.adjustSize();
    if (screen.aside) {
        PlaceAside(window);
        return;
    }
    if (!screen.besideScreen.empty()) {
        if (Screen* other = Ui::Get().Find(screen.besideScreen)) {
            if (ScreenWindow* w = WindowOf(*other)) {
                // To its right, or to its left where the screen ends on the right.
                const QRect frame = w->frameGeometry();
                int x = frame.right() + 4;
                const QScreen* display = w->QWidget::screen();
                if (display && x + window.frameGeometry().width() > display->availableGeometry().right())
                    x = std::max(display->availableGeometry().left(), frame.left() - 4 - window.frameGeometry().width());
                window.move(x, frame.top() + 40);
                return;
            }
        }
    }
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect area = s->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

// A new window is drawn at the scale of a window shown full screen (the board drawn large), as far
// as it fits on the display with its title bar and edges; otherwise at the windows' own scale.
double QtHost::ScaleFor(const Screen& screen) const {
    double scale = scale_;
    for (const auto& [other, window] : windows_)
        if (window->isFullScreen()) scale = std::max(scale, window->canvas()->scale());
    if (scale == scale_) return scale_;
    if (const QScreen* display = QGuiApplication::primaryScreen()) {
        constexpr int kFrame = 40;  // a title bar, or the edges of a window on both sides
        const QRect area = display->availableGeometry();
        const double fit = std::min(double(area.width() - kFrame) / screen.width,
                                    double(area.height() - 2 * kFrame) / screen.height);
        scale = std::min(scale, std::floor(fit * 100) / 100);
    }
    return std::max(scale_, scale);
}

void QtHost::ScreenOpened(Screen& screen) {
    auto* window = new ScreenWindow(screen, ScaleFor(screen));
    window->setWindowFlags(WindowKind(screen));
    // A dialog is modal from its first showing. Made modal once shown, its window would have to
    // be unmapped and mapped again at once, and a window manager may then never show it: the
    // game waits for a dialog nobody sees, the windows behind it deaf to keys and clicks.
    if (screen.modal && !OnRecordClock()) window->setWindowModality(Qt::ApplicationModal);
    window->SetFixedFrame(screen.modal || screen.topMost);
    windows_[&screen] = window;
    window->installEventFilter(this);
    Place(screen, *window);
    // A panel opened by its screen's own Load comes before that screen's window: it is shown
    // once it can be placed beside it (a window manager may keep where a window first appeared).
    if (screen.visible && !AwaitsItsScreen(screen)) window->show();
    for (auto& [other, panel] : windows_)
        if (other != &screen && other->aside && !screen.modal) PlaceAside(*panel);
    for (auto& [other, panel] : windows_) {
        if (other == &screen || other->besideScreen != screen.Name()) continue;
        Place(*other, *panel);
        if (other->visible && !panel->isVisible()) panel->show();
    }
}

// A panel of the program's own goes beside the game's largest window (the board), where the
// display has room for it; it never lies over the map unless the display is too small.
void QtHost::PlaceAside(ScreenWindow& panel) {
    ScreenWindow* game = nullptr;
    Screen* gameScreen = nullptr;
    for (auto& [screen, window] : windows_) {
        if (screen->aside || screen->modal || screen->closed || !window->isVisible()) continue;
        const QSize size = window->frameGeometry().size();
        if (!game || size.width() * size.height() > game->frameGeometry().width() * game->frameGeometry().height()) {
            game = window;
            gameScreen = screen;
        }
    }
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display) return;
    const QRect area = display->availableGeometry();
    const int width = panel.frameGeometry().width();
    if (!game) {
        panel.move(area.right() - width, area.top());
        return;
    }
    const int height = panel.frameGeometry().height();
    // The game's window with the panels that go beside it (the fight's actions).
    QRect frame = game->frameGeometry();
    for (auto& [screen, window] : windows_)
        if (!screen->closed && window->isVisible() && screen->besideScreen == gameScreen->Name())
            frame = frame.united(window->frameGeometry());
    // To its right, its left, below it, above it; with no room anywhere, the display's corner.
    const int top = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - height));
    const int left = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - width));
    if (frame.right() + 4 + width <= area.right()) panel.move(frame.right() + 4, top);
    else if (frame.left() - 4 - width >= area.left()) panel.move(frame.left() - 4 - width, top);
    else if (frame.bottom() + 4 + height <= area.bottom()) panel.move(left, frame.bottom() + 4);
    else if (frame.top() - 4 - height >= area.top()) panel.move(left, frame.top() - 4 - height);
    else panel.move(area.right() - width, area.bottom() - height);
}

bool QtHost::AwaitsItsScreen(Screen& screen) {
    if (screen.besideScreen.empty()) return false;
    Screen* other = Ui::Get().Find(screen.besideScreen);
    return other && !other->closed && !WindowOf(*other);
}

// A panel follows its screen's window wherever the player or the window manager puts it, so
// that it never lies over it.
bool QtHost::eventFilter(QObject* watched, QEvent* e) {
    if (watchPanel_ && RefusedWhileWatching(watched, e)) return true;
    if (e->type() == QEvent::Move || e->type() == QEvent::Resize) {
        for (auto& [screen, window] : windows_) {
            if (window != watched) continue;
            for (auto& [other, panel] : windows_) {
                if (other != screen && !other->closed && other->besideScreen == screen->Name()) Place(*other, *panel);
                if (other != screen && other->aside && !screen->aside && !screen->modal) PlaceAside(*panel);
            }
            break;
        }
    }
    return QObject::eventFilter(watched, e);
}

void QtHost::ScreenClosed(Screen& screen) {
    auto it = windows_.find(&screen);
    if (it == windows_.end()) return;
    ScreenWindow* window = it->second;
    windows_.erase(it);
    if (auto loop = loops_.find(&screen); loop != loops_.end()) loop->second->quit();
    if (popupLoop_ && popupScreen_ == &screen) popupLoop_->quit();
    // The screen is deleted at the next pause between events, the window only later: events
    // still on their way to it (a held button's release, a paint) must not reach the screen.
    window->Detach();
    window->hide();
    window->deleteLater();
}

void QtHost::Changed() {
    // Repaint once the handler chain has finished, not after every single handler.
    if (syncQueued_) return;
    syncQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        syncQueued_ = false;
        for (auto& [screen, window] : windows_) {
            if (screen->closed) continue;
            window->Sync();
            if (screen->visible && !window->isVisible() && !AwaitsItsScreen(*screen)) window->show();
            if (!screen->visible && window->isVisible()) window->hide();
        }
        if (afterSync_) afterSync_();
    });
}

void QtHost::RunModal(Screen& screen) {
    ScreenWindow* window = WindowOf(screen);
    if (!window) return;
    if (!window->isVisible()) window->show();
    QEventLoop loop;
    // The loop ends when the screen is closed, whoever closes it (see ScreenClosed).
    loops_[&screen] = &loop;
    if (!screen.closed) loop.exec();
    loops_.erase(&screen);
}

void QtHost::RunPopup(Screen& screen, const std::string& menu, int x, int y) {
    ScreenWindow* window = WindowOf(screen);
    if (!window) return;
    Screen* outerScreen = popupScreen_;
    std::string outerMenu = popupMenu_;
    popupScreen_ = &screen;
    popupMenu_ = menu;
    if (popupForOthers_ && popupForOthers_()) {
        window->ShowWatchedPopup(menu, x, y);
        QEventLoop loop;
        QEventLoop* outerLoop = popupLoop_;
        popupLoop_ = &loop;
        loop.exec();
        popupLoop_ = outerLoop;
        if (ScreenWindow* still = WindowOf(screen)) still->HideWatchedPopup();
    } else {
        window->Popup(menu, x, y);
    }
    popupScreen_ = outerScreen;
    popupMenu_ = outerMenu;
}

void QtHost::ClosePopup() {
    if (popupLoop_) popupLoop_->quit();
    else if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
}

void QtHost::TakeWatchedChoiceAgain() {
    for (auto& [screen, window] : windows_) window->TakeWatchedChoiceAgain();
}

void QtHost::PopupShown(Screen& screen, const std::string& menu, int x, int y) {
    if (ScreenWindow* window = WindowOf(screen)) window->ShowWatchedPopup(menu, x, y, following_);
}

void QtHost::PopupGone(Screen& screen) {
    if (ScreenWindow* window = WindowOf(screen)) window->HideWatchedPopup();
}

void QtHost::Quit() { QCoreApplication::exit(0); }

void QtHost::TakeOver() {
    // The replay ran the game's clock from its own start: the window's time follows it on.
    clockShift_ = Ui::Get().Now() - clock_.elapsed();
    for (Screen* screen : Ui::Get().OpenScreens())
        if (!screen->closed && !WindowOf(*screen)) ScreenOpened(*screen);
    Changed();
    TimersChanged();
}

// While a replay is watched, the game's windows take no input of the player's: no click, key,
// wheel or close box; the panel's window takes its own, but the keys that would open a window of
// the game's (help, journal) or save it.
bool QtHost::RefusedWhileWatching(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::Close:
            break;
        default:
            return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    QWidget* top = widget->window();
    ScreenWindow* panel = WindowOf(*watchPanel_);
    if (top == panel) {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        const bool opensOrSaves = key->key() == Qt::Key_F1 || key->key() == Qt::Key_F2 ||
                                  (key->key() == Qt::Key_S && (key->modifiers() & Qt::ControlModifier));
        return opensOrSaves;
    }
    // A pop-up menu the watched game shows belongs to the window that shows it.
    if (auto* menu = qobject_cast<QMenu*>(top); menu && menu->parentWidget()) top = menu->parentWidget()->window();
    bool ours = false;
    for (auto& [screen, window] : windows_) ours = ours || window == top;
    if (!ours) return false;  // a window outside the game's (a file dialog)
    if (e->type() == QEvent::Close) e->ignore();
    return true;
}

void QtHost::Watch(Screen* panel) {
    if (panel == watchPanel_) return;
    if (panel) {
        watchPanel_ = panel;
        timer_.stop();
        qApp->installEventFilter(this);
        return;
    }
    watchPanel_ = nullptr;
    qApp->removeEventFilter(this);
    HoldWithDialogs();
}

void QtHost::Follow(bool on) {
    if (on == following_) return;
    following_ = on;
    if (on) {
        timer_.stop();
        return;
    }
    HoldWithDialogs();
}

void QtHost::HoldWithDialogs() {
    // The dialogs shown meanwhile hold the other windows again, as any dialog of the game's.
    for (auto& [screen, window] : windows_) {
        if (!screen->modal || screen->closed || window->windowModality() == Qt::ApplicationModal) continue;
        const bool shown = window->isVisible();
        window->hide();
        window->setWindowModality(Qt::ApplicationModal);
        if (shown) window->show();
    }
    TakeOver();
}

void QtHost::SetScale(double scale) {
    scale_ = scale > 0 ? scale : 1;
    for (auto& [screen, window] : windows_) {
        window->canvas()->SetScale(scale_);
        window->FitTitle();
        window->adjustSize();
    }
}
