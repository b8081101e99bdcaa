#include "view/ComputerPace.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ai/Act.h"
#include "ai/Computer.h"
#include "ui/ComputerHurry.h"
#include "ui/InputCommand.h"
#include "ui/PlayerInput.h"
#include "view/QtHost.h"

ComputerPace::ComputerPace(QtHost& host) : host_(host) {
    timer_.setInterval(kPauseMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    qApp->installEventFilter(this);
    // Whatever the screens change may hand the turn to a computer party.
    host_.SetAfterSync([this] { Wake(); });
    Wake();
}

ComputerPace::~ComputerPace() {
    host_.SetAfterSync(nullptr);
    SetComputerHurried(false);
}

void ComputerPace::Wake() {
    // A replay watched holds the computer parties' actions already: they play none of their own.
    // A network game followed: the host plays them.
    if (InputOnlyTo() || host_.following()) return;
    if (!timer_.isActive() && ai::ComputerToAct()) timer_.start();
}

bool ComputerPace::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_H &&
        static_cast<QKeyEvent*>(e)->modifiers() == Qt::NoModifier && !InputOnlyTo() && !host_.following() && ai::ComputerToAct() && !PlayerWindowOpen()) {
        hurry_ = !hurry_;
        timer_.setInterval(hurry_ ? kHurryMs : kPauseMs);
        SetComputerHurried(hurry_);  // the computer's fights hurry as well
        return true;
    }
    return QObject::eventFilter(watched, e);
}

namespace {

// QUELMOR_COMPUTER_VERBOSE=1: each decision with its reason on the standard error, each
// sentence the window says of them, and each wait for a window of the player's.
bool Verbose() {
    static const bool verbose = [] {
        const char* v = std::getenv("QUELMOR_COMPUTER_VERBOSE");
        return v && *v && std::string(v) != "0";
    }();
    return verbose;
}

// The decision's sentence on the board's plate and in the journal, once.
void SayInWindow(const ai::Decision& d) {
    if (ai::Tell(d) && Verbose()) std::fprintf(stderr, "computer says: %s\n", d.say.c_str());
}

}  // namespace

void ComputerPace::Tick() {
    if (InputOnlyTo() || host_.following()) {
        timer_.stop();  // woken again once the game is the player's
        return;
    }
    if (!ai::ComputerToAct()) {
        // Nobody to play for: the pace sleeps until the screens hand a computer party the turn.
        hurry_ = false;
        SetComputerHurried(false);
        timer_.setInterval(kPauseMs);
        timer_.stop();
        return;
    }
    const bool verbose = Verbose();
    // The player's file dialog, question, help, journal or message box is open: wait.
    if (PlayerWindowOpen()) {
        if (verbose && !waiting_) std::fprintf(stderr, "computer: waits  -- the player's window is open\n");
        waiting_ = true;
        return;
    }
    waiting_ = false;
    Screen* popup = host_.popupScreen();
    ai::Decision d = ai::Decide(popup, host_.popupMenu());
    if (verbose) std::fprintf(stderr, "computer: %s  -- %s\n", d.line.c_str(), d.reason.c_str());
    // The action runs at the next pause between events: should a key of the player's come
    // first and open a window of his, the action is dropped, and decided again once it closes.
    auto mayStillAct = [] { return ai::ComputerToAct() && !PlayerWindowOpen(); };
    if (popup) {
        // The pop-up menu waits in its own loop: close it, then choose once it has returned.
        if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
        if (d.line.rfind("menu ", 0) == 0)
            QTimer::singleShot(0, this, [popup, d, mayStillAct] {
                if (!mayStillAct()) return;
                SayInWindow(d);
                ai::Act(d.line, popup);
            });
        return;
    }
    // Acted on once this tick is over: an action may open a modal screen whose own loop runs
    // until the screen closes, and a timer never fires again while its handler still runs.
    QTimer::singleShot(0, this, [d, mayStillAct] {
        if (!mayStillAct()) return;
        SayInWindow(d);
        ai::Act(d.line, nullptr);
    });
}
