#include <gtest/gtest.h>

#include <algorithm>

#include "setup/Legend.h"
#include "state/Messages.h"
#include "support/Game.h"

namespace {

Screen& Title() { return *Ui::Get().Find("frmBegin"); }
Control& Line(int i) { return Title().C("lblGeneric", i); }
Rgb Grey(int level) { return Rgb{level, level, level}; }

int ScreenVar(Screen& s, const std::string& name) {
    for (const Screen::Var& v : s.vars)
        if (v.name == name) return v.values[0];
    ADD_FAILURE() << "no value " << name;
    return -1;
}

std::vector<std::string> MusicLog(RecordingServices& services) {
    std::vector<std::string> music;
    for (const std::string& line : services.log)
        if (line.rfind("music ", 0) == 0) music.push_back(line);
    return music;
}

// Opening a title screen and waiting until the fire is lit (1 s, eleven steps, the flash).
constexpr int kLitAt = 1000 + 11 * 100 + 100 + 100;

}  // namespace

TEST(TitleScreen, SwordFallsOneSecondAfterOpeningThenFlashesAndLightsTheFire) {
    Session s;
    Screen& t = Title();
    EXPECT_EQ(t.caption, "Quelmor");
    EXPECT_EQ(t.width, 640);
    EXPECT_EQ(t.height, 480);
    EXPECT_TRUE(t.C("OffFire").visible);
    EXPECT_FALSE(t.C("OnFire").visible);
    EXPECT_FALSE(t.C("lblLegend").visible);
    EXPECT_EQ(t.C("lblLegend").caption, "Peu de personnes en sortiront vivant");

    ASSERT_EQ(s.Run("wait 999\n"), 0);
    EXPECT_EQ(t.C("Sword").top, -220);
    ASSERT_EQ(s.Run("wait 1\n"), 0);
    EXPECT_EQ(t.C("Sword").top, -220);
    EXPECT_EQ(t.C("Timer1").interval, 100);
    ASSERT_EQ(s.Run("wait 100\n"), 0);
    EXPECT_EQ(t.C("Sword").top, -200);
    ASSERT_EQ(s.Run("wait 1000\n"), 0);
    EXPECT_EQ(t.C("Sword").top, 0);
    EXPECT_EQ(t.backColor, colors::kBlack);

    // The flash lasts one tick and marks the sword's top with 1.
    ASSERT_EQ(s.Run("wait 100\n"), 0);
    EXPECT_EQ(t.backColor, colors::kWhite);
    EXPECT_FALSE(t.C("Sword").visible);
    EXPECT_FALSE(t.C("OffFire").visible);
    EXPECT_EQ(t.C("Sword").top, 1);
    EXPECT_TRUE(s.services().log.empty());

    ASSERT_EQ(s.Run("wait 100\n"), 0);
    EXPECT_EQ(t.backColor, colors::kBlack);
    EXPECT_TRUE(t.C("Sword").visible);
    EXPECT_TRUE(t.C("OnFire").visible);
    EXPECT_FALSE(t.C("OffFire").visible);
    EXPECT_TRUE(t.C("lblLegend").visible);
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(t.Shown(Line(i))) << i;
    EXPECT_EQ(t.C("Timer1").interval, 200);
    EXPECT_EQ(s.services().log,
              (std::vector<std::string>{"sound song.wav 1", "music open start.mid", "music play start.mid"}));
}

TEST(TitleScreen, LegendLinesScrollThroughTheBandAndFade) {
    Session s;
    ASSERT_EQ(s.Run("wait " + std::to_string(kLitAt) + "\n"), 0);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Line(i).top, 536 + 32 * i) << i;
        EXPECT_EQ(Line(i).caption, kLegend[i]) << i;
    }
    EXPECT_EQ(ScreenVar(Title(), "NextLine"), 6);

    auto ticks = [&s](int n) { return s.Run("wait " + std::to_string(200 * n) + "\n"); };
    ASSERT_EQ(ticks(1), 0);
    EXPECT_EQ(Line(0).top, 532);
    EXPECT_EQ(Line(0).fore, Grey(64));
    ASSERT_EQ(ticks(3), 0);
    EXPECT_EQ(Line(0).top, 520);
    EXPECT_EQ(Line(0).fore, Grey(224));
    ASSERT_EQ(ticks(1), 0);
    EXPECT_EQ(Line(0).fore, Grey(255));
    ASSERT_EQ(ticks(43), 0);
    EXPECT_EQ(Line(0).top, 344);
    EXPECT_EQ(Line(0).fore, Grey(224));
    ASSERT_EQ(ticks(4), 0);
    EXPECT_EQ(Line(0).top, 328);
    EXPECT_EQ(Line(0).caption, kLegend[0]);

    // Tick 53: back to the bottom, black, with the next legend entry.
    ASSERT_EQ(ticks(1), 0);
    EXPECT_EQ(Line(0).top, 548);
    EXPECT_EQ(Line(0).fore, colors::kBlack);
    EXPECT_EQ(Line(0).caption, kLegend[7]);
    EXPECT_EQ(ScreenVar(Title(), "NextLine"), 7);
}

TEST(TitleScreen, LegendGoesOnWithItsFirstProseLineAfterTheLastEntry) {
    Session s;
    ASSERT_EQ(s.Run("wait " + std::to_string(kLitAt) + "\n"), 0);
    std::vector<int> handedOut;
    for (int tick = 0; tick < 310; ++tick) {
        int before = ScreenVar(Title(), "NextLine");
        ASSERT_EQ(s.Run("wait 200\n"), 0);
        int after = ScreenVar(Title(), "NextLine");
        if (after != before) handedOut.push_back(after);
        // The last line starts at 728, below the band; once in, no line ever leaves it.
        for (int i = 0; i < 7; ++i) {
            ASSERT_GE(Line(i).top, 328);
            if (tick >= 45) {
                ASSERT_LT(Line(i).top, 552);
            }
        }
    }
    // Entries 7 to 36, then 1 again: the first prose line (entry 0) shows only once.
    ASSERT_GE(handedOut.size(), 32u);
    for (int k = 0; k < 30; ++k) EXPECT_EQ(handedOut[k], 7 + k) << k;
    EXPECT_EQ(handedOut[30], 1);
    EXPECT_EQ(handedOut[31], 2);
    // Seven lines 32 pixels apart: all tops stay distinct.
    std::vector<int> tops;
    for (int i = 0; i < 7; ++i) tops.push_back(Line(i).top);
    std::sort(tops.begin(), tops.end());
    for (int i = 1; i < 7; ++i) EXPECT_EQ(tops[i] - tops[i - 1], 32);
}

TEST(TitleScreen, LanguageMenuSwitchesCaptionsAtOnceAndResetsOnTheNextLoad) {
    Session s;
    Screen& t = Title();
    EXPECT_EQ(gd.LanguageOffset, 1000);
    EXPECT_NE(t.Find("lang(0)"), nullptr);
    EXPECT_NE(t.Find("lang(1)"), nullptr);
    EXPECT_EQ(t.Find("lang(2)"), nullptr);  // German and Italian are marked unavailable
    EXPECT_EQ(t.C("lang(0)").caption, "&Français");
    EXPECT_EQ(t.C("lang(1)").caption, "&English");
    EXPECT_TRUE(t.C("lang(0)").checked);
    EXPECT_EQ(t.C("MNU_File").caption, "&Fichier");
    EXPECT_EQ(t.C("MNU_New").caption, "&Nouveau jeu...");
    EXPECT_EQ(t.C("MNU_Quit").caption, "&Quitter");
    EXPECT_EQ(t.C("MNU_Help").caption, "?");
    std::string legendBefore = t.C("lblGeneric(0)").caption;

    ASSERT_EQ(s.Run("menu lang(1)\n"), 0);
    EXPECT_EQ(gd.LanguageOffset, 2000);
    EXPECT_EQ(t.C("MNU_File").caption, "&File");
    EXPECT_EQ(t.C("MNU_New").caption, "&New game...");
    EXPECT_EQ(t.C("MNU_Quit").caption, "E&xit");
    EXPECT_EQ(t.C("MNU_Lang").caption, "&Language");
    EXPECT_EQ(t.C("MNU_About").caption, "About...");
    EXPECT_FALSE(t.C("lang(0)").checked);
    EXPECT_TRUE(t.C("lang(1)").checked);
    EXPECT_EQ(t.C("lblGeneric(0)").caption, legendBefore);

    // English set-up, cancelled: the title loads again in French.
    ASSERT_EQ(s.Run("menu MNU_New\ndump\nclick FairePerso.cmdCancel\n"), 0) << s.err();
    EXPECT_NE(s.out().find("\"Player 1\""), std::string::npos);
    Screen& again = Title();
    EXPECT_NE(&again, &t);
    EXPECT_EQ(gd.LanguageOffset, 1000);
    EXPECT_EQ(again.C("MNU_File").caption, "&Fichier");
    EXPECT_TRUE(again.C("lang(0)").checked);
    EXPECT_FALSE(again.C("lang(1)").checked);
    EXPECT_EQ(again.C("Sword").top, -220);  // the animation starts over
}

TEST(TitleScreen, NewGameStopsTheMusicAndClosesTheTitleBeforeTheSetUpOpens) {
    Session s;
    ASSERT_EQ(s.Run("wait " + std::to_string(kLitAt) + "\nmenu MNU_New\nscreen\nclick FairePerso.cmdCancel\nscreen\n"),
              0)
        << s.err();
    EXPECT_EQ(s.out(), "FairePerso\nfrmBegin\n");
    EXPECT_EQ(MusicLog(s.services()),
              (std::vector<std::string>{"music open start.mid", "music play start.mid", "music stop start.mid",
                                        "music close start.mid"}));
}

TEST(TitleScreen, AboutBoxOpensOverTheRunningTitle) {
    Session s;
    Screen& t = Title();
    // The wait runs while the about box is open: the title's animation goes on behind it.
    ASSERT_EQ(s.Run("menu MNU_About\nscreen\nwait 1100\nclick frmAbout.Command1\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmBegin frmAbout\nfrmBegin\n");
    EXPECT_EQ(&Title(), &t);
    EXPECT_EQ(t.C("Sword").top, -200);
}

TEST(TitleScreen, QuitEndsTheProgramAtOnce) {
    Session s;
    EXPECT_EQ(s.Run("menu MNU_Quit\nscreen\n"), 0);
    EXPECT_EQ(s.out(), "");
}

// The "?" menu offers the rules help and the journal (with their keys) before the about box,
// in the language chosen; its entries open the help as F1 does.
TEST(TitleScreen, TheHelpMenuOffersTheRulesAndTheJournalFirst) {
    Session s;
    Screen& t = Title();
    std::vector<std::string> entries;
    for (const Control& c : t.Controls())
        if (c.kind == Kind::Menu && c.parent == "MNU_Help") entries.push_back(c.Key());
    EXPECT_EQ(entries, (std::vector<std::string>{"MNU_AideRegles", "MNU_AideJournal", "MNU_SepAide", "MNU_About"}));
    EXPECT_EQ(t.C("MNU_AideRegles").caption, "&Règles du jeu");
    EXPECT_EQ(t.C("MNU_AideRegles").shortcut, "F1");
    EXPECT_EQ(t.C("MNU_AideJournal").shortcut, "F2");
    ASSERT_EQ(s.Run("menu lang(1)\n"), 0);
    EXPECT_EQ(t.C("MNU_AideRegles").caption, "&Rules of the game");
    EXPECT_EQ(t.C("MNU_AideJournal").caption, "&Journal of the game");
    ASSERT_EQ(s.Run("menu MNU_AideRegles\nscreen\nclose\npress F1\nscreen\nclose\nscreen\n"), 0) << s.err();
    EXPECT_NE(s.out().find("frmBegin frmAide\nfrmBegin frmAide\nfrmBegin\n"), std::string::npos) << s.out();
}
