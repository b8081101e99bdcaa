#include <gtest/gtest.h>

#include "state/GlobalDecl.h"
#include "state/Messages.h"

TEST(Messages, LanguageBlocksAndTheirMenu) {
    ResetGlobalDecl();
    std::vector<std::string> offered;
    for (int n = 1; n <= 5; ++n)
        if (LanguageAvailable(n)) offered.push_back(LanguageMenuName(n));
    EXPECT_EQ(offered, (std::vector<std::string>{"&Français", "&English"}));
    EXPECT_EQ(LanguageMenuName(3), "&Deutsch");
}

TEST(Messages, OffsetsChooseTheLanguage) {
    ResetGlobalDecl();
    EXPECT_EQ(Msg(61), "Cavalier Noir");
    gd.LanguageOffset = 2000;
    EXPECT_EQ(Msg(61), "Black Knight");
    EXPECT_EQ(Msg(0), "Battle Mode");
    // The tower door texts have no English: the French one is shown.
    EXPECT_EQ(Msg(145), " Porte dévérouillée!");
    gd.LanguageOffset = 1000;
    EXPECT_EQ(Msg(0), "Mode Combat");
    EXPECT_EQ(Msg(105), "   Heure :");
    EXPECT_EQ(MsgId(1043), "");  // an unused number has no text
}

TEST(Messages, EnemyNames) {
    ResetGlobalDecl();
    EXPECT_EQ(EnemyName(14), "L'ermite");
    EXPECT_EQ(EnemyName(1), "Le garde");
    EXPECT_EQ(EnemyName(19), "Quelmor");
    gd.LanguageOffset = 2000;
    EXPECT_EQ(EnemyName(14), "The hermit");
    EXPECT_EQ(EnemyName(1), "The guardian");
    EXPECT_EQ(EnemyName(19), "Quelmor");
    EXPECT_EQ(EnemyName(16), "Karog");
    EXPECT_EQ(EnemyName(0), "");
    EXPECT_EQ(EnemyName(20), "");
}
