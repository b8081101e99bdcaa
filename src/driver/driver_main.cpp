// quelmor-driver [--seed N] [--snap DIR] [--scale F] < script.txt
#include <QApplication>
#include <iostream>
#include <unistd.h>

#include "driver/Driver.h"
#include "driver/Options.h"
#include "platform/SdlServices.h"
#include "state/Random.h"
#include "ui/Navigation.h"
#include "view/Pictures.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    DriverOptions options;
    std::string error;
    if (!ReadOptions(argc, argv, options, error)) {
        std::cerr << "error: " << error << "\nusage: quelmor-driver [--seed N] [--snap DIR] [--scale F] < script.txt\n";
        return 2;
    }
    rnd::FixSeed(options.seed);
    std::string folder = ProgramFolder();
    pictures::SetFolder(folder);
    Driver driver(std::cin, std::cout, std::cerr);
    driver.SetSnapFolder(options.snap);
    driver.SetSnapScale(options.scale);
    driver.SetOpening([] { OpenTitleScreen(); });
    return driver.Run();
}
