#include "items/Spells.h"

#include "items/frmMagic.h"
#include "rules/BoardFight.h"
#include "rules/BoardInformation.h"
#include "rules/BoardMap.h"
#include "rules/BoardTurn.h"
#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {


void MagicClick() {
    gd.PendingSpell = pending_spell::kNone;  // a spell still waiting for its target is lost
    Ui::Get().ShowModal(MakeFrmMagic());
    if (gd.PendingSpell != pending_spell::kNone) {
        gd.EndTurnAvailable = false;
        RefreshActionButtons();
    }
}

// The targeted spell is done: the turn may end once nothing else is left to do.
void EndOfAction() {
    if (!FightPending() && gd.MovesLeft == 0) EnableEndTurn();
}

std::string ClassNameOf(int t) { return classes::Name(rec::ClassNumber(t)); }

}  // namespace

void AddSpellHandlers(Screen& board) {
    board.On("Magic_Click", [](const EventArgs&) { MagicClick(); });
}

void CompleteSpellOnCharacter(int t) {
    switch (gd.PendingSpell) {
        case pending_spell::kGlaceNoire:
            gd.Status[t] = status::kLosesNextTurn;
            gd.PendingSpell = pending_spell::kNone;
            SetInformations(ClassNameOf(t) + " " + Msg(543));
            break;
        case pending_spell::kArmagueddon:
            if (rec::ClassNumber(t) != classes::kCavalierNoir) {
                gd.Status[t] = status::kDead;
                HideCharacterIcon(t);
            }
            gd.PendingSpell = pending_spell::kNone;
            SetInformations(ClassNameOf(t) + " " + Msg(542));
            break;
        case pending_spell::kEnvoutement:
            if (rec::HasItem(t, items::kRunicArmour)) {
                // Refused: the spell keeps waiting for another target.
                SetInformations(Msg(553));
                return;
            }
            SetInformations(Msg(554));
            gd.Status[t] = status::kControlled;
            gd.Status[0] = gd.CurrentCharacter;
            gd.PendingSpell = pending_spell::kNone;
            break;
        default:
            return;
    }
    EndOfAction();
}

void CompleteSpellOnCell(int column, int row) {
    if (gd.PendingSpell != pending_spell::kBloc) return;
    SetInformations("");
    gd.PendingSpell = pending_spell::kNone;
    PlaceObstacle(gd.CurrentCharacter, DisplayedZone(), column, row);
    EndOfAction();
}
