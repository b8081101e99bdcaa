#include <gtest/gtest.h>

#include <algorithm>

#include "SetUpSupport.h"
#include "state/Messages.h"

namespace {

bool Listed(Screen& s, const std::string& className) {
    const auto& items = s.C("List1").items;
    return std::find(items.begin(), items.end(), className) != items.end();
}

}  // namespace

TEST(PartySlots, OpeningShowsTwoPlayersTheWholeClassListAndNoSlot) {
    Session session(false);
    Screen& s = OpenSetUp();
    EXPECT_EQ(s.caption, "Nouveau jeu");
    EXPECT_EQ(s.C("EnsTab").tabs, (std::vector<std::string>{"Joueur 1", "Joueur 2"}));
    EXPECT_EQ(s.C("EnsTab").tabIcons, (std::vector<std::string>{"tab1.ico", "tab2.ico"}));
    EXPECT_EQ(s.C("Frame1").caption, "Joueur  1");
    EXPECT_EQ(s.C("ajouter").caption, "Ajouter le personnage >>");
    EXPECT_EQ(s.C("cmdCancel").caption, "&Annuler");
    ASSERT_EQ(s.C("List1").items.size(), 16u);
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(s.C("List1").items[n - 1], Msg(59 + n));
    EXPECT_EQ(s.C("quantite").caption, "6 personnages restants");
    for (int k = 1; k <= 6; ++k) EXPECT_FALSE(s.C("FrPerso", k).visible) << k;
    EXPECT_FALSE(s.C("ajouter").enabled);
    EXPECT_FALSE(s.C("retirer").enabled);
}

TEST(PartySlots, AddingACharacterFillsTheFirstFreeSlotFromItsClass) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run("select List1 0\n"), 0);
    EXPECT_TRUE(s.C("ajouter").enabled);
    ASSERT_EQ(session.Run("click ajouter\n"), 0);
    EXPECT_TRUE(s.C("FrPerso(1)").visible);
    EXPECT_EQ(s.C("FrPerso(1)").caption, "Personnage 1");
    EXPECT_EQ(s.C("ClassePerso(1)").caption, "Amazone");
    EXPECT_EQ(s.C("PrenomPerso(1)").caption, "Kayla");
    EXPECT_EQ(s.C("Image1(1)").picture, "1.gif");
    EXPECT_EQ(s.C("LblPw(1)").caption, "Att. : 6");
    EXPECT_EQ(s.C("LblDf(1)").caption, "Def. : 5");
    EXPECT_EQ(s.C("LblAg(1)").caption, "Ag. : 8");
    EXPECT_EQ(s.C("LblMt(1)").caption, "Mvt. : 1 D6");
    EXPECT_FALSE(s.C("ajouter").enabled);
    EXPECT_EQ(s.C("quantite").caption, "5 personnages restants");

    ASSERT_EQ(session.Run(Pick({9, 7})), 0) << session.err();
    EXPECT_EQ(s.C("FrPerso(2)").caption, "Personnage 2");
    EXPECT_EQ(s.C("LblMt(2)").caption, "Mvt. : 1 D6 + 4");
    EXPECT_EQ(s.C("LblMt(3)").caption, "Mvt. : 1 D6");
    EXPECT_EQ(ScreenValue(s, "PartyClasses", 7 + 2), 9);
}

TEST(PartySlots, AClassTakenByOnePlayerIsGoneForAllAndComesBackAtTheEndOfTheList) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run("select List1 0\nclick ajouter\ntab EnsTab 1\n"), 0);
    EXPECT_FALSE(Listed(s, "Amazone"));
    EXPECT_EQ(s.C("List1").items[0], "Cavalier Noir");
    ASSERT_EQ(session.Run("tab EnsTab 0\nclick ClassePerso(1)\n"), 0);
    EXPECT_EQ(s.C("FrPerso(1)").back, colors::kRed);
    EXPECT_TRUE(s.C("retirer").enabled);
    ASSERT_EQ(session.Run("click retirer\n"), 0);
    EXPECT_EQ(s.C("List1").items.back(), "Amazone");
    EXPECT_EQ(s.C("List1").items.size(), 16u);
    EXPECT_FALSE(s.C("FrPerso(1)").visible);
    EXPECT_FALSE(s.C("retirer").enabled);
    EXPECT_EQ(s.C("quantite").caption, "6 personnages restants");
}

TEST(PartySlots, RemovingSlotTwoOfFourMovesTheOthersUp) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run(Pick({1, 2, 3, 4}) + "click PrenomPerso(3)\nkey ChangerNom(3) \"Lancelot\"\n"
                          "enter ChangerNom(3)\nclick LblAg(2)\nclick retirer\n"),
              0)
        << session.err();
    EXPECT_EQ(s.C("ClassePerso(1)").caption, "Amazone");
    EXPECT_EQ(s.C("ClassePerso(2)").caption, "Chevalier");
    EXPECT_EQ(s.C("PrenomPerso(2)").caption, "Lancelot");
    EXPECT_EQ(s.C("Image1(2)").picture, "3.gif");
    EXPECT_EQ(s.C("LblPw(2)").caption, "Att. : 8");
    EXPECT_EQ(s.C("ClassePerso(3)").caption, "Diablotin");
    EXPECT_EQ(s.C("PrenomPerso(3)").caption, "Réficul");
    EXPECT_TRUE(s.C("FrPerso(3)").visible);
    EXPECT_FALSE(s.C("FrPerso(4)").visible);
    EXPECT_EQ(s.C("FrPerso(2)").back, colors::kButtonFace);
    EXPECT_EQ(s.C("List1").items.back(), "Cavalier Noir");
    EXPECT_EQ(s.C("quantite").caption, "3 personnages restants");

    // The tables moved too: the party redrawn from them after a tab change is the same.
    ASSERT_EQ(session.Run("tab EnsTab 1\ntab EnsTab 0\n"), 0);
    EXPECT_EQ(s.C("PrenomPerso(2)").caption, "Lancelot");
    EXPECT_FALSE(s.C("FrPerso(4)").visible);
    // A double click removes at once; the next character added takes the first free slot.
    ASSERT_EQ(session.Run("dblclick Image1(1)\n" + Pick({16})), 0);
    EXPECT_EQ(s.C("ClassePerso(1)").caption, "Chevalier");
    EXPECT_EQ(s.C("ClassePerso(3)").caption, "Voleur");
}

TEST(PartySlots, CountLabelWithThreePlayers) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run("click Command1\n" + Pick({1, 2, 3, 4})), 0);
    EXPECT_EQ(s.C("quantite").caption, "1 personnages restants");
    EXPECT_EQ(s.C("quantite").fore, colors::kBlue);
    ASSERT_EQ(session.Run(Pick({5})), 0);
    EXPECT_EQ(s.C("quantite").caption, "0 personnages restants");
    EXPECT_EQ(s.C("quantite").fore, colors::kBlack);
    ASSERT_EQ(session.Run(Pick({6})), 0);
    EXPECT_EQ(s.C("quantite").caption, "1 personnages en trop");
    EXPECT_EQ(s.C("quantite").fore, colors::kRed);
    // Slot 6 taken: a class can be chosen but no longer added.
    ASSERT_EQ(session.Run("select List1 0\n"), 0);
    EXPECT_FALSE(s.C("ajouter").enabled);
    ASSERT_EQ(session.Run("dblselect List1 0\n"), 0);
    EXPECT_EQ(s.C("List1").items.size(), 10u);
}

TEST(PartySlots, NamesAreEditedInPlaceAndAnEmptyEditKeepsTheFormerName) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run(Pick({8}) + "click PrenomPerso(1)\n"), 0);
    EXPECT_TRUE(s.C("ChangerNom(1)").visible);
    ASSERT_EQ(session.Run("key ChangerNom(1) \"\"\nenter ChangerNom(1)\n"), 0);
    EXPECT_FALSE(s.C("ChangerNom(1)").visible);
    EXPECT_EQ(s.C("PrenomPerso(1)").caption, "Tandalf");
    ASSERT_EQ(session.Run("click PrenomPerso(1)\nkey ChangerNom(1) \"Merlin 🧙‍♂️\"\nenter ChangerNom(1)\n"), 0);
    EXPECT_EQ(s.C("PrenomPerso(1)").caption, "Merlin 🧙‍♂️");
    // A click on the background closes an open edit with the same rule and clears the selection.
    ASSERT_EQ(session.Run("click LblMt(1)\nclick PrenomPerso(1)\nkey ChangerNom(1) \"Gandalf\"\nclick Form\n"), 0);
    EXPECT_FALSE(s.C("ChangerNom(1)").visible);
    EXPECT_EQ(s.C("PrenomPerso(1)").caption, "Gandalf");
    EXPECT_EQ(s.C("FrPerso(1)").back, colors::kButtonFace);
    EXPECT_FALSE(s.C("retirer").enabled);
    EXPECT_EQ(ScreenValue(s, "SelectedSlot"), 0);
}

TEST(PartySlots, PlayerNamesFollowTheirTabs) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run("key ReponseDuNom \"Ann\"\n" + Pick({1, 2}) + "tab EnsTab 1\n"), 0);
    EXPECT_EQ(s.C("ReponseDuNom").text, "");
    EXPECT_EQ(s.C("Frame1").caption, "Joueur  2");
    EXPECT_FALSE(s.C("FrPerso(1)").visible);
    EXPECT_EQ(s.C("quantite").caption, "6 personnages restants");
    ASSERT_EQ(session.Run("key ReponseDuNom \"Bob\"\ntab EnsTab 0\n"), 0);
    EXPECT_EQ(s.C("ReponseDuNom").text, "Ann");
    EXPECT_TRUE(s.C("FrPerso(2)").visible);
    EXPECT_EQ(s.C("ClassePerso(2)").caption, "Cavalier Noir");
    ASSERT_EQ(session.Run("tab EnsTab 1\n"), 0);
    EXPECT_EQ(s.C("ReponseDuNom").text, "Bob");
}

TEST(PartySlots, PlayerButtonsKeepBetweenTwoAndFourTabs) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run("click Command2\n"), 0);
    EXPECT_EQ(s.C("EnsTab").tabs.size(), 2u);
    ASSERT_EQ(session.Run("click Command1\nclick Command1\n"), 0);
    EXPECT_EQ(s.C("EnsTab").tabs, (std::vector<std::string>{"Joueur 1", "Joueur 2", "Joueur 3", "Joueur 4"}));
    EXPECT_EQ(s.C("EnsTab").tabIcons.back(), "tab4.ico");
    EXPECT_EQ(s.C("quantite").caption, "4 personnages restants");
    ASSERT_EQ(session.Run("click Command1\n"), 0);
    EXPECT_EQ(s.C("EnsTab").tabs.size(), 4u);

    // A removed player keeps party and name for when the tab comes back; its classes stay taken.
    ASSERT_EQ(session.Run("tab EnsTab 3\nkey ReponseDuNom \"Dan\"\n" + Pick({12}) + "click Command2\n"), 0);
    EXPECT_EQ(s.C("EnsTab").tabs.size(), 3u);
    EXPECT_EQ(ScreenValue(s, "ShownPlayer"), 3);
    EXPECT_EQ(s.C("EnsTab").selectedTab, 2);
    EXPECT_FALSE(Listed(s, "Orc"));
    ASSERT_EQ(session.Run("click Command1\ntab EnsTab 3\n"), 0);
    EXPECT_EQ(s.C("ReponseDuNom").text, "Dan");
    EXPECT_EQ(s.C("ClassePerso(1)").caption, "Orc");
}

TEST(PartySlots, ShiftCtrlOnAPortraitRaisesTheClassStatistics) {
    Session session(false);
    Screen& s = OpenSetUp();
    ASSERT_EQ(session.Run(Pick({8}) + "click Image1(1) 10 10 1 1\n"), 0);
    EXPECT_EQ(s.C("LblPw(1)").caption, "Att. : 3");  // Shift alone does nothing
    ASSERT_EQ(session.Run("click Image1(1) 10 10 1 3\n"), 0);
    EXPECT_EQ(s.C("LblPw(1)").caption, "Att. : 9");
    EXPECT_EQ(s.C("LblDf(1)").caption, "Def. : 9");
    EXPECT_EQ(s.C("LblAg(1)").caption, "Ag. : 9");
    EXPECT_EQ(s.C("LblMt(1)").caption, "Mvt. : 1 D6 + 3");
    // The changed template stays for this opening of the screen.
    ASSERT_EQ(session.Run("click Image1(1)\nclick retirer\n" + Pick({8})), 0);
    EXPECT_EQ(s.C("LblPw(1)").caption, "Att. : 9");
    ASSERT_EQ(session.Run("click cmdCancel\n"), 0);
    Screen& again = OpenSetUp();
    ASSERT_EQ(session.Run(Pick({8})), 0);
    EXPECT_EQ(again.C("LblPw(1)").caption, "Att. : 3");
}
