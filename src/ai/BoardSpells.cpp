// The computer's board spells: the heals when life runs low, and against the opposing party
// nearest to the top of the tower, Armagueddon on its climber (a Cavalier Noir does not die
// of it) or Glace noire on a climber waiting at the door. The points Armagueddon needs in the
// tower are kept for it; the water potion, which doubles the board's healing, is drunk before
// a heal. The obstacle and the bewitching are left alone.
#include <cstdio>
#include <string>

#include "ai/BoardPlan.h"
#include "ai/Memory.h"
#include "ai/Sayings.h"
#include "ai/Screens.h"
#include "rules/ItemCatalogue.h"
#include "rules/Reach.h"
#include "rules/SpellCost.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/Status.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

namespace {

constexpr int kHeal = 1, kHealPlus = 2, kGlaceNoire = 3, kArmagueddon = 4;

bool KnowsWaterSpells(int c) {
    const int k = rec::ClassNumber(c);
    return k == classes::kFee || k == classes::kMagicien || k == classes::kSorcier || rec::HasItem(c, items::kWaterBook);
}

// The dialog offers a spell only while its cost stays below the points.
bool Affordable(int c, int listed) { return SpellCost(c, listed) < gd.MagicPoints[c]; }

// What is left after the spell still pays for Armagueddon in the tower.
bool KeepsArmagueddon(int c, int listed) {
    const int a = ArmagueddonCost(c);
    return a <= 0 || gd.MagicPoints[c] - SpellCost(c, listed) >= a;
}

bool Targetable(int t) { return Alive(t) && gd.Status[t] != status::kPrison; }

}  // namespace

int Threat(int p) {
    int best = 0, bestFloor = -1;
    const int mine = gd.DoorState[p] >= 5 ? gd.TowerFloor[p] : 0;
    for (int q = 1; q <= gd.PlayerCount; ++q) {
        if (q == p || gd.DoorState[q] < 5 || gd.TowerFloor[q] < mine) continue;
        const int t = DoorClimber(q);
        if (!t || (gd.TowerFloor[q] < 2 && !CanArmagueddon(t))) continue;
        if (gd.TowerFloor[q] > bestFloor) {
            bestFloor = gd.TowerFloor[q];
            best = t;
        }
    }
    return best;
}

bool SpellMove(Screen& board, Decision& out) {
    Memory& m = Mem();
    const int c = gd.CurrentCharacter, p = rec::Owner(c), life = rec::Life(c);
    if (!gd.MagicAvailable || gd.PendingSpell != 0 || m.boardSpellTries >= 3) return false;
    int spell = 0, target = 0;
    std::string why, say;
    if (life <= 4) {
        if (rec::HasItem(c, items::kChaosBook) && Affordable(c, 2) && (life <= 2 || KeepsArmagueddon(c, 2))) spell = kHealPlus;
        else if (KnowsWaterSpells(c) && Affordable(c, 4) && (life <= 2 || KeepsArmagueddon(c, 4))) spell = kHeal;
        why = "heal, life " + std::to_string(life);
        if (spell) say = Say(Saying::Heal, c, Msg(544 + spell), std::to_string(life));
    }
    if (!spell)
        if (const int t = Threat(p); t && Targetable(t)) {
            const int q = rec::Owner(t);
            char buf[96];
            std::snprintf(buf, sizeof buf, " on the climber of player %d, floor %d of the tower", q, gd.TowerFloor[q] + 1);
            // My own climb keeps its Armagueddon unless the other party is ahead.
            const bool racing = Climber(p) == c && gd.DoorState[p] >= 5 && gd.TowerFloor[q] <= gd.TowerFloor[p];
            if (rec::HasItem(c, items::kEarthBook) && Affordable(c, 14) && !racing &&
                rec::ClassNumber(t) != classes::kCavalierNoir) {
                spell = kArmagueddon;
                why = std::string("Armagueddon") + buf;
                say = Say(Saying::StrikeClimber, c, Msg(544 + spell), std::to_string(q));
            } else if (KnowsWaterSpells(c) && Affordable(c, 6) && KeepsArmagueddon(c, 6) &&
                       gd.Status[t] == status::kFree && reach::IsTowerDoor(reach::Standing(t))) {
                spell = kGlaceNoire;
                why = std::string("Glace noire") + buf;
                say = Say(Saying::StrikeClimber, c, Msg(544 + spell), std::to_string(q));
            }
            target = t;
        }
    if (!spell) return false;
    // The water potion doubles the board's healing until the turn ends: drunk first.
    if (spell == kHeal && rec::HasItem(c, items::kWaterPotion) && gd.Status[c] == status::kFree) {
        out = UseItem(board, c, items::kWaterPotion, "the water potion doubles the heal",
                      Say(Saying::WaterPotion, c, InSentence(items::ItemName(items::kWaterPotion))));
        return true;
    }
    ++m.boardSpellTries;
    m.boardSpell = spell;
    m.spellTarget = spell >= kGlaceNoire ? target : 0;
    m.spellClicks = 0;
    out = {"click frmJeu.Magic", why, say};
    return true;
}

Decision SpellDialogMove(Screen& dialog) {
    Memory& m = Mem();
    const int b = m.boardSpell;
    m.boardSpell = 0;
    if (b >= 1) {
        const std::string icon = "NoMagic(" + std::to_string(b - 1) + ")";
        Control* row = dialog.Find(icon);
        if (row && row->visible && row->enabled) return {"click frmMagic." + icon, "cast " + Msg(544 + b)};
    }
    m.spellTarget = 0;
    return {"click frmMagic.Image1", "no spell to cast"};
}

Decision SpellTargetMove(Screen& board) {
    Memory& m = Mem();
    const bool jeu = Ui::Get().Find("frmJeu") != nullptr;
    const int t = m.spellTarget;
    if (t && Targetable(t) && m.spellClicks < 3) {
        if (jeu && gb.DisplayedZone != gd.Zone[t]) return {"click frmJeu.Carte(" + std::to_string(gd.Zone[t]) + ")", "show the target's zone"};
        ++m.spellClicks;
        return {"click frmJeu.Perso1(" + std::to_string(t) + ")", "the spell strikes the " + classes::Name(rec::ClassNumber(t))};
    }
    m.spellTarget = 0;
    (void)board;
    // A spell someone else left waiting, or a target that has gone: the Magic button drops it.
    if (gd.MagicAvailable) return {"click frmJeu.Magic", "drop the spell waiting for a target"};
    return {};
}

}  // namespace ai
