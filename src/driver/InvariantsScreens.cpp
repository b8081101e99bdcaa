// The rules of the open screens: the title excludes a game (its board or its end screen),
// the fight's two windows come and go together, every dialog belongs to the screen that opens
// it and is still being waited for (no dialog is left behind once its opener has returned).
#include <map>

#include "combat/CombatForm.h"
#include "driver/Invariants.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "ui/Ui.h"

namespace {

std::string Names(const std::vector<Screen*>& screens) {
    std::string names;
    for (Screen* s : screens) names += (names.empty() ? "" : " ") + s->Name() + (s->visible ? "" : "(hidden)");
    return names;
}

bool IsFight(Screen* s) {
    auto* combat = dynamic_cast<CombatForm*>(s);
    return combat && combat->openedMode == 0;
}

}  // namespace

std::string CheckScreens() {
    Ui& ui = Ui::Get();
    std::vector<Screen*> open = ui.OpenScreens();
    const std::string stack = " [open: " + Names(open) + "]";
    std::map<std::string, int> count;
    for (Screen* s : open)
        if (++count[s->Name()] > 1) return "two " + s->Name() + " screens are open" + stack;
    auto has = [&count](const char* name) { return count.count(name) > 0; };

    if (has("frmBegin") && (has("frmJeu") || has("frmFini"))) return "the title is open with a game" + stack;
    Screen* fight = nullptr;
    int dialogs = 0;
    for (Screen* s : open) {
        const std::string& n = s->Name();
        if (IsFight(s)) fight = s;
        else if (n != "frmBegin" && n != "frmJeu" && n != "frmFini" && n != "ChCmb") ++dialogs;
        if (!s->closed) continue;
        return n + " is closed but still listed" + stack;
    }
    if (has("ChCmb") != (fight != nullptr)) return "the fight and its action panel are not open together" + stack;
    // Dialogs are modal: each one is still inside the ShowModal that opened it.
    if (dialogs > ui.ModalDepth())
        return std::to_string(dialogs) + " dialogs are open but only " + std::to_string(ui.ModalDepth()) +
               " are waited for" + stack;
    for (const char* name : {"frmMagic", "Graveyard", "Resource", "ALaMinaNoVoy", "Detail", "TowerDoor", "ChCmb"})
        if (has(name) && !has("frmJeu")) return std::string(name) + " is open without the board" + stack;
    if (has("Combat") && !has("frmJeu")) return "the Combat screen is open without the board" + stack;
    if (has("FairePerso") && has("frmJeu")) return "the set-up is open over the board" + stack;
    if (Screen* board = ui.Find("frmJeu")) {
        // A won game keeps its board, hidden, until the end screen's OK closes both.
        if (has("frmFini")) {
            if (board->visible || fight) return "the end screen is open with the game still running" + stack;
        } else if (board->visible == (fight != nullptr)) {
            return std::string(fight ? "the board is shown during a fight" : "the board is hidden with no fight") + stack;
        }
    }
    if (!open.empty() && !ui.Top()) return "no open screen is visible" + stack;
    if (fight) {
        // A spell's frames are on the picture only while its animation runs.
        Control& regul = fight->C("Regul");
        bool animating = regul.enabled && regul.interval == 150;
        bool frames = fight->C("MagieSurSoi").visible;
        for (int k = 0; k < 48; ++k) frames |= fight->C("Sorts", k).visible;
        if (frames && !animating) return "a spell's frame stays on the fight with no animation running" + stack;
    }
    if (!has("Combat") && gd.CombatMode != combat_mode::kFight) return "CombatMode " + std::to_string(gd.CombatMode) + " outlives its screen";
    return {};
}
