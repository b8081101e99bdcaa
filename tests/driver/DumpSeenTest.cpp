// What the dump shows beside the state: the platform's requests, the last pop-up menu's place,
// the windows and the fonts.
#include <gtest/gtest.h>

#include "support/Game.h"

namespace {

// The value of one of the dump's last keys, as written (the dump ends with them).
std::string Value(const std::string& dump, const std::string& key) {
    size_t at = dump.rfind("\"" + key + "\": ");
    if (at == std::string::npos) return "<no " + key + ">";
    at += key.size() + 4;
    int depth = 0;
    size_t stop = at;
    for (; stop < dump.size(); ++stop) {
        char ch = dump[stop];
        if (ch == '"') {
            for (++stop; stop < dump.size() && dump[stop] != '"'; ++stop)
                if (dump[stop] == '\\') ++stop;
        } else if (ch == '[' || ch == '{') {
            ++depth;
        } else if (ch == ']' || ch == '}') {
            if (depth == 0) break;
            if (--depth == 0) { ++stop; break; }
        } else if (ch == ',' && depth == 0) {
            break;
        }
    }
    return dump.substr(at, stop - at);
}

// The dumps a script printed, one a line.
std::vector<std::string> Dumps(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] == '{') lines.push_back(line);
    return lines;
}

const char* const kNewGame = "newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 1,8,9,10,11,12\n";

TEST(DumpSeen, TheTitlesSoundAndMusicOnceEachAfterItsAnimation) {
    Session s;
    ASSERT_EQ(s.Run("wait 500\ndump\nwait 2500\ndump\ndump\n"), 0) << s.err();
    auto d = Dumps(s.out());
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(Value(d[0], "audio"), "[]");
    EXPECT_EQ(Value(d[1], "audio"), "[{\"sound\": \"song.wav\", \"flag\": 1}, {\"music\": \"start.mid\", \"command\": "
                                    "\"open\"}, {\"music\": \"start.mid\", \"command\": \"play\"}]");
    EXPECT_EQ(Value(d[2], "audio"), "[]");  // only what came since the previous dump
    EXPECT_EQ(Value(d[1], "mail"), "[]");
    EXPECT_EQ(Value(d[1], "lastPopup"), "null");
    // The title, centred on the 800 × 600 desktop.
    EXPECT_EQ(Value(d[1], "windows"),
              "{\"frmBegin\": {\"width\": 640, \"height\": 480, \"left\": 79, \"top\": 59, \"visible\": true, "
              "\"topmost\": false}}");
}

TEST(DumpSeen, TheAboutBoxsMailLink) {
    Session s;
    ASSERT_EQ(s.Run("menu frmBegin.MNU_About\nclick frmAbout.lblMail\ndump\nclose\n"), 0) << s.err();
    EXPECT_EQ(Value(s.out(), "mail"), "[{\"address\": \"quelmor@example.org\", \"subject\": \"Quelmor\"}]");
}

TEST(DumpSeen, TheDirectionMenuOpensAtThePointerOnTheIcon) {
    Session s;
    ASSERT_EQ(s.Run(std::string(kNewGame) + "click frmJeu.Perso1(1) 5 6\ndump\nclose\ndump\n"), 0) << s.err();
    const Control& icon = s.screen("frmJeu")->C("Perso1", 1);
    const std::string at = "{\"screen\": \"frmJeu\", \"menu\": \"MNU_Dir\", \"x\": " + std::to_string(icon.left + 5) +
                           ", \"y\": " + std::to_string(icon.top + 6) + "}";
    auto d = Dumps(s.out());
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(Value(d[0], "lastPopup"), at);
    EXPECT_EQ(Value(d[1], "lastPopup"), at);  // still the last one once dismissed
}

TEST(DumpSeen, TheBoardAndADialogCentredWithTheirFonts) {
    Session s;
    ASSERT_EQ(s.Run(std::string(kNewGame) + "click frmJeu.Image2\ndump\nclose\n"), 0) << s.err();
    const std::string windows = Value(s.out(), "windows");
    EXPECT_NE(windows.find("\"frmJeu\": {\"width\": 792, \"height\": 570, \"left\": 3, \"top\": 14,"), std::string::npos)
        << windows;
    EXPECT_NE(windows.find("\"Detail\": {\"width\": 238, \"height\": 77, \"left\": 280, \"top\": 261,"), std::string::npos)
        << windows;
    const std::string fonts = Value(s.out(), "fonts");
    EXPECT_NE(fonts.find("\"lblNom\": {\"family\": \"Times New Roman\", \"size\": 12, \"bold\": true, \"italic\": false, "
                         "\"underline\": false}"),
              std::string::npos);
    EXPECT_NE(fonts.find("\"lblClasse\": {\"family\": \"Arial\", \"size\": 9.75, \"bold\": false,"), std::string::npos);
    EXPECT_EQ(fonts.find("\"Image2\""), std::string::npos);  // a picture writes no text
}

TEST(DumpSeen, AFightsMusicItsBlowsSoundAndThePanelBesideIt) {
    Session s;
    ASSERT_EQ(s.Run(std::string(kNewGame) +
                    "set Zone[1] 1\nset PosX[1] 5\nset PosY[1] 3\nset MovesLeft 1\ncall frmJeu.Carte_Click 1\n"
                    "rnd 0.5\npress frmJeu.Right\ndump\n"  // the title's last requests go with this one
                    "rnd 0.99 0\nclick frmJeu.BattleNow\n"
                    "click ChCmb.StepPix(0)\ndump\n"),
              0)
        << s.err();
    auto d = Dumps(s.out());
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(Value(d[1], "audio"), "[{\"music\": \"battle.mid\", \"command\": \"open\"}, {\"music\": \"battle.mid\", "
                                    "\"command\": \"play\"}, {\"sound\": \"cmbsnd1.wav\", \"flag\": 1}]");
    // The fight screen centred, its action panel 3 pixels past its right edge and 40 lower.
    const Screen* combat = s.screen("Combat");
    ASSERT_NE(combat, nullptr);
    const int left = 399 - combat->width / 2, top = 299 - combat->height / 2;
    const std::string windows = Value(d[1], "windows");
    EXPECT_NE(windows.find("\"frmJeu\": {\"width\": 792, \"height\": 570, \"left\": 3, \"top\": 14, \"visible\": false"),
              std::string::npos)
        << windows;
    EXPECT_NE(windows.find("\"ChCmb\": {\"width\": 136, \"height\": 175, \"left\": " +
                           std::to_string(left + combat->width + 3) + ", \"top\": " + std::to_string(top + 40) +
                           ", \"visible\": true, \"topmost\": true}"),
              std::string::npos)
        << windows;
}

}  // namespace
