#include "state/Random.h"

#include <chrono>
#include <deque>
#include <random>
#include <sstream>
#include <charconv>

namespace rnd {
namespace {

struct State {
    std::mt19937_64 engine{12345};
    std::deque<double> queued;
    bool fixed = false;
    uint64_t fixedSeed = 0;
    uint64_t draws = 0;
    uint64_t seed = 12345;
    uint64_t made = 0;   // fractions the engine made since it was seeded
};

State& S() {
    static State s;
    return s;
}

}  // namespace

void Seed(uint64_t seed) {
    S().engine.seed(seed);
    S().draws = 0;
    S().seed = seed;
    S().made = 0;
}

void SeedFromClock() {
    if (S().fixed) {
        Seed(S().fixedSeed);
        return;
    }
    Seed(ClockSeed());
}

uint64_t ClockSeed() {
    using namespace std::chrono;
    return static_cast<uint64_t>(system_clock::now().time_since_epoch().count());
}

bool FixedSeed(uint64_t& seed) {
    seed = S().fixedSeed;
    return S().fixed;
}

void UnfixSeed() { S().fixed = false; }

void FixSeed(uint64_t seed) {
    S().fixed = true;
    S().fixedSeed = seed;
    Seed(seed);
}

void Reset() {
    S().fixed = false;
    S().queued.clear();
    Seed(12345);
}

void Queue(std::initializer_list<double> fractions) {
    for (double f : fractions) QueueOne(f);
}

void QueueOne(double f) {
    if (!(f >= 0.0)) f = 0.0;      // also catches NaN
    if (f >= 1.0) f = 0.9999999999;
    S().queued.push_back(f);
}

int QueuedCount() { return static_cast<int>(S().queued.size()); }

double Rnd() {
    ++S().draws;
    if (!S().queued.empty()) {
        double f = S().queued.front();
        S().queued.pop_front();
        return f;
    }
    ++S().made;
    // 53 random bits make a double in [0, 1), the same on every machine.
    return static_cast<double>(S().engine() >> 11) * (1.0 / 9007199254740992.0);
}

int Below(int n) { return static_cast<int>(Rnd() * n); }

int D6() { return Below(6) + 1; }

uint64_t DrawCount() { return S().draws; }

Position Where() {
    std::ostringstream text;
    text << S().engine;
    return Position{text.str(), S().seed, S().made};
}

bool IsEngineState(const std::string& text) {
    constexpr size_t kWords = std::mt19937_64::state_size;
    size_t count = 0;
    bool someWord = false;
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at < end) {
        if (count > 0 && *at++ != ' ') return false;
        uint64_t n = 0;
        const auto [next, error] = std::from_chars(at, end, n);
        if (error != std::errc() || next == at || (*at == '0' && next - at > 1)) return false;
        at = next;
        if (count < kWords) someWord = someWord || n != 0;
        else if (n > kWords) return false;
        if (++count > kWords + 1) return false;
    }
    return count == kWords + 1 && someWord;
}

std::string EngineStateAfter(uint64_t seed, uint64_t made) {
    std::mt19937_64 engine(seed);
    engine.discard(made);
    std::ostringstream text;
    text << engine;
    return text.str();
}

void Restore(const Position& at) {
    if (!at.engine.empty() && IsEngineState(at.engine)) {
        std::istringstream text(at.engine);
        std::mt19937_64 engine;
        if (text >> engine) {
            S().engine = engine;
            S().seed = at.seed;
            S().made = at.made;
            S().draws = 0;
            return;
        }
    }
    Seed(at.seed);
    S().engine.discard(at.made);
    S().made = at.made;
}

}  // namespace rnd
