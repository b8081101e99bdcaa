#include <gtest/gtest.h>

#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Text.h"

namespace {

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobalDecl();
        gd.PlayerCount = 2;
    }
    static std::u32string Kayla() { return rec::Make(2, "Anne", 1, "Kayla", classes::Template(1)); }
};

TEST_F(RecordTest, NamesAreRightAlignedAndCutToTenCharacters) {
    gd.CharacterRecords[1] = rec::Make(1, "Al", 7, "Bo", classes::Template(7));
    EXPECT_EQ(ToUtf8(rec::ReadText(1, 3, 10)), "        Al");
    EXPECT_EQ(rec::ReadName(1, rec::Name::Player), "Al");
    gd.CharacterRecords[2] = rec::Make(1, "Abcdefghijkl", 7, "Tordrack", classes::Template(7));
    EXPECT_EQ(rec::ReadName(2, rec::Name::Player), "Abcdefghij");
    EXPECT_EQ(rec::ClassNumber(2), 7);
}

TEST_F(RecordTest, KaylaOfPlayerTwoHasTheDocumentedLayout) {
    gd.CharacterRecords[7] = Kayla();
    const std::u32string& r = gd.CharacterRecords[7];
    ASSERT_EQ(r.size(), 53u);
    EXPECT_EQ(ToUtf8(r.substr(0, 2)), "02");
    EXPECT_EQ(ToUtf8(r.substr(12, 2)), "01");
    EXPECT_EQ(ToUtf8(r.substr(14, 10)), "     Kayla");
    EXPECT_EQ(ToUtf8(r.substr(24)), classes::Template(1));
    EXPECT_EQ(r[50], U'6');  // Life at position 51
    EXPECT_EQ(rec::Life(7), 6);
    EXPECT_TRUE(rec::ActsByDay(7));
    EXPECT_FALSE(rec::ActsByNight(7));
    EXPECT_EQ(rec::ItemCount(7), 3);
}

TEST_F(RecordTest, ItemsAddedAtEitherEndAndRemovedGiveBackTheRecord) {
    gd.CharacterRecords[7] = Kayla();
    const std::u32string before = gd.CharacterRecords[7];
    rec::AddItemFront(7, 99, 0);
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[7].substr(38, 4)), "9900");
    EXPECT_EQ(gd.CharacterRecords[7][54], U'6');  // Life moved to position 55
    rec::RemoveItem(7, rec::FindItem(7, 99));
    EXPECT_EQ(gd.CharacterRecords[7], before);
    rec::AddItemBack(7, 99, 0);
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[7].substr(50, 4)), "9900");
    EXPECT_EQ(rec::ItemAt(7, 2).number, 20);  // the Amazone's last initial item stays before it
    EXPECT_EQ(rec::Life(7), 6);
}

TEST_F(RecordTest, RecordWithoutItems) {
    gd.CharacterRecords[3] = Kayla();
    gd.AttackBonus[3] = 2;
    rec::ClearItems(3);
    EXPECT_EQ(gd.CharacterRecords[3].size(), 41u);
    EXPECT_EQ(rec::ItemCount(3), 0);
    EXPECT_EQ(rec::EffectiveAttack(3), 6 + 2);
    EXPECT_FALSE(rec::HasItem(3, 3));
    rec::RemoveItem(3, 39);  // nothing to remove: the record must not shrink
    EXPECT_EQ(gd.CharacterRecords[3].size(), 41u);
}

TEST_F(RecordTest, EffectiveValuesCountEveryMatchingEntry) {
    gd.CharacterRecords[1] = rec::Make(1, "P", 7, "G", classes::Template(7));  // 18/07, 29/03, 50/00
    EXPECT_EQ(rec::EffectiveAttack(1), 13);
    EXPECT_EQ(rec::EffectiveDefense(1), 8);
    EXPECT_EQ(rec::EffectiveAgility(1), 6);
    rec::AddItemBack(1, 18, 7);  // the same number twice counts twice
    rec::AddItemBack(1, 46, 9);
    rec::AddItemBack(1, 45, 9);  // a talisman adds nothing
    rec::AddItemBack(1, 31, 4);  // a forged sword counts for defence
    EXPECT_EQ(rec::EffectiveAttack(1), 13 + 7 + 9);
    EXPECT_EQ(rec::EffectiveDefense(1), 8 + 4);
}

TEST_F(RecordTest, ExperienceAndGoldKeepTheirWidthAndCapAtTheMaximum) {
    gd.CharacterRecords[1] = Kayla();
    const size_t length = gd.CharacterRecords[1].size();
    rec::WriteExperience(1, 95 + 8);
    EXPECT_EQ(ToUtf8(rec::ReadText(1, 27, 3)), "103");
    rec::WriteExperience(1, 7 + 2);
    EXPECT_EQ(ToUtf8(rec::ReadText(1, 27, 3)), "009");
    rec::WriteGold(1, 250);
    EXPECT_EQ(ToUtf8(rec::ReadText(1, 34, 5)), "00250");
    rec::WriteGold(1, 99999 + 11000);
    EXPECT_EQ(rec::Gold(1), 99999);
    rec::WriteExperience(1, 1200);
    EXPECT_EQ(rec::Experience(1), 999);
    rec::WriteGold(1, -5);
    EXPECT_EQ(rec::Gold(1), 0);
    rec::WriteLife(1, 12);
    EXPECT_EQ(rec::Life(1), 9);
    EXPECT_EQ(gd.CharacterRecords[1].size(), length);
}

TEST_F(RecordTest, NamesCountCharactersNotBytes) {
    gd.CharacterRecords[1] = rec::Make(1, "Réficulàéèêëî", 4, "😀😁😂😃😄😅😆😇😈😉😊", classes::Template(4));
    EXPECT_EQ(gd.CharacterRecords[1].size(), 24u + classes::Template(4).size());
    EXPECT_EQ(rec::ReadName(1, rec::Name::Player), "Réficulàéè");
    EXPECT_EQ(rec::ReadName(1, rec::Name::Character), "😀😁😂😃😄😅😆😇😈😉");
    EXPECT_EQ(rec::ClassNumber(1), 4);
    EXPECT_EQ(rec::Gold(1), 0);
    EXPECT_EQ(rec::Life(1), 6);
    // Leading blanks, control characters and broken UTF-8 never shift a field.
    gd.CharacterRecords[2] = rec::Make(1, "  \t\x01Zo\xff", 4, "", classes::Template(4));
    EXPECT_EQ(gd.CharacterRecords[2].size(), 24u + classes::Template(4).size());
    EXPECT_EQ(rec::ReadName(2, rec::Name::Character), "");
    EXPECT_EQ(rec::ClassNumber(2), 4);
}

TEST_F(RecordTest, OwnerFollowsTheFixedRanges) {
    gd.PlayerCount = 2;
    EXPECT_EQ(rec::Owner(6), 1);
    EXPECT_EQ(rec::Owner(7), 2);
    gd.PlayerCount = 3;
    EXPECT_EQ(rec::Owner(5), 1);
    EXPECT_EQ(rec::Owner(6), 2);
    EXPECT_EQ(rec::Owner(11), 3);
    gd.PlayerCount = 4;
    EXPECT_EQ(rec::Owner(4), 1);
    EXPECT_EQ(rec::Owner(9), 3);
    EXPECT_EQ(rec::Owner(13), 4);
}

TEST_F(RecordTest, ResourcesAreClampedTwoDigitAmounts) {
    gd.Resources[1] = "00000000000000";
    rec::AddResource(1, 4, 95);
    rec::AddResource(1, 4, 6);
    EXPECT_EQ(rec::Resource(1, 4), 99);
    rec::AddResource(1, 2, 3);
    EXPECT_EQ(gd.Resources[1], "00030099000000");
    rec::SetResource(1, 7, -4);
    EXPECT_EQ(rec::Resource(1, 7), 0);
    EXPECT_EQ(gd.Resources[1].size(), 14u);
    gd.Resources[2] = "99999999999999";
    EXPECT_EQ(rec::ResourceMean(2), 99);
    gd.Resources[3] = "01010100000000";  // 3 / 7 = 0.43
    EXPECT_EQ(rec::ResourceMean(3), 0);
    gd.Resources[4] = "05060000000000";  // 11 / 7 = 1.57
    EXPECT_EQ(rec::ResourceMean(4), 2);
}

TEST_F(RecordTest, ReadingNeverFails) {
    gd.CharacterRecords[5].clear();
    EXPECT_EQ(rec::Life(5), 0);
    EXPECT_EQ(rec::Gold(5), 0);
    EXPECT_EQ(rec::ItemCount(5), 0);
    rec::AddItemFront(5, 1, 1);  // an empty slot stays empty rather than becoming garbage
    EXPECT_TRUE(gd.CharacterRecords[5].empty());
    EXPECT_EQ(rec::ReadNumber(99, 1, 2), 0);
}

}  // namespace
