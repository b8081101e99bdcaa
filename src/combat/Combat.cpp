// Opening and closing the Combat screen.
#include "combat/Combat.h"

#include "combat/ChCmb.h"
#include "combat/CombatForm.h"
#include "combat/Fight.h"
#include "rules/BoardTurn.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

void OpenCombatModal() { Ui::Get().ShowModal(MakeCombatForm()); }

void StartFight() {
    gd.CombatMode = combat_mode::kFight;
    SetBoardVisible(false);
    Ui::Get().Show(MakeCombatForm());
}

Screen* CombatScreen() { return Ui::Get().Find("Combat"); }

bool CombatOpen() { return CombatScreen() || Ui::Get().Find("ChCmb"); }

CombatForm* FightScreen() { return dynamic_cast<CombatForm*>(CombatScreen()); }

ChCmb* FightPanel() { return dynamic_cast<ChCmb*>(Ui::Get().Find("ChCmb")); }

void CloseFight(bool panelFirst) {
    if (panelFirst)
        if (Screen* panel = FightPanel()) Ui::Get().Close(*panel);
    // The fight screen's unload writes the outcome, closes the panel and shows the board.
    if (Screen* combat = CombatScreen()) Ui::Get().Close(*combat);
}
