// The board window as it opens: its controls, pictures, captions and the thumbnails.
#include <gtest/gtest.h>

#include "board/BoardSupport.h"
#include "state/Messages.h"

namespace {

struct Box { const char* key; int left, top, width, height; };

TEST(Layout, ThePanelControlsSitWhereThePlayersLookForThem) {
    Session s(false);
    Screen& board = StartBoardAlways({{"Ann", {2, 7, 3, 8, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 13}}});
    EXPECT_EQ(board.width, 792);
    EXPECT_EQ(board.height, 570);
    EXPECT_EQ(board.caption, "Quelmor");
    EXPECT_EQ(board.backColor, colors::kBlack);
    for (Box b : {Box{"Image1", 0, 0, 640, 480}, Box{"Carte(1)", 640, 0, 76, 56}, Box{"Carte(4)", 716, 56, 76, 57},
                  Box{"lblNom", 640, 128, 153, 18}, Box{"lblClasse", 640, 160, 153, 17},
                  Box{"BattleNow", 640, 160, 153, 153}, Box{"Image2", 648, 192, 16, 16},
                  Box{"Image7", 720, 288, 16, 16}, Box{"Capacity", 652, 323, 32, 32}, Box{"SaveLoad", 748, 323, 32, 32},
                  Box{"CadranSoleil", 674, 380, 84, 84}, Box{"TimeIsOnMySide", 664, 460, 105, 17},
                  Box{"Informations", 48, 496, 529, 57}, Box{"Inventaire(2)", 616, 532, 145, 17},
                  Box{"ScrollDn", 768, 544, 10, 6}}) {
        const Control& c = board.C(b.key);
        EXPECT_EQ(c.left, b.left) << b.key;
        EXPECT_EQ(c.top, b.top) << b.key;
        EXPECT_EQ(c.width, b.width) << b.key;
        EXPECT_EQ(c.height, b.height) << b.key;
    }
    EXPECT_EQ(board.C("lblNom").fore, (Rgb{255, 255, 128}));
    EXPECT_EQ(board.C("lblNom").font.family, "Times New Roman");
    EXPECT_TRUE(board.C("lblNom").font.bold);
    EXPECT_EQ(board.C("Informations").fore, colors::kYellow);
    EXPECT_TRUE(board.C("Informations").wordWrap);
    EXPECT_EQ(board.C("lblAtt").fore, colors::kWhite);
    EXPECT_FALSE(board.C("BattleNow").visible);
    EXPECT_FALSE(board.C("BattleNow").enabled);
    EXPECT_EQ(board.C("Line2").fore, colors::kYellow);
    EXPECT_EQ(board.C("Line2").height, 542) << "a line ends at an absolute point";
}

TEST(Layout, ThePicturesAndCaptionsOfTheFirstTurn) {
    Session s(false);
    Screen& board = StartBoardAlways({{"Ann", {2, 7, 3, 8, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 13}}});
    EXPECT_EQ(board.C("Image1").picture, "table3.bmp") << "the Cavalier Noir starts in the town";
    EXPECT_EQ(board.C("CadranSoleil").picture, "soleil1.bmp") << "13 h";
    EXPECT_EQ(board.C("Perso1", 1).picture, "01.ico");
    EXPECT_EQ(board.C("Perso1", 1).left, 15 * 32);
    EXPECT_EQ(board.C("Perso1", 1).top, 12 * 32);
    EXPECT_EQ(board.C("Carte", 2).picture, "carte2.bmp");
    EXPECT_EQ(board.C("Image2").tooltip, "Attaque");
    EXPECT_EQ(board.C("Image7").tooltip, "Argent");
    EXPECT_EQ(board.C("Image15").tooltip, "Ressources");
    EXPECT_EQ(board.C("MNU_Left").caption, "Gauche");
    EXPECT_EQ(board.C("MNU_Up").shortcut, "Up");
    EXPECT_TRUE(board.C("MNU_Dir").popupMenu);
    // The Cavalier Noir has magic, no capacity, and has not acted yet (player 1's colours).
    EXPECT_EQ(board.C("Magic").picture, "bouton5.bmp");
    EXPECT_EQ(board.C("Capacity").picture, "bouton17.bmp");
    EXPECT_EQ(board.C("EndTurn").picture, "bouton25.bmp");
    ASSERT_EQ(s.Run("dump\n"), 0);
    const std::string town = DumpedField(s.out(), "frmJeu", "Carte(3)", "drawing");
    EXPECT_NE(town.find("[\"box\", 0, 0, 75, 56, [239, 117, 200]]"), std::string::npos) << "the town is framed";
    EXPECT_NE(town.find("[\"fill\", 58, 46, 60, 48, [255, 0, 0]]"), std::string::npos) << "character 1 at (16, 13)";
    EXPECT_NE(town.find("[0, 0, 255]]"), std::string::npos) << "Bob's Nain at the forge";
    EXPECT_EQ(DumpedField(s.out(), "frmJeu", "Carte(1)", "drawing").find("239, 117, 200"), std::string::npos);
}

TEST(Layout, EnglishCaptions) {
    Session s(false);
    gd.LanguageOffset = 2000;
    Screen& board = StartBoardAlways({{"Ann", {2, 7, 3, 8, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 13}}});
    EXPECT_EQ(board.C("Image2").tooltip, "Attack");
    EXPECT_EQ(board.C("MNU_Right").caption, "Right");
    EXPECT_EQ(board.C("TimeIsOnMySide").caption, Msg(104) + " 1" + Msg(105) + " 13H");
}

}  // namespace
