// windows_helper: the game's screens in real windows, for a window manager to handle, driven
// by lines on standard input:
//   fight          opens a monster fight: prints "ready combat=ID panel=ID" (X window ids)
//   title          opens the title screen, the window the game starts with: prints
//                  "shown title id=ID"
//   open NAME      opens the dialog Detail, ALaMinaNoVoy, Resource, Graveyard, Forge or Market
//                  (the fight's screen as the forge or the market), Help (F1), Journal (F2),
//                  Message (a message box), Question (the board's close question) or File (the
//                  file dialog)
//                  through its opener: prints "shown NAME id=ID" once its window is up
//   english        chooses English in the title's language menu
//   shoot FILE     saves a picture of the whole display as FILE: prints "shot"
//   scale          prints "scale title=S", the factor the title window is drawn at
//   close          closes the screen in front (or the file dialog); prints "closed" once the
//                  dialog's opener has returned
//   quit           ends (so does the end of the input)
// and reporting what reaches the windows:
//   press NAME     a mouse press on the window of screen NAME
//   acted MESSAGE  an action of the fight panel ran (its message on the fight screen)
// The windows are shown at QUELMOR_SCALE (1 without it), and F11 toggles full screen as in the
// game. It ends by itself after 5 minutes, with status 1.
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <vector>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

#include "board/Detail.h"
#include "ending/frmAide.h"
#include "ending/frmJournal.h"
#include "combat/Combat.h"
#include "rules/Enemies.h"
#include "items/Graveyard.h"
#include "items/Mine.h"
#include "items/Resource.h"
#include "save/SaveQuestion.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"
#include "view/FileDialog.h"
#include "view/Pictures.h"
#include "view/ProgramKeys.h"
#include "view/QtHost.h"
#include "view/ScreenView.h"

namespace {

void Say(const std::string& line) { std::cout << line << std::endl; }

class PressWatch : public QObject {
public:
    explicit PressWatch(std::string name) : name_(std::move(name)) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) Say("press " + name_);
        return QObject::eventFilter(watched, e);
    }

private:
    std::string name_;
};

// Two parties of Guerriers (with a dead companion); the first warrior plays.
void SetUpParties() {
    ResetGlobalDecl();
    ResetBoardState();
    rnd::Reset();
    rnd::FixSeed(1);
    gd.PlayerCount = 2;
    for (int c = 1; c <= 12; ++c) {
        gd.CharacterRecords[c] = rec::Make(c < 7 ? 1 : 2, "Joueur", 7, "Perso", classes::Template(7));
        gd.Zone[c] = 1;
        gd.PosX[c] = 8;
        gd.PosY[c] = 8;
    }
    gd.Status[2] = 6;
    gd.CurrentCharacter = 1;
}

class Helper {
public:
    explicit Helper(QtHost& host) : host_(host) {}

    void Command(const std::string& line) {
        if (line == "fight") Fight();
        else if (line.rfind("open ", 0) == 0) Open(line.substr(5));
        else if (line == "close") {
            if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) files->reject();
            else if (Screen* top = Ui::Get().Top()) Ui::Get().Close(*top);
        } else if (line == "title") {
            OpenTitleScreen();
            if (Screen* title = Ui::Get().Find("frmBegin"))
                Say("shown title id=" + std::to_string(host_.WindowOf(*title)->winId()));
        }
        else if (line == "english") {  // as chosen in the title's language menu
            if (Screen* title = Ui::Get().Find("frmBegin")) title->Menu(title->C("lang", 1).Key());
        } else if (line == "scale") {
            if (Screen* title = Ui::Get().Find("frmBegin"))
                Say("scale title=" + std::to_string(host_.WindowOf(*title)->canvas()->scale()));
        } else if (line.rfind("shoot ", 0) == 0) {  // the whole display, frames included
            QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(line.substr(6)));
            Say("shot");
        } else if (line == "quit") QCoreApplication::exit(0);
    }

private:
    void Watch(Screen& s) {
        auto watch = std::make_unique<PressWatch>(s.Name());
        host_.WindowOf(s)->canvas()->installEventFilter(watch.get());
        watches_.push_back(std::move(watch));
    }

    // The guard meets the warrior, who acts first.
    void Fight() {
        const EnemyValues v = EnemyTable(1);
        gd.EnemyNumber = v.number;
        gd.EnemyAttack = v.attack;
        gd.EnemyDefense = v.defense;
        gd.EnemyAgility = v.agility;
        gd.CombatMode = 0;
        rnd::Queue({0.99, 0.0});
        StartFight();
        Screen* combat = Ui::Get().Find("Combat");
        Screen* panel = Ui::Get().Find("ChCmb");
        if (!combat || !panel) {
            Say("the fight did not open");
            QCoreApplication::exit(1);
            return;
        }
        Watch(*combat);
        Watch(*panel);
        Say("ready combat=" + std::to_string(host_.WindowOf(*combat)->winId()) +
            " panel=" + std::to_string(host_.WindowOf(*panel)->winId()));
        // An action shows its message on the fight screen.
        auto* watch = new QTimer(qApp);
        QObject::connect(watch, &QTimer::timeout, [watch] {
            Screen* fight = Ui::Get().Find("Combat");
            if (fight && fight->C("Message").visible) {
                Say("acted " + fight->C("Message").caption);
                watch->stop();
            }
        });
        watch->start(20);
    }

    // The dialog runs its own loop, in which the next commands arrive.
    void Open(const std::string& name) {
        struct Opener {
            std::string screen;  // the name of the screen it opens
            std::function<void()> open;
        };
        static const std::map<std::string, Opener> kOpeners = {
            {"Detail", {"Detail", [] { ShowDetail("Attaque", " 6 (+ 7)"); }}},
            {"ALaMinaNoVoy", {"ALaMinaNoVoy", [] { OpenMine(); }}},
            {"Resource", {"Resource", [] { OpenResources(); }}},
            {"Graveyard", {"Graveyard", [] { OpenGraveyard(); }}},
            {"Forge", {"Combat", [] {
                 gd.CombatMode = combat_mode::kForge;  // as the board opens it
                 OpenCombatModal();
                 gd.CombatMode = combat_mode::kFight;
             }}},
            {"Market", {"Combat", [] {
                 gd.CombatMode = combat_mode::kMarket;
                 OpenCombatModal();
                 gd.CombatMode = combat_mode::kFight;
             }}},
            {"Help", {"frmAide", [] { OpenHelp(); }}},
            {"Journal", {"frmJournal", [] { OpenJournal(); }}},
            {"Message", {"MsgBox", [] { Ui::Get().MessageBox("Partie sauvegardée."); }}},
            {"Question", {"SaveAsk", [] {  // as closing the board asks it
                 AskPlayer("Sauvegarder la partie avant de quitter ?", {"Sauvegarder", "Quitter", "Annuler"});
             }}},
            {"File", {"", [] {
                 const char* folder = std::getenv("QUELMOR_FILE_FOLDER");  // /tmp unless told
                 // As the board's save asks it, in French: the name offered, the words translated.
                 AskFileNameByDialog({FileQuestion::Save, folder ? folder : "/tmp", "Sauvegarder la partie",
                                      "Parties de Quelmor", "quelmor", "Ann-Bob - jour 3", "fr"});
             }}},
        };
        auto it = kOpeners.find(name);
        if (it == kOpeners.end()) {
            Say("no dialog " + name);
            return;
        }
        QTimer::singleShot(0, [this, name, screen = it->second.screen] {
            if (screen.empty()) {  // a window of Qt's own, not a screen
                if (QWidget* w = QApplication::activeModalWidget())
                    Say("shown " + name + " id=" + std::to_string(w->winId()));
            } else if (Screen* s = Ui::Get().Find(screen)) {
                Watch(*s);
                ScreenWindow* w = host_.WindowOf(*s);
                Say("shown " + name + " id=" + std::to_string(w->winId()) + " scale=" +
                    std::to_string(w->canvas()->scale()));
            }
        });
        it->second.open();
        Say("closed");
    }

    QtHost& host_;
    std::vector<std::unique_ptr<PressWatch>> watches_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pictures::SetFolder(QUELMOR_BIN_DIR);
    const char* scaleText = std::getenv("QUELMOR_SCALE");
    const double scale = scaleText ? std::atof(scaleText) : 1;
    QtHost host(scale);
    Ui::Get().SetHost(&host);
    bool muted = false;
    InstallProgramKeys({[&] { return muted; }, [&] { return muted; }, [&](bool m) { muted = m; },
                        [&](bool m) { muted = m; }},
                       host.scale());
    SetUpParties();
    Helper helper(host);
    // Lines are read straight from the descriptor, each run from the event loop (a dialog's
    // own loop then reads the lines that follow).
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            QCoreApplication::exit(0);
            return;
        }
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            QTimer::singleShot(0, [&helper, line] { helper.Command(line); });
        }
    });
    QTimer::singleShot(300000, [] { QCoreApplication::exit(1); });
    const int status = app.exec();
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    Ui::Get().SetHost(nullptr);
    return status;
}
