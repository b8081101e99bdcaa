// quelmor-decisionbench: how long the computer takes to choose, on the board and everywhere
// else, over the situations of seeded two-player games between computer parties. Before each
// of the computer's own decisions on the board, the same decision is also timed with the
// movement left set to each of the probe values (the game itself goes on as if nothing had
// been asked: the movement and the computer's memory are put back).
//   quelmor-decisionbench [GAMES [SEED [ACTIONS]]]     defaults: 20 20261209 3000
// Prints the median and the worst decision, in milliseconds, per probe value and for the
// games' own decisions.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

constexpr int kProbes[] = {6, 100, 10000, 1000000};

void Report(const char* what, std::vector<float> ms) {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s decisions %6zu: median %.3f ms, worst %.3f ms\n", what, ms.size(), ms[ms.size() / 2], ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209ull;
    const long long actions = argc > 3 ? std::atoll(argv[3]) : 3000;
    pictures::SetFolder(ProgramFolder());
    std::vector<std::vector<float>> probed(std::size(kProbes));
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
            for (size_t i = 0; i < std::size(kProbes); ++i) {
                gd.MovesLeft = kProbes[i];
                auto start = std::chrono::steady_clock::now();
                ai::Decide(nullptr, "");
                probed[i].push_back(std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() - start).count());
                ai::Mem() = memory;
            }
            gd.MovesLeft = moves;
        };
        ComputerGameResult r = RunComputerGame(o);
        if (!r.failure.empty()) std::printf("FAILED: seed %llu: %s\n", o.seed, r.failure.c_str());
        own.insert(own.end(), r.decisionMs.begin(), r.decisionMs.end());
    }
    std::printf("%d games from seed %llu, at most %lld actions each\n", games, seed, actions);
    char what[64];
    for (size_t i = 0; i < std::size(kProbes); ++i) {
        std::snprintf(what, sizeof what, "board, %d moves left", kProbes[i]);
        Report(what, probed[i]);
    }
    Report("the games' own decisions", own);
    return 0;
}
