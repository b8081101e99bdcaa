// Walking on the map: places, roads, zone exits, obstacles, the temple and the tower door.
#include <gtest/gtest.h>

#include "board/Board.h"
#include "board/BoardSupport.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Status.h"

namespace {

// The Guerrier (character 1) starts on the inn of the plain, (3, 3).
std::vector<Party> GuerrierFirst() { return {{"Ann", {7, 2, 3, 8, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 13}}}; }

// Puts character 1 on a cell with some movement points.
void Put(Session& s, int zone, int x, int y, int moves) {
    ASSERT_EQ(s.Run("set Zone[1] " + std::to_string(zone) + "\nset PosX[1] " + std::to_string(x) + "\nset PosY[1] " +
                    std::to_string(y) + "\nset MovesLeft " + std::to_string(moves) + "\n"),
              0)
        << s.err();
}

void Play(Session& s, const std::string& script) { ASSERT_EQ(s.Run(script), 0) << s.err(); }

// A click in the middle of a cell of the big map.
std::string ClickCell(int column, int row) {
    return "click frmJeu.Image1 " + std::to_string((column - 1) * 32 + 16) + " " + std::to_string((row - 1) * 32 + 16) +
           "\n";
}

void ExpectAt(int zone, int x, int y) {
    EXPECT_EQ(gd.Zone[1], zone);
    EXPECT_EQ(gd.PosX[1], x);
    EXPECT_EQ(gd.PosY[1], y);
}

TEST(Movement, LeavingAPlaceTakesTwoCellsForOnePoint) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 3, 3, 4);
    Play(s, "menu MNU_Right\n");
    ExpectAt(1, 5, 3);
    EXPECT_EQ(gd.MovesLeft, 3);
    EXPECT_EQ(board.C("lblMvt").caption, " 3");
    EXPECT_EQ(board.C("Perso1", 1).left, 4 * 32);
    EXPECT_EQ(board.C("Perso1", 1).top, 2 * 32);
    EXPECT_FALSE(gd.EndTurnAvailable) << "movement is left";
}

TEST(Movement, EnteringAPlaceTakesEveryPointLeft) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 5, 3, 3);
    Play(s, "menu MNU_Left\n");
    ExpectAt(1, 3, 3);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_EQ(board.C("lblMvt").caption, " 0");
    EXPECT_TRUE(gd.EndTurnAvailable) << "the place's event ends the turn";
}

TEST(Movement, TheRoadsDecideWhereOneStepGoes) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    Put(s, 1, 5, 3, 3);
    Play(s, "menu MNU_Up\nmenu MNU_Down\n");
    ExpectAt(1, 5, 3);
    EXPECT_EQ(gd.MovesLeft, 3) << "no road above or below";
    Play(s, "menu MNU_Right\nmenu MNU_Right\n");
    ExpectAt(1, 7, 3);
    EXPECT_EQ(gd.MovesLeft, 1);
    Put(s, 1, 7, 3, 0);
    Play(s, "menu MNU_Right\n");
    ExpectAt(1, 7, 3);
}

TEST(Movement, TheSouthExitOfThePlainLeadsIntoTheTown) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 3, 15, 2);
    Play(s, "menu MNU_Down\n");
    ExpectAt(3, 3, 1);
    EXPECT_EQ(gd.MovesLeft, 1);
    EXPECT_EQ(board.C("Image1").picture, "table3.bmp");
    Play(s, "dump\n");
    // Player 1's marker leaves the edge of the plain for the top of the town.
    EXPECT_NE(DumpedField(s.out(), "frmJeu", "Carte(3)", "drawing").find("[\"fill\", 7, -1, 9, 1, [255, 0, 0]]"),
              std::string::npos);
    EXPECT_EQ(DumpedField(s.out(), "frmJeu", "Carte(1)", "drawing").find("[\"fill\", 7, 54, 9, 56, [255, 0, 0]]"),
              std::string::npos);
    EXPECT_NE(s.out().find("\"DisplayedZone\": 3"), std::string::npos);
    EXPECT_TRUE(board.C("Perso1", 1).visible);
    EXPECT_FALSE(board.C("Perso1", 7).visible) << "the Amazone stays in the plain";
}

TEST(Movement, WithoutPointsTheExitLeavesTheCharacterAtTheEdge) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 3, 15, 0);
    Play(s, "menu MNU_Down\n");
    ExpectAt(3, 3, 0);
    EXPECT_EQ(board.C("Image1").picture, "table3.bmp");
    Play(s, "menu MNU_Down\n");
    ExpectAt(3, 3, 0);
    Play(s, "set MovesLeft 2\nmenu MNU_Down\n");
    ExpectAt(3, 3, 1);
    EXPECT_EQ(gd.MovesLeft, 1);
}

TEST(Movement, EveryExitLeadsToItsNeighbour) {
    struct Case { int zone, x, y; const char* command; int toZone, toX, toY; };
    for (Case c : {Case{3, 3, 1, "MNU_Up", 1, 3, 15}, Case{3, 20, 13, "MNU_Right", 4, 1, 13},
                   Case{4, 18, 1, "MNU_Up", 2, 18, 15}, Case{2, 18, 15, "MNU_Down", 4, 18, 1},
                   Case{2, 1, 3, "MNU_Left", 1, 20, 3}, Case{1, 20, 3, "MNU_Right", 2, 1, 3},
                   Case{4, 1, 13, "MNU_Left", 3, 20, 13}}) {
        Session s(false);
        StartBoardAlways(GuerrierFirst());
        Put(s, c.zone, c.x, c.y, 3);
        Play(s, std::string("menu ") + c.command + "\n");
        ExpectAt(c.toZone, c.toX, c.toY);
        EXPECT_EQ(gd.MovesLeft, 2) << c.command << " from zone " << c.zone;
    }
}

TEST(Movement, ObstaclesBlockOnlyInTheirOwnZone) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 5, 3, 3);
    Play(s, "set BlockX[4] 6\nset BlockY[4] 3\nset BlockZone[4] 2\nmenu MNU_Right\n");
    ExpectAt(1, 6, 3);
    Play(s, "set BlockX[1] 7\nset BlockY[1] 3\nset BlockZone[1] 1\nmenu MNU_Right\n");
    ExpectAt(1, 6, 3);
    EXPECT_EQ(gd.MovesLeft, 2) << "a blocked step costs nothing";
    Play(s, "call EndTurn_Click\nset CurrentCharacter 12\ncall EndTurn_Click\n");
    EXPECT_TRUE(board.C("Bloc", 1).visible) << "the obstacle is shown in the plain";
    EXPECT_EQ(board.C("Bloc", 1).left, 6 * 32);
    EXPECT_FALSE(board.C("Bloc", 4).visible) << "the mountain's obstacle is not";
}

TEST(Movement, TheTempleRefusesTheBlackKnight) {
    for (int cls : {2, 1}) {
        Session s(false);
        StartBoardAlways({{"Ann", {cls, 3, 7, 8, 9, 16}}, {"Bob", {cls == 2 ? 1 : 2, 5, 6, 10, 11, 13}}});
        Put(s, 4, 9, 9, 3);
        Play(s, "menu MNU_Right\n");
        if (cls == 2) {
            ExpectAt(4, 9, 9);
            EXPECT_EQ(gd.MovesLeft, 3);
        } else {
            ExpectAt(4, 11, 9);
            EXPECT_EQ(gd.MovesLeft, 0);
        }
    }
}

TEST(MapClicks, OnlyStraightClicksOneOrTwoCellsAwayMove) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    Put(s, 1, 6, 3, 3);
    Play(s, ClickCell(9, 3) + ClickCell(3, 3) + ClickCell(7, 4) + ClickCell(5, 2));
    ExpectAt(1, 6, 3);
    EXPECT_EQ(gd.MovesLeft, 3);
    Play(s, ClickCell(8, 3));
    ExpectAt(1, 7, 3);  // two cells away, but the road allows one step
    EXPECT_EQ(gd.MovesLeft, 2);
    Play(s, ClickCell(6, 3));
    ExpectAt(1, 6, 3);
}

TEST(MapClicks, TheFreeMoverGainsAPointOnEveryClick) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    Put(s, 1, 6, 3, 1);
    Play(s, "set FreeMoveCharacter 1\n" + ClickCell(10, 10));
    EXPECT_EQ(gd.MovesLeft, 2) << "even a click that moves nothing";
    Play(s, ClickCell(7, 3));
    ExpectAt(1, 7, 3);
    EXPECT_EQ(gd.MovesLeft, 2);
}

TEST(MapClicks, ClicksOnAnotherDisplayedZoneMoveNothing) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 6, 3, 3);
    Play(s, "click frmJeu.Carte(3)\n");
    EXPECT_EQ(board.C("Image1").picture, "table3.bmp");
    EXPECT_FALSE(board.C("Perso1", 1).visible);
    EXPECT_TRUE(board.C("Perso1", 2).visible) << "the Cavalier Noir lives in the town";
    Play(s, "dump\n");
    EXPECT_NE(s.out().find("\"DisplayedZone\": 3"), std::string::npos);
    EXPECT_NE(DumpedField(s.out(), "frmJeu", "Carte(3)", "drawing").find("[239, 117, 200]"), std::string::npos);
    EXPECT_EQ(DumpedField(s.out(), "frmJeu", "Carte(1)", "drawing").find("[239, 117, 200]"), std::string::npos);
    Play(s, ClickCell(7, 3));
    ExpectAt(1, 6, 3);
    Play(s, "menu MNU_Right\n");
    ExpectAt(1, 7, 3);  // the direction commands still work
}

// The thumbnails are drawn from their marks: one dot per character standing in the zone, the
// frame on the zone shown, and the same drawing when drawn again.
TEST(MapClicks, TheThumbnailsAreDrawnFromTheirMarks) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    Put(s, 1, 6, 3, 3);
    Play(s, "click frmJeu.Carte(3)\nclick frmJeu.Carte(1)\nmenu MNU_Right\ncall EndTurn_Click\ncall EndTurn_Click\n");
    frmJeu& board = *Jeu();
    EXPECT_TRUE(ThumbnailFramed(gb.DisplayedZone));
    for (int k = 1; k <= 4; ++k) {
        const std::vector<DrawOp>& drawing = board.C("Carte", k).drawOps;
        size_t dots = 0;
        for (int c = 1; c <= CharacterCount(); ++c) dots += gd.Zone[c] == k && gd.Status[c] != status::kPrison && gd.Status[c] != status::kDead;
        EXPECT_EQ(drawing.size(), dots + (ThumbnailFramed(k) ? 2 : 0)) << k;
        // Drawn again from its marks, the thumbnail is the same drawing.
        const std::vector<DrawOp> before = drawing;
        board.DrawThumbnail(k);
        const std::vector<DrawOp>& after = board.C("Carte", k).drawOps;
        ASSERT_EQ(after.size(), before.size()) << k;
        for (size_t n = 0; n < after.size(); ++n)
            EXPECT_TRUE(after[n].type == before[n].type && after[n].x1 == before[n].x1 && after[n].y1 == before[n].y1 &&
                        after[n].x2 == before[n].x2 && after[n].y2 == before[n].y2 && after[n].color == before[n].color)
                << k << " " << n;
    }
}

TEST(MapClicks, AnObstacleGoesWhereTheMapIsClicked) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 6, 3, 0);
    Play(s, "set PendingSpell 4\n" + ClickCell(9, 8));
    EXPECT_EQ(gd.PendingSpell, 0);
    Play(s, "dump\n");
    EXPECT_NE(s.out().find("\"BlockX\": [0, 9,"), std::string::npos);
    EXPECT_NE(s.out().find("\"BlockY\": [0, 8,"), std::string::npos);
    EXPECT_NE(s.out().find("\"BlockZone\": [0, 1,"), std::string::npos);
    EXPECT_TRUE(board.C("Bloc", 1).visible);
    EXPECT_EQ(board.C("Bloc", 1).top, 7 * 32);
    EXPECT_TRUE(gd.EndTurnAvailable) << "no movement left and no fight pending";
    ExpectAt(1, 6, 3);
}

TEST(MapClicks, AFlightLandsAnywhereOnTheDisplayedZone) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 6, 3, 3);
    Play(s, "click frmJeu.Carte(2)\nset PendingSpell 10\n" + ClickCell(12, 14));
    ExpectAt(2, 12, 14);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_EQ(gd.Status[1], 7) << "the flyer loses its next turn";
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_FALSE(gd.CapacityAvailable);
    EXPECT_TRUE(board.C("Perso1", 1).visible);
    EXPECT_EQ(board.C("Perso1", 1).left, 11 * 32);
}

TEST(TowerDoor, WithoutTheKeysAMessageBoxStopsTheCharacterOnTheDoor) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    Put(s, 3, 19, 12, 3);
    Play(s, "menu MNU_Up\nmenu MNU_Up\ndump\nclick MsgBox.OK\n");
    EXPECT_NE(s.out().find("Il vous manque les cl"), std::string::npos);
    ExpectAt(3, 19, 10);
    EXPECT_EQ(gd.MovesLeft, 1);
    EXPECT_FALSE(gd.EndTurnAvailable);
}

TEST(TowerDoor, WithExactlyThreeKeysADialogSendsTheCharacterBack) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    rec::AddItemBack(1, 99, 0);
    rec::AddItemBack(1, 97, 0);
    rec::AddItemBack(1, 96, 0);
    Put(s, 3, 19, 11, 3);
    Play(s, "menu MNU_Up\ndump\nclick TowerDoor.Reculer\n");
    EXPECT_EQ(DumpedField(s.out(), "TowerDoor", "Entrer", "enabled"), "false");
    EXPECT_EQ(DumpedField(s.out(), "TowerDoor", "Reculer", "enabled"), "true");
    ExpectAt(3, 19, 11);
    EXPECT_EQ(gd.MovesLeft, 2) << "the step is not given back";
    EXPECT_EQ(Ui::Get().Find("TowerDoor"), nullptr);
}

TEST(TowerDoor, AClickAboveAClosedDoorDoesNothing) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    Put(s, 3, 19, 10, 3);
    Play(s, "set DoorState[1] 4\n" + ClickCell(19, 9));
    ExpectAt(3, 19, 10);
    EXPECT_EQ(gd.MovesLeft, 3);
    EXPECT_EQ(gd.EnemyNumber, 0);
}

TEST(TowerDoor, AClickAboveAnOpenedDoorLeadsToTheFloorAndItsGuardian) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    Put(s, 3, 19, 10, 3);
    gd.TowerFloor[1] = 2;
    Play(s, "set DoorState[1] 5\nclick frmJeu.Carte(3)\n" + ClickCell(19, 9) + "screen\ndump\nclose\n");
    EXPECT_NE(s.out().find("frmJeu Combat"), std::string::npos) << "the floor screen opens over the board";
    EXPECT_NE(s.out().find("\"CombatMode\": 4"), std::string::npos);
    EXPECT_EQ(gd.CombatMode, 0);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_EQ(gd.EnemyNumber, 17);
    EXPECT_EQ(gd.EnemyAttack, 43);
    EXPECT_EQ(gd.EnemyAgility, 22);
    EXPECT_TRUE(FightPending());
    ExpectAt(3, 19, 10);
}

TEST(DirectionMenu, TheCurrentCharactersIconOpensItAtThePointer) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    Put(s, 1, 6, 3, 3);
    Play(s, "call EndTurn_Click\nset CurrentCharacter 12\ncall EndTurn_Click\nset MovesLeft 3\n");
    ASSERT_EQ(gd.CurrentCharacter, 1);
    Play(s, "click frmJeu.Perso1(1) 4 5\ndump\nmenu MNU_Right\n");
    EXPECT_NE(s.out().find("\"popup\": {\"screen\": \"frmJeu\", \"menu\": \"MNU_Dir\""), std::string::npos);
    EXPECT_NE(s.out().find("\"caption\": \"Droite\""), std::string::npos);
    ExpectAt(1, 7, 3);
    EXPECT_EQ(gd.ShownCharacter, 1);
    EXPECT_EQ(board.C("lblMvt").caption, " 2");
}

}  // namespace
