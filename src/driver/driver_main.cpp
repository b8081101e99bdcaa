// quelmor-driver [--seed N] [--snap DIR] [--scale N] < script.txt
#include <QApplication>
#include <cstring>
#include <iostream>
#include <unistd.h>

#include "driver/Driver.h"
#include "platform/SdlServices.h"
#include "setup/frmBegin.h"
#include "state/Random.h"
#include "view/Pictures.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::string snap;
    uint64_t seed = 0;
    bool seeded = false;
    int scale = 1;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
            seeded = true;
        } else if (!std::strcmp(argv[i], "--snap") && i + 1 < argc) {
            snap = argv[++i];
        } else if (!std::strcmp(argv[i], "--scale") && i + 1 < argc) {
            scale = std::atoi(argv[++i]);
        } else {
            std::cerr << "usage: quelmor-driver [--seed N] [--snap DIR] [--scale N] < script.txt\n";
            return 2;
        }
    }
    rnd::FixSeed(seeded ? seed : 1);
    std::string folder = ProgramFolder();
    pictures::SetFolder(folder);
    Driver driver(std::cin, std::cout, std::cerr);
    driver.SetSnapFolder(snap);
    driver.SetSnapScale(scale);
    driver.SetOpening([] { OpenTitleScreen(); });
    return driver.Run();
}
