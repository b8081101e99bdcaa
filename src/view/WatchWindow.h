#pragma once
// How the window watches a replay (record/WatchReplay.h): time passes in a nested event loop
// that the panel's buttons end early, the player's next use of the panel is awaited the same
// way, and the window's host is told when watching starts and ends.
#include <QEventLoop>
#include <QObject>

#include "record/WatchReplay.h"

class QtHost;

class WatchWindow : public QObject {
public:
    explicit WatchWindow(QtHost& host) : host_(host) {}
    record::WatchHost Host();

private:
    void Run(long long ms);   // ms < 0: until woken
    void Wake();
    QtHost& host_;
    QEventLoop* loop_ = nullptr;
};
