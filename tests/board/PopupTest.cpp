// The value pop-ups of the panel, the controller pop-up and the Detail dialog's shortcuts.
#include <gtest/gtest.h>

#include <cstdio>

#include "board/BoardSupport.h"
#include "board/Detail.h"
#include "state/CharacterRecord.h"
#include "state/Messages.h"
#include "ui/Contrast.h"
#include "ui/Ui.h"

namespace {

// Opens a pop-up from a panel control, reads it and closes it with its OK button.
struct Shown {
    std::string caption, text, back;
};
Shown Open(Session& s, const std::string& control) {
    s.ClearOutput();
    EXPECT_EQ(s.Run("click frmJeu." + control + "\ndump\nclick Detail.Command1\n"), 0) << s.err();
    EXPECT_EQ(Ui::Get().Find("Detail"), nullptr) << "OK closes the pop-up";
    const std::string dump = s.out();
    return {DumpedText(dump, "Detail", "Form", "caption"), DumpedText(dump, "Detail", "Label1", "caption"),
            DumpedField(dump, "Detail", "Form", "backcolor")};
}

// The Guerrier plays first: attack 6 with his lance (7), defence 5 with his helmet (3).
std::vector<Party> GuerrierFirst() { return {{"Ann", {7, 8, 3, 2, 9, 16}}, {"Bob", {1, 5, 6, 10, 11, 13}}}; }

TEST(ValuePopups, EachValueWithItsPartsAndItsBlanks) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    gd.AttackBonus[1] = 1;
    Shown attack = Open(s, "Image2");
    EXPECT_EQ(attack.caption, "Attaque");
    EXPECT_EQ(attack.text, " 6 (+ 7) (+1)");
    Shown defense = Open(s, "Image3");
    EXPECT_EQ(defense.caption, "Défense");
    EXPECT_EQ(defense.text, " 5 (+ 3)");
    gd.AgilityBonus[1] = 2;
    Shown agility = Open(s, "Image4");
    EXPECT_EQ(agility.caption, "Agilité");
    EXPECT_EQ(agility.text, " 6 (+ 2)");
    Shown movement = Open(s, "Image5");
    EXPECT_EQ(movement.caption, "Mouvement");
    EXPECT_EQ(movement.text, " 1D6");
    rec::WriteExperience(1, 12);
    Shown experience = Open(s, "Image6");
    EXPECT_EQ(experience.caption, "Expérience");
    EXPECT_EQ(experience.text, " 12");
    Shown life = Open(s, "Image14");
    EXPECT_EQ(life.caption, "Points de vie");
    EXPECT_EQ(life.text, "6");
}

TEST(ValuePopups, TheyDescribeTheShownCharacter) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    gd.ShownCharacter = 2;  // the Magicien: one die and 3
    EXPECT_EQ(Open(s, "Image5").text, " 1D6 + 3");
    rec::ClearItems(1);
    gd.ShownCharacter = 1;
    EXPECT_EQ(Open(s, "Image2").text, " 6") << "no attack item, no bonus";
    gd.DefenseBonus[1] = 4;
    EXPECT_EQ(Open(s, "Image3").text, " 5 (+4)");
}

TEST(ControllerPopup, ThePlayersNameOnThePlayersColour) {
    Session s(false);
    StartBoardAlways({{"Ann", {1, 2, 3, 4, 5}}, {"Bob", {6, 7, 8, 9, 10}}, {"Carl", {11, 12, 13, 14, 15}}});
    gd.ShownCharacter = 11;
    Shown c = Open(s, "lblNom");
    EXPECT_EQ(c.caption, "Contrôleur");
    EXPECT_EQ(c.text, "      Carl") << "the name field as stored";
    EXPECT_EQ(c.back, "[0, 255, 0]");
    gd.Status[gd.CurrentCharacter] = 15;
    gd.Status[0] = 3;
    Shown controlled = Open(s, "lblClasse");
    EXPECT_EQ(controlled.text, "       Ann");
    EXPECT_EQ(controlled.back, "[255, 0, 0]");
}

Rgb ParsedColour(const std::string& field) {
    Rgb c;
    EXPECT_EQ(std::sscanf(field.c_str(), "[%d, %d, %d]", &c.r, &c.g, &c.b), 3) << field;
    return c;
}

// WCAG 2's level AA for normal text: the name must be read on every player's colour.
TEST(ControllerPopup, TheNameIsReadableOnEveryPlayersColour) {
    EXPECT_NEAR(ContrastRatio(colors::kBlack, colors::kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(colors::kBlue, colors::kBlue), 1.0, 1e-9);
    Session s(false);
    StartBoardAlways({{"Ann", {1, 2, 3, 4}}, {"Bob", {5, 6, 7, 8}}, {"Carl", {9, 10, 11, 12}}, {"Dora", {13, 14, 15, 16}}});
    const Rgb expected[] = {colors::kRed, colors::kBlue, colors::kGreen, colors::kYellow};
    for (int p = 1; p <= 4; ++p) {
        gd.ShownCharacter = (p - 1) * 4 + 1;
        s.ClearOutput();
        ASSERT_EQ(s.Run("click frmJeu.lblNom\ndump\nclick Detail.Command1\n"), 0) << s.err();
        const Rgb back = ParsedColour(DumpedField(s.out(), "Detail", "Form", "backcolor"));
        const Rgb text = ParsedColour(DumpedField(s.out(), "Detail", "Label1", "forecolor"));
        EXPECT_EQ(back, expected[p - 1]) << "player " << p << "'s own colour stays";
        EXPECT_GE(ContrastRatio(text, back), 4.5) << "player " << p;
    }
}

TEST(DetailShortcuts, ShiftCtrlRightClickOnTheMovementGivesFreeMoves) {
    Session s(false);
    StartBoardAlways(GuerrierFirst());
    gd.ShownCharacter = 7;
    ASSERT_EQ(s.Run("click frmJeu.Image5\nclick Detail.Label1 3 3 2 1\nclick Detail.Command1\n"), 0) << s.err();
    EXPECT_EQ(gd.FreeMoveCharacter, 0) << "Shift alone does nothing";
    ASSERT_EQ(s.Run("click frmJeu.Image5\nclick Detail.Label1 3 3 2 3\nclick Detail.Command1\n"), 0) << s.err();
    EXPECT_EQ(gd.FreeMoveCharacter, 1) << "the current character, whoever is described";
    gd.FreeMoveCharacter = 0;
    ASSERT_EQ(s.Run("click frmJeu.Image6\nclick Detail.Label1 3 3 2 3\nclick Detail.Command1\n"), 0) << s.err();
    EXPECT_EQ(gd.FreeMoveCharacter, 0) << "only on the movement pop-up";
}

TEST(DetailShortcuts, AltOnTheGoldPopupGivesTheThreeKeys) {
    Session s(false);
    Screen& board = StartBoardAlways(GuerrierFirst());
    const std::u32string before = gd.CharacterRecords[1];
    Screen& detail = Ui::Get().Show(MakeDetail(Msg(103), " 1000"));
    ASSERT_EQ(s.Run("click Detail.Label1 1 1 1 4\nclick Detail.Label1 1 1 2 4\n"), 0) << s.err();
    EXPECT_EQ(gd.CharacterRecords[1], before.substr(0, 38) + U"96009700990096009700" + U"9900" + before.substr(38));
    EXPECT_EQ(board.C("Inventaire", 0).caption, Msg(396));
    ASSERT_EQ(s.Run("click Detail.Label1 1 1 1 5\n"), 0);
    EXPECT_EQ(rec::ItemCount(1), 9) << "Shift and Alt is not the shortcut";
    Ui::Get().Close(detail);
}

}  // namespace
