// The board's procedures under the screens: they write the board's values and tell the open
// board what to show, and with no board open they keep to the state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/BoardFight.h"
#include "rules/BoardInformation.h"
#include "rules/BoardMap.h"
#include "rules/BoardTurn.h"
#include "rules/BoardView.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Status.h"

namespace {

// A board that writes down what it is told, one line per call.
class Recorder : public BoardView {
public:
    std::vector<std::string> told;
    void DrawInformations() override { told.push_back("info " + gb.informations); }
    void DrawFightButton(const std::string& picture) override {
        told.push_back(std::string("fight ") + (gb.fightPending ? "on " : "off ") + picture);
    }
    void DrawCharacterIcon(int i) override { told.push_back("icon " + std::to_string(i)); }
    void DrawIconHidden(int i) override { told.push_back("hide " + std::to_string(i)); }
    void DrawObstacle(int i, int z) override { told.push_back("block " + std::to_string(i) + " in " + std::to_string(z)); }
    void DrawThumbnail(int k) override { told.push_back("thumb " + std::to_string(k)); }
    void DrawMovesLeft() override { told.push_back("moves " + std::to_string(gd.MovesLeft)); }
    void DrawBoardShown(bool shown) override { told.push_back(shown ? "shown" : "hidden"); }
    void DrawNotice(const std::string& text, FightNoticeTone) override { told.push_back("notice " + text); }
};

class BoardRules : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobalDecl();
        ResetBoardState();
        JournalClear();
        gd.PlayerCount = 2;  // characters 1-6 of player 1, 7-12 of player 2
        for (int c = 1; c <= CharacterCount(); ++c) {
            const int cls = c == 3 ? classes::kCavalierNoir : classes::kAmazone;
            gd.CharacterRecords[c] = rec::Make(rec::Owner(c), "P", cls, "C" + std::to_string(c), classes::Template(cls));
            gd.Zone[c] = 4;  // out of the way of the thumbnails looked at
            gd.PosX[c] = gd.PosY[c] = 1;
        }
        gd.CurrentCharacter = 1;
    }
    void TearDown() override { SetBoardView(nullptr); }
    void Place(int c, int zone, int column, int row) {
        gd.Zone[c] = zone;
        gd.PosX[c] = column;
        gd.PosY[c] = static_cast<int16_t>(row);
    }
    Recorder board;
};

ThumbnailMark Dot(int c, int player, int column, int row) { return ThumbnailMark{false, c, player, column, row}; }
const ThumbnailMark kFrame{true, 0, 0, 0, 0};

TEST_F(BoardRules, WithNoBoardOpenTheValuesChangeAndNothingIsDrawnOrJournalled) {
    SetInformations("a message");
    OfferFight();
    SetMovesLeft(4);
    EXPECT_EQ(Informations(), "a message");
    EXPECT_TRUE(FightPending());
    EXPECT_EQ(gd.MovesLeft, 4);
    JournalMoment at;
    EXPECT_FALSE(BoardMoment(at));
    EXPECT_TRUE(JournalEntries().empty());
    // The map and its thumbnails are only drawn on a board.
    Place(2, 1, 5, 6);
    ShowCharacterOnMap(2);
    RefreshThumbnails(0);
    PlaceObstacle(2, 1, 5, 7);
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(gb.thumbnails[k].empty()) << k;
    EXPECT_EQ(gb.BlockZone[2], 0);
}

TEST_F(BoardRules, TheOpenBoardIsToldOnceTheValuesAreWritten) {
    SetBoardView(&board);
    gb.HourCounter = 24 + 13;
    SetInformations("hello");
    OfferFight();
    CallOffFight();
    SetMovesLeft(3);
    SetBoardVisible(false);
    ShowFightNotice("won", FightNoticeTone::Victory);
    EXPECT_EQ(board.told, (std::vector<std::string>{"info hello", "fight on combat1.bmp", "fight off ", "moves 3",
                                                    "hidden", "notice won"}));
    EXPECT_FALSE(FightPending());
    // The message joined the journal at the board's hour: day 2, 13 h.
    JournalMoment at;
    ASSERT_TRUE(BoardMoment(at));
    EXPECT_EQ(at.day, 2);
    EXPECT_EQ(at.hour, 13);
    ASSERT_EQ(JournalEntries().size(), 1u);
    EXPECT_EQ(JournalEntries()[0].text, "hello");
}

TEST_F(BoardRules, ThumbnailsMarkEachCharacterOfTheirZoneAndFrameTheZoneShown) {
    SetBoardView(&board);
    Place(2, 1, 5, 6);
    Place(8, 1, 10, 2);
    Place(9, 2, 3, 3);
    Place(4, 1, 7, 7);
    gd.Status[4] = status::kPrison;  // a prisoner leaves no mark
    gb.DisplayedZone = 2;
    RefreshThumbnails(0);
    EXPECT_EQ(gb.thumbnails[1], (std::vector<ThumbnailMark>{Dot(2, 1, 5, 6), Dot(8, 2, 10, 2)}));
    EXPECT_EQ(gb.thumbnails[2], (std::vector<ThumbnailMark>{kFrame, Dot(9, 2, 3, 3)}));
    EXPECT_TRUE(ThumbnailFramed(2));
    EXPECT_FALSE(ThumbnailFramed(1));
    // Framing again keeps one frame, drawn last; another thumbnail keeps its own until redrawn.
    HighlightThumbnail(2);
    EXPECT_EQ(gb.thumbnails[2], (std::vector<ThumbnailMark>{Dot(9, 2, 3, 3), kFrame}));
    gb.DisplayedZone = 1;
    HighlightThumbnail(1);
    EXPECT_TRUE(ThumbnailFramed(1));
    EXPECT_TRUE(ThumbnailFramed(2));
    board.told.clear();
    // Redrawing zone 1 alone frames the zone shown again and leaves zone 2 as it was.
    RefreshThumbnails(1);
    EXPECT_EQ(gb.thumbnails[1], (std::vector<ThumbnailMark>{kFrame, Dot(2, 1, 5, 6), Dot(8, 2, 10, 2)}));
    EXPECT_TRUE(ThumbnailFramed(2));
    EXPECT_EQ(board.told, (std::vector<std::string>{"thumb 1"}));
}

TEST_F(BoardRules, IconsAndObstaclesFollowTheState) {
    SetBoardView(&board);
    gb.DisplayedZone = 1;
    Place(2, 1, 5, 6);
    ShowCharacterOnMap(2);
    gd.Status[5] = status::kDead;
    ShowCharacterOnMap(5);
    PlaceObstacle(2, 1, 5, 7);
    EXPECT_EQ(board.told, (std::vector<std::string>{"icon 2", "thumb 1", "hide 5", "block 2 in 1"}));
    EXPECT_EQ(gb.BlockX[2], 5);
    EXPECT_EQ(gb.BlockY[2], 7);
    EXPECT_EQ(gb.BlockZone[2], 1);
    // The current character shown on the map is the one the panel shows.
    gd.ShownCharacter = 9;
    ShowCharacterOnMap(1);
    EXPECT_EQ(gd.ShownCharacter, 1);
}

TEST_F(BoardRules, DeathEndsTheTurnExceptForTheCavalierNoir) {
    SetBoardView(&board);
    gd.CurrentCharacter = 3;
    gd.MovesLeft = 5;
    DeadlyDead();
    EXPECT_EQ(gd.Status[3], status::kFree);
    EXPECT_TRUE(board.told.empty());
    gd.CurrentCharacter = 2;
    gd.CapacityAvailable = gd.MagicAvailable = true;
    DeadlyDead();
    EXPECT_EQ(gd.Status[2], status::kDead);
    EXPECT_EQ(gd.MovesLeft, 0);
    EXPECT_TRUE(gd.EndTurnAvailable);
    EXPECT_FALSE(gd.CapacityAvailable || gd.MagicAvailable);
    EXPECT_EQ(board.told, (std::vector<std::string>{"hide 2", "moves 0"}));
}

TEST_F(BoardRules, ABowReachesOneOrTwoCellsInAStraightLine) {
    Place(1, 1, 10, 10);
    const struct { int column, row; bool reached; } cases[] = {
        {11, 10, true}, {12, 10, true}, {13, 10, false}, {10, 8, true}, {11, 11, false}, {10, 10, false},
    };
    for (const auto& c : cases) {
        Place(2, 1, c.column, c.row);
        EXPECT_EQ(IsWithinReach(2), c.reached) << c.column << "," << c.row;
    }
    EXPECT_FALSE(IsWithinReach(1)) << "no one shoots at oneself";
}

}  // namespace
