// The inputs a record keeps: the outermost input alone, the time before it, a dialog's own
// inputs, a pop-up's dismissal; and the record's side of the one code that applies inputs.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/InputCommand.h"
#include "ui/InputLog.h"
#include "ui/PlayerInput.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// A dialog with an OK button that closes it.
class Dialog : public Screen {
public:
    Dialog() : Screen("Dialog", 100, 60) {
        Control& ok = Add(Kind::Button, "OK");
        ok.width = 40;
        ok.height = 20;
        On("OK_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
    }
};

// A screen with a button (its hot key Return), a hidden button, a timer that opens the dialog,
// and a pop-up menu of two entries.
class Board : public Screen {
public:
    Board() : Screen("Board", 200, 100) {
        Control& b = Add(Kind::Button, "B");
        b.width = b.height = 10;
        b.hotkey = "Return";
        Control& hidden = Add(Kind::Button, "Hidden");
        hidden.visible = false;
        Control& timer = Add(Kind::Timer, "T");
        timer.interval = 100;
        Control& menu = Add(Kind::Menu, "MNU_Pop");
        menu.popupMenu = true;
        for (int i = 0; i < 2; ++i) Add(Kind::Menu, "Entry", i).parent = "MNU_Pop";
        On("B_Click", [this](const EventArgs&) { ++clicks; });
        On("Hidden_Click", [this](const EventArgs&) { ++clicks; });
        On("T_Timer", [this](const EventArgs&) {
            C("T").enabled = false;
            Ui::Get().ShowModal(std::make_unique<Dialog>());
        });
        On("Entry_Click", [this](const EventArgs& a) { chosen = a.index; });
    }
    int clicks = 0;
    int chosen = -1;
};

// A host that runs a dialog's and a pop-up's interaction with a function of the test's.
class ScriptedHost : public Host {
public:
    std::function<void(Screen&)> modal;
    std::function<void(Screen&)> popup;
    void ScreenOpened(Screen&) override {}
    void ScreenClosed(Screen&) override {}
    void Changed() override {}
    void RunModal(Screen& s) override {
        if (modal) modal(s);
    }
    void RunPopup(Screen& s, const std::string&, int, int) override {
        if (popup) popup(s);
    }
    void TimersChanged() override {}
    void Quit() override {}
};

class InputLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        Ui::Get().SetHost(&host);
        board = &static_cast<Board&>(Ui::Get().Show(std::make_unique<Board>()));
        input_log::SetSink([this](const std::string& line) { lines.push_back(line); });
    }
    void TearDown() override {
        input_log::SetSink(nullptr);
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        Ui::Get().SetHost(nullptr);
    }
    ScriptedHost host;
    Board* board = nullptr;
    std::vector<std::string> lines;
};

using Lines = std::vector<std::string>;

TEST_F(InputLogTest, OnlyTheOutermostInputIsWrittenAndOnlyWhenItReachesAHandler) {
    // The key clicks the button: one input, not two.
    Ui::Get().PressKey(*board, "Return");
    EXPECT_EQ(board->clicks, 1);
    board->Click("Hidden");
    board->Click("B", 3, 4, 1, 1);
    board->Menu("Entry(1)");
    board->Type("Nothing", "text");  // no such control: nothing reached a handler
    EXPECT_EQ(lines, (Lines{"press Board.Return", "click Board.B 3 4 1 1", "menu Board.Entry(1)"}));
    EXPECT_EQ(board->clicks, 2);  // the hidden button was never clicked
}

TEST_F(InputLogTest, TheTimeBeforeAnInputComesFirstInWaitsOfAtMostAnHour) {
    board->C("T").interval = 0;  // no dialog here
    Ui::Get().AdvanceTo(1500);
    board->Click("B");
    Ui::Get().AdvanceTo(Ui::Get().Now() + kLongestWait + 5);
    board->Press("B", 1, 1, 1, 0);
    Ui::Get().AdvanceTo(Ui::Get().Now() + 40);
    board->Release("B", 1, 1, 1, 0, true);
    EXPECT_EQ(lines, (Lines{"wait 1500", "click Board.B 0 0 1 0", "wait 3600000", "wait 5", "down Board.B 1 1 1 0",
                            "wait 40", "up Board.B 1 1 1 0 1"}));
}

TEST_F(InputLogTest, ADialogOpenedByATimerHasTheWaitUpToItsTickBeforeItsOwnInputs) {
    host.modal = [](Screen& dialog) {
        Ui::Get().AdvanceTo(Ui::Get().Now() + 30);
        dialog.Click("OK", 5, 5);
    };
    board->C("T").enabled = true;
    Ui::Get().SyncTimers();
    Ui::Get().AdvanceTo(250);  // the tick at 100 opens the dialog; the wait goes on to 250
    board->Click("B");
    EXPECT_EQ(lines, (Lines{"wait 100", "wait 30", "click Dialog.OK 5 5 1 0", "wait 120", "click Board.B 0 0 1 0"}));
}

TEST_F(InputLogTest, ADialogClosedByATimerEndsItsWaitBeforeItsOpenerGoesOn) {
    // The dialog closes itself at its tick, 200 ms in, within a wait of 500: its opener clicks.
    host.modal = [](Screen& dialog) {
        Control& close = dialog.Add(Kind::Timer, "Shut");
        dialog.On("Shut_Timer", [&dialog](const EventArgs&) { Ui::Get().Close(dialog); });
        dialog.StartTimer(close, 200);
        Ui::Get().SyncTimers();
        Ui::Get().AdvanceTo(Ui::Get().Now() + 500);
    };
    board->On("B_Click", [this](const EventArgs&) {
        Ui::Get().ShowModal(std::make_unique<Dialog>());
        board->Click("Hidden");  // the opener goes on (a handler's own input: not written)
    });
    board->Click("B");
    Ui::Get().AdvanceTo(Ui::Get().Now() + 100);
    board->Click("B");
    EXPECT_EQ(lines, (Lines{"click Board.B 0 0 1 0", "wait 500", "wait 100", "click Board.B 0 0 1 0", "wait 500"}));
}

TEST_F(InputLogTest, APopupMenuWritesItsChoiceOrItsDismissal) {
    host.popup = [](Screen& s) { s.Menu("Entry(0)"); };
    board->On("B_Click", [this](const EventArgs&) { Ui::Get().Popup(*board, "MNU_Pop", 5, 5); });
    board->Click("B");
    host.popup = nullptr;
    board->Click("B");
    EXPECT_EQ(board->chosen, 0);
    EXPECT_EQ(lines, (Lines{"click Board.B 0 0 1 0", "menu Board.Entry(0)", "click Board.B 0 0 1 0", "close"}));
}

TEST_F(InputLogTest, ACommandKeptByItsOutcomeWritesNoInputOfItsDialogs) {
    host.modal = [](Screen& dialog) { dialog.Click("OK"); };
    {
        const input_log::Quiet quiet;
        Ui::Get().ShowModal(std::make_unique<Dialog>());
        input_log::Note("saved game.quelmor");
    }
    EXPECT_EQ(lines, (Lines{"saved game.quelmor"}));
    EXPECT_EQ(input_log::Word("two words"), "\"two words\"");
    EXPECT_EQ(input_log::Word("say \"hi\\"), "\"say \\\"hi\\\\\"");
    EXPECT_EQ(input_log::Word(""), "\"\"");
}

// The record's events are applied with every argument checked: a fault names what is wrong,
// and nothing a player could not do runs.
TEST_F(InputLogTest, ARecordsInputIsRefusedUnlessAPlayerCouldHaveMadeIt) {
    input_log::SetSink(nullptr);
    PopupWait none;
    std::string fault;
    auto apply = [&](const std::string& text) { return ApplyInput(ReadCommandLine(text), none, InputCheck::Record, fault); };
    EXPECT_TRUE(apply("click Board.B 5 5 1 0")) << fault;
    EXPECT_EQ(board->clicks, 1);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"click Board.Hidden 0 0 1 0", "hidden or disabled"},
        {"click Board.B 50 5 1 0", "outside"},
        {"click B 5 5 1 0", "names no screen"},
        {"click Board.B 5 5", "takes 5 arguments"},
        {"click Board.B 5 5 3 0", "no such button"},
        {"click Nowhere.B 0 0 1 0", "no open screen Nowhere"},
        {"click Board.Missing 0 0 1 0", "no control Missing"},
        {"menu Board.B", "no entry a player could choose"},
        {"wait 3600001", "longer than"},
        {"wait -1", "negative"},
        {"close", "no pop-up menu waits"},
        {"quit", "unknown command"},
    };
    for (const auto& [line, why] : refused) {
        EXPECT_FALSE(apply(line)) << line;
        EXPECT_NE(fault.find(why), std::string::npos) << line << " -> " << fault;
    }
    EXPECT_EQ(board->clicks, 1);
    // A pop-up's entries are chosen only from that pop-up.
    PopupWait popup{board, "MNU_Pop"};
    EXPECT_FALSE(ApplyInput(ReadCommandLine("menu Board.MNU_Pop"), popup, InputCheck::Record, fault));
    EXPECT_NE(fault.find("not in the open pop-up"), std::string::npos) << fault;
    EXPECT_TRUE(ApplyInput(ReadCommandLine("menu Board.Entry(1)"), popup, InputCheck::Record, fault)) << fault;
    EXPECT_EQ(board->chosen, 1);
    EXPECT_EQ(popup.screen, nullptr);
}

// A machine that follows another's game: the player's own inputs go to the gate first, which
// keeps them (nothing runs, nothing is written) or lets them run here; the game's own inputs
// (a replay, a script: no player's key or click under way) never meet it.
TEST_F(InputLogTest, ThePlayersGateTakesHisInputsAwayButNotTheGamesOwn) {
    std::vector<std::string> offered;
    bool runHere = false;
    input_log::SetPlayerGate([&](const std::string& line) {
        offered.push_back(line);
        return runHere;
    });
    {
        const PlayerInput player;
        Ui::Get().PressKey(*board, "Return");  // a key that clicks: one line offered, nothing else
        board->Click("B", 1, 2, 1, 0);
        board->Menu("Entry(0)");
        board->Type("Nothing", "x");  // reaches no handler: not offered
    }
    EXPECT_EQ(offered, (Lines{"press Board.Return", "click Board.B 1 2 1 0", "menu Board.Entry(0)"}));
    EXPECT_EQ(board->clicks, 0);
    EXPECT_EQ(board->chosen, -1);
    EXPECT_TRUE(lines.empty());
    // Let through: it runs and is written as ever.
    runHere = true;
    {
        const PlayerInput player;
        board->Click("B", 1, 2, 1, 0);
    }
    EXPECT_EQ(board->clicks, 1);
    EXPECT_EQ(lines, (Lines{"click Board.B 1 2 1 0"}));
    // The game's own input (the host's events replayed) runs without asking the gate.
    runHere = false;
    offered.clear();
    board->Click("B");
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(board->clicks, 2);
    // With no record written the gate still sees the player's lines.
    input_log::SetSink(nullptr);
    {
        const PlayerInput player;
        board->Click("B", 3, 3, 1, 0);
    }
    EXPECT_EQ(offered, (Lines{"click Board.B 3 3 1 0"}));
    EXPECT_EQ(board->clicks, 2);
    input_log::SetPlayerGate(nullptr);
    EXPECT_FALSE(input_log::PlayerGateSet());
}

}  // namespace
