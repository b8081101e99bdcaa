#include <gtest/gtest.h>

#include "driver/Script.h"
#include "support/Game.h"

TEST(Driver, SplitsQuotedWords) {
    bool ok = true;
    auto w = SplitWords(R"(key ReponseDuNom "Ann \"la\" Brave\\" 3)", ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(w, (std::vector<std::string>{"key", "ReponseDuNom", "Ann \"la\" Brave\\", "3"}));
    SplitWords("key X \"open", ok);
    EXPECT_FALSE(ok);
}

TEST(Driver, BadLinesStopWithStatusTwo) {
    for (const char* script : {"frobnicate\n", "click NoSuchControl\n", "set NoSuchVar 3\n", "rnd 1.5\n",
                               "call NoSuchHandler\n", "wait x\n", "key \"unterminated\n"}) {
        Session s;
        EXPECT_EQ(s.Run(std::string("# a comment\n\n") + script), 2) << script;
        EXPECT_NE(s.err().find("error: line 3:"), std::string::npos) << s.err();
    }
}

TEST(Driver, SetAndDumpTheSharedState) {
    Session s;
    ASSERT_EQ(s.Run("set MovesLeft 4\nset Status[2] 17\nset Resources[3] \"00000000000099\"\n"
                    "set CharacterRecords[1] \"01..é\"\nrnd 0.99 0\nscreen\ndump\n"),
              0)
        << s.err();
    EXPECT_EQ(gd.MovesLeft, 4);
    EXPECT_EQ(gd.Status[2], 17);
    EXPECT_EQ(rnd::D6(), 6);
    EXPECT_EQ(rnd::D6(), 1);
    const std::string out = s.out();
    EXPECT_EQ(out.substr(0, out.find('\n')), "frmBegin");
    EXPECT_NE(out.find("\"MovesLeft\": 4"), std::string::npos);
    EXPECT_NE(out.find("\"00000000000099\""), std::string::npos);
    EXPECT_NE(out.find("\"01..é\""), std::string::npos);
    EXPECT_NE(out.find("\"screens\": \"frmBegin\""), std::string::npos);
}
