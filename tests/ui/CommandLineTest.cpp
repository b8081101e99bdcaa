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

TEST(CommandLine, NumbersAreWholeWordsOnly) {
    const CommandLine line = ReadCommandLine("click frmJeu.Image1 16 -48 1x 2.5 99999999999");
    EXPECT_EQ(line.Command(), "click");
    int v = 0;
    ASSERT_TRUE(line.Number(2, v));
    EXPECT_EQ(v, 16);
    ASSERT_TRUE(line.Number(3, v));
    EXPECT_EQ(v, -48);
    EXPECT_FALSE(line.Number(4, v));   // trailing letters
    EXPECT_FALSE(line.Number(5, v));   // a fraction
    EXPECT_FALSE(line.Number(6, v));   // too large
    EXPECT_FALSE(line.Number(7, v));   // past the end
    EXPECT_FALSE(line.Number(1, v));   // a control's name
}

TEST(CommandLine, AControlPathNamesItsScreenOnlyBeforeAnInnerDot) {
    auto path = SplitControlPath("frmJeu.Carte(3)");
    EXPECT_EQ(path.screen, "frmJeu");
    EXPECT_EQ(path.key, "Carte(3)");
    path = SplitControlPath("MNU_Up");
    EXPECT_EQ(path.screen, "");
    EXPECT_EQ(path.key, "MNU_Up");
    // A leading dot names no screen: the word is the top screen's key as it stands.
    path = SplitControlPath(".Up");
    EXPECT_EQ(path.screen, "");
    EXPECT_EQ(path.key, ".Up");
    // Only the first dot separates.
    path = SplitControlPath("Combat.Form.x");
    EXPECT_EQ(path.screen, "Combat");
    EXPECT_EQ(path.key, "Form.x");
}

}  // namespace
