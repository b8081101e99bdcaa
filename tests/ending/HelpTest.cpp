// The rules help: its class table against the class data, its two languages, its pages and
// the key that opens it.
#include <gtest/gtest.h>

#include "ending/HelpKeys.h"
#include "ending/HelpTexts.h"
#include "ending/frmAide.h"
#include "state/Classes.h"
#include "state/Text.h"
#include "state/Messages.h"
#include "support/Game.h"
#include "ui/Navigation.h"

namespace {

std::unique_ptr<Screen> HelpIn(int languageOffset) {
    FreshProcess();
    gd.LanguageOffset = languageOffset;
    return MakeFrmAide();
}

int LastPage(Screen& help) { return static_cast<int>(help.C("Sujets").tabs.size()) - 1; }

}  // namespace

TEST(HelpClassTable, EveryRowReadsTheClassTemplate) {
    for (int offset : {1000, 2000}) {
        auto help = HelpIn(offset);
        help->Tab("Sujets", LastPage(*help));
        for (int n = 1; n <= classes::kCount; ++n) {
            const std::string t = classes::Template(n);
            EXPECT_EQ(help->C("lblClasse", n).caption, classes::Name(n)) << n;
            EXPECT_EQ(help->C("lblAttaque", n).caption, std::string(1, t[5])) << n;
            EXPECT_EQ(help->C("lblDefense", n).caption, std::string(1, t[6])) << n;
            EXPECT_EQ(help->C("lblAgilite", n).caption, std::string(1, t[7])) << n;
            const std::string move = help->C("lblMouvement", n).caption;
            EXPECT_EQ(move.substr(0, 4), std::string(1, t[0]) + " D6") << n;
            EXPECT_EQ(move.size() > 4, t[1] != '0') << n;
            if (t[1] != '0') {
                EXPECT_EQ(move.substr(4), std::string(" + ") + t[1]) << n;
            }
            EXPECT_TRUE(help->Shown(help->C("lblClasse", n))) << n;
        }
    }
}

TEST(HelpClassTable, MovementAndHoursAsPlayersReadThem) {
    auto help = HelpIn(1000);
    EXPECT_EQ(help->C("lblMouvement", 9).caption, "1 D6 + 4");    // Nécromancien
    EXPECT_EQ(help->C("lblMouvement", 7).caption, "1 D6");        // Guerrier
    EXPECT_EQ(help->C("lblMouvement", 2).caption, "2 D6 + 2");    // Cavalier Noir
    EXPECT_EQ(help->C("lblAttaque", 10).caption, "0");            // the Monstre does not attack
    for (int n : {4, 12, 14, 15}) EXPECT_EQ(help->C("lblHeures", n).caption, "la nuit") << n;
    for (int n : {1, 5, 6, 10, 11, 13}) EXPECT_EQ(help->C("lblHeures", n).caption, "le jour") << n;
    for (int n : {2, 3, 7, 8, 9, 16}) EXPECT_EQ(help->C("lblHeures", n).caption, "jour et nuit") << n;
    auto english = HelpIn(2000);
    EXPECT_EQ(english->C("lblClasse", 2).caption, "Black Knight");
    EXPECT_EQ(english->C("lblHeures", 15).caption, "by night");
    EXPECT_EQ(english->C("lblHeures", 13).caption, "by day");
    EXPECT_EQ(english->C("lblMouvement", 0).caption, "Movement");
    EXPECT_EQ(help->C("lblMouvement", 0).caption, "Mouvement");
}

TEST(HelpLanguages, FrenchAndEnglishPagesDifferAndNameThingsAsTheGameDoes) {
    auto french = HelpIn(1000);
    std::vector<HelpTopic> fr = HelpTopics();
    auto english = HelpIn(2000);
    std::vector<HelpTopic> en = HelpTopics();
    ASSERT_EQ(fr.size(), en.size());
    ASSERT_GE(fr.size(), 7u);
    std::vector<std::string> frTabs, enTabs;
    for (size_t k = 0; k < fr.size(); ++k) frTabs.push_back(fr[k].tab), enTabs.push_back(en[k].tab);
    EXPECT_NE(frTabs, enTabs);
    EXPECT_EQ(french->caption, "Aide de Quelmor");
    EXPECT_EQ(english->caption, "Quelmor help");
    EXPECT_EQ(french->C("Suivant").caption, "Suivant >");
    EXPECT_EQ(english->C("Suivant").caption, "Next >");
    for (size_t k = 0; k < fr.size(); ++k) {
        EXPECT_NE(fr[k].title, en[k].title) << k;
        const bool table = k + 1 == fr.size();
        EXPECT_EQ(fr[k].body.empty(), table) << k;
        EXPECT_EQ(en[k].body.empty(), table) << k;
        if (!table) {
            EXPECT_NE(fr[k].body, en[k].body) << k;
        }
        // Every reference to the catalogue and to the keys was replaced.
        EXPECT_EQ(fr[k].body.find('{'), std::string::npos) << fr[k].body;
        EXPECT_EQ(en[k].body.find('{'), std::string::npos) << en[k].body;
    }
    // Names come from the catalogue in the language of the page.
    gd.LanguageOffset = 1000;
    EXPECT_NE(fr[2].body.find(MsgId(1399)), std::string::npos);
    EXPECT_NE(fr[4].body.find(MsgId(1547)), std::string::npos);
    EXPECT_NE(en[2].body.find(MsgId(2399)), std::string::npos);
    EXPECT_NE(en[4].body.find(MsgId(2547)), std::string::npos);
    EXPECT_EQ(en[4].body.find(MsgId(1547)), std::string::npos);
    // The first page names the help key; the keyboard page, just before the table, both keys.
    for (const auto* topics : {&fr, &en}) {
        const std::string& keyboard = (*topics)[topics->size() - 2].body;
        EXPECT_NE((*topics)[0].body.find(kHelpKey), std::string::npos);
        EXPECT_NE(keyboard.find(std::string(kHelpKey) + (topics == &fr ? "\u00A0:" : ":")), std::string::npos);
        EXPECT_NE(keyboard.find(std::string(kJournalKey) + (topics == &fr ? "\u00A0:" : ":")), std::string::npos);
    }
}

TEST(HelpPages, NextAndPreviousWalkThePagesAndTheTableShowsOnlyOnItsPage) {
    auto help = HelpIn(1000);
    const int last = LastPage(*help);
    EXPECT_FALSE(help->C("Precedent").enabled);
    EXPECT_TRUE(help->Shown(help->C("lblTexte")));
    EXPECT_FALSE(help->Shown(help->C("lblClasse", 1)));
    EXPECT_EQ(help->C("lblPage").caption, "Page 1 sur " + DigitText(last + 1));
    for (int page = 1; page <= last; ++page) {
        help->Click("Suivant");
        EXPECT_EQ(help->C("Sujets").selectedTab, page);
        EXPECT_EQ(help->C("lblPage").caption, "Page " + DigitText(page + 1) + " sur " + DigitText(last + 1));
    }
    EXPECT_FALSE(help->C("Suivant").enabled);
    help->Click("Suivant");   // disabled: nothing happens
    EXPECT_EQ(help->C("Sujets").selectedTab, last);
    EXPECT_FALSE(help->Shown(help->C("lblTexte")));
    EXPECT_TRUE(help->Shown(help->C("lblHeures", 16)));
    help->PressKey("Left");
    EXPECT_EQ(help->C("Sujets").selectedTab, last - 1);
    EXPECT_EQ(help->C("lblTexte").caption, HelpTopics()[last - 1].body);
    help->Tab("Sujets", 0);
    EXPECT_EQ(help->C("lblTitre").caption, HelpTopics()[0].title);
    EXPECT_FALSE(help->C("Precedent").enabled);
}

TEST(HelpKeys, TheHelpKeyOpensTheHelpModallyAndClosingReturns) {
    Session s;
    Screen* title = s.screen("frmBegin");
    ASSERT_NE(title, nullptr);
    AddHelpKeys(*title, "MNU_Help");   // shown in the title's "?" menu
    EXPECT_EQ(title->C("MNU_AideRegles").parent, "MNU_Help");
    EXPECT_EQ(title->C("MNU_AideRegles").shortcut, "F1");
    EXPECT_EQ(title->C("MNU_AideJournal").shortcut, "F2");
    EXPECT_EQ(title->C("MNU_AideRegles").caption, "&Règles du jeu");
    ASSERT_EQ(s.Run("press F1\nscreen\npress Right\npress Right\npress Left\ndump\npress Return\nscreen\n"), 0)
        << s.err();
    const std::string out = s.out();
    EXPECT_NE(out.find("frmBegin frmAide\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\"HelpPage\": 1"), std::string::npos);
    EXPECT_NE(out.rfind("frmBegin\n"), std::string::npos);
    EXPECT_EQ(s.screen("frmAide"), nullptr);
    // Escape closes it as well.
    ASSERT_EQ(s.Run("press F1\npress Esc\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.screen("frmAide"), nullptr);
}

TEST(HelpKeys, WithoutAMenuTheKeysSitOnAHiddenPopup) {
    FreshProcess();
    gd.LanguageOffset = 2000;
    Screen screen("Test", 100, 100);
    AddHelpKeys(screen);
    EXPECT_TRUE(screen.C("MNU_Aide").popupMenu);
    EXPECT_EQ(screen.C("MNU_AideJournal").parent, "MNU_Aide");
    EXPECT_EQ(screen.C("MNU_AideJournal").caption, "&Journal of the game");
    EXPECT_TRUE(screen.HasHandler("MNU_AideRegles_Click"));
    EXPECT_TRUE(screen.HasHandler("MNU_AideJournal_Click"));
    gd.LanguageOffset = 1000;   // the language changed while the screen is open
    CaptionHelpKeys(screen);
    EXPECT_EQ(screen.C("MNU_AideJournal").caption, "&Journal de la partie");
    EXPECT_EQ(screen.C("MNU_Aide").caption, "Aide");
}
