// The capacity button on the board: seduction, the graveyard, flight, theft and archery, and
// the completion of a theft.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "board/Board.h"
#include "board/Encounter.h"
#include "items/Capacities.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "state/Text.h"
#include "support/Game.h"
#include "ui/Navigation.h"

namespace {

// Two players: Ann's party is characters 1-6, Bob's 7-12.
class CapacityTest : public ::testing::Test {
protected:
    void Start(const std::vector<int>& ann, const std::vector<int>& bob) {
        session = std::make_unique<Session>(false);
        gd.PlayerCount = 2;
        for (int k = 0; k < 6; ++k) {
            gd.CharacterRecords[k + 1] = rec::Make(1, "Ann", ann[k], "A" + std::to_string(k + 1), classes::Template(ann[k]));
            gd.CharacterRecords[k + 7] = rec::Make(2, "Bob", bob[k], "B" + std::to_string(k + 7), classes::Template(bob[k]));
        }
        OpenBoard();
        ASSERT_NE(Board(), nullptr);
    }
    // Character c acts now, standing on a cell.
    void Play(int c, int zone, int x, int y) {
        gd.CurrentCharacter = gd.ShownCharacter = c;
        Put(c, zone, x, y);
    }
    void Put(int c, int zone, int x, int y) {
        gd.Zone[c] = zone;
        gd.PosX[c] = x;
        gd.PosY[c] = static_cast<int16_t>(y);
    }
    void Items(int c, const std::string& entries) {
        rec::ClearItems(c);
        rec::AppendItemsText(c, FromUtf8(entries));
    }
    std::string ItemsOf(int c) { return ToUtf8(rec::ItemsText(c)); }
    // Presses the capacity button (after the lines before it) and runs what follows inside
    // any dialog it opens.
    void Press(const std::string& before = "", const std::string& after = "") {
        gd.CapacityAvailable = true;
        int status = session->Run(before + "call Capacity_Click\n" + after);
        EXPECT_EQ(status, 0) << session->err();
    }
    Screen& board() { return *Board(); }
    std::unique_ptr<Session> session;
};

// Ann: Amazone, Nécromancien, Fée, Voleur, Magicien, Chevalier.
// Bob: Elfe, Guerrier, Cavalier Noir, Nain, Orc, Sorcier.
const std::vector<int> kAnn = {1, 9, 6, 16, 8, 3};
const std::vector<int> kBob = {5, 7, 2, 11, 12, 13};

TEST_F(CapacityTest, AnAmazonWithNothingToDoKeepsHerCapacity) {
    Start(kAnn, kBob);
    Play(1, 1, 10, 10);
    Items(1, "10072003");  // no arrows
    Put(7, 1, 11, 10);     // someone in reach
    SetInformations("");
    std::string record = ToUtf8(gd.CharacterRecords[1]);
    Press();
    EXPECT_TRUE(gd.CapacityAvailable);
    EXPECT_EQ(Informations(), "");
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[1]), record);
    EXPECT_EQ(gd.PendingSpell, 0);
}

TEST_F(CapacityTest, ASuccessfulSeductionCallsTheFightOff) {
    Start(kAnn, kBob);
    Play(1, 1, 10, 10);
    Items(1, "10072003");
    MeetMonster(5, 16, 16, 6);
    ASSERT_TRUE(FightPending());
    Press("rnd 0.5\n");  // a 4
    EXPECT_EQ(Informations(), Msg(111) + EnemyName(5) + Msg(112));
    EXPECT_FALSE(FightPending());
    EXPECT_EQ(rec::Experience(1), 3);
    EXPECT_FALSE(gd.CapacityAvailable);
}

TEST_F(CapacityTest, AFailedSeductionKeepsTheFightAndTheArrowsStillFly) {
    Start(kAnn, kBob);
    Play(1, 1, 10, 10);
    Items(1, "03051007");
    Put(8, 1, 10, 12);  // two rows below: in reach
    MeetMonster(6, 18, 18, 8);
    Press("rnd 0.4 0.99\n");  // a 3 for the seduction, a 6 for the arrow
    EXPECT_TRUE(FightPending());
    EXPECT_EQ(rec::Experience(1), 0);
    EXPECT_EQ(Informations(), Msg(108));
    EXPECT_EQ(rec::Life(8), 5);
    EXPECT_EQ(ItemsOf(1), "03041007");
    EXPECT_FALSE(gd.CapacityAvailable);
}

TEST_F(CapacityTest, TheNecromancerAtLifeOneRaisesAFriendAndDies) {
    Start(kAnn, kBob);
    Play(2, 1, 3, 12);
    rec::WriteLife(2, 1);
    RefreshPanel(2);
    gd.Status[5] = 6;
    Press("", "click PersoMort(0)\n");
    EXPECT_EQ(gd.Status[5], 0);
    EXPECT_EQ(rec::Life(5), 1);
    EXPECT_EQ(Informations(), "Résurrection accomplie!");
    EXPECT_EQ(rec::Life(2), 0);
    EXPECT_EQ(gd.Status[2], 6);
    EXPECT_FALSE(board().C("Perso1", 2).visible);
    EXPECT_EQ(board().C("lblLife").caption, " 0");  // the panel shows the price paid
}

TEST_F(CapacityTest, TheNecromancerPaysALifePointEvenWhenNobodyIsDead) {
    Start(kAnn, kBob);
    Play(2, 1, 3, 12);
    RefreshPanel(2);
    ASSERT_EQ(board().C("lblLife").caption, " 6");
    Press();
    EXPECT_EQ(Informations(), "Personne ne peut être ressuciter.");
    EXPECT_EQ(rec::Life(2), 5);
    EXPECT_EQ(board().C("lblLife").caption, " 5");  // at once, not at the next refresh
    EXPECT_EQ(gd.Status[2], 0);
    EXPECT_TRUE(gd.CapacityAvailable);  // raising the dead does not spend the capacity
}

TEST_F(CapacityTest, FlightWaitsForTheDestination) {
    Start(kAnn, kBob);
    Play(3, 4, 14, 3);
    Press();
    EXPECT_EQ(Informations(), "Voler jusqu'où?");
    EXPECT_EQ(gd.PendingSpell, 10);
}

TEST_F(CapacityTest, TheThiefRobsTheFirstCharacterOnItsCell) {
    Start(kAnn, kBob);
    Play(4, 3, 9, 9);
    Put(9, 3, 9, 9);
    Put(5, 3, 9, 9);
    Put(6, 2, 9, 9);  // same cell of another zone
    Press();
    EXPECT_EQ(Informations(), "Vous volez Magicien");
    EXPECT_EQ(gd.ShownCharacter, 5);
    EXPECT_TRUE(TheftInProgress());
    EXPECT_FALSE(gd.CapacityAvailable);
    EXPECT_EQ(board().C("lblNom").caption, "A5");
}

TEST_F(CapacityTest, TheThievesBookMakesAnyoneAThiefButATheftNeedsAnItem) {
    Start(kAnn, kBob);
    Play(8, 3, 9, 9);  // a Guerrier
    Put(4, 3, 9, 9);
    Items(8, "18078100");
    Press();
    EXPECT_EQ(Informations(), Msg(107) + classes::Name(16));
    EXPECT_EQ(gd.ShownCharacter, 4);

    SetInformations("");
    Play(4, 3, 9, 9);  // the Voleur without any item cannot start a theft
    Items(4, "");
    Put(8, 3, 9, 9);
    Press();
    EXPECT_EQ(Informations(), "");
    EXPECT_EQ(gd.ShownCharacter, 4);
    EXPECT_TRUE(gd.CapacityAvailable);
}

TEST_F(CapacityTest, ATheftTakesOneItemAndEnds) {
    Start(kAnn, kBob);
    Play(4, 3, 9, 9);
    Put(10, 3, 9, 9);
    Items(10, "060825054800");
    Press();
    ASSERT_TRUE(TheftInProgress());
    StealItem("Armure runique");
    EXPECT_EQ(ItemsOf(10), "06084800");
    EXPECT_EQ(ItemsOf(4).substr(0, 4), "2505");
    EXPECT_EQ(gd.ShownCharacter, 4);
    EXPECT_EQ(Informations(), "");
    EXPECT_FALSE(TheftInProgress());
}

TEST_F(CapacityTest, StolenGoldIsCappedAtTheFiveDigitMaximum) {
    Start(kAnn, kBob);
    Play(4, 3, 9, 9);
    Put(10, 3, 9, 9);
    rec::WriteGold(4, 90000);
    rec::WriteGold(10, 20000);
    Press();
    StealGold();
    EXPECT_EQ(ToUtf8(rec::ReadText(4, rec::kGold, 5)), "99999");
    EXPECT_EQ(ToUtf8(rec::ReadText(10, rec::kGold, 5)), "00000");
    EXPECT_EQ(gd.ShownCharacter, 4);
    EXPECT_EQ(Informations(), "");
}

TEST_F(CapacityTest, StolenResourcesAreCappedAtNinetyNine) {
    Start(kAnn, kBob);
    Play(4, 3, 9, 9);
    Put(10, 3, 9, 9);
    gd.Resources[4] = "60010203040506";
    gd.Resources[10] = "70101010101010";
    Press();
    StealResources();
    EXPECT_EQ(gd.Resources[4], "99111213141516");
    EXPECT_EQ(gd.Resources[10], "00000000000000");
    EXPECT_EQ(Informations(), "");
}

TEST_F(CapacityTest, TheLastWhiteArrowShootsOnce) {
    Start(kAnn, kBob);
    Play(1, 1, 10, 10);
    Items(1, "03011007");
    Put(7, 1, 9, 10);
    Put(8, 1, 10, 8);
    Press("rnd 0.99 0.99\n");
    EXPECT_EQ(ItemsOf(1), "1007");
    EXPECT_EQ(rec::Life(7), 5);
    EXPECT_EQ(rec::Life(8), 6);  // no arrow left for the second target
    EXPECT_EQ(Informations(), Msg(108));
}

TEST_F(CapacityTest, FireArrowsShootEveryTargetAndAreNeverUsedUp) {
    Start(kAnn, kBob);
    Play(1, 1, 10, 10);
    Items(1, "7424");
    Put(5, 1, 10, 11);  // a friend is shot as well
    Put(9, 4, 12, 10);  // another zone at a cell in reach
    Put(6, 1, 11, 11);  // diagonal: out of reach
    Press("rnd 0.4 0\n");  // a 3 hits character 5, a 1 misses character 9
    EXPECT_EQ(rec::Life(5), 5);
    EXPECT_EQ(rec::Life(9), 6);
    EXPECT_EQ(rec::Life(6), 6);
    EXPECT_EQ(Informations(), Msg(109));
    EXPECT_EQ(ItemsOf(1), "7424");
    Press("rnd 0.99 0.99\n");
    EXPECT_EQ(rec::Life(5), 4);
    EXPECT_EQ(rec::Life(9), 5);
}

TEST_F(CapacityTest, BronzeArrowsHitOnAFourAndCountDown) {
    Start(kAnn, kBob);
    Play(1, 1, 10, 10);
    Items(1, "0407");
    Put(7, 1, 12, 10);
    Press("rnd 0.5\n");
    EXPECT_EQ(rec::Life(7), 5);
    EXPECT_EQ(ItemsOf(1), "0406");
    Put(7, 1, 13, 10);  // three cells away
    Press();
    EXPECT_EQ(ItemsOf(1), "0406");
}

TEST_F(CapacityTest, AnArrowKillsAtLifeZeroExceptTheBlackKnight) {
    Start(kAnn, kBob);
    Play(1, 1, 10, 10);
    Items(1, "0305");
    gd.MovesLeft = 3;
    Put(9, 1, 10, 9);  // the Cavalier Noir
    rec::WriteLife(9, 1);
    Press("rnd 0.99\n");
    EXPECT_EQ(rec::Life(9), 0);
    EXPECT_EQ(gd.Status[9], 0);
    EXPECT_EQ(gd.MovesLeft, 3);

    Put(9, 3, 1, 1);
    Put(7, 1, 10, 9);  // the Elfe
    rec::WriteLife(7, 1);
    Press("rnd 0.99\n");
    EXPECT_EQ(rec::Life(7), 0);
    EXPECT_EQ(gd.Status[7], 6);
    EXPECT_FALSE(board().C("Perso1", 7).visible);
    EXPECT_EQ(gd.MovesLeft, 0);
}

}  // namespace
