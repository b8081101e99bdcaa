// Quelmor: the desktop game.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdlib>
#include <unistd.h>

#include "platform/SdlServices.h"
#include "setup/frmBegin.h"
#include "ui/Ui.h"
#include "view/InputHook.h"
#include "view/Pictures.h"
#include "view/ScreenView.h"
#include "view/QtHost.h"

// The whole factor by which every window is shown: QUELMOR_SCALE, or the largest that lets the
// board (792 x 570 and its frame) fit the screen.
static int WindowScale() {
    if (const char* forced = std::getenv("QUELMOR_SCALE")) {
        int s = std::atoi(forced);
        if (s >= 1 && s <= 8) return s;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    QRect area = screen->availableGeometry();
    return std::max(1, std::min(area.width() / 832, area.height() / 660));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Quelmor");
    // Pictures, music and sounds load by bare name from the game's own folder.
    std::string folder = ProgramFolder();
    if (chdir(folder.c_str()) != 0) folder = ".";
    pictures::SetFolder(folder);
    app.setWindowIcon(QIcon(pictures::Get("quelmor.ico")));

    SdlServices services(folder);
    Ui::Get().SetServices(&services);
    const int scale = WindowScale();
    QtHost host(scale);
    // Keys of the program itself, on every window: full screen and sound, for this run only.
    SetGlobalKeyHook([&](const std::string& key, ScreenWindow& window) {
        if (key == "F11") {
            window.ToggleFullScreen(scale);
        } else if (key == "Ctrl+M") {
            bool mute = !(services.musicMuted() && services.effectsMuted());
            services.SetMusicMuted(mute);
            services.SetEffectsMuted(mute);
        } else if (key == "Ctrl+Shift+M") {
            services.SetMusicMuted(!services.musicMuted());
        } else if (key == "Ctrl+Shift+E") {
            services.SetEffectsMuted(!services.effectsMuted());
        } else {
            return false;
        }
        return true;
    });
    Ui::Get().SetHost(&host);
    OpenTitleScreen();
    int status = app.exec();
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    Ui::Get().SetHost(nullptr);
    Ui::Get().SetServices(nullptr);
    return status;
}
