// The rules random play checks must catch the faults they are about, and hold for a game
// that was just set up.
#include <gtest/gtest.h>

#include <thread>

#include "driver/Invariants.h"
#include "driver/Watchdog.h"
#include "state/CharacterRecord.h"
#include "state/Text.h"
#include "support/Game.h"

namespace {

const char* const kNewGame = "newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n";

// A fresh two-player game on the board, the rules learnt.
struct Board : ::testing::Test {
    void SetUp() override {
        ResetInvariants();
        ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
        ASSERT_EQ(CheckInvariants(), "");
    }
    void TearDown() override { ResetInvariants(); }
    // The first broken rule after a change of the state.
    std::string After(const std::function<void()>& change) {
        change();
        return CheckInvariants();
    }
    Session s;
};

bool Says(const std::string& broken, const std::string& what) { return broken.find(what) != std::string::npos; }

}  // namespace

TEST_F(Board, RecordLayoutAndFields) {
    std::u32string good = gd.CharacterRecords[3];
    EXPECT_TRUE(Says(After([] { gd.CharacterRecords[3] += U"0"; }), "41 + 4n"));
    gd.CharacterRecords[3] = good;
    // Gold written with six digits pushes every later field one place on.
    EXPECT_TRUE(Says(After([&] { gd.CharacterRecords[3] = good.substr(0, 33) + U"1" + good.substr(33) + U"000"; }),
                     "character 3"));
    gd.CharacterRecords[3] = good;
    EXPECT_TRUE(Says(After([&] { gd.CharacterRecords[3][good.size() - 3] = U'x'; }), "digits"));
    gd.CharacterRecords[3] = good;
    EXPECT_TRUE(Says(After([&] { gd.CharacterRecords[3][good.size() - 1] = U'2'; }), "night"));
    gd.CharacterRecords[3] = good;
    EXPECT_TRUE(Says(After([&] { gd.CharacterRecords[3][1] = U'2'; }), "owner"));
    gd.CharacterRecords[3] = good;
    EXPECT_TRUE(Says(After([&] { gd.CharacterRecords[3][20] = U'\x01'; }), "control character"));
    gd.CharacterRecords[3] = good;
    EXPECT_EQ(CheckInvariants(), "");
}

TEST_F(Board, FieldsWrittenOnlyAtCreationStayPut) {
    // Gold, experience, items and life may change; the names, the class digits and the flags not.
    rec::WriteGold(2, 1234);
    rec::WriteExperience(2, 77);
    rec::AddItemFront(2, 99, 0);
    rec::WriteLife(2, 1);
    EXPECT_EQ(CheckInvariants(), "");
    std::u32string r = gd.CharacterRecords[2];
    gd.CharacterRecords[2][30] = r[30] == U'9' ? U'8' : U'9';  // the defence digit
    EXPECT_TRUE(Says(CheckInvariants(), "written only at creation"));
    gd.CharacterRecords[2] = r;
    gd.CharacterRecords[2][16] = U'Z';  // the character's name
    EXPECT_TRUE(Says(CheckInvariants(), "written only at creation"));
    gd.CharacterRecords[2] = r;
    EXPECT_EQ(CheckInvariants(), "");
}

TEST_F(Board, ArraysAndPositions) {
    EXPECT_TRUE(Says(After([] { gd.Resources[5] = "0000000000009"; }), "14 digits"));
    gd.Resources[5] = "00000000000000";
    EXPECT_TRUE(Says(After([] { gd.Status[5] = 9; }), "unknown status"));
    gd.Status[5] = 0;
    EXPECT_TRUE(Says(After([] { gd.MagicPoints[5] = -2; }), "negative magic"));
    gd.MagicPoints[5] = 10;
    int x = gd.PosX[5], y = gd.PosY[5], z = gd.Zone[5];
    EXPECT_TRUE(Says(After([] { gd.PosX[5] = 21; gd.PosY[5] = 9; }), "off the grid"));
    // The landings of a zone change are allowed, and only where the exits put a character.
    gd.Zone[5] = 1;
    gd.PosX[5] = 3;
    gd.PosY[5] = 16;
    EXPECT_EQ(CheckInvariants(), "");
    gd.Zone[5] = 2;
    EXPECT_TRUE(Says(CheckInvariants(), "off the grid"));
    gd.Zone[5] = z;
    gd.PosX[5] = x;
    gd.PosY[5] = y;
    EXPECT_TRUE(Says(After([] { gd.DoorState[2] = 3; }), "door state"));
    gd.DoorState[2] = 0;
    EXPECT_TRUE(Says(After([] { gd.CurrentCharacter = 13; }), "not in play"));
    gd.CurrentCharacter = 1;
    EXPECT_EQ(CheckInvariants(), "");
}

TEST_F(Board, ScreensThatOutliveTheirRules) {
    // A dialog shown without waiting for it is a dialog nobody will close.
    Screen& orphan = Ui::Get().Show(std::make_unique<Screen>("Detail", 100, 100));
    EXPECT_TRUE(Says(CheckInvariants(), "waited for"));
    Ui::Get().Close(orphan);
    EXPECT_EQ(CheckInvariants(), "");
    Ui::Get().Find("frmJeu")->visible = false;
    EXPECT_TRUE(Says(CheckInvariants(), "hidden with no fight"));
    Ui::Get().Find("frmJeu")->visible = true;
    gd.CombatMode = 2;
    EXPECT_TRUE(Says(CheckInvariants(), "outlives"));
    gd.CombatMode = 0;
    Ui::Get().Show(std::make_unique<Screen>("frmBegin", 10, 10));
    EXPECT_TRUE(Says(CheckInvariants(), "open together"));
}

TEST(Watchdog, AbortsWithTheSeedAndTheActionThatHangs) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            Watchdog w(4242, 1);
            w.Begin(17, "click frmJeu.EndTurn");
            std::this_thread::sleep_for(std::chrono::seconds(5));
        },
        "seed 4242, action 17 \\(click frmJeu.EndTurn\\)");
    // Actions that each return in time are left alone, however long the run.
    EXPECT_EXIT(
        {
            Watchdog quiet(1, 1);
            for (int i = 1; i <= 5; ++i) {
                quiet.Begin(i, "wait 100");
                std::this_thread::sleep_for(std::chrono::milliseconds(400));
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
