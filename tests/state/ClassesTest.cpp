#include <gtest/gtest.h>

#include "state/Classes.h"
#include "state/GlobalDecl.h"

TEST(Classes, TemplatesHaveTheirItemCountsAndFlags) {
    EXPECT_EQ(classes::Template(13).size(), 21u);
    EXPECT_EQ(classes::Template(2).size(), 37u);
    for (int n = 1; n <= 16; ++n) {
        const std::string t = classes::Template(n);
        ASSERT_EQ((t.size() - 17) % 4, 0u) << n;
        EXPECT_EQ(t.substr(2, 3), "000") << n;
        EXPECT_EQ(t[t.size() - 3], '6') << n;
        for (char ch : t) EXPECT_TRUE(ch >= '0' && ch <= '9') << n;
    }
    const std::string monster = classes::Template(10);
    EXPECT_EQ(classes::TemplateDigit(monster, 6), 0);
    EXPECT_EQ(classes::TemplateDigit(monster, 7), 0);
    EXPECT_EQ(classes::TemplateDigit(monster, 9), 0);
    for (int n : {4, 12, 14, 15}) EXPECT_EQ(classes::Template(n).substr(classes::Template(n).size() - 2), "01") << n;
    for (int n : {1, 5, 6, 10, 11, 13}) EXPECT_EQ(classes::Template(n).substr(classes::Template(n).size() - 2), "10") << n;
    for (int n : {2, 3, 7, 8, 9, 16}) EXPECT_EQ(classes::Template(n).substr(classes::Template(n).size() - 2), "11") << n;
}

TEST(Classes, NamesPortraitsAndIcons) {
    ResetGlobalDecl();
    EXPECT_EQ(classes::Name(2), "Cavalier Noir");
    gd.LanguageOffset = 2000;
    EXPECT_EQ(classes::Name(2), "Black Knight");
    gd.LanguageOffset = 1000;
    EXPECT_EQ(classes::DefaultName(15), "Heinrich von Eldrick");
    EXPECT_EQ(classes::DefaultName(4), "Réficul");
    EXPECT_EQ(classes::PortraitFile(16), "16.gif");
    EXPECT_EQ(classes::IconFile(1), "00.ico");
    EXPECT_EQ(classes::IconFile(16), "15.ico");
    EXPECT_EQ(classes::Template(0), "");
    EXPECT_EQ(classes::Template(17), "");
}
