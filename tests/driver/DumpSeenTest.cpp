// What the dump shows beside the state: the platform's requests, the last pop-up menu's place,
// the windows and the fonts.
#include <gtest/gtest.h>

#include "support/Game.h"

namespace {

// The n-th line a script printed.
std::string Line(const std::string& out, int n) {
    std::istringstream lines(out);
    std::string line;
    for (int k = 0; k <= n; ++k) std::getline(lines, line);
    return line;
}

// The value of the last key of that name in JSON text, as written.
std::string Value(const std::string& json, const std::string& key) {
    size_t at = json.rfind("\"" + key + "\": ") + key.size() + 4, stop = at;
    for (int depth = 0; stop < json.size(); ++stop) {
        if (json[stop] == '[' || json[stop] == '{') ++depth;
        if ((json[stop] == ']' || json[stop] == '}') && --depth <= 0) break;
        if (json[stop] == ',' && depth == 0) break;
    }
    return json.substr(at, stop - at + (json[stop] == ',' ? 0 : 1));
}

std::string Value(const std::string& out, const std::string& key, int n) { return Value(Line(out, n), key); }

const char* const kNewGame = "newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 1,8,9,10,11,12\n";

TEST(DumpSeen, TheTitlesSoundAndMusicAfterItsAnimationAndTheAboutBoxsMail) {
    Session s;
    ASSERT_EQ(s.Run("wait 500\ndump\nwait 2500\ndump\nmenu MNU_About\nclick frmAbout.lblMail\ndump\nclose\n"), 0)
        << s.err();
    EXPECT_EQ(Value(s.out(), "audio", 0), "[]");
    EXPECT_EQ(Value(s.out(), "audio", 1), "[{\"sound\": \"song.wav\", \"flag\": 1}, {\"music\": \"start.mid\", "
                                          "\"command\": \"open\"}, {\"music\": \"start.mid\", \"command\": \"play\"}]");
    EXPECT_EQ(Value(s.out(), "audio", 2), "[]");  // only what came since the previous dump
    EXPECT_EQ(Value(s.out(), "mail", 1), "[]");
    EXPECT_EQ(Value(s.out(), "mail", 2), "[{\"address\": \"quelmor@example.org\", \"subject\": \"Quelmor\"}]");
    EXPECT_EQ(Value(s.out(), "lastPopup", 2), "null");
    // The title, centred on the 800 × 600 desktop.
    EXPECT_EQ(Value(Value(s.out(), "windows", 1), "frmBegin"),
              "{\"width\": 640, \"height\": 480, \"left\": 79, \"top\": 59, \"visible\": true, \"topmost\": false}");
}

TEST(DumpSeen, TheDirectionMenusPlaceTheBoardAndADialogCentredAndAFont) {
    Session s;
    ASSERT_EQ(s.Run(std::string(kNewGame) + "click frmJeu.Perso1(1) 5 6\ndump\nclose\nclick frmJeu.Image2\ndump\nclose\n"),
              0)
        << s.err();
    const Control& icon = s.screen("frmJeu")->C("Perso1", 1);
    const std::string at = "{\"screen\": \"frmJeu\", \"menu\": \"MNU_Dir\", \"x\": " + std::to_string(icon.left + 5) +
                           ", \"y\": " + std::to_string(icon.top + 6) + "}";
    EXPECT_EQ(Value(s.out(), "lastPopup", 0), at);
    EXPECT_EQ(Value(s.out(), "lastPopup", 1), at);  // still the last one once dismissed
    EXPECT_EQ(Value(s.out(), "windows", 1),
              "{\"frmJeu\": {\"width\": 792, \"height\": 570, \"left\": 3, \"top\": 14, \"visible\": true, \"topmost\": "
              "false}, \"Detail\": {\"width\": 238, \"height\": 77, \"left\": 280, \"top\": 261, \"visible\": true, "
              "\"topmost\": false}}");
    EXPECT_EQ(Value(s.out(), "lblNom", 1),
              "{\"family\": \"Times New Roman\", \"size\": 12, \"bold\": true, \"italic\": false, \"underline\": false}");
    EXPECT_EQ(Value(s.out(), "lblClasse", 1),
              "{\"family\": \"Arial\", \"size\": 9.75, \"bold\": false, \"italic\": false, \"underline\": false}");
    EXPECT_EQ(Value(s.out(), "fonts", 1).find("\"Image2\""), std::string::npos);  // a picture writes no text
}

TEST(DumpSeen, AFightsMusicItsBlowsSoundAndThePanelBesideIt) {
    Session s;
    ASSERT_EQ(s.Run(std::string(kNewGame) +
                    "set Zone[1] 1\nset PosX[1] 5\nset PosY[1] 3\nset MovesLeft 1\ncall frmJeu.Carte_Click 1\n"
                    "rnd 0.5\npress frmJeu.Right\ndump\n"  // the title's last requests go with this one
                    "rnd 0.99 0\nclick frmJeu.BattleNow\nclick ChCmb.StepPix(0)\ndump\n"),
              0)
        << s.err();
    EXPECT_EQ(Value(s.out(), "audio", 1), "[{\"music\": \"battle.mid\", \"command\": \"open\"}, {\"music\": "
                                          "\"battle.mid\", \"command\": \"play\"}, {\"sound\": \"cmbsnd1.wav\", \"flag\": 1}]");
    // The fight screen centred, its action panel 3 pixels past its right edge and 40 lower.
    const Screen* combat = s.screen("Combat");
    ASSERT_NE(combat, nullptr);
    const int left = 399 - combat->width / 2, top = 299 - combat->height / 2;
    const std::string windows = Value(s.out(), "windows", 1);
    EXPECT_EQ(Value(windows, "ChCmb"), "{\"width\": 136, \"height\": 175, \"left\": " +
                                              std::to_string(left + combat->width + 3) + ", \"top\": " +
                                              std::to_string(top + 40) + ", \"visible\": true, \"topmost\": true}");
    EXPECT_NE(Value(windows, "frmJeu").find("\"visible\": false"), std::string::npos);
}

}  // namespace
