// quelmor-randomplay [--seed N] [--games G] [--actions A] [--per-game P] [--hash] [--watchdog S]
//                    [--no-jump-starts] [--verbose] [--timings]
// Plays random games through the driver and stops at the first broken rule, printing the
// seed first so that a failure can be replayed; --hash prints a hash of the dump after every
// action (two runs of one seed print the same); an action that runs longer than S seconds
// (10 by default) aborts the run with its seed and number.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>

#include "driver/RandomPlay.h"
#include "platform/SdlServices.h"
#include "view/Pictures.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    RandomPlayOptions o;
    o.seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    for (int i = 1; i < argc; ++i) {
        auto value = [&] { return i + 1 < argc ? std::strtoll(argv[++i], nullptr, 10) : 0LL; };
        if (!std::strcmp(argv[i], "--seed")) o.seed = static_cast<uint64_t>(value());
        else if (!std::strcmp(argv[i], "--games")) o.games = static_cast<int>(value());
        else if (!std::strcmp(argv[i], "--actions")) o.actions = value();
        else if (!std::strcmp(argv[i], "--per-game")) o.actionsPerGame = value();
        else if (!std::strcmp(argv[i], "--verbose")) o.verbose = true;
        else if (!std::strcmp(argv[i], "--timings")) o.timings = true;
        else if (!std::strcmp(argv[i], "--hash")) o.hashDumps = true;
        else if (!std::strcmp(argv[i], "--no-jump-starts")) o.jumpStarts = false;
        else if (!std::strcmp(argv[i], "--watchdog")) o.watchdogSeconds = static_cast<int>(value());
        else {
            std::cerr << "usage: quelmor-randomplay [--seed N] [--games G] [--actions A] [--per-game P] [--hash]"
                         " [--watchdog S] [--no-jump-starts] [--verbose] [--timings]\n";
            return 2;
        }
    }
    pictures::SetFolder(ProgramFolder());
    std::cout << "seed " << o.seed << std::endl;
    auto start = std::chrono::steady_clock::now();
    RandomPlayResult r = RunRandomPlay(o);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "games " << r.games << ", actions " << r.actions << ", " << seconds << " s ("
              << (seconds > 0 ? r.actions / seconds : 0) << " actions/s)" << std::endl;
    if (o.timings && !r.timings.empty()) {
        std::vector<float> t = r.timings;
        std::sort(t.begin(), t.end());
        auto at = [&t](double q) { return t[static_cast<size_t>(q * static_cast<double>(t.size() - 1))]; };
        std::cout << "timings ms: actions " << t.size() << " median " << at(0.5) << " p99 " << at(0.99)
                  << " p999 " << at(0.999) << " worst " << t.back() << " (" << r.slowestLine << ")" << std::endl;
    }
    if (o.hashDumps) std::cout << "dump hash " << r.stateHash << std::endl;
    if (!r.failure.empty()) {
        std::cout << "FAILED at action " << r.failedAction << " (" << r.lastLine << "): " << r.failure << "\n"
                  << "replay: quelmor-randomplay --seed " << o.seed << " --games " << o.games << " --actions "
                  << o.actions << " --per-game " << o.actionsPerGame << " --verbose" << std::endl;
        return 1;
    }
    std::cout << "random play passed: seed " << o.seed << ", games " << r.games << ", actions " << r.actions
              << std::endl;
    return 0;
}
