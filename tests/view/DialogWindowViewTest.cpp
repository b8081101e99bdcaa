// The windows of modal screens: shown once and modal from the start, and drawn at the scale of
// a window shown full screen (the board drawn large), as far as they fit on the display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "support/Game.h"
#include "ui/Screen.h"
#include "ui/Ui.h"
#include "view/QtHost.h"
#include "view/ScreenView.h"

namespace {

// Counts the times the windows of the screens are hidden and shown.
class ShowWatch : public QObject {
public:
    ShowWatch() { qApp->installEventFilter(this); }
    ~ShowWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched->inherits("ScreenWindow")) {
            if (e->type() == QEvent::Hide) ++hides;
            if (e->type() == QEvent::Show) ++shows;
        }
        return QObject::eventFilter(watched, e);
    }
    int hides = 0, shows = 0;
};

// Opens a modal screen of the given size and runs `look` on its window from inside its loop,
// then closes it.
void WithDialog(QtHost& host, int width, int height, const std::function<void(ScreenWindow&)>& look) {
    QTimer::singleShot(0, [&] {
        Screen* dialog = Ui::Get().Find("Dialog");
        ASSERT_NE(dialog, nullptr);
        ScreenWindow* window = host.WindowOf(*dialog);
        ASSERT_NE(window, nullptr);
        look(*window);
        Ui::Get().Close(*dialog);
    });
    Ui::Get().ShowModal(std::make_unique<Screen>("Dialog", width, height));
}

class DialogWindowView : public ::testing::Test {
protected:
    void SetUp() override {
        FreshProcess();
        Ui::Get().SetHost(&host);
    }
    void TearDown() override {
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        QApplication::processEvents();
        Ui::Get().SetHost(nullptr);
    }
    QtHost host{1};
};

}  // namespace

// A window unmapped and mapped again at once may be lost by a window manager, which then never
// shows the dialog while the game waits for it: the dialog is shown once, already modal.
TEST_F(DialogWindowView, AModalScreensWindowIsShownOnceAndModalFromTheStart) {
    ShowWatch watch;
    bool modal = false, visible = false;
    WithDialog(host, 200, 100, [&](ScreenWindow& w) {
        modal = w.windowModality() == Qt::ApplicationModal;
        visible = w.isVisible();
    });
    EXPECT_TRUE(modal);
    EXPECT_TRUE(visible);
    EXPECT_EQ(watch.shows, 1);
    EXPECT_EQ(watch.hides, 1);  // once, as it closes
}

TEST_F(DialogWindowView, OverAFullScreenADialogIsDrawnAtItsScaleAsFarAsItFits) {
    Ui::Get().Show(std::make_unique<Screen>("Board", 200, 150));
    ScreenWindow* board = host.WindowOf(*Ui::Get().Find("Board"));
    ASSERT_NE(board, nullptr);
    board->ToggleFullScreen(1);
    const double large = board->canvas()->scale();
    ASSERT_GT(large, 1.5);

    double small = 0;
    WithDialog(host, 100, 80, [&](ScreenWindow& w) { small = w.canvas()->scale(); });
    EXPECT_DOUBLE_EQ(small, large);

    // As large as the board: at its scale it would leave no room for the dialog's title bar and
    // edges. As large as fits, and never below the windows' own.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QSize big;
    double bigScale = 0;
    WithDialog(host, 200, 150, [&](ScreenWindow& w) {
        big = w.canvas()->size();
        bigScale = w.canvas()->scale();
    });
    EXPECT_GT(bigScale, 1);
    EXPECT_LT(bigScale, large) << "display " << area.width() << "x" << area.height();
    EXPECT_LE(big.width(), area.width());
    EXPECT_LE(big.height(), area.height());

    board->ToggleFullScreen(1);
    WithDialog(host, 100, 80, [&](ScreenWindow& w) { small = w.canvas()->scale(); });
    EXPECT_DOUBLE_EQ(small, 1);
}
