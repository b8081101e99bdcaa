// Quelmor: the desktop game.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <string>
#include <vector>
#include <unistd.h>

#include "platform/FontWarmUp.h"
#include "platform/SdlServices.h"
#include "record/Autosave.h"
#include "record/ContinueGame.h"
#include "record/Recorder.h"
#include "record/WatchReplay.h"
#include "state/Classes.h"
#include "ui/GameRecord.h"
#include "ui/KeyBindings.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"
#include "view/FileDialog.h"
#include "view/GameStyle.h"
#include "view/ProgramKeys.h"
#include "view/Pictures.h"
#include "view/ScreenView.h"
#include "view/ComputerPace.h"
#include "view/QtHost.h"
#include "view/WatchWindow.h"
#include "app/NetWindow.h"

// The factor by which every window is shown: QUELMOR_SCALE (a fraction too, "1.5"), or the
// largest whole factor that lets the board (792 x 570 and its frame) fit the screen.
static double WindowScale() {
    if (const char* forced = std::getenv("QUELMOR_SCALE")) {
        char* end = nullptr;
        const double s = std::strtod(forced, &end);
        if (end != forced && *end == '\0' && s >= 0.5 && s <= 8) return s;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    QRect area = screen->availableGeometry();
    return std::max(1, std::min(area.width() / 832, area.height() / 660));
}

static bool EnvSet(const char* name) {
    const char* v = std::getenv(name);
    return v && *v && std::string(v) != "0";
}

// Measuring aids for bench/run, each asked for by an environment variable:
// QUELMOR_EXIT_AFTER_FIRST_PAINT=1 ends the process once the first window has shown its first frame;
// QUELMOR_CLICK_TIMING=1 prints the milliseconds from each mouse press to the end of the next repaint.
class GameApplication : public QApplication {
public:
    using QApplication::QApplication;
    // What runs once the first frame of a screen has been painted (work the player doesn't see).
    void AfterFirstFrame(std::function<void()> work) { afterFirstFrame_ = std::move(work); }
    bool notify(QObject* receiver, QEvent* e) override {
        const QEvent::Type type = e->type();
        if (type == QEvent::MouseButtonPress && clickTiming_) pressed_.start();  // the latest press counts
        const bool done = QApplication::notify(receiver, e);
        if (type == QEvent::Paint && receiver->inherits("ScreenCanvas")) {
            if (exitAfterPaint_) {
                exitAfterPaint_ = false;
                QTimer::singleShot(0, [] { std::_Exit(0); });  // once this frame has gone to the screen
            }
            if (afterFirstFrame_) QTimer::singleShot(0, std::exchange(afterFirstFrame_, nullptr));
            if (pressed_.isValid()) {
                std::fprintf(stderr, "click-to-paint %.3f ms\n", pressed_.nsecsElapsed() / 1e6);
                pressed_.invalidate();
            }
        }
        return done;
    }

private:
    bool exitAfterPaint_ = EnvSet("QUELMOR_EXIT_AFTER_FIRST_PAINT");
    bool clickTiming_ = EnvSet("QUELMOR_CLICK_TIMING");
    QElapsedTimer pressed_;
    std::function<void()> afterFirstFrame_;
};

// QUELMOR_DEMO_BOARD=N (2 to 4): starts an N-player game at once through the set-up screen's
// own controls, as a player would, so that the board can be measured with nobody acting;
// with QUELMOR_DEMO_COMPUTERS=1 every party is ticked as played by the computer (a game to watch).
static void StartDemoGame(int players) {
    QTimer::singleShot(0, [players] {
        QTimer::singleShot(0, [players] {  // runs inside the set-up dialog that New game opens
            Screen* s = Ui::Get().Find("FairePerso");
            if (!s) return;
            const int per = 8 - players;
            for (int p = 0; p < players; ++p) {
                if (p >= 2) s->Click("Command1");
                if (p >= 1) s->Tab("EnsTab", p);
                s->Type("ReponseDuNom", "Joueur " + std::to_string(p + 1));
                if (EnvSet("QUELMOR_DEMO_COMPUTERS")) s->Click("Computer");
                for (int k = 1; k <= per; ++k) {
                    const std::vector<std::string> items = s->C("List1").items;
                    for (size_t i = 0; i < items.size(); ++i) {
                        if (items[i] != classes::Name(p * per + k)) continue;
                        s->Select("List1", static_cast<int>(i));
                        s->Click("ajouter");
                        break;
                    }
                }
            }
            s->Click("cmdOK");
        });
        if (Screen* title = Ui::Get().Find("frmBegin")) title->Menu("MNU_New");
    });
}

int main(int argc, char** argv) {
    FontWarmUp fonts;
    GameApplication app(argc, argv);
    app.setApplicationName("Quelmor");
    app.setStyle(new GameStyle);
    // Pictures, music and sounds load by bare name from the game's own folder.
    std::string folder = ProgramFolder();
    if (chdir(folder.c_str()) != 0) folder = ".";
    pictures::SetFolder(folder);

    // The title asks for its music at once; the sound device opens, and the window icon loads,
    // once the title's first frame is on the screen (or after three seconds at the latest), so that
    // the player sees the game as soon as can be. The title's piece starts then.
    SdlServices services(folder);
    services.SetFileDialog(AskFileNameByDialog);
    Ui::Get().SetServices(&services);
    auto settle = [&app, &services] {
        if (app.windowIcon().isNull()) app.setWindowIcon(QIcon(pictures::Get("quelmor.ico")));
        services.Start();
    };
    app.AfterFirstFrame(settle);
    QTimer::singleShot(3000, &app, settle);
    const double scale = WindowScale();
    QtHost host(scale);
    ComputerPace computerPace(host);
    // Keys of the program itself, on every window: full screen and sound, for this run only.
    InstallProgramKeys({[&services] { return services.musicMuted(); }, [&services] { return services.effectsMuted(); },
                        [&services](bool m) { services.SetMusicMuted(m); },
                        [&services](bool m) { services.SetEffectsMuted(m); }},
                       scale);
    Ui::Get().SetHost(&host);
    // The records of the games played, in the saves' folder, and Continue on the title: after
    // a replay the windows show the game again, and a dialog left open goes to the player.
    record::AutosaveSetup autosave;
    autosave.savesFolder = services.SavesFolder();
    autosave.engine = record::CoreEngine({[&host] { host.TakeOver(); }, nullptr, nullptr});
    autosave.afterInput = [&app](std::function<void()> work) { QTimer::singleShot(0, &app, std::move(work)); };
    record::InstallAutosave(std::move(autosave));
    // The title's "Watch a replay...": once the menu's choice is handled, from the event loop.
    WatchWindow watchWindow(host);
    SetWatchReplayHook([&app, &watchWindow] {
        QTimer::singleShot(0, &app, [&watchWindow] { record::WatchChosenRecord(watchWindow.Host()); });
    });
    // Playing across machines: File ▸ Host a network game on the board, Join on the title.
    NetWindow network(host);
    fonts.Wait();  // the title lays out its text
    OpenTitleScreen();
    if (const char* demo = std::getenv("QUELMOR_DEMO_BOARD")) StartDemoGame(std::clamp(std::atoi(demo), 2, 4));
    network.StartFromEnvironment();
    int status = app.exec();
    // A game still on the board is left to be continued: its record ends here without an end.
    if (record::Recording()) record::StopRecording("");
    record::RemoveAutosave();
    SetWatchReplayHook(nullptr);
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    Ui::Get().SetHost(nullptr);
    Ui::Get().SetServices(nullptr);
    return status;
}
