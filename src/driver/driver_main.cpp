// quelmor-driver [--seed N] [--snap DIR] [--scale F] [--saves DIR] < script.txt
// quelmor-driver --replay FILE: checks a record of a game from end to end in a fresh game and
// says whether it is valid or where it stops being (status 0 valid, 1 not, 2 unreadable).
#include <QApplication>
#include <iostream>
#include <unistd.h>

#include "driver/Driver.h"
#include "driver/Options.h"
#include "platform/SdlServices.h"
#include "record/Autosave.h"
#include "record/ContinueGame.h"
#include "record/Replayer.h"
#include "state/Random.h"
#include "ui/Navigation.h"
#include "view/Pictures.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    DriverOptions options;
    std::string error;
    if (!ReadOptions(argc, argv, options, error)) {
        std::cerr << "error: " << error << "\nusage: quelmor-driver [--seed N] [--snap DIR] [--scale F] [--saves DIR] < script.txt\n"
                  << "       quelmor-driver --replay FILE\n";
        return 2;
    }
    rnd::FixSeed(options.seed);
    std::string folder = ProgramFolder();
    pictures::SetFolder(folder);
    Driver driver(std::cin, std::cout, std::cerr);
    driver.SetSnapFolder(options.snap);
    driver.SetSnapScale(options.scale);
    // Given a saves' folder, the game keeps its records there as the window does.
    if (!options.saves.empty()) {
        driver.services().savesFolder = options.saves;
        record::AutosaveSetup autosave;
        autosave.savesFolder = options.saves;
        autosave.engine = record::CoreEngine({});
        record::InstallAutosave(std::move(autosave));
    }
    driver.SetOpening([] { OpenTitleScreen(); });
    if (!options.replay.empty()) {
        std::string sentence;
        const record::ReplayResult result = record::CheckRecordFile(options.replay, sentence);
        std::cout << sentence << std::endl;
        if (result.Valid() && result.stop != record::ReplayResult::Stop::CutShort) return 0;
        return result.lines == 0 ? 2 : 1;
    }
    return driver.Run();
}
