#pragma once
// The driver's command line: quelmor-driver [--seed N] [--snap DIR] [--scale F] [--replay FILE]
// [--saves DIR].
#include <cstdint>
#include <string>

struct DriverOptions {
    uint64_t seed = 1;     // the dice's seed
    std::string snap;      // where `snap NAME` writes ("" = no snaps)
    double scale = 1;      // the factor by which snaps are painted
    std::string replay;    // --replay FILE: check that record from end to end, and nothing else
    // The saves' folder the game sees, where it keeps the records of the games played as the
    // window does ("" = none: the driver writes nothing of its own accord).
    std::string saves;
};

// The largest factor for snaps: the board at 8× is a picture of 6336 × 4560 pixels.
constexpr double kLargestScale = 8;

// Reads the arguments; false with the reason when they cannot be followed.
bool ReadOptions(int argc, const char* const* argv, DriverOptions& options, std::string& error);
