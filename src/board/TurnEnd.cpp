// The end of a turn: the selection of the next character that may play, the release of
// the lasting statuses on the way, and the display of the new turn.
#include "board/Board.h"
#include "board/HandOver.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace {

// More selections than any wait of the rules can need (forging, sleep, prison dice).
constexpr long kMaxSelections = 16L * 24 * 366;

bool English() { return gd.LanguageOffset == 2000; }

// Can character i ever be selected again?
bool MayEverPlay(int i) {
    return gd.Status[i] != status::kDead && (rec::ActsByDay(i) || rec::ActsByNight(i));
}

bool AnybodyMayEverPlay() {
    for (int i = 1; i <= CharacterCount(); ++i)
        if (MayEverPlay(i)) return true;
    return false;
}

// Nobody is left to play: the players are told, the board closes, the title comes back.
void EndGameWithoutPlayers(bool allDead) {
    std::string text;
    if (allDead)
        text = English() ? "All the characters are dead. The game is over."
                         : "Tous les personnages sont morts. La partie est terminée.";
    else
        text = English() ? "No character can play any more. The game is over."
                         : "Plus aucun personnage ne peut jouer. La partie est terminée.";
    Ui::Get().MessageBox(text);
    if (frmJeu* b = Jeu()) Ui::Get().Close(*b);
    OpenTitleScreen();
}

// The next character in the order: each player's first, then each player's second...
void NextInOrder() {
    const int count = CharacterCount();
    if (gd.CurrentCharacter == count) {
        AdvanceClock();
        gd.CurrentCharacter = 1;
        return;
    }
    gd.CurrentCharacter += count / gd.PlayerCount;
    if (gd.CurrentCharacter > count) gd.CurrentCharacter = gd.CurrentCharacter - count + 1;
}

// An obstacle status ends when one die shows more than threshold.
bool Released(int& code, int threshold, int message) {
    if (RollDice(1, 0) <= threshold) return false;
    SetInformations(Msg(message));
    code = status::kFree;
    return true;
}

// The statuses and the hour decide whether the selected character plays; releases and
// countdowns happen on the way, in this order.
bool MayPlayNow(int c, int hourCounter) {
    int& code = gd.Status[c];
    if (code == status::kDead) return false;
    if (code >= status::kForgingFirst && code <= status::kForgingLast) {
        --code;
        return false;
    }
    if (code == status::kForged) {
        SetInformations(Msg(106));
        code = status::kFree;
    }
    if (code == status::kLosesNextTurn) {
        code = status::kFree;
        return false;
    }
    if (code == status::kAvalanche && !Released(code, 4, 135)) return false;
    if (code == status::kCrowd && !Released(code, 4, 137)) return false;
    if (code == status::kBridge && !Released(code, 3, 139)) return false;
    if (code == status::kFallenTree && !Released(code, 3, 141)) return false;
    if (code == status::kPrison) {
        const long gold = rec::Gold(c);
        if (gold >= 10000) {
            rec::WriteGold(c, gold - 10000);
            RefreshPanel(c);
        } else if (RollDice(1, 0) != 6) {
            return false;
        }
        SetInformations(Msg(143));
        code = status::kFree;
    }
    const int hour = HourOfDay(hourCounter);
    if (code == status::kAsleep) {
        if (hour != 7) return false;
        code = status::kFree;
    }
    if (!rec::ActsByDay(c) && IsDayHour(hour)) return false;
    if (!rec::ActsByNight(c) && !IsDayHour(hour)) return false;
    return true;
}

// The new turn on screen: its zone, the icons and obstacles, the panel, the roll.
void ShowNewTurn(frmJeu& b) {
    const int shownZone = gb.DisplayedZone;
    gb.DisplayedZone = 0;
    RefreshThumbnails(shownZone);
    const int c = gd.CurrentCharacter;
    const int zone = gd.Zone[c];
    const std::string zoneFile = "table" + std::to_string(zone) + ".bmp";
    if (zone != gd.Zone[gd.ShownCharacter] || b.C("Image1").picture != zoneFile) LoadZonePicture(c);
    gd.ShownCharacter = c;
    for (int i = 1; i <= CharacterCount(); ++i) {
        if (gd.Zone[i] == zone && gd.Status[i] != status::kDead) ShowCharacterOnMap(i);
        else HideCharacterIcon(i);
        ShowObstacle(i, zone);
    }
    RefreshPanel(c);
    RollMovement();
    gb.DisplayedZone = zone;
    HighlightThumbnail(zone);
    RefreshTurnFlags();
    RefreshIconBases();
    ShowTurnBanner();
}

}  // namespace

void KeepTurnEndable() {
    frmJeu* b = Jeu();
    if (!b || b->closed || !b->visible || gd.EndTurnAvailable) return;
    // Whatever spent the last step (the tower door, an arrow, a spell given up) or walled the
    // character in, the players must be able to go on.
    if (FightPending() || gd.PendingSpell != pending_spell::kNone || CanStepAnywhere()) return;
    EnableEndTurn();
}

void EndTurn_Click() {
    frmJeu* b = Jeu();
    if (!b) return;
    SetInformations("");
    // A flight or a spell still waiting for its target lapses with the turn.
    gd.PendingSpell = pending_spell::kNone;
    int& ending = gd.Status[gd.CurrentCharacter];
    if (ending >= status::kElementFirst && ending <= status::kElementLast) ending = status::kFree;
    if (ending == status::kControlled) ending = status::kFree;
    if (!AnybodyMayEverPlay()) {
        EndGameWithoutPlayers(true);
        return;
    }
    for (long tries = 0;; ++tries) {
        if (tries == kMaxSelections) {
            EndGameWithoutPlayers(false);
            return;
        }
        NextInOrder();
        if (MayPlayNow(gd.CurrentCharacter, gb.HourCounter)) break;
    }
    ShowNewTurn(*b);
}
