#include "ai/Computer.h"

#include "ai/BoardPlan.h"
#include "ai/Forging.h"
#include "ai/Memory.h"
#include "ai/Screens.h"
#include "board/HandOver.h"
#include "rules/BoardInformation.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

Memory& Mem() {
    static Memory memory;
    return memory;
}

void ForgetMemory() { Mem() = Memory{}; }

bool Visible(Screen& s, const std::string& key) {
    Control* c = s.Find(key);
    return c && c->visible;
}

std::string MapClick(int column, int row) {
    return "click frmJeu.Image1 " + std::to_string((column - 1) * 32 + 16) + " " + std::to_string((row - 1) * 32 + 16);
}

bool GameRunning() { return Ui::Get().Find("frmJeu") != nullptr && Ui::Get().Find("frmFini") == nullptr && gd.PlayerCount >= 2; }

bool ComputerToAct() {
    if (!GameRunning()) return false;
    const int c = gd.CurrentCharacter;
    if (c < 1 || c > CharacterCount()) return false;
    // Whoever controls the character acts for it (a spell may hand it to another party).
    const int p = rec::Owner(rec::Controller(c));
    return p >= 1 && p <= kMaxPlayers && gd.ComputerPlayer[p];
}

Decision Decide(Screen* popup, const std::string& popupMenu) {
    Screen* top = Ui::Get().Top();
    if (popup) {
        if (popup->Name() == "ChCmb") return FightMove(popup, popupMenu);
        if (popup->Name() == "Combat" && top) return MarketMove(*top, popup, popupMenu);
        return {"close", "a menu I did not ask for"};
    }
    if (!top) return {"wait 100", "no screen"};
    const std::string name = top->Name();
    if (name == "MsgBox") return {"click MsgBox.OK", "read the message"};
    if (name == "TowerDoor") return {"click TowerDoor.Reculer", "the keys open the door from the panel"};
    if (name == "ALaMinaNoVoy") {
        const char* why = "";
        const int icon = MineIcon(gd.CurrentCharacter, &why);
        return {"click ALaMinaNoVoy.Image1(" + std::to_string(icon) + ")", why};
    }
    if (name == "Graveyard") return GraveyardMove(*top);
    if (name == "frmMagic") return SpellDialogMove(*top);
    if (name == "frmJeu") {
        if (Mem().inFight) Mem().inFight = false;
        return BoardMove(*top);
    }
    if (name == "ChCmb") return FightMove(nullptr, "");
    if (name == "Combat") {
        switch (gd.CombatMode) {
            case combat_mode::kFight: return FightMove(nullptr, "");
            case combat_mode::kTournament: return ArenaMove(*top);
            case combat_mode::kTowerFloor: return {"click Combat.Mechant", "face the floor's guardian"};
            default: return MarketMove(*top, nullptr, "");
        }
    }
    if (name == "frmFini") return {"wait 100", "the game is over"};
    // A person reading the help or the journal is left in peace.
    if (name == "frmAide" || name == "frmJournal") return {"wait 250", "someone is reading"};
    return {"close", "nothing to do on " + name};
}

bool Tell(const Decision& d) {
    if (d.say.empty()) return false;
    Memory& m = Mem();
    const int c = gd.CurrentCharacter, hour = gb.HourCounter;
    // Said once a turn: the steps of a walk toward the same goal say it once.
    if (d.say == m.told && c == m.toldCharacter && hour == m.toldHour) return false;
    m.told = d.say;
    m.toldCharacter = c;
    m.toldHour = hour;
    JournalMoment at;
    if (!BoardMoment(at)) return false;
    JournalAsideNote(d.say, at);
    ShowComputerSaying(d.say);
    return true;
}

}  // namespace ai
