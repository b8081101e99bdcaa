// The rules a game state keeps: a state the game starts from passes, and each way a state can
// be broken (a loaded file's, most often) is caught by the rule that names it.
#include <gtest/gtest.h>

#include <functional>

#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GameLimits.h"
#include "state/GameRules.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Text.h"

namespace {

// Two players of six, as a board leaves them at its start (all at place cells of zone 1).
GlobalDecl TwoPlayers() {
    GlobalDecl g;
    g.PlayerCount = 2;
    g.CurrentCharacter = g.ShownCharacter = 1;
    g.MovesLeft = 7;
    for (int c = 1; c <= 12; ++c) {
        const int player = c <= 6 ? 1 : 2;
        g.CharacterRecords[c] = rec::Make(player, player == 1 ? "Ann" : "Bob", c, "Hero", classes::Template(c));
        g.Resources[c] = "00000000000000";
        g.MagicPoints[c] = 10;
        g.Zone[c] = 1;
        g.PosX[c] = 3;
        g.PosY[c] = 3;
    }
    return g;
}

Rule Broken(const std::function<void(GlobalDecl&, BoardNumbers&)>& change) {
    GlobalDecl g = TwoPlayers();
    BoardNumbers b;
    change(g, b);
    return CheckGameGoesOn(g, b).rule;
}

TEST(GameRules, AStartedGameAndTheStatesPlayReachesPass) {
    EXPECT_EQ(Broken([](GlobalDecl&, BoardNumbers&) {}), Rule::None);
    // What play reaches: a zone change's landing just past the edge, a controlled character,
    // a dead current character whose turn is still to be ended, a floor won behind an open
    // door, an obstacle, the clock on its last day, the limits themselves.
    EXPECT_EQ(Broken([](GlobalDecl& g, BoardNumbers& b) {
                  g.Zone[2] = 4, g.PosX[2] = 0, g.PosY[2] = 13;
                  g.Status[3] = 15, g.Status[0] = 7;
                  g.Status[1] = 6;
                  g.DoorState[2] = 6, g.TowerFloor[2] = 4;
                  b.blockZone[5] = 2, b.blockX[5] = 20, b.blockY[5] = 15;
                  b.hourCounter = limits::kLastHour;
                  g.MagicPoints[4] = limits::kMostMagic, g.AttackBonus[4] = -limits::kMostBonus;
                  g.MovesLeft = limits::kMostMoves;
                  g.FreeMoveCharacter = 12;
              }),
              Rule::None);
}

TEST(GameRules, EachBrokenRuleIsNamed) {
    struct Case {
        Rule rule;
        std::function<void(GlobalDecl&, BoardNumbers&)> change;
    };
    const Case cases[] = {
        {Rule::OffMap, [](GlobalDecl& g, BoardNumbers&) { g.PosX[4] = 21, g.PosY[4] = 16; }},
        {Rule::OffMap, [](GlobalDecl& g, BoardNumbers&) { g.Zone[2] = 1, g.PosX[2] = 0, g.PosY[2] = 13; }},
        {Rule::MovesRange, [](GlobalDecl& g, BoardNumbers&) { g.MovesLeft = -1; }},
        {Rule::MovesRange, [](GlobalDecl& g, BoardNumbers&) { g.MovesLeft = limits::kMostMoves + 1; }},
        {Rule::NegativeMagic, [](GlobalDecl& g, BoardNumbers&) { g.MagicPoints[12] = -3; }},
        {Rule::BonusRange, [](GlobalDecl& g, BoardNumbers&) { g.DefenseBonus[9] = limits::kMostBonus + 1; }},
        {Rule::EnemyRange, [](GlobalDecl& g, BoardNumbers&) { g.EnemyAgility = -1; }},
        {Rule::ClassTwice, [](GlobalDecl& g, BoardNumbers&) {
             g.CharacterRecords[8] = rec::Make(2, "Bob", 2, "Twin", classes::Template(2));
         }},
        {Rule::PlayerFields, [](GlobalDecl& g, BoardNumbers&) {
             g.CharacterRecords[3] = rec::Make(1, "Eve", 3, "Hero", classes::Template(3));
         }},
        // Set-up blanks control characters in names: one in a record comes from elsewhere.
        {Rule::NameControl, [](GlobalDecl& g, BoardNumbers&) { g.CharacterRecords[5][20] = U'\x1b'; }},
        {Rule::RecordOwner, [](GlobalDecl& g, BoardNumbers&) { std::swap(g.CharacterRecords[1], g.CharacterRecords[7]); }},
        {Rule::RecordShape, [](GlobalDecl& g, BoardNumbers&) { g.CharacterRecords[6].back() = U'2'; }},
        {Rule::TooManyItems, [](GlobalDecl& g, BoardNumbers&) {
             std::u32string& r = g.CharacterRecords[6];
             r.insert(38, std::u32string(4 * limits::kMostItems, U'0'));
         }},
        {Rule::StatusCode, [](GlobalDecl& g, BoardNumbers&) { g.Status[2] = 9; }},
        {Rule::ControllerNotInPlay, [](GlobalDecl& g, BoardNumbers&) { g.Status[0] = 13; }},
        {Rule::ControllerNotInPlay, [](GlobalDecl& g, BoardNumbers&) { g.Status[3] = 15, g.Status[0] = 0; }},
        {Rule::CurrentNotInPlay, [](GlobalDecl& g, BoardNumbers&) { g.CurrentCharacter = 13; }},
        {Rule::FreeMoveNotInPlay, [](GlobalDecl& g, BoardNumbers&) { g.FreeMoveCharacter = 14; }},
        {Rule::FloorWithDoorShut, [](GlobalDecl& g, BoardNumbers&) { g.TowerFloor[1] = 2, g.DoorState[1] = 4; }},
        {Rule::DoorStateCode, [](GlobalDecl& g, BoardNumbers&) { g.DoorState[3] = 3; }},
        {Rule::GameOver, [](GlobalDecl& g, BoardNumbers&) {
             for (int p = 1; p <= 4; ++p) g.DoorState[p] = 5, g.TowerFloor[p] = 5;
         }},
        {Rule::ClockRange, [](GlobalDecl&, BoardNumbers& b) { b.hourCounter = limits::kLastHour + 1; }},
        {Rule::ObstacleOffMap, [](GlobalDecl&, BoardNumbers& b) { b.blockZone[3] = 2, b.blockX[3] = 0, b.blockY[3] = 4; }},
        {Rule::ObstacleOffMap, [](GlobalDecl&, BoardNumbers& b) { b.blockX[0] = 5; }},
        {Rule::ObstacleOffMap, [](GlobalDecl&, BoardNumbers& b) { b.blockZone[2] = 5, b.blockX[2] = 5, b.blockY[2] = 5; }},
    };
    for (const Case& c : cases) EXPECT_EQ(static_cast<int>(Broken(c.change)), static_cast<int>(c.rule));
}

TEST(GameRules, TheEndScreenMayShowAWinnerThatNoGameGoesOnFrom) {
    GlobalDecl g = TwoPlayers();
    g.DoorState[1] = 5, g.TowerFloor[1] = 5;
    BoardNumbers b;
    EXPECT_FALSE(CheckGameRules(g, &b));
    EXPECT_EQ(CheckGameGoesOn(g, b).rule, Rule::GameOver);
    EXPECT_EQ(CheckGameGoesOn(g, b).slot, 1);
}

TEST(GameLimits, TheClockStaysOnItsLastDayWhileItsHoursGoRound) {
    int hour = limits::kLastHour - 30;
    for (int k = 0; k < 100; ++k) {
        const int before = hour;
        hour = limits::NextHour(hour);
        EXPECT_EQ((before + 1) % 24, hour % 24);
        EXPECT_LE(hour, limits::kLastHour);
    }
    EXPECT_EQ(hour / 24 + 1, limits::kLastDay);
    EXPECT_EQ(limits::NextHour(13), 14);
}

TEST(GameLimits, GrowingStopsAtTheLimitWithoutOverflow) {
    EXPECT_EQ(limits::Grown(limits::kMostBonus - 1, 4, -limits::kMostBonus, limits::kMostBonus), limits::kMostBonus);
    EXPECT_EQ(limits::Grown(2147483647, 2147483647, 0, limits::kMostMagic), limits::kMostMagic);
    EXPECT_EQ(limits::Grown(3, -5, -limits::kMostBonus, limits::kMostBonus), -2);
}

TEST(GameLimits, AFullItemListTakesNothingMore) {
    ResetGlobalDecl();
    gd.PlayerCount = 2;
    gd.CharacterRecords[1] = rec::Make(1, "Ann", 10, "Mon", classes::Template(10));
    while (rec::ItemCount(1) < limits::kMostItems) rec::AddItemBack(1, 50, 1);
    const std::u32string full = gd.CharacterRecords[1];
    rec::AddItemFront(1, 51, 2);
    rec::AddItemBack(1, 52, 3);
    rec::AppendItemsText(1, U"53015402");
    EXPECT_EQ(gd.CharacterRecords[1], full);
    rec::RemoveItem(1, rec::kItems);
    rec::AppendItemsText(1, U"53015402");   // room for one of the two
    EXPECT_EQ(rec::ItemCount(1), limits::kMostItems);
    EXPECT_EQ(rec::ItemAt(1, limits::kMostItems - 1).number, 53);
}

TEST(GameLimits, AFullJournalForgetsItsOldestMessagesAndKeepsWhatTheLinesShow) {
    JournalClear();
    const JournalMoment at{1, 13, "Al"};
    JournalRecord("on show", at);
    for (int k = 1; k < limits::kMostJournalEntries; ++k) JournalNote("note " + std::to_string(k), at);
    ASSERT_EQ(JournalEntries().size(), static_cast<size_t>(limits::kMostJournalEntries));
    JournalNote("one more", at);
    const size_t kept = static_cast<size_t>(limits::kMostJournalEntries - limits::kJournalEntriesDropped + 1);
    EXPECT_EQ(JournalEntries().size(), kept);
    EXPECT_EQ(JournalEntries().front().text, "note " + std::to_string(limits::kJournalEntriesDropped));
    EXPECT_EQ(JournalEntries().back().text, "one more");
    EXPECT_EQ(JournalSnapshot().informationsShown, -1);   // its entry is gone
    JournalRecord("shown now", at);
    JournalRecord("shown now", at);   // set again: no second entry
    EXPECT_EQ(JournalEntries().size(), kept + 1);
    JournalClear();
}

}  // namespace
