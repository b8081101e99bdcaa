// Every turn can be ended: whatever spent the character's last step or walled it in, the end
// of the turn becomes available, and what waited for a target lapses with the turn.
#include <gtest/gtest.h>

#include "board/Board.h"
#include "board/BoardSupport.h"
#include "rules/MapTables.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Random.h"

namespace {

// Ann's first character is the Sorcier (a targeted spell), Bob's the Fée (flight).
std::vector<Party> Parties() { return {{"Ann", {13, 2, 3, 8, 9, 16}}, {"Bob", {6, 5, 1, 10, 11, 7}}}; }

void Play(Session& s, const std::string& script) { ASSERT_EQ(s.Run(script), 0) << s.err(); }

void Stand(Session& s, int c, int zone, int x, int y, int moves) {
    Play(s, "set Zone[" + std::to_string(c) + "] " + std::to_string(zone) + "\nset PosX[" + std::to_string(c) + "] " +
                std::to_string(x) + "\nset PosY[" + std::to_string(c) + "] " + std::to_string(y) + "\nset MovesLeft " +
                std::to_string(moves) + "\ncall frmJeu.Carte_Click " + std::to_string(zone) + "\n");
}

bool EndTurnLit(Screen& board) { return gd.EndTurnAvailable && board.C("EndTurn").enabled; }

TEST(TurnEndable, TheLastPointSpentOnTheTowerDoorLetsTheTurnEnd) {
    Session s(false);
    Screen& board = StartBoardAlways(Parties());
    Stand(s, 1, 3, 19, 11, 1);
    Play(s, "menu MNU_Up\nclick MsgBox.OK\n");
    EXPECT_EQ(gd.PosY[1], 10);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_TRUE(EndTurnLit(board)) << "missing keys, no movement left";

    // With the three keys the door's dialog sends the character back: the same.
    Play(s, "call frmJeu.EndTurn_Click\n");
    for (int item : {99, 97, 96}) rec::AddItemBack(gd.CurrentCharacter, item, 0);
    Stand(s, gd.CurrentCharacter, 3, 19, 11, 1);
    EXPECT_FALSE(EndTurnLit(board));
    Play(s, "menu MNU_Up\nclick TowerDoor.Reculer\n");
    EXPECT_EQ(gd.PosY[gd.CurrentCharacter], 11);
    EXPECT_TRUE(EndTurnLit(board));
}

TEST(TurnEndable, StepsThatLeaveMovementStillHoldTheTurn) {
    Session s(false);
    Screen& board = StartBoardAlways(Parties());
    Stand(s, 1, 3, 19, 12, 3);
    Play(s, "menu MNU_Up\n");
    EXPECT_EQ(gd.MovesLeft, 2);
    EXPECT_FALSE(EndTurnLit(board));
}

// The road cells around (x, y) of a zone, and a character walled in there by obstacles.
void WallIn(int zone, int x, int y) {
    int slot = 1;
    for (auto [dx, dy] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}})
        if (map::IsRoadCell(zone, x + dx, y + dy)) {
            gb.BlockZone[slot] = zone;
            gb.BlockX[slot] = x + dx;
            gb.BlockY[slot] = y + dy;
            ++slot;
        }
}

TEST(TurnEndable, ACharacterWalledInByObstaclesMayEndItsTurn) {
    Session s(false);
    StartBoardAlways(Parties());
    frmJeu& board = *Jeu();
    const int next = 7;  // Bob's first character plays after Ann's first
    // A plain road cell with roads on both sides (no place, no exit near).
    Stand(s, 1, 1, 3, 3, 4);
    gd.Zone[next] = 1;
    gd.PosX[next] = 6;
    gd.PosY[next] = 3;
    ASSERT_TRUE(map::IsRoadCell(1, 6, 3));
    WallIn(1, 6, 3);
    rnd::QueueOne(0.5);
    Play(s, "set EndTurnAvailable 1\ncall frmJeu.EndTurn_Click\n");
    ASSERT_EQ(gd.CurrentCharacter, next);
    ASSERT_GT(gd.MovesLeft, 0);
    EXPECT_FALSE(CanStepAnywhere());
    EXPECT_TRUE(EndTurnLit(board)) << "movement left, but nowhere to go";
}

TEST(TurnEndable, AFlightNotTakenLapsesWithTheTurn) {
    Session s(false);
    Screen& board = StartBoardAlways(Parties());
    Play(s, "set EndTurnAvailable 1\ncall frmJeu.EndTurn_Click\n");
    ASSERT_EQ(gd.CurrentCharacter, 7);  // the Fée
    const int zone = gd.Zone[7], x = gd.PosX[7], y = gd.PosY[7];
    Play(s, "set EndTurnAvailable 1\nclick frmJeu.Capacity\n");
    ASSERT_EQ(gd.PendingSpell, 10);
    Play(s, "call frmJeu.EndTurn_Click\n");
    EXPECT_EQ(gd.PendingSpell, 0);
    ASSERT_NE(gd.CurrentCharacter, 7);
    // The next player's first click on the map flies nobody.
    Play(s, "click frmJeu.Image1 600 400\n");
    EXPECT_EQ(gd.Zone[7], zone);
    EXPECT_EQ(gd.PosX[7], x);
    EXPECT_EQ(gd.PosY[7], y);
    EXPECT_EQ(gd.Status[7], 0);
    EXPECT_FALSE(EndTurnLit(board)) << "the next character has its own movement";
}

TEST(TurnEndable, ASpellGivenUpWithoutMovementLetsTheTurnEnd) {
    Session s(false);
    Screen& board = StartBoardAlways(Parties());
    ASSERT_EQ(rec::ClassNumber(1), 13);
    Play(s, "set MovesLeft 0\nclick frmJeu.Magic\nclick frmMagic.lblMagic(2)\n");
    ASSERT_EQ(gd.PendingSpell, 2);
    EXPECT_FALSE(EndTurnLit(board)) << "the target is awaited";
    // Magic again drops the target; leaving the dialog without a spell leaves nothing to do.
    Play(s, "click frmJeu.Magic\nclose\n");
    EXPECT_EQ(gd.PendingSpell, 0);
    EXPECT_TRUE(EndTurnLit(board));
}

TEST(TurnEndable, WithAFightPendingOnlyTheFightButtonLetsTheTurnEnd) {
    Session s(false);
    Screen& board = StartBoardAlways(Parties());
    OfferFight();
    Play(s, "set MovesLeft 0\nset EndTurnAvailable 0\nclick frmJeu.Magic\nclick frmMagic.lblMagic(2)\n");
    ASSERT_EQ(gd.PendingSpell, 2);
    Play(s, "click frmJeu.Perso1(1)\n");
    EXPECT_EQ(gd.PendingSpell, 0);
    EXPECT_FALSE(EndTurnLit(board)) << "the fight comes first";
}

TEST(TurnEndable, AnArrowThatKillsLetsTheShooterEndItsTurn) {
    Session s(false);
    Screen& board = StartBoardAlways({{"Ann", {1, 2, 3, 8, 9, 16}}, {"Bob", {5, 6, 13, 10, 11, 7}}});
    Stand(s, 1, 1, 10, 10, 3);
    rec::ClearItems(1);
    rec::AppendItemsText(1, U"0305");
    gd.Zone[7] = 1;
    gd.PosX[7] = 10;
    gd.PosY[7] = 9;
    rec::WriteLife(7, 1);
    Play(s, "set CapacityAvailable 1\nrnd 0.99\ncall frmJeu.Capacity_Click\n");
    ASSERT_EQ(gd.Status[7], 6);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_TRUE(EndTurnLit(board));
}

// The step query agrees with the four direction commands, everywhere on the roads away from
// the places and the tower door (their events open dialogs), obstacles included.
TEST(TurnEndable, TheStepQueryAgreesWithTheDirectionCommands) {
    Session s(false);
    StartBoardAlways(Parties());
    static const char* const kMenus[] = {"MNU_Up", "MNU_Down", "MNU_Left", "MNU_Right"};
    static const int kDx[] = {0, 0, -1, 1}, kDy[] = {-1, 1, 0, 0};
    int checked = 0, blocked = 0;
    for (int zone = 1; zone <= 4; ++zone)
        for (int x = 1; x <= map::kColumns; ++x)
            for (int y = 1; y <= map::kRows; ++y) {
                if (!map::IsRoadCell(zone, x, y)) continue;
                bool nearPlace = false;
                for (int ax = -2; ax <= 2; ++ax)
                    for (int ay = -2; ay <= 2; ++ay)
                        if (map::PlaceAt(zone, x + ax, y + ay) != map::Place::None) nearPlace = true;
                if (nearPlace || (zone == map::Town && x == 19 && y >= 10 && y <= 12)) continue;
                for (int d = 0; d < 4; ++d) {
                    for (int i = 1; i <= 16; ++i) gb.BlockZone[i] = 0;
                    if ((x + y + d) % 3 == 0) {  // now and then an obstacle on the way
                        gb.BlockZone[1] = zone;
                        gb.BlockX[1] = x + kDx[d];
                        gb.BlockY[1] = y + kDy[d];
                    }
                    gd.Zone[1] = zone;
                    gd.PosX[1] = x;
                    gd.PosY[1] = y;
                    gd.MovesLeft = 3;
                    const bool expected = CanStep(kDx[d], kDy[d]);
                    Play(s, std::string("menu ") + kMenus[d] + "\n");
                    const bool moved = gd.MovesLeft != 3;
                    EXPECT_EQ(expected, moved) << "zone " << zone << " cell " << x << "," << y << " " << kMenus[d];
                    ++checked;
                    blocked += !moved;
                }
            }
    EXPECT_GT(checked, 400);
    EXPECT_GT(blocked, 100);
}

}  // namespace
