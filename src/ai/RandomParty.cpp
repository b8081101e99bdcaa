#include "ai/RandomParty.h"

#include <vector>

#include "state/GlobalDecl.h"
#include "state/SplitMix.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

namespace {

int Pick(uint64_t& s, int n) { return SplitMixPick(s, n); }

}  // namespace

Decision RandomMove(uint64_t& s, Screen* popup, const std::string& popupMenu) {
    if (popup) {
        std::vector<std::string> entries;
        for (Control& c : popup->Controls())
            if (c.kind == Kind::Menu && c.parent == popupMenu && c.visible && c.enabled) entries.push_back(c.Key());
        if (entries.empty() || Pick(s, 4) == 0) return {"close", "random"};
        return {"menu " + entries[Pick(s, static_cast<int>(entries.size()))], "random"};
    }
    Screen* top = Ui::Get().Top();
    if (!top) return {"wait 100", "random"};
    const std::string name = top->Name();
    if (name == "MsgBox") return {"click MsgBox.OK", "random"};
    if (name == "TowerDoor") return {"click TowerDoor.Reculer", "random"};
    if (name == "ALaMinaNoVoy") return {"click ALaMinaNoVoy.Image1(" + std::to_string(2 * Pick(s, 4)) + ")", "random"};
    if (name == "frmJeu") {
        int roll = Pick(s, 100);
        static const char* const kArrows[] = {"Up", "Down", "Left", "Right"};
        if (roll < 60) return {std::string("press frmJeu.") + kArrows[Pick(s, 4)], "random"};
        if (roll < 80) return {"click frmJeu.EndTurn", "random"};
        if (roll < 90) return {"click frmJeu.BattleNow", "random"};
        const int c = gd.CurrentCharacter;
        int column = gd.PosX[c] + Pick(s, 5) - 2, row = gd.PosY[c] + Pick(s, 5) - 2;
        column = column < 1 ? 1 : column > 20 ? 20 : column;
        row = row < 1 ? 1 : row > 15 ? 15 : row;
        return {"click frmJeu.Image1 " + std::to_string((column - 1) * 32 + 16) + " " + std::to_string((row - 1) * 32 + 16),
                "random"};
    }
    if (name == "ChCmb" || (name == "Combat" && gd.CombatMode == 0)) {
        if (Pick(s, 2) == 0) return {"wait 1000", "random"};
        static const int kRows[] = {0, 0, 0, 1, 2, 2, 3};
        return {"click ChCmb.StepPix(" + std::to_string(kRows[Pick(s, 7)]) + ")", "random"};
    }
    if (name == "Combat") {
        int roll = Pick(s, 10);
        if (roll < 3) return {"wait 250", "random"};
        if (roll < 4) return {"click Combat.Form 200 300", "random"};
        if (roll < 5) return {"click Combat.Mechant", "random"};
        if (Control* list = top->Find("List1"))
            if (list->visible && !list->items.empty()) return {"select Combat.List1 " + std::to_string(Pick(s, 2)), "random"};
        return {"click Combat.Form " + std::to_string(Pick(s, 416)) + " " + std::to_string(Pick(s, 260)), "random"};
    }
    if (name == "frmFini") return {"wait 100", "random"};
    return {"close", "random"};
}

}  // namespace ai
