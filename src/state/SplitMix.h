#pragma once
// A small seeded sequence of its own (SplitMix64) for the players that choose without the game's
// dice: the random-play tester, the random party and the computer's set-up deals.
#include <cstdint>

// The next 64 random bits of the sequence whose state is s.
inline uint64_t SplitMixNext(uint64_t& s) {
    s += 0x9E3779B97F4A7C15ull;
    uint64_t z = s;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A number from 0 to n - 1 (0 when n is not positive).
inline int SplitMixPick(uint64_t& s, int n) {
    return n <= 0 ? 0 : static_cast<int>(SplitMixNext(s) % static_cast<uint64_t>(n));
}
