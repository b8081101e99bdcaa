#pragma once
// The computer parties in the window: one action at a pace a person can follow (a short
// pause each), H to hurry them (and H again for the normal pace).
#include <QObject>
#include <QTimer>

class QtHost;

class ComputerPace : public QObject {
public:
    explicit ComputerPace(QtHost& host);
    static constexpr int kPauseMs = 400;   // between two actions
    static constexpr int kHurryMs = 15;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Tick();
    QtHost& host_;
    QTimer timer_;
    bool hurry_ = false;
};
