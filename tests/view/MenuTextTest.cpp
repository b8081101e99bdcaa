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

