// The resources screen, the mine dialog and the town mine on the road.
#include <gtest/gtest.h>

#include "board/Events.h"
#include "board/EventsGame.h"
#include "items/Mine.h"
#include "items/Resource.h"
#include "state/Messages.h"
#include "ui/Ui.h"

using namespace events_test;

namespace {

Screen& Open(std::unique_ptr<Screen> screen) { return Ui::Get().Show(std::move(screen)); }

}  // namespace

TEST(ResourceScreen, ListsTheShownCharactersStocksTopToBottom) {
    PartyState();
    gd.Resources[1] = "99999999999999";
    gd.Resources[4] = "01020304050607";
    gd.ShownCharacter = 4;  // another character's panel is shown
    Screen& s = Open(MakeResourceScreen());
    EXPECT_EQ(s.caption, Msg(87));
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(s.C("LaUn", r - 1).caption, std::to_string(r));
        if (r > 1) {
            EXPECT_GT(s.C("LaUn", r - 1).top, s.C("LaUn", r - 2).top);
        }
    }
    EXPECT_EQ(s.C("Command1").caption, "&OK");
    s.Run("Command1_Click", {});
    EXPECT_TRUE(s.closed);
    EXPECT_EQ(gd.Resources[4], "01020304050607");
}

TEST(ResourceScreen, IconsStandBesideTheirOwnLine) {
    PartyState();
    gd.Resources[1] = "00000000000012";
    Screen& s = Open(MakeResourceScreen());
    EXPECT_EQ(s.C("LaUn", 0).caption, "0");
    EXPECT_EQ(s.C("LaUn", 6).caption, "12");
    // Image1(0..6): Or, Bois, Fer, Mercure, Bronze, Diamant, Argent.
    const int resourceOfIcon[7] = {6, 2, 3, 4, 5, 1, 7};
    for (int i = 0; i < 7; ++i) {
        const Control& icon = s.C("Image1", i);
        const Control& line = s.C("LaUn", resourceOfIcon[i] - 1);
        EXPECT_EQ(icon.tooltip, MsgId(1564 + resourceOfIcon[i])) << i;
        EXPECT_EQ(icon.picture, "res" + std::to_string(resourceOfIcon[i]) + ".gif") << i;
        EXPECT_LT(icon.top, line.top + line.height) << i;
        EXPECT_GT(icon.top + icon.height, line.top) << i;
    }
    gd.LanguageOffset = 2000;
    Screen& english = Open(MakeResourceScreen());
    EXPECT_EQ(english.caption, "Resources");
    EXPECT_EQ(english.C("Image1", 0).tooltip, MsgId(2570));
}

TEST(MineDialog, EachMetalAddsOneToSix) {
    PartyState();
    Act(3);
    Screen& s = Open(MakeMineDialog());
    EXPECT_EQ(s.caption, Msg(572));
    EXPECT_EQ(s.C("Label1").caption, Msg(573));
    const char* tips[] = {"Or", "Fer", "Bronze", "Argent"};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(s.C("Image1", 2 * k).tooltip, tips[k]);
    EXPECT_EQ(s.Find("Image1(1)"), nullptr);
    rnd::QueueOne(0.99);
    s.Run("Image1_Click", EventArgs{4});
    EXPECT_TRUE(s.closed);
    EXPECT_EQ(gd.Resources[3], "00000000060000");  // bronze

    struct Case { int index; double fraction; const char* stocks; };
    const Case cases[] = {{0, 0.0, "00000000060100"}, {2, 0.5, "00000400060100"}, {6, 0.2, "00000400060102"}};
    for (const Case& k : cases) {
        Screen& again = Open(MakeMineDialog());
        rnd::QueueOne(k.fraction);
        again.Run("Image1_Click", EventArgs{k.index});
        EXPECT_TRUE(again.closed);
        EXPECT_EQ(gd.Resources[3], k.stocks);
    }
}

TEST(MineDialog, KeepsStocksAtNinetyNine) {
    PartyState();
    gd.Resources[1] = "00000000000097";
    Screen& s = Open(MakeMineDialog());
    rnd::QueueOne(0.7);  // 5
    s.Run("Image1_Click", EventArgs{6});
    EXPECT_EQ(gd.Resources[1], "00000000000099");
}

TEST(TownMine, TwiceOnTheSameCell) {
    BoardGame game;
    REQUIRE_BOARD(game);
    // The town cell (14, 8) is a road whose column and row make 22; a step up from (14, 9)
    // with the last point ends there.
    for (int round = 0; round < 2; ++round) {
        game.Stand(1, 3, 14, 9, 1);
        // The second round picks the metal by its key (2: the second of the four).
        game.Run(round == 0 ? "rnd 0.99\nmenu frmJeu.MNU_Up\nscreen\nclick ALaMinaNoVoy.Image1(2)\n"
                            : "rnd 0.99\nmenu frmJeu.MNU_Up\nscreen\npress 2\n");
        EXPECT_EQ(gd.PosY[1], 8);
        EXPECT_TRUE(gd.EndTurnAvailable);
        EXPECT_EQ(game.session().screen("ALaMinaNoVoy"), nullptr);
    }
    EXPECT_NE(game.session().out().find("frmJeu ALaMinaNoVoy"), std::string::npos);
    EXPECT_EQ(rec::Resource(1, 3), 12);
}

TEST(ResourceScreen, OpenedFromThePanelOfAnotherCharacter) {
    BoardGame game;
    REQUIRE_BOARD(game);
    gd.Resources[2] = "05000000000000";
    gd.Resources[1] = "00000000000000";
    game.Run("click frmJeu.Perso1(2)\nclick frmJeu.Image15\ndump\nclick Resource.Command1\n");
    EXPECT_EQ(gd.ShownCharacter, 2);
    const std::string out = game.session().out();
    EXPECT_NE(out.find("\"LaUn(0)\": {\"caption\": \"5\""), std::string::npos) << out.substr(0, 300);
    EXPECT_EQ(game.session().screen("Resource"), nullptr);
}
