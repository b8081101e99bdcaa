// A turn that nothing can end holds the whole game: the end-of-turn button stays dark and the
// only way out is to kill the window. Random play checks after every action on the board that
// some sequence of the current character's actions still ends its turn.
#include <string>

#include "board/frmJeu.h"
#include "driver/Invariants.h"
#include "state/GlobalDecl.h"
#include "state/PendingSpells.h"
#include "ui/Ui.h"

namespace {

bool Usable(Screen& s, const char* key) {
    Control* c = s.Find(key);
    return c && s.Usable(*c);
}

// What a click on the map completes: the obstacle's cell, the flight's landing.
bool WaitsForACell() { return pending_spell::WaitsForACell(gd.PendingSpell); }
// What a click on a character completes, or the magic button drops.
bool WaitsForACharacter() { return pending_spell::WaitsForACharacter(gd.PendingSpell); }

}  // namespace

std::string CheckTurnCanEnd() {
    frmJeu* b = Jeu();
    if (!b || b->closed || !b->visible || Ui::Get().Top() != b) return "";
    if (Usable(*b, "EndTurn") || Usable(*b, "BattleNow")) return "";
    if (WaitsForACell() && Usable(*b, "Image1")) return "";
    if (WaitsForACharacter() && Usable(*b, "Magic")) return "";
    if (CanStepAnywhere()) return "";
    const int c = gd.CurrentCharacter;
    return "the turn of character " + std::to_string(c) + " can never end: zone " + std::to_string(gd.Zone[c]) +
           " cell " + std::to_string(gd.PosX[c]) + "," + std::to_string(gd.PosY[c]) + ", " +
           std::to_string(gd.MovesLeft) + " moves left, pending " + std::to_string(gd.PendingSpell) +
           ", no step, no fight, end of turn unavailable";
}
