#include "view/WatchWindow.h"

#include <QCoreApplication>
#include <QTimer>

#include "record/ReplayPanel.h"
#include "ui/Ui.h"
#include "view/QtHost.h"

void WatchWindow::Run(long long ms) {
    if (ms == 0) {
        QCoreApplication::processEvents();  // the windows repaint even at the fastest pace
        return;
    }
    QEventLoop loop;
    QTimer timer;
    if (ms > 0) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(ms));
    }
    QEventLoop* outer = loop_;
    loop_ = &loop;
    loop.exec();
    loop_ = outer;
}

void WatchWindow::Wake() {
    if (loop_) loop_->quit();
}

record::WatchHost WatchWindow::Host() {
    record::WatchHost h;
    h.sleep = [this](long long ms) { Run(ms); };
    h.idle = [this] {
        if (QCoreApplication::closingDown()) return false;
        Run(-1);
        return true;
    };
    h.wake = [this] { Wake(); };
    h.watching = [this](bool on) { host_.Watch(on ? Ui::Get().Find(record::kReplayPanel) : nullptr); };
    return h;
}
