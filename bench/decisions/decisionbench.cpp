// quelmor-decisionbench: how long the computer takes to choose, over the situations of seeded
// two-player games between computer parties. Before each of the computer's own decisions on
// the board, the same decision is also timed with the movement left set to each probe value
// (then the movement and the computer's memory are put back, and the game goes on as if
// nothing had been asked).
//   quelmor-decisionbench [GAMES [SEED [ACTIONS [PROBES]]]]
//   defaults: 20 20261209 3000 6,100,10000,1000000
// Prints, per probe value and for the games' own decisions, the median and the worst in
// milliseconds: wall time, and the thread's CPU time, which other programs running on the
// machine disturb far less (on a busy machine the wall time's worst is mostly time slices).
#include <QGuiApplication>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "ai/Computer.h"
#include "ai/Memory.h"
#include "driver/ComputerGames.h"
#include "platform/SdlServices.h"
#include "state/GlobalDecl.h"
#include "ui/Screen.h"
#include "ui/Ui.h"
#include "view/Pictures.h"

namespace {

double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Times {
    std::vector<double> wall, cpu;
    void Time(const auto& decide) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadMs();
        decide();
        cpu.push_back(ThreadMs() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
};

void Report(const std::string& what, Times t) {
    if (t.wall.empty()) return;
    std::sort(t.wall.begin(), t.wall.end());
    std::sort(t.cpu.begin(), t.cpu.end());
    const size_t n = t.wall.size();
    std::printf("%-28s decisions %6zu: wall median %.3f ms, worst %.3f ms; CPU median %.3f ms, worst %.3f ms\n",
                what.c_str(), n, t.wall[n / 2], t.wall.back(), t.cpu[n / 2], t.cpu.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209ull;
    const long long actions = argc > 3 ? std::atoll(argv[3]) : 3000;
    std::vector<int> probes;
    std::istringstream list(argc > 4 ? argv[4] : "6,100,10000,1000000");
    for (std::string v; std::getline(list, v, ',');) probes.push_back(std::atoi(v.c_str()));
    pictures::SetFolder(ProgramFolder());
    std::vector<Times> probed(probes.size());
    Times dealt;
    std::vector<float> own;
    for (int g = 0; g < games; ++g) {
        ComputerGameOptions o;
        o.seed = seed + static_cast<unsigned long long>(g);
        o.maxActions = actions;
        o.computer = {true, true};
        o.beforeDecision = [&](Screen* popup) {
            Screen* top = Ui::Get().Top();
            if (popup || !top || top->Name() != "frmJeu" || gd.MovesLeft <= 0) return;
            const int moves = gd.MovesLeft;
            const ai::Memory memory = ai::Mem();
            dealt.Time([] { ai::Decide(nullptr, ""); });
            ai::Mem() = memory;
            for (size_t i = 0; i < probes.size(); ++i) {
                gd.MovesLeft = probes[i];
                probed[i].Time([] { ai::Decide(nullptr, ""); });
                ai::Mem() = memory;
            }
            gd.MovesLeft = moves;
        };
        ComputerGameResult r = RunComputerGame(o);
        if (!r.failure.empty()) std::printf("FAILED: seed %llu: %s\n", static_cast<unsigned long long>(o.seed), r.failure.c_str());
        own.insert(own.end(), r.decisionMs.begin(), r.decisionMs.end());
    }
    std::printf("%d games from seed %llu, at most %lld actions each\n", games, seed, actions);
    for (size_t i = 0; i < probes.size(); ++i) Report("board, " + std::to_string(probes[i]) + " moves left", probed[i]);
    Report("board, the moves dealt", dealt);
    std::sort(own.begin(), own.end());
    if (!own.empty())
        std::printf("%-28s decisions %6zu: wall median %.3f ms, worst %.3f ms\n", "every screen, as played", own.size(),
                    own[own.size() / 2], own.back());
    return 0;
}
