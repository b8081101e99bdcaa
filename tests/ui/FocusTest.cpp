// The keyboard's place in a dialog: Tab walks the usable buttons, lists, tab strips and text
// boxes; Space or Return clicks the button there; Up and Down move a list's selection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

class Dialog : public Screen {
public:
    Dialog() : Screen("Dialog", 300, 200) {
        Add(Kind::TextBox, "Name");
        Add(Kind::Label, "Caption");  // never takes the keyboard
        Control& list = Add(Kind::ListBox, "Choices");
        list.items = {"one", "two", "three"};
        Add(Kind::Button, "Add");
        Add(Kind::Button, "Off").enabled = false;
        Add(Kind::Button, "Gone").visible = false;
        Add(Kind::Button, "OK").hotkey = "Return";
        On("Add_Click", [this](const EventArgs&) { log.push_back("add"); });
        On("OK_Click", [this](const EventArgs&) { log.push_back("ok"); });
        On("Off_Click", [this](const EventArgs&) { log.push_back("off"); });
        On("Choices_Click", [this](const EventArgs&) { log.push_back("line " + std::to_string(C("Choices").listIndex)); });
    }
    std::vector<std::string> Walk(int presses, const std::string& key = "Tab") {
        std::vector<std::string> seen;
        for (int i = 0; i < presses; ++i) {
            EXPECT_TRUE(PressKey(key));
            seen.push_back(focus);
        }
        return seen;
    }
    std::vector<std::string> log;
};

}  // namespace

TEST(Focus, TabWalksTheUsableControlsInOrderAndWrapsAround) {
    Dialog d;
    EXPECT_EQ(d.focus, "");
    EXPECT_EQ(d.Walk(5), (std::vector<std::string>{"Name", "Choices", "Add", "OK", "Name"}));
    EXPECT_EQ(d.Walk(2, "Shift+Tab"), (std::vector<std::string>{"OK", "Add"}));
    d.C("Off").enabled = true;  // enabled again: back in the walk
    EXPECT_EQ(d.Walk(1), (std::vector<std::string>{"Off"}));
    EXPECT_TRUE(d.log.empty());  // walking clicks nothing
}

TEST(Focus, SpaceAndReturnClickTheButtonTheKeyboardIsOn) {
    Dialog d;
    d.Walk(3);  // Add
    EXPECT_TRUE(d.PressKey("Space"));
    d.C("Add").enabled = false;  // the place is on a button that can't be used now
    EXPECT_FALSE(d.PressKey("Space"));
    EXPECT_EQ(d.log, (std::vector<std::string>{"add"}));
    EXPECT_TRUE(d.PressKey("Return"));  // OK's own key wins over the place
    EXPECT_EQ(d.log, (std::vector<std::string>{"add", "ok"}));
    d.C("Add").enabled = true;
    EXPECT_EQ(d.focus, "OK");  // a key's click, like a click, brings the place along
    EXPECT_EQ(d.Walk(3), (std::vector<std::string>{"Name", "Choices", "Add"}));
    EXPECT_TRUE(d.PressKey("Return"));  // Return is OK's: it never reaches the place
    EXPECT_EQ(d.log, (std::vector<std::string>{"add", "ok", "ok"}));
}

TEST(Focus, UpAndDownMoveTheListsSelectionWithinItsLines) {
    Dialog d;
    d.Walk(2);  // Choices
    for (const char* key : {"Down", "Down", "Down", "Down", "Up"}) EXPECT_TRUE(d.PressKey(key));
    // From no selection Down picks the first line; the last line stops the walk.
    EXPECT_EQ(d.log, (std::vector<std::string>{"line 0", "line 1", "line 2", "line 1"}));
    EXPECT_FALSE(d.PressKey("Space"));  // a list is not clicked by Space
}

TEST(Focus, AClickBringsTheKeyboardToTheControl) {
    Dialog d;
    d.Click("Add");
    EXPECT_EQ(d.focus, "Add");
    d.Click("Caption");  // a label doesn't take it
    EXPECT_EQ(d.focus, "Add");
    EXPECT_EQ(d.Walk(1), (std::vector<std::string>{"OK"}));
}
