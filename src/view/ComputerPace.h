#pragma once
// The computer parties in the window: one action at a pace a person can follow (a short
// pause each), H to hurry them and their fights (and H again for the normal pace). The pace runs only while a
// computer party is to act, and waits while the player has a window of his own open (see
// ui/PlayerInput.h): the computer never acts behind it nor answers it. It stays idle while a
// replay is watched (the record holds the computer's actions).
#include <QObject>
#include <QTimer>

class QtHost;

class ComputerPace : public QObject {
public:
    explicit ComputerPace(QtHost& host);
    ~ComputerPace() override;
    static constexpr int kPauseMs = 400;   // between two actions
    static constexpr int kHurryMs = 15;
    // Is the pace running (a computer party is to act)?
    bool running() const { return timer_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Wake();
    void Tick();
    QtHost& host_;
    QTimer timer_;
    bool hurry_ = false;
    bool waiting_ = false;  // for the player's window (told once in the verbose log)
};
