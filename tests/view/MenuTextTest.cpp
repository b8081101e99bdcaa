// The direction menu as the window shows it: each direction's name, then its arrow key.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "state/Messages.h"
#include "support/Game.h"
#include "ui/Ui.h"
#include "view/QtLanguage.h"
#include "view/ScreenView.h"

namespace {

// The texts of the direction menu's entries, in the language chosen on the title screen.
std::vector<std::string> DirectionMenu(const std::string& language) {
    FreshProcess();
    Session s;
    EXPECT_EQ(s.Run("menu " + language + "\nnewgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0) << s.err();
    Screen* board = Ui::Get().Find("frmJeu");
    EXPECT_NE(board, nullptr);
    if (!board) return {};
    ScreenWindow window(*board, 1);
    std::unique_ptr<QMenu> menu(window.BuildMenu("MNU_Dir", nullptr));
    std::vector<std::string> texts;
    for (QAction* a : menu->actions()) texts.push_back(a->text().toStdString());
    // The entries themselves keep their captions (what the driver dumps): messages 1010 to 1013.
    const char* entries[] = {"MNU_Up", "MNU_Down", "MNU_Left", "MNU_Right"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(board->C(entries[i]).caption, Msg(10 + i));
    return texts;
}

TEST(MenuText, TheDirectionsShowTheirArrowsNotTheirNamesTwice) {
    EXPECT_EQ(DirectionMenu("lang(1)"),
              (std::vector<std::string>{"Up\t↑", "Down\t↓", "Left\t←", "Right\t→"}));
    EXPECT_EQ(DirectionMenu("lang(0)"),
              (std::vector<std::string>{"Haut\t↑", "Bas\t↓", "Gauche\t←", "Droite\t→"}));
}

TEST(MenuText, OtherKeysKeepTheirNames) {
    for (const char* key : {"Ctrl+M", "Esc", "PgUp", "Return", "1"}) EXPECT_EQ(ShortcutText(key).toStdString(), key);
}

// Qt's own words (the file dialogs' labels and buttons) follow the game's language, from the
// translations the set-up installs.
TEST(MenuText, QtsOwnWordsFollowTheGamesLanguage) {
    FreshProcess();
    const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:").toStdString(); };
    gd.LanguageOffset = 1000;
    FollowGameLanguage();
    EXPECT_EQ(QtLanguageInUse(), "fr");
    EXPECT_NE(lookIn(), "Look in:");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Save").toStdString(), "&Enregistrer");
    gd.LanguageOffset = 2000;
    FollowGameLanguage();
    EXPECT_EQ(QtLanguageInUse(), "en");
    EXPECT_EQ(lookIn(), "Look in:");
}

}  // namespace

// A button's tip: what it does and its key; while it is grey, why.
TEST(MenuText, TipsSayWhatAButtonDoesItsKeyAndWhyItIsGrey) {
    Screen s("Tips", 100, 100);
    Control& end = s.Add(Kind::Image, "EndTurn");
    end.purpose = "End the turn";
    end.hotkey = "Return";
    end.whyNot = "2 movement points left.";
    EXPECT_EQ(TipText(s, end).toStdString(), "End the turn  [Return]");
    end.enabled = false;
    EXPECT_EQ(TipText(s, end).toStdString(), "End the turn  [Return]\n2 movement points left.");
    // A control without a purpose keeps its own tooltip.
    Control& value = s.Add(Kind::Image, "Image2");
    value.tooltip = "Attack";
    value.enabled = false;
    EXPECT_EQ(TipText(s, value).toStdString(), "Attack");
}

// An entry that the program's key runs shows that key, though the entry does not take it.
TEST(MenuText, AnEntryShowsTheProgramsKey) {
    Control entry;
    entry.kind = Kind::Menu;
    entry.caption = "&Save the game...";
    entry.hotkey = "Ctrl+S";
    EXPECT_EQ(MenuText(entry).toStdString(), "&Save the game...\tCtrl+S");
    Screen s("Keys", 10, 10);
    Control& added = s.Add(Kind::Menu, "MNU_X");
    added.hotkey = "Ctrl+S";
    EXPECT_FALSE(s.PressKey("Ctrl+S"));
}
