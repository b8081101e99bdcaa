#pragma once
// Aborts the process, naming the seed and the action, when one action does not return within
// the time limit: a handler that loops or waits for ever would otherwise hang a run silently.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class Watchdog {
public:
    // seconds 0: no watching at all.
    Watchdog(uint64_t seed, int seconds);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    // An action begins: its number and its command line (the previous one has returned).
    void Begin(long long action, const std::string& line);

private:
    void Watch();
    uint64_t seed_;
    int limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    long long action_ = 0;
    std::string line_;
    std::chrono::steady_clock::time_point start_;
    std::thread thread_;
};
