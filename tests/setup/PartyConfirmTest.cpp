#include <gtest/gtest.h>

#include "SetUpSupport.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/Messages.h"
#include "state/Text.h"

namespace {

// The record of character c was built for this player, class and character name, with the
// class template (possibly changed) as its tail.
void ExpectRecord(int c, int player, const std::string& playerName, int classNumber, const std::string& name,
                  const std::string& tail) {
    SCOPED_TRACE("character " + std::to_string(c));
    EXPECT_EQ(rec::PlayerNumber(c), player);
    EXPECT_EQ(rec::ReadName(c, rec::Name::Player), playerName);
    EXPECT_EQ(rec::ClassNumber(c), classNumber);
    EXPECT_EQ(rec::ReadName(c, rec::Name::Character), name);
    EXPECT_EQ(ToUtf8(gd.CharacterRecords[c].substr(rec::kMoveDice - 1)), tail);
}

// The default character name of a class as a record holds it: its first ten characters.
std::string FirstName(int n) { return ToUtf8(FromUtf8(classes::DefaultName(n)).substr(0, 10)); }

}  // namespace

TEST(PartyConfirm, TwoFullPartiesMakeRecordsOneToTwelve) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n"), 0) << s.err();
    EXPECT_EQ(gd.PlayerCount, 2);
    EXPECT_EQ(Ui::Get().Find("FairePerso"), nullptr);
    EXPECT_EQ(Ui::Get().Find("frmBegin"), nullptr);
    for (int k = 1; k <= 6; ++k) {
        ExpectRecord(k, 1, "Ann", k, FirstName(k), classes::Template(k));
        ExpectRecord(6 + k, 2, "Bob", 6 + k, FirstName(6 + k), classes::Template(6 + k));
    }
    EXPECT_TRUE(gd.CharacterRecords[13].empty());
}

TEST(PartyConfirm, FourPlayersFillSixteenSlotsInPlayerOrder) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"A\" 16,15,14,13 \"B\" 12,11,10,9 \"C\" 8,7,6,5 \"D\" 4,3,2,1\n"), 0) << s.err();
    EXPECT_EQ(gd.PlayerCount, 4);
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= 4; ++k) {
            int c = (p - 1) * 4 + k, n = 17 - c;
            ExpectRecord(c, p, std::string(1, static_cast<char>('A' + p - 1)), n, FirstName(n), classes::Template(n));
        }
}

TEST(PartyConfirm, IncompleteOrOversizedPartiesAreRefusedWithAMessage) {
    Session s(false);
    OpenSetUp();
    ASSERT_EQ(s.Run(Pick({1, 2, 3, 4, 5, 6}) + "tab EnsTab 1\n" + Pick({7, 8, 9, 10, 11}) +
                    "click cmdOK\nscreen\ndump\nclick MsgBox.OK\nscreen\n"),
              0)
        << s.err();
    const std::string out = s.out();
    EXPECT_EQ(out.substr(0, out.find('\n')), "FairePerso MsgBox");
    EXPECT_NE(out.find(Msg(42)), std::string::npos);
    EXPECT_EQ(MsgId(1042), Msg(42));
    EXPECT_EQ(out.substr(out.rfind('\n', out.size() - 2) + 1), "FairePerso\n");
    EXPECT_EQ(gd.PlayerCount, 0);
    EXPECT_TRUE(gd.CharacterRecords[1].empty());

    // Three players with six, five and five characters: one too many for the first.
    s.ClearOutput();
    ASSERT_EQ(s.Run("click Command1\ntab EnsTab 2\n" + Pick({12, 13, 14, 15, 16}) +
                    "click cmdOK\nscreen\nclick MsgBox.OK\n"),
              0)
        << s.err();
    EXPECT_EQ(s.out(), "FairePerso MsgBox\n");
    EXPECT_EQ(gd.PlayerCount, 0);

    // Taking one character out of the first party makes all three complete.
    ASSERT_EQ(s.Run("tab EnsTab 0\nclick FrPerso(6)\nclick retirer\nclick cmdOK\n"), 0) << s.err();
    EXPECT_EQ(gd.PlayerCount, 3);
    ExpectRecord(5, 1, "", 5, "Goldwin", classes::Template(5));
    ExpectRecord(6, 2, "", 7, "Tordrack", classes::Template(7));
    ExpectRecord(15, 3, "", 16, "Tarik", classes::Template(16));
}

TEST(PartyConfirm, NamesAreCutToTenCharactersWithoutBreakingTheRecord) {
    Session s(false);
    OpenSetUp();
    const std::string dragons = "🐉🐉🐉🐉🐉🐉🐉🐉🐉🐉🐉🐉";
    ASSERT_EQ(s.Run("key ReponseDuNom \"Abcdefghijk\"\n" + Pick({1, 2, 3, 4, 5, 6}) +
                    "click PrenomPerso(1)\nkey ChangerNom(1) \"" + dragons + "\"\nenter ChangerNom(1)\n"
                    "click PrenomPerso(2)\nkey ChangerNom(2) \"Éléonore-Amélie\"\nenter ChangerNom(2)\n"
                    "click PrenomPerso(3)\nkey ChangerNom(3) \"\"\nenter ChangerNom(3)\n"
                    "tab EnsTab 1\nkey ReponseDuNom \"Zoé 👑\"\n" +
                    Pick({7, 8, 9, 10, 11, 12}) + "click cmdOK\n"),
              0)
        << s.err();
    ASSERT_EQ(gd.PlayerCount, 2);
    ExpectRecord(1, 1, "Abcdefghij", 1, "🐉🐉🐉🐉🐉🐉🐉🐉🐉🐉", classes::Template(1));
    ExpectRecord(2, 1, "Abcdefghij", 2, "Éléonore-A", classes::Template(2));
    ExpectRecord(3, 1, "Abcdefghij", 3, "Yvain", classes::Template(3));
    ExpectRecord(7, 2, "Zoé 👑", 7, "Tordrack", classes::Template(7));
    ExpectRecord(9, 2, "Zoé 👑", 9, "Letrom", classes::Template(9));
    // Every field stays in its place whatever the names: gold, life and items read back.
    for (int c = 1; c <= 12; ++c) {
        EXPECT_EQ(gd.CharacterRecords[c].size(), classes::Template(rec::ClassNumber(c)).size() + 24) << c;
        EXPECT_EQ(rec::Life(c), 6) << c;
    }
    EXPECT_EQ(rec::Gold(1), 2000);
    EXPECT_EQ(rec::ItemCount(2), 5);
    EXPECT_EQ(rec::ReadName(5, rec::Name::Character), "Goldwin");
    EXPECT_EQ(rec::ReadName(6, rec::Name::Character), "Tildria");
}

TEST(PartyConfirm, TheMagicianShortcutReachesTheRecord) {
    Session s(false);
    OpenSetUp();
    ASSERT_EQ(s.Run(Pick({1, 2, 3, 4, 5, 8}) + "click Image1(6) 5 5 1 3\ntab EnsTab 1\n" +
                    Pick({7, 9, 10, 11, 12, 13}) + "click cmdOK\n"),
              0)
        << s.err();
    ASSERT_EQ(gd.PlayerCount, 2);
    ASSERT_EQ(rec::ClassNumber(6), 8);
    EXPECT_EQ(ToUtf8(rec::ReadText(6, 30, 3)), "999");
    EXPECT_EQ(ToUtf8(rec::ReadText(1, 30, 3)), "658");
    EXPECT_EQ(ToUtf8(rec::ReadText(8, 30, 3)), "389");  // Nécromancien untouched
}

TEST(PartyConfirm, CancelGoesBackToTheTitleAndWritesNothing) {
    Session s;
    gd.PlayerCount = 0;
    ASSERT_EQ(s.Run("menu MNU_New\n" + std::string("key FairePerso.ReponseDuNom \"Ann\"\n") + Pick({1, 2, 3}) +
                    "click FairePerso.cmdCancel\nscreen\n"),
              0)
        << s.err();
    EXPECT_EQ(s.out(), "frmBegin\n");
    EXPECT_EQ(gd.PlayerCount, 0);
    EXPECT_TRUE(gd.CharacterRecords[1].empty());
}
