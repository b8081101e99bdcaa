// A panel of the program's own beside the game (the replay's): below the game's screens, never
// the top one, left open when the game's screens close; and, while it is the only screen that
// takes the player's input, every other input is refused but the record's.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/CommandLine.h"
#include "ui/InputCommand.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

class Counter : public Screen {
public:
    Counter(const std::string& name, bool asidePanel) : Screen(name, 200, 100) {
        aside = asidePanel;
        Place(Add(Kind::Button, "Go"), 10, 10, 60, 24);
        On("Go_Click", [this](const EventArgs&) { ++clicks; });
    }
    int clicks = 0;
};

Counter& Open(const std::string& name, bool aside = false) {
    return static_cast<Counter&>(Ui::Get().Show(std::make_unique<Counter>(name, aside)));
}

bool Input(const std::string& line, InputCheck check, std::string& fault) {
    PopupWait popup;
    return ApplyInput(ReadCommandLine(line), popup, check, fault);
}

class AsideScreen : public ::testing::Test {
protected:
    void TearDown() override {
        SetInputOnlyTo(nullptr);
        Ui::Get().CloseAll();
        Ui::Get().Idle();
    }
};

}  // namespace

TEST_F(AsideScreen, StaysBelowTheGameAndOutlivesItsScreens) {
    Open("Board");
    Counter& panel = Open("Panel", true);
    Counter& dialog = Open("Dialog");
    EXPECT_EQ(Ui::Get().Top(), &dialog);
    EXPECT_EQ(Ui::Get().OpenScreens().front(), &panel);
    Ui::Get().Close(dialog);
    EXPECT_EQ(Ui::Get().Top()->Name(), "Board") << "the panel is never the top screen";
    Ui::Get().AdvanceTo(500);
    Ui::Get().CloseGameScreens();
    ASSERT_EQ(Ui::Get().OpenScreens().size(), 1u);
    EXPECT_EQ(Ui::Get().OpenScreens().front(), &panel);
    EXPECT_EQ(Ui::Get().Top(), nullptr);
    EXPECT_EQ(Ui::Get().Now(), 0) << "the game's clock starts again as with CloseAll";
    Ui::Get().CloseAll();
    EXPECT_TRUE(Ui::Get().OpenScreens().empty());
}

TEST_F(AsideScreen, OnlyThePanelTakesThePlayersInputWhileItHoldsTheGate) {
    Counter& board = Open("Board");
    Counter& panel = Open("Panel", true);
    SetInputOnlyTo(&panel);
    std::string fault;
    for (const char* line : {"click Board.Go", "click Go", "press Board.Return", "wait 100", "close Board"}) {
        EXPECT_FALSE(Input(line, InputCheck::Script, fault)) << line;
        EXPECT_NE(fault.find("only Panel takes input"), std::string::npos) << line << ": " << fault;
        EXPECT_FALSE(Input(line, InputCheck::Lenient, fault)) << line;
    }
    EXPECT_EQ(Ui::Get().Now(), 0);
    EXPECT_EQ(board.clicks, 0);
    EXPECT_TRUE(Input("click Panel.Go", InputCheck::Script, fault)) << fault;
    EXPECT_EQ(panel.clicks, 1);
    // The record's own input still reaches the game's screens.
    EXPECT_TRUE(Input("click Board.Go 1 1 1 0", InputCheck::Record, fault)) << fault;
    EXPECT_EQ(board.clicks, 1);
    SetInputOnlyTo(nullptr);
    EXPECT_TRUE(Input("click Board.Go", InputCheck::Script, fault)) << fault;
    EXPECT_EQ(board.clicks, 2);
}
