// Through the driver, every key of the key table does what the click on its control does:
// the same game played twice, once pressing the key and once clicking, dumps the same state;
// and a key whose control is hidden or disabled changes nothing.
#include <gtest/gtest.h>

#include <functional>

#include "board/Encounter.h"
#include "state/CharacterRecord.h"
#include "support/Game.h"
#include "ui/KeyBindings.h"

namespace {

// The Amazone plays first: neither magic nor a capacity of her own.
const char* kNewGame = "newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n";
// The Magician plays first, with his spells.
const char* kMagicianFirst = "newgame \"Ann\" 8,2,3,4,5,6 \"Bob\" 7,1,9,10,11,12\n";
// The Fairy plays first, with her capacity.
const char* kFairyFirst = "newgame \"Ann\" 6,1,2,3,4,5 \"Bob\" 7,8,9,10,11,12\n";

struct Played {
    int status;
    std::string out, err;
};

// A fresh game: the set-up script, then what the game state needs (a monster met), then the
// action script, which ends with a dump.
Played Play(const std::string& setup, const std::function<void()>& prepare, const std::string& action) {
    Session s;
    Played p{s.Run(setup), "", ""};
    if (p.status != 0) return {p.status, s.out(), s.err()};
    if (prepare) prepare();
    s.ClearOutput();
    p.status = s.Run(action + "dump\n");
    p.out = s.out();
    p.err = s.err();
    return p;
}

// The key of a control, read from the table (so a changed key is still tested).
std::string KeyOf(const char* screen, const char* control) {
    const std::string key = BoundKey(screen, control);
    EXPECT_FALSE(key.empty()) << screen << "." << control << " has no key";
    return key;
}

// Pressing the control's key after `before` ends in the same state as clicking it; `then`
// runs after either (inside a dialog the action opened).
void ExpectKeyIsClick(const std::string& setup, const std::function<void()>& prepare, const std::string& before,
                      const char* screen, const char* control, const std::string& then = "") {
    const std::string key = KeyOf(screen, control);
    Played pressed = Play(setup, prepare, before + "press " + key + "\n" + then);
    Played clicked = Play(setup, prepare, before + "click " + screen + "." + control + "\n" + then);
    ASSERT_EQ(pressed.status, 0) << pressed.err;
    ASSERT_EQ(clicked.status, 0) << clicked.err;
    EXPECT_EQ(pressed.out, clicked.out) << screen << "." << control << " by " << key;
    // The action did something: the state after it is not the state before it.
    Played untouched = Play(setup, prepare, before + then);
    EXPECT_NE(pressed.out, untouched.out) << screen << "." << control << " by " << key << " did nothing";
}

// Pressing the key changes nothing (its control is hidden or disabled).
void ExpectKeyDoesNothing(const std::string& setup, const std::function<void()>& prepare, const char* screen,
                          const char* control) {
    const std::string key = KeyOf(screen, control);
    Played pressed = Play(setup, prepare, "press " + key + "\n");
    Played untouched = Play(setup, prepare, "");
    ASSERT_EQ(pressed.status, 0) << pressed.err;
    EXPECT_EQ(pressed.out, untouched.out) << screen << "." << control << " by " << key;
}

void AMonsterWaits() { MeetMonster(5, 16, 16, 6); }

void TwoMoreItems() {
    rec::AddItemBack(1, 5, 0);
    rec::AddItemBack(1, 6, 0);
}

}  // namespace

TEST(KeyIsClick, TheBoardsButtons) {
    // The end of the turn, once the character has moved.
    ExpectKeyIsClick(std::string("rnd 0\n") + kNewGame, nullptr, "press Left\n", "frmJeu", "EndTurn");
    // The fight that waits, and the magic list (a dialog: its dump is taken inside it).
    ExpectKeyIsClick(kNewGame, AMonsterWaits, "rnd 0.99 0\n", "frmJeu", "BattleNow");
    ExpectKeyIsClick(kMagicianFirst, nullptr, "", "frmJeu", "Magic", "dump\n");
    ExpectKeyIsClick(kFairyFirst, nullptr, "", "frmJeu", "Capacity", "dump\n");
    // The item list, longer than its three lines, scrolls both ways.
    ExpectKeyIsClick(kNewGame, TwoMoreItems, "", "frmJeu", "ScrollDn");
    ExpectKeyIsClick(kNewGame, TwoMoreItems, "click frmJeu.ScrollDn\n", "frmJeu", "ScrollUp");
}

TEST(KeyIsClick, KeysOfHiddenOrDisabledControlsDoNothing) {
    // Nothing done yet: the end of the turn is disabled.
    ExpectKeyDoesNothing(kNewGame, nullptr, "frmJeu", "EndTurn");
    // The Amazone has no magic and no capacity: both buttons are disabled.
    {
        Session s;
        ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
        EXPECT_FALSE(s.screen("frmJeu")->C("Magic").enabled);
        EXPECT_FALSE(s.screen("frmJeu")->C("Capacity").enabled);
    }
    ExpectKeyDoesNothing(kNewGame, nullptr, "frmJeu", "Magic");
    ExpectKeyDoesNothing(kNewGame, nullptr, "frmJeu", "Capacity");
    // No monster met: the fight button is hidden.
    ExpectKeyDoesNothing(kNewGame, nullptr, "frmJeu", "BattleNow");
    // The help's first page has no page before it.
    ExpectKeyDoesNothing("press F1\n", nullptr, "frmAide", "Precedent");
}

TEST(KeyIsClick, TheFightsFourActions) {
    const std::string fight = std::string(kNewGame);
    for (const char* action : {"StepPix(0)", "StepPix(2)", "StepPix(3)"})
        ExpectKeyIsClick(fight, AMonsterWaits, "rnd 0.99 0\nclick frmJeu.BattleNow\nrnd 0.5 0.5 0.5 0.5\n", "ChCmb",
                         action);
}

TEST(KeyIsClick, TheMagicListsLinesAndItsClose) {
    // Inside the magic list opened from the board: the first spell, and Escape.
    Played pressed = Play(kMagicianFirst, nullptr, "click frmJeu.Magic\npress " + KeyOf("frmMagic", "Image1") + "\nscreen\n");
    Played clicked = Play(kMagicianFirst, nullptr, "click frmJeu.Magic\nclick frmMagic.Image1\nscreen\n");
    ASSERT_EQ(pressed.status, 0) << pressed.err;
    EXPECT_EQ(pressed.out, clicked.out);
    EXPECT_EQ(pressed.out.substr(0, pressed.out.find('\n')), "frmJeu");   // the list closed
    ExpectKeyIsClick(kMagicianFirst, nullptr, "click frmJeu.Magic\n", "frmMagic", "NoMagic(0)", "dump\n");
}

TEST(KeyIsClick, TheSetUpDialogsKeys) {
    // Escape cancels the set-up back to the title; Ctrl+Return confirms what was entered.
    ExpectKeyIsClick("", nullptr, "menu MNU_New\n", "FairePerso", "cmdCancel", "screen\n");
    ExpectKeyIsClick("", nullptr, "menu MNU_New\nkey ReponseDuNom \"Ann\"\n", "FairePerso", "cmdOK",
                     "dump\nclose\n");
}

TEST(KeyIsClick, DialogButtonsAnswerReturn) {
    // A value of the panel opens its detail; Return closes it as its button does.
    ExpectKeyIsClick(kNewGame, nullptr, "click frmJeu.Image2\n", "Detail", "Command1", "screen\n");
    // The help and the journal close and turn their pages by their keys.
    ExpectKeyIsClick("", nullptr, "press F1\n", "frmAide", "Suivant", "dump\n");
    ExpectKeyIsClick("", nullptr, "press F1\n", "frmAide", "OK", "screen\n");
    ExpectKeyIsClick("", nullptr, "press F2\n", "frmJournal", "OK", "screen\n");
}
