// A monkey on the real windows: random presses, releases, moves and double clicks of both
// buttons with random modifiers, and random keys, on whatever window is in front, from the
// title through the set-up to the board, its dialogs and its fights. The events are posted
// one at a time from single-shot timers, so that the nested loops of modal dialogs and pop-up
// menus go on receiving them. After every event the game's rules are checked; at the end every
// dialog and menu is closed and none may remain.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <algorithm>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <random>

#include "combat/CombatForm.h"
#include "driver/Invariants.h"
#include "platform/SdlServices.h"
#include "setup/frmBegin.h"
#include "state/Classes.h"
#include "state/Messages.h"
#include "support/DamagedFolder.h"
#include "support/Game.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"
#include "view/InputHook.h"
#include "view/QtHost.h"
#include "view/ScreenView.h"

namespace {

// The real host, but the title's Quit (which would end every event loop of the test) only
// counted: the monkey is kept away from it, and the count proves it.
class MonkeyHost : public QtHost {
public:
    void Quit() override { ++quits; }
    int quits = 0;
};

const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Up,  Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                         Qt::Key_1,      Qt::Key_2,      Qt::Key_3,   Qt::Key_4,    Qt::Key_5,    Qt::Key_6,
                         Qt::Key_0,      Qt::Key_A,      Qt::Key_C,   Qt::Key_F,    Qt::Key_M,    Qt::Key_Q,
                         Qt::Key_Z,      Qt::Key_F1,     Qt::Key_F2,  Qt::Key_F11, Qt::Key_Tab,  Qt::Key_Space, Qt::Key_PageUp,
                         Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_E};

// A safety valve, not a measure: on a machine loaded by other builds the sanitizer build may need
// several times its usual minute.
constexpr qint64 kWallClockLimitMs = 300000;

class Monkey : public QObject {
public:
    Monkey(MonkeyHost& host, unsigned seed, int events, bool fights)
        : host_(host), rng_(seed), events_(events), fights_(fights) {}

    // Runs every event, then closes everything left open; returns when done.
    void Run() {
        clock_.start();
        Schedule();
        loop_.exec();
    }

    int sent = 0;
    int delivered = 0;         // events that found a window to go to
    int restarts = 0;          // the title opened again after the last window closed
    int ledGames = 0;          // set-ups the monkey was led through
    std::map<std::string, int> seen;  // events by the screen in front
    std::string broken;        // the first broken rule, with the event that broke it
    int closeAttempts = 0;

private:
    int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    void Schedule(int ms = 0) { QTimer::singleShot(ms, this, [this] { Step(); }); }

    std::vector<QWidget*> Windows() {
        std::vector<QWidget*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowHandle() && w->windowType() != Qt::ToolTip && w->width() > 0 &&
                w->height() > 0)
                out.push_back(w);
        return out;
    }

    // The title's Quit stays out of reach: disabled in the model (the menus follow it) and in
    // the window's menu right away.
    void KeepQuitAway() {
        Screen* title = Ui::Get().Find("frmBegin");
        if (!title) return;
        Control& quit = title->C("MNU_Quit");
        quit.enabled = false;
        const QString caption = QString::fromStdString(quit.caption);
        for (QWidget* top : QApplication::topLevelWidgets())
            for (QAction* a : top->findChildren<QAction*>())
                if (a->text().section('\t', 0, 0) == caption) a->setEnabled(false);
    }

    QWidget* Target() {
        std::vector<QWidget*> all = Windows();
        if (all.empty()) return nullptr;
        if (QWidget* popup = QApplication::activePopupWidget(); popup && Pick(8) != 0) return popup;
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible() && Pick(8) != 0) return modal;
        if (Screen* top = Ui::Get().Top(); top && Pick(10) < 7)
            if (ScreenWindow* w = host_.WindowOf(*top); w && w->isVisible()) return w;
        return all[Pick(static_cast<int>(all.size()))];
    }

    void OneEvent() {
        QWidget* target = Target();
        if (!target) return;
        ++delivered;
        if (Screen* top = Ui::Get().Top()) ++seen[top->Name()];
        QWindow* window = target->windowHandle();
        QPoint at(Pick(target->width()), Pick(target->height()));
        static const Qt::KeyboardModifiers kMods[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                      Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                                      Qt::ShiftModifier | Qt::ControlModifier};
        Qt::KeyboardModifiers mods = kMods[Pick(7)];
        Qt::MouseButton button = Pick(5) == 0 ? Qt::RightButton : Qt::LeftButton;
        int kind = Pick(100);
        if (kind < 30) {
            QTest::keyClick(window, kKeys[Pick(sizeof kKeys / sizeof *kKeys)], Pick(4) == 0 ? mods : Qt::NoModifier);
        } else if (kind < 40) {
            QTest::mouseMove(window, at);
        } else if (kind < 48) {
            QTest::mousePress(window, button, mods, at);
        } else if (kind < 56) {
            QTest::mouseRelease(window, button, mods, at);
        } else if (kind < 62) {
            QTest::mouseDClick(window, button, mods, at);
        } else if (kind < 64) {
            // The window's close box; the title's and the board's would end the run, as the
            // title's Quit does.
            auto* w = dynamic_cast<ScreenWindow*>(target);
            if (!w || (w->screen().Name() != "frmBegin" && w->screen().Name() != "frmJeu")) target->close();
        } else {
            QTest::mouseClick(window, button, Pick(3) == 0 ? mods : Qt::NoModifier, at);
        }
    }

    // Closes the innermost menu or dialog; true when none is left.
    bool CloseOne() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            return false;
        }
        std::vector<Screen*> open = Ui::Get().OpenScreens();
        if (Ui::Get().ModalDepth() == 0 && !QApplication::activeModalWidget()) return true;
        // The topmost screen that is a dialog: its close box, or at last the screen manager.
        for (auto it = open.rbegin(); it != open.rend(); ++it) {
            Screen* s = *it;
            const std::string& n = s->Name();
            if (n == "frmJeu" || n == "frmBegin" || n == "frmFini" || n == "ChCmb") continue;
            if (auto* combat = dynamic_cast<CombatForm*>(s); combat && combat->openedMode == 0) continue;  // a fight
            ScreenWindow* w = host_.WindowOf(*s);
            if (w && ++closeAttempts % 3 != 0) w->close();
            else Ui::Get().Close(*s);
            return false;
        }
        return Ui::Get().ModalDepth() == 0;
    }

    void Step() {
        // QTest processes the events its own event caused: a step that comes from there waits
        // for the next round. A step from a dialog's or a menu's own loop goes on.
        const int level = QThread::currentThread()->loopLevel();
        if (!levels_.empty() && level <= levels_.back()) {
            Schedule();
            return;
        }
        levels_.push_back(level);
        StepHere();
        levels_.pop_back();
    }

    // A monkey seldom finds its way through the set-up: now and then it is led through one
    // (a party for each player, then OK) so that most of its events fall on the board.
    void PlanNewGame() {
        const int players = 2 + Pick(3), per = 8 - players;
        std::vector<int> classes(16);
        for (int i = 0; i < 16; ++i) classes[i] = i + 1;
        std::shuffle(classes.begin(), classes.end(), rng_);
        auto setup = [](const std::function<void(Screen&)>& f) {
            return [f] {
                if (Screen* s = Ui::Get().Find("FairePerso")) f(*s);
            };
        };
        plan_.push_back([] {
            if (Screen* title = Ui::Get().Find("frmBegin")) title->Menu("MNU_New");  // runs the set-up's loop
        });
        for (int p = 0; p < players; ++p) {
            if (p >= 2) plan_.push_back(setup([](Screen& s) { s.Click("Command1"); }));
            if (p >= 1) plan_.push_back(setup([p](Screen& s) { s.Tab("EnsTab", p); }));
            plan_.push_back(setup([p](Screen& s) { s.Type("ReponseDuNom", "Joueur " + std::to_string(p + 1)); }));
            for (int k = 0; k < per; ++k) {
                const std::string name = classes::Name(classes[p * per + k]);
                plan_.push_back(setup([name](Screen& s) {
                    Control& list = s.C("List1");
                    for (size_t i = 0; i < list.items.size(); ++i)
                        if (list.items[i] == name) s.Select("List1", static_cast<int>(i));
                    s.Click("ajouter");
                }));
            }
        }
        plan_.push_back(setup([](Screen& s) { s.Click("cmdOK"); }));
    }

    void StepHere() {
        // The next step is due before this one's event runs: a dialog that opens now runs its
        // own loop, and that loop must find the monkey's next event waiting.
        Ui::Get().Idle();
        if (delivered < events_ && clock_.elapsed() < kWallClockLimitMs) {
            // The last window was closed: the game starts again, as a new run would.
            if (Ui::Get().OpenScreens().empty()) {
                ++restarts;
                OpenTitleScreen();
            }
            KeepQuitAway();
            Screen* top = Ui::Get().Top();
            // A fight lives on real time (its messages stay two seconds): there the monkey
            // pauses now and then, so that fights end within its time.
            bool fight = fights_ && top && top->Name() == "ChCmb";
            Schedule(fight && clock_.elapsed() < 30000 && Pick(4) == 0 ? 100 : 0);
            ++sent;
            if (!plan_.empty()) {
                auto next = std::move(plan_.front());
                plan_.pop_front();
                next();
            } else if (top && top->Name() == "frmBegin" && !QApplication::activePopupWidget() && Pick(300) == 0) {
                ++ledGames;
                PlanNewGame();
            } else if (top && top->Name() == "frmJeu" && Ui::Get().ModalDepth() == 0 && Pick(6000) == 0) {
                // A new run of the game, from its title.
                Ui::Get().CloseAll();
                OpenTitleScreen();
                ++restarts;
            } else {
                OneEvent();
            }
            if (broken.empty()) {
                std::string rule = CheckInvariants();
                if (!rule.empty()) broken = "event " + std::to_string(sent) + ": " + rule;
            }
            return;
        }
        if (!CloseOne()) {
            if (++closing_ > 2000) {
                broken += " / the dialogs could not be closed";
                loop_.quit();
                return;
            }
            Schedule();
            return;
        }
        loop_.quit();
    }

    MonkeyHost& host_;
    std::mt19937 rng_;
    int events_;
    bool fights_;
    int closing_ = 0;
    std::vector<int> levels_;  // the loop level of every step under way
    std::deque<std::function<void()>> plan_;  // a set-up the monkey is led through
    QElapsedTimer clock_;
    QEventLoop loop_;
};

// Runs the monkey on the game's files in folder; every rule and the closing of every
// dialog are checked. fights: pause now and then in fights so that they come to an end.
void RunMonkey(unsigned seed, int events, const std::string& folder, bool fights) {
    FreshProcess();
    ResetInvariants();
    pictures::SetFolder(folder);
    SdlServices services(folder);  // SDL_AUDIODRIVER=dummy: real decoding, no sound card
    services.Start();
    Ui::Get().SetServices(&services);
    {
        MonkeyHost host;
        Ui::Get().SetHost(&host);
        SetGlobalKeyHook([](const std::string& key, ScreenWindow& window) {
            if (key != "F11") return false;
            window.ToggleFullScreen(1);
            return true;
        });
        OpenTitleScreen();
        Monkey monkey(host, seed, events, fights);
        QElapsedTimer took;
        took.start();
        monkey.Run();
        std::cout << "monkey: " << monkey.delivered << " events in " << took.elapsed() / 1000.0 << " s, "
                  << monkey.restarts << " new starts, " << monkey.ledGames << " led set-ups; in front:";
        for (auto& [name, n] : monkey.seen) std::cout << " " << name << " " << n;
        std::cout << std::endl;

        EXPECT_EQ(monkey.delivered, events) << "seed " << seed;
        EXPECT_EQ(monkey.broken, "") << "seed " << seed;
        EXPECT_EQ(host.quits, 0) << "the title's Quit was chosen";
        // Every dialog and menu is closed.
        EXPECT_EQ(Ui::Get().ModalDepth(), 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(CheckScreens(), "");
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                EXPECT_FALSE(w->isModal()) << w->windowTitle().toStdString();
            }
        }

        SetGlobalKeyHook(nullptr);
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        Ui::Get().SetHost(nullptr);
    }
    QApplication::processEvents();
    Ui::Get().SetServices(nullptr);
    FreshProcess();
}

// The same events every run; QUELMOR_MONKEY_SEED=N replays another run, =clock draws a new one.
unsigned Seed() {
    const char* asked = std::getenv("QUELMOR_MONKEY_SEED");
    if (!asked) return 20261209;
    if (std::string(asked) == "clock")
        return static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    return static_cast<unsigned>(std::atoi(asked));
}

}  // namespace

TEST(Monkey, TwentyThousandRandomEventsOnTheRealWindows) {
    const unsigned seed = Seed();
    int events = 20000;
    if (const char* count = std::getenv("QUELMOR_MONKEY_EVENTS")) events = std::atoi(count);
    std::cout << "monkey seed " << seed << ", " << events << " events" << std::endl;
    RunMonkey(seed, events, QUELMOR_BIN_DIR, true);
}

// The real windows and the real sound on a folder whose every picture, tune and sound is
// missing, empty, cut in half or noise: the game goes on.
TEST(Monkey, PlaysOnWithEveryFileDamaged) {
    const unsigned seed = Seed();
    for (damaged::Kind kind : {damaged::Kind::Missing, damaged::Kind::Empty, damaged::Kind::Half, damaged::Kind::Noise}) {
        SCOPED_TRACE(damaged::Name(kind));
        std::filesystem::path folder = damaged::NewFolder(std::string("monkey-") + damaged::Name(kind));
        ASSERT_GT(damaged::CopyDamaged(kind, folder), 100);
        std::cout << "monkey seed " << seed << ", files " << damaged::Name(kind) << std::endl;
        RunMonkey(seed, 2500, folder.string(), false);
        damaged::Remove(folder);
    }
    pictures::SetFolder(QUELMOR_BIN_DIR);
}
