#include "driver/Watchdog.h"

#include <cstdlib>
#include <iostream>

Watchdog::Watchdog(uint64_t seed, int seconds) : seed_(seed), limit_(seconds) {
    if (limit_ > 0) thread_ = std::thread([this] { Watch(); });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void Watchdog::Begin(long long action, const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    action_ = action;
    line_ = line;
    start_ = std::chrono::steady_clock::now();
}

void Watchdog::Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        wake_.wait_for(lock, std::chrono::milliseconds(100));
        if (stop_ || action_ == 0) continue;
        if (std::chrono::steady_clock::now() - start_ < std::chrono::seconds(limit_)) continue;
        std::cerr << "watchdog: seed " << seed_ << ", action " << action_ << " (" << line_ << ") has not returned after "
                  << limit_ << " s" << std::endl;
        std::abort();
    }
}
