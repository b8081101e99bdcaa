// The computer parties in the window leave the player's own windows alone: while the player's
// save dialog is open they do not act, the game is written as it stood when the dialog opened,
// and they go on once it is closed; the pace sleeps while no computer party is to act.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>

#include "board/frmJeu.h"
#include "save/SavedGame.h"
#include "state/Journal.h"
#include "support/Game.h"
#include "ui/Ui.h"
#include "view/ComputerPace.h"
#include "view/InputHook.h"
#include "view/ProgramKeys.h"
#include "view/QtHost.h"
#include "view/ScreenView.h"

namespace fs = std::filesystem;

namespace {

std::string GameNow() { return SaveFileText(CaptureGame()); }

// Runs the event loop until done() or ten seconds have passed; whether done() came true.
bool RunUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// The player's file dialog: it stays open a while, its own event loop running as a real
// dialog's does, and notes the game as it was when it opened and when it closed.
class SlowDialog : public RecordingServices {
public:
    std::string AskFileName(const FileQuestion&) override {
        atOpening = GameNow();
        QEventLoop loop;
        QTimer::singleShot(600, &loop, &QEventLoop::quit);  // some forty of the hurried pace's ticks
        loop.exec();
        atClosing = GameNow();
        return answer;
    }
    std::string answer, atOpening, atClosing;
};

struct Window {
    QtHost host;
    std::unique_ptr<ComputerPace> pace;
    SlowDialog dialog;
    Window() {
        Ui::Get().SetHost(&host);
        Ui::Get().SetServices(&dialog);
        InstallProgramKeys({[] { return true; }, [] { return true; }, [](bool) {}, [](bool) {}}, 1);
        // The board's window, as the window shows it (the session opened the board before).
        host.ScreenOpened(*Jeu());
        pace = std::make_unique<ComputerPace>(host);
        // Whatever happens, no dialog is left waiting for ever.
        QTimer::singleShot(20000, [] {
            while (Screen* box = Ui::Get().Find("MsgBox")) Ui::Get().Close(*box);
        });
    }
    ~Window() {
        pace.reset();
        SetGlobalKeyHook(nullptr);
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        QApplication::processEvents();
        Ui::Get().SetHost(nullptr);
        Ui::Get().SetServices(nullptr);
    }
    QWidget* board() { return host.WindowOf(*Jeu())->canvas(); }
};

TEST(ComputerWaitsView, NothingMovesBehindThePlayersSaveDialogAndTheGameIsWrittenBetweenTwoActions) {
    const fs::path file = fs::temp_directory_path() / ("quelmor-waits-" + std::to_string(::getpid()) + ".quelmor");
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\ncomputer 1\ncomputer 2\n"), 0) << s.err();
    Window w;
    w.dialog.answer = file.string();
    ASSERT_TRUE(w.pace->running());
    QTest::keyClick(w.board(), Qt::Key_H);  // the hurried pace: many chances to act behind the dialog
    const std::string start = GameNow();
    ASSERT_TRUE(RunUntil([&] { return GameNow() != start; })) << "the computer does not play";

    // Ctrl+S on the board while the computer plays: the dialog's loop runs inside the key.
    QTest::keyClick(w.board(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(w.dialog.atOpening.empty()) << "no file dialog";
    // (Compared whole, told short: the game's text is a few kilobytes.)
    EXPECT_TRUE(w.dialog.atClosing == w.dialog.atOpening) << "the computer acted while the dialog was open";
    std::ifstream in(file);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == w.dialog.atOpening)
        << "the file is not the game as it stood between two actions";
    fs::remove(file);
    // Saved without a click: a notice on the board, kept in the journal; no box for anyone.
    EXPECT_EQ(Ui::Get().Find("MsgBox"), nullptr);
    const std::string saved = "Partie sauvegardée : " + file.filename().string();
    EXPECT_TRUE(Jeu()->C("Avis").visible);
    EXPECT_EQ(Jeu()->C("AvisTexte").caption, saved);
    ASSERT_FALSE(JournalEntries().empty());
    EXPECT_EQ(JournalEntries().back().text, saved);

    // The dialog closed, the computer goes on.
    const std::string after = GameNow();
    EXPECT_TRUE(RunUntil([&] { return GameNow() != after; })) << "the computer did not go on";
}

TEST(ComputerWaitsView, ThePlayersMessageBoxIsLeftForThePlayerAndThePaceSleepsWithoutAComputer) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
    Window w;
    // Nobody plays for a person: no ticking at all.
    EXPECT_FALSE(w.pace->running());
    // A handler hands the turn to the computer: the pace starts.
    gd.ComputerPlayer[1] = gd.ComputerPlayer[2] = true;
    Ui::Get().AfterHandler();
    ASSERT_TRUE(RunUntil([&] { return w.pace->running(); }));
    QTest::keyClick(w.board(), Qt::Key_H);

    // A box the player's key brought (a save refused while a window is open over the board):
    // the computer, which answers its own boxes, leaves this one to the player.
    const std::string before = GameNow();
    bool leftAlone = false;
    QTimer::singleShot(0, [&] {
        Screen* box = Ui::Get().Find("MsgBox");
        if (!box) return;
        QEventLoop loop;
        QTimer::singleShot(400, &loop, &QEventLoop::quit);
        loop.exec();
        leftAlone = Ui::Get().IsOpen(box) && GameNow() == before;
        if (Ui::Get().IsOpen(box)) Ui::Get().Close(*box);
    });
    Jeu()->visible = false;  // as while a fight runs: the save is refused with a message
    QTest::keyClick(w.board(), Qt::Key_S, Qt::ControlModifier);
    Jeu()->visible = true;
    EXPECT_TRUE(leftAlone) << "the computer answered or acted behind the player's message box";
}

}  // namespace
