// quelmor-savebench: how long saving and loading take, for a game a few hundred turns in whose
// journal holds 20,000 messages (a long evening's game holds a few thousand).
//   quelmor-savebench [runs [entries]]   prints the median and the worst of each, in milliseconds
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

#include "board/Board.h"
#include "driver/Driver.h"
#include "save/AtomicFile.h"
#include "save/SavedGame.h"
#include "setup/frmBegin.h"
#include "state/Journal.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"
#include "view/Pictures.h"
#include "platform/SdlServices.h"

namespace {

double Ms(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %.2f ms, worst %.2f ms (n=%zu)\n", what, ms[ms.size() / 2], ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int entries = argc > 2 ? std::max(0, std::atoi(argv[2])) : 20000;
    pictures::SetFolder(ProgramFolder());
    rnd::FixSeed(20261209);
    std::istringstream script(
        "newgame \"Ann\" 1,2,3,4 \"Bob\" 5,6,7,8 \"Cid\" 9,10,11,12 \"Dee\" 13,14,15,16\n"
        "quit\n");
    std::ostringstream out, err;
    Driver driver(script, out, err);
    driver.SetOpening([] { OpenTitleScreen(); });
    driver.Run();
    // Turns pass, and the journal fills as a long game's would.
    for (int k = 0; k < entries; ++k) {
        JournalMoment at{1 + k / 200, k % 24, "Kayla"};
        JournalNote("Vous rencontrez un troll et vous semblez tous deux prêts à combattre. " + std::to_string(k), at);
    }
    const std::string file = (std::filesystem::temp_directory_path() / "quelmor-savebench.quelmor").string();
    std::vector<double> saves, loads;
    size_t bytes = 0;
    for (int r = 0; r < runs; ++r) {
        auto t = std::chrono::steady_clock::now();
        const std::string text = SaveFileText(CaptureGame());
        std::string why;
        int error = 0;
        if (!WriteFileAtomically(file, text, error)) return std::fprintf(stderr, "write: %s\n", std::strerror(error)), 1;
        saves.push_back(Ms(t));
        bytes = text.size();
        t = std::chrono::steady_clock::now();
        std::string read;
        SavedGame game;
        if (ReadWholeFile(file, kLargestSave, read) != ReadResult::Read || !ReadSaveText(read, game, why))
            return std::fprintf(stderr, "read: %s\n", why.c_str()), 1;
        if (Screen* board = Board()) Ui::Get().Close(*board);
        ResumeGame(std::move(game));
        loads.push_back(Ms(t));
        Ui::Get().Idle();
    }
    std::printf("save file: %zu bytes, %zu journal entries\n", bytes, JournalEntries().size());
    Report("save (capture, JSON, atomic write)", saves);
    Report("load (read, parse, check, board drawn)", loads);
    std::filesystem::remove(file);
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    return 0;
}
