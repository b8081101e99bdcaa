#include "view/ComputerPace.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ai/Act.h"
#include "ai/Computer.h"
#include "view/QtHost.h"

ComputerPace::ComputerPace(QtHost& host) : host_(host) {
    timer_.setInterval(kPauseMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
    qApp->installEventFilter(this);
}

bool ComputerPace::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_H &&
        static_cast<QKeyEvent*>(e)->modifiers() == Qt::NoModifier && ai::ComputerToAct()) {
        hurry_ = !hurry_;
        timer_.setInterval(hurry_ ? kHurryMs : kPauseMs);
        return true;
    }
    return QObject::eventFilter(watched, e);
}

void ComputerPace::Tick() {
    if (!ai::ComputerToAct()) {
        hurry_ = false;
        timer_.setInterval(kPauseMs);
        return;
    }
    Screen* popup = host_.popupScreen();
    ai::Decision d = ai::Decide(popup, host_.popupMenu());
    // QUELMOR_COMPUTER_VERBOSE=1: each decision with its reason on the standard error.
    static const bool verbose = [] {
        const char* v = std::getenv("QUELMOR_COMPUTER_VERBOSE");
        return v && *v && std::string(v) != "0";
    }();
    if (verbose) std::fprintf(stderr, "computer: %s  -- %s\n", d.line.c_str(), d.reason.c_str());
    if (popup) {
        // The pop-up menu waits in its own loop: close it, then choose once it has returned.
        if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
        if (d.line.rfind("menu ", 0) == 0)
            QTimer::singleShot(0, this, [popup, line = d.line] { ai::Act(line, popup); });
        return;
    }
    // Acted on once this tick is over: an action may open a modal screen whose own loop runs
    // until the screen closes, and a timer never fires again while its handler still runs.
    QTimer::singleShot(0, this, [line = d.line] { ai::Act(line, nullptr); });
}
