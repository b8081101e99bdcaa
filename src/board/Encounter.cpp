// Meeting a monster: the enemy's values wait in the shared state and the fight button
// beside the map starts the fight when it is pressed and released.
#include "board/Encounter.h"

#include "board/Board.h"
#include "board/FightForecast.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"

namespace {

// The fight button's faces while it is held down and as the fight begins (the one it shows
// while the fight waits is the rules' own).
constexpr const char* kHeld = "combat2.bmp";
constexpr const char* kStarting = "combat3.bmp";

Control* FightButton() {
    Screen* board = Board();
    return board ? board->Find("BattleNow") : nullptr;
}

void SetFightPicture(const char* picture) {
    if (Control* button = FightButton()) button->picture = picture;
}

void BattleNowMouseDown() { SetFightPicture(kHeld); }

void BattleNowMouseUp() {
    SetFightPicture(kStarting);
    SetInformations(Msg(114));
    gd.CombatMode = combat_mode::kFight;
    StartFight();
    CallOffFight();
    SetInformations("");
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
}

}  // namespace

void MeetMonster(int e, int attack, int defense, int agility) {
    gd.EnemyNumber = e;
    gd.EnemyAttack = attack;
    gd.EnemyDefense = defense;
    gd.EnemyAgility = agility;
    OfferFight();
    SetInformations(Msg(580) + " " + EnemyName(e) + " " + Msg(581));
    if (frmJeu* board = Jeu()) RefreshFightForecast(*board);
    if (rec::ClassNumber(gd.CurrentCharacter) == classes::kAmazone) {
        gd.CapacityAvailable = true;
        RefreshActionButtons();
    }
}

void AddEncounterHandlers(Screen& board) {
    board.On("BattleNow_MouseDown", [](const EventArgs&) { BattleNowMouseDown(); }, "BSXY");
    board.On("BattleNow_MouseUp", [](const EventArgs&) { BattleNowMouseUp(); }, "BSXY");
}
