// The command lines the driver's scripts and the computer player share: words, quotes,
// comments, numbers and "Screen.Control".
#include <gtest/gtest.h>

#include "ui/CommandLine.h"

namespace {

TEST(CommandLine, SplitsQuotedWords) {
    bool ok = true;
    auto w = SplitWords(R"(key ReponseDuNom "Ann \"la\" Brave\\" 3)", ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(w, (std::vector<std::string>{"key", "ReponseDuNom", "Ann \"la\" Brave\\", "3"}));
    SplitWords("key X \"open", ok);
    EXPECT_FALSE(ok);
    // Tabs and a carriage return left by another system separate words like blanks.
    EXPECT_EQ(SplitWords("click\tfrmJeu.Image1  16 48\r", ok), (std::vector<std::string>{"click", "frmJeu.Image1", "16", "48"}));
    EXPECT_EQ(SplitWords(R"(key X "")", ok), (std::vector<std::string>{"key", "X", ""}));
}

TEST(CommandLine, BlankLinesAndCommentsAreEmptyButAnOpenQuoteIsStillSeen) {
    EXPECT_TRUE(ReadCommandLine("").Empty());
    EXPECT_TRUE(ReadCommandLine("   \t").Empty());
    EXPECT_TRUE(ReadCommandLine("# press frmJeu.Up").Empty());
    EXPECT_TRUE(ReadCommandLine("#press").Empty());
    EXPECT_FALSE(ReadCommandLine("press frmJeu.Up # not a comment here").Empty());
    // A quoted empty first word is a command of its own, not a blank line.
    EXPECT_FALSE(ReadCommandLine(R"("" x)").Empty());
    const CommandLine open = ReadCommandLine("# \"open");
    EXPECT_TRUE(open.Empty());
    EXPECT_TRUE(open.quoteLeftOpen);
}

TEST(CommandLine, NumbersAreWholeWordsAndOnlyAnInnerDotNamesAScreen) {
    const CommandLine line = ReadCommandLine("click frmJeu.Image1 16 -48 1x 2.5 99999999999");
    int v = 0;
    EXPECT_TRUE(line.Number(3, v) && v == -48);
    for (size_t i : {1, 4, 5, 6, 7}) EXPECT_FALSE(line.Number(i, v)) << i;   // a name, letters, a fraction, too large, none
    EXPECT_EQ(SplitControlPath("frmJeu.Carte(3)").screen, "frmJeu");
    EXPECT_EQ(SplitControlPath("frmJeu.Carte(3)").key, "Carte(3)");
    EXPECT_EQ(SplitControlPath("Combat.Form.x").key, "Form.x");
    // No dot, or a leading one: the word is a key of the top screen as it stands.
    for (const char* word : {"MNU_Up", ".Up"}) {
        EXPECT_EQ(SplitControlPath(word).screen, "");
        EXPECT_EQ(SplitControlPath(word).key, word);
    }
}

}  // namespace
