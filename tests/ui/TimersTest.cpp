#include <gtest/gtest.h>

#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// No screen open and nothing pending.
void FreshProcess() {
    Ui::Get().CloseAll();
    Ui::Get().Idle();
}

// A screen with one timer that records when it fires and can change its own interval.
class Ticker : public Screen {
public:
    Ticker() : Screen("Ticker", 100, 100) {
        Control& t = Add(Kind::Timer, "T");
        t.interval = 100;
        Control& b = Add(Kind::Button, "B");
        b.width = b.height = 10;
        On("T_Timer", [this](const EventArgs&) {
            ticks.push_back(Ui::Get().Now());
            if (ticks.size() == 2) C("T").interval = 300;
        });
        On("B_MouseDown", [this](const EventArgs&) { log += "down "; });
        On("B_MouseUp", [this](const EventArgs&) { log += "up "; });
        On("B_Click", [this](const EventArgs&) { log += "click"; });
    }
    std::vector<long long> ticks;
    std::string log;
};

TEST(Timers, TicksFallDueOneIntervalAfterTheLastChange) {
    FreshProcess();
    Ticker& t = static_cast<Ticker&>(Ui::Get().Show(std::make_unique<Ticker>()));
    Ui::Get().AdvanceTo(50);
    t.C("T").enabled = true;
    Ui::Get().SyncTimers();
    Ui::Get().AdvanceTo(1000);
    // Enabled at 50: 150, 250; the interval becomes 300 at 250: 550, 850.
    EXPECT_EQ(t.ticks, (std::vector<long long>{150, 250, 550, 850}));
    t.StartTimer(t.C("T"), 40);
    Ui::Get().SyncTimers();
    Ui::Get().AdvanceTo(1080);
    EXPECT_EQ(t.ticks.back(), 1080);  // a tick due exactly at the end of the wait fires
    const size_t before = t.ticks.size();
    std::vector<long long>* ticks = &t.ticks;
    t.C("T").enabled = false;
    Ui::Get().AdvanceTo(1500);
    EXPECT_EQ(ticks->size(), before);  // a stopped timer never fires
    t.C("T").enabled = true;
    Ui::Get().Close(t);                // the screen is deleted by the next advance
    Ui::Get().AdvanceTo(5000);
    EXPECT_EQ(Ui::Get().NextDue(), -1);  // and a closed screen's timer is gone with it
    FreshProcess();
}

TEST(Timers, ClicksRunTheHandlersOfUsableControlsOnly) {
    FreshProcess();
    Ticker& t = static_cast<Ticker&>(Ui::Get().Show(std::make_unique<Ticker>()));
    t.Click("B");
    EXPECT_EQ(t.log, "down up click");
    t.log.clear();
    t.Click("B", 0, 0, 2, 0);  // the right button presses and releases but does not click
    EXPECT_EQ(t.log, "down up ");
    t.log.clear();
    t.C("B").enabled = false;
    t.Click("B");
    t.C("B").enabled = true;
    t.C("B").visible = false;
    t.Click("B");
    EXPECT_EQ(t.log, "");
    FreshProcess();
}

}  // namespace
