#include <gtest/gtest.h>

#include <set>

#include "ending/Credits.h"
#include "ending/frmAbout.h"
#include "state/Messages.h"
#include "support/Game.h"

namespace {

// An about box opened on its own (modeless), so that tests can look at it between scripts.
Screen& OpenAbout() { return Ui::Get().Show(MakeFrmAbout()); }

int Scroll(Screen& s) {
    for (const Screen::Var& v : s.vars)
        if (v.name == "ScrollPosition") return v.values[0];
    return -1;
}

// Labels 0-30 show credits lines first to first + 30, headings underlined.
void ExpectLines(Screen& s, int first) {
    const std::vector<std::string> credits = CreditsLines();
    for (int k = 0; k < 31; ++k) {
        SCOPED_TRACE("label " + std::to_string(k));
        const std::string& line = credits[first + k];
        EXPECT_EQ(s.C("Haut", k).caption, line.substr(1));
        EXPECT_EQ(s.C("Haut", k).font.underline, line[0] != '0');
    }
}

std::string Wait(int ticks) { return "wait " + std::to_string(200 * ticks) + "\n"; }

}  // namespace

TEST(AboutBox, CreditsHoldEveryCreditsMessageOnceAmongEmptyPlainLines) {
    ResetGlobalDecl();
    for (int language : {1000, 2000}) {
        gd.LanguageOffset = language;
        const std::vector<std::string> credits = CreditsLines();
        ASSERT_EQ(credits.size(), 203u);
        std::multiset<std::string> lines(credits.begin(), credits.end());
        std::vector<int> used;
        for (int r = 200; r <= 221; ++r) used.push_back(r);
        used.push_back(224);
        for (int r : used) EXPECT_EQ(lines.count(Msg(r)), 1u) << r;
        int filled = 0;
        for (const std::string& line : credits) {
            ASSERT_FALSE(line.empty());
            EXPECT_TRUE(line[0] == '0' || line[0] == '1') << line;
            if (line != "0 ") ++filled;
        }
        EXPECT_GT(filled, static_cast<int>(used.size()));  // a few fixed lines besides the catalogue's
        for (int i = 0; i < 31; ++i) EXPECT_EQ(credits[i], "0 ") << i;  // the credits rise in from below
    }
    gd.LanguageOffset = 1000;
}

TEST(AboutBox, CaptionsFollowTheLanguage) {
    Session session(false);
    Screen& fr = OpenAbout();
    EXPECT_EQ(fr.caption, "A propos de Quelmor");
    EXPECT_EQ(fr.C("TabbedStuff").tabs, (std::vector<std::string>{"A propos de...", "  Crédits  "}));
    EXPECT_EQ(fr.C("Command1").caption, "&OK");
    EXPECT_TRUE(fr.Shown(fr.C("Image1")));
    EXPECT_FALSE(fr.Shown(fr.C("Haut(0)")));
    gd.LanguageOffset = 2000;
    Screen& en = OpenAbout();
    EXPECT_EQ(en.caption, "About Quelmor");
    EXPECT_EQ(en.C("TabbedStuff").tabs, (std::vector<std::string>{"About...", "  Credits  "}));
}

TEST(AboutBox, CreditsScrollOnTheirTabAndStopWithTheLastLineOnTheLastLabel) {
    Session session(false);
    Screen& s = OpenAbout();
    EXPECT_FALSE(s.C("Timer1").enabled);
    ASSERT_EQ(session.Run(Wait(5)), 0);
    EXPECT_EQ(Scroll(s), 0);  // nothing moves on the first tab

    ASSERT_EQ(session.Run("tab TabbedStuff 1\n"), 0);
    EXPECT_TRUE(s.C("Timer1").enabled);
    EXPECT_EQ(s.C("Timer1").interval, 200);
    EXPECT_TRUE(s.Shown(s.C("Haut(30)")));
    EXPECT_FALSE(s.Shown(s.C("Image1")));
    ExpectLines(s, 0);
    ASSERT_EQ(session.Run(Wait(31)), 0);
    EXPECT_EQ(Scroll(s), 31);
    ExpectLines(s, 31);
    EXPECT_TRUE(s.C("Haut(0)").font.underline);  // line 31 is the first heading
    ASSERT_EQ(session.Run(Wait(171 - 31)), 0);
    ExpectLines(s, 171);
    ASSERT_EQ(session.Run(Wait(1)), 0);
    EXPECT_EQ(Scroll(s), 172);
    ExpectLines(s, 172);
    ASSERT_EQ(session.Run(Wait(50)), 0);
    EXPECT_EQ(Scroll(s), 172);
    ExpectLines(s, 172);
}

TEST(AboutBox, LeavingTheCreditsStopsThemAndComingBackResumesWhereTheyWere) {
    Session session(false);
    Screen& s = OpenAbout();
    ASSERT_EQ(session.Run("tab TabbedStuff 1\n" + Wait(40) + "tab TabbedStuff 0\n"), 0);
    EXPECT_FALSE(s.C("Timer1").enabled);
    EXPECT_TRUE(s.Shown(s.C("lblMail")));
    ASSERT_EQ(session.Run(Wait(20)), 0);
    EXPECT_EQ(Scroll(s), 40);
    ASSERT_EQ(session.Run("tab TabbedStuff 1\n"), 0);
    ExpectLines(s, 0);
    ASSERT_EQ(session.Run(Wait(1)), 0);
    EXPECT_EQ(Scroll(s), 41);
    ExpectLines(s, 41);
}

TEST(AboutBox, MailLinkAndOkButton) {
    Session session(false);
    OpenAbout();
    ASSERT_EQ(session.Run("click lblMail\n"), 0);
    EXPECT_EQ(session.services().log, (std::vector<std::string>{"mail quelmor@example.org Quelmor"}));
    ASSERT_EQ(session.Run("click Command1\nscreen\n"), 0);
    EXPECT_EQ(Ui::Get().Find("frmAbout"), nullptr);
    EXPECT_EQ(session.out(), "\n");
}
