#pragma once
// The panel of a replay being watched (frmReplay): a small window of the program's own beside
// the game's, with Play / Pause, Step, Slower, Faster, Take over and Stop, and where the replay
// stands. Its handlers only change the watch's state (what the player asks) and wake whoever
// paces the replay; the pace reads the state (see WatchReplay.h).
#include <functional>
#include <memory>
#include <string>

#include "ui/Screen.h"

namespace record {

constexpr const char* kReplayPanel = "frmReplay";

// The speeds offered, slowest first; kNormalSpeed is the game's own pace.
constexpr double kReplaySpeeds[] = {0.25, 0.5, 1, 2, 4, 8, 16};
constexpr int kNormalSpeed = 2;
constexpr int kSpeedCount = sizeof(kReplaySpeeds) / sizeof(kReplaySpeeds[0]);

struct WatchState {
    bool paused = true;
    int speed = kNormalSpeed;
    // Step: the events done may grow to this while paused (-1: no step asked).
    long long stepTo = -1;
    enum class Ask { Nothing, TakeOver, Stop } ask = Ask::Nothing;
    long long done = 0;    // events applied
    long long total = 0;   // events the record holds
    // Once the replay is over: what the panel says of it, and whether the game can be taken.
    bool over = false;
    bool gameOver = false;
    std::string endFrench, endEnglish;
};

class ReplayPanel : public Screen {
public:
    // `wake` runs after each use of the panel, so that a pace waiting for time or for the
    // player looks again.
    explicit ReplayPanel(std::function<void()> wake);
    WatchState state;
    // Captions, tooltips and which buttons can be used, from the state and the language.
    void Refresh();

private:
    void Use(const std::function<void()>& change);
    std::function<void()> wake_;
};

// The "×2" of a speed.
std::string SpeedText(int speed);

}  // namespace record
