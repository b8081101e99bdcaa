#include "driver/Options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

bool Seed(const char* text, uint64_t& seed) {
    if (!*text) return false;
    for (const char* p = text; *p; ++p)
        if (*p < '0' || *p > '9') return false;
    errno = 0;
    seed = std::strtoull(text, nullptr, 10);
    return errno == 0;
}

bool Number(const char* text, double& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text, &end);
    return *text && end && !*end && errno == 0 && std::isfinite(value);
}

}  // namespace

bool ReadOptions(int argc, const char* const* argv, DriverOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option != "--seed" && option != "--snap" && option != "--scale" && option != "--replay" &&
            option != "--saves") {
            error = "unknown option " + option;
            return false;
        }
        if (i + 1 >= argc) {
            error = option + ": missing value";
            return false;
        }
        const char* value = argv[++i];
        if (option == "--seed") {
            if (!Seed(value, options.seed)) {
                error = "--seed: not a whole number from 0 to 18446744073709551615: " + std::string(value);
                return false;
            }
        } else if (option == "--snap") {
            options.snap = value;
        } else if (option == "--replay") {
            options.replay = value;
        } else if (option == "--saves") {
            options.saves = value;
        } else {
            double f = 0;
            if (!Number(value, f) || f <= 0 || f > kLargestScale) {
                error = "--scale: not a factor above 0 and at most 8: " + std::string(value);
                return false;
            }
            options.scale = f;
        }
    }
    return true;
}
