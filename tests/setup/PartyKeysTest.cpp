// The party set-up from the keyboard alone: Tab walks its controls, Up and Down pick a class,
// Space adds or removes, Ctrl+Return confirms.
#include <gtest/gtest.h>

#include <string>

#include "setup/FairePerso.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "support/Game.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// Presses key on the screen until the keyboard's place is on control (at most 40 times).
void Reach(Screen& screen, const std::string& control, const char* key = "Tab") {
    for (int i = 0; i < 40 && screen.focus != control; ++i) screen.PressKey(key);
    ASSERT_EQ(screen.focus, control);
}

// The whole party set-up from the keyboard: the name typed, the classes chosen in the list and
// added, the second player's tab, then OK (Ctrl+Return).
TEST(PartyKeys, APartyIsMadeWithTheKeyboardAlone) {
    Session s(false);
    Screen& setup = Ui::Get().Show(MakeFairePerso());
    for (int player = 0; player < 2; ++player) {
        if (player == 1) {
            Reach(setup, "EnsTab");
            EXPECT_TRUE(setup.PressKey("Right"));
            EXPECT_EQ(setup.C("EnsTab").selectedTab, 1);
        }
        setup.Type("ReponseDuNom", player == 0 ? "Ann" : "Bob");
        for (int k = 0; k < 6; ++k) {
            // Down picks the first class still free; the add button takes it into the party.
            Reach(setup, "List1");
            EXPECT_TRUE(setup.PressKey("Down"));
            Reach(setup, "ajouter");
            EXPECT_TRUE(setup.PressKey("Space"));
        }
    }
    EXPECT_TRUE(setup.PressKey("Ctrl+Return"));
    EXPECT_NE(Ui::Get().Find("frmJeu"), nullptr);
    EXPECT_EQ(gd.PlayerCount, 2);
    EXPECT_EQ(rec::ReadName(1, rec::Name::Player), "Ann");
    EXPECT_EQ(rec::ReadName(7, rec::Name::Player), "Bob");
    for (int c = 1; c <= 12; ++c) EXPECT_EQ(rec::ClassNumber(c), c) << c;  // the classes in list order
}

// In the set-up, a chosen character's portrait takes the keyboard too: Space chooses the slot,
// and the remove button (reached by Shift+Tab) gives the class back to the list.
TEST(PartyKeys, ACharacterIsRemovedFromThePartyByTheKeyboard) {
    Session s(false);
    Screen& setup = Ui::Get().Show(MakeFairePerso());
    setup.Type("ReponseDuNom", "Ann");
    for (int k = 0; k < 2; ++k) {
        Reach(setup, "List1");
        setup.PressKey("Down");
        Reach(setup, "ajouter");
        setup.PressKey("Space");
    }
    const size_t free = setup.C("List1").items.size();
    EXPECT_FALSE(setup.C("retirer").enabled);
    Reach(setup, "Image1(2)");
    setup.PressKey("Space");
    EXPECT_TRUE(setup.C("retirer").enabled);
    Reach(setup, "retirer", "Shift+Tab");
    setup.PressKey("Space");
    EXPECT_EQ(setup.C("List1").items.size(), free + 1);
    EXPECT_FALSE(setup.Shown(setup.C("Image1(2)")));  // one character left in the party
    EXPECT_TRUE(setup.Shown(setup.C("Image1(1)")));
}

}  // namespace
