// Magic in a fight: the spell menu, the three-frame animation and the sixteen effects.
#include <algorithm>
#include <string>

#include "combat/ChCmb.h"
#include "combat/CombatForm.h"
#include "combat/Fight.h"
#include "rules/ItemCatalogue.h"
#include "rules/SpellCost.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "ui/Ui.h"

namespace {

constexpr int kAnimationStep = 150;   // ms per frame
constexpr int kMenuEntries = 35;

// A fight spell by its SpellIndex: listed cost, side, effect and the effect while the
// caster's Status doubles it (0: never doubled).
struct FightSpell {
    int cost;
    bool onEnemy;
    int att, def, life;
    int doubledBy;
    int att2, def2, life2;
};

constexpr FightSpell kSpells[16] = {
    {2, true, -4, 0, 0, 11, -8, 0, 0},        // Tourbillon
    {6, false, 3, 3, 2, 13, 6, 6, 4},         // Esprit de vie
    {4, false, 0, 0, 3, 11, 0, 0, 6},         // Guérison
    {2, false, 0, 0, 3, 0, 0, 0, 0},          // Guérison +
    {2, true, -4, 0, 0, 10, -8, 0, 0},        // Flamme
    {4, false, 4, 0, -2, 10, 8, 0, -4},       // Volcan
    {6, false, 0, 10, 0, 10, 0, 20, 0},       // Peau incandescente
    {4, false, 6, 0, -2, 12, 12, 0, -4},      // Vent
    {6, true, -4, -8, 0, 10, -8, -16, 0},     // Tempête
    {14, true, 0, 0, 0, 0, 0, 0, 0},          // Armagueddon: the enemy is killed
    {2, true, -4, 0, 0, 13, -8, 0, 0},        // Roc
    {6, true, -4, 0, 0, 0, 0, 0, 0},          // Main noire: and the enemy loses a turn
    {12, false, 0, 2, 4, 0, 0, 0, 0},         // Résurrection
    {10, false, 0, 2, 4, 0, 0, 0, 0},         // Résurrection +
    {14, false, 10, 10, 0, 0, 0, 0, 0},       // Aura céleste: and 2 life points, unsaid
    {10, true, -12, -12, 0, 0, 0, 0, 0},      // Attaque des 1000 blessures
};
constexpr int kArmagueddon = 9, kAuraCeleste = 14;

bool OnEnemy(int i) { return i >= 0 && i < 16 && kSpells[i].onEnemy; }

std::string Signed(int n) { return (n < 0 ? "-" : "+") + std::to_string(n < 0 ? -n : n); }

// " Att-4, Def-8": the changes joined as the fight message shows them.
std::string EffectText(int att, int def, int life) {
    std::string text;
    auto part = [&text](const char* what, int n) {
        if (n == 0) return;
        text += (text.empty() ? " " : ", ") + std::string(what) + Signed(n);
    };
    part("Att", att);
    part("Def", def);
    part("PV", life);
    return text;
}

void ChangeLife(int c, int delta) {
    int life = rec::Life(c) + delta;
    rec::WriteLife(c, life < 0 ? 0 : life > 9 ? 9 : life);
}

// The effect of spell i on the fight; returns its message.
std::string ApplySpell(ChCmb& panel, int i) {
    const int c = gd.CurrentCharacter;
    const FightSpell& s = kSpells[i];
    const std::string enemy = EnemyName(gd.EnemyNumber);
    if (i == kArmagueddon) return enemy + " " + Msg(542);
    bool doubled = s.doubledBy != 0 && gd.Status[c] == s.doubledBy;
    int att = doubled ? s.att2 : s.att, def = doubled ? s.def2 : s.def, life = doubled ? s.life2 : s.life;
    std::string text = EffectText(att, def, life);
    if (s.onEnemy) {
        gd.EnemyAttack = std::max(0, gd.EnemyAttack + att);
        gd.EnemyDefense = std::max(0, gd.EnemyDefense + def);
        return enemy + " " + Msg(540) + text;
    }
    panel.FightAttackBonus += att;
    panel.FightDefenseBonus += def;
    if (i == kAuraCeleste) life = -2;
    if (life != 0) ChangeLife(c, life);
    return classes::Name(rec::ClassNumber(c)) + " " + Msg(540) + text;
}

}  // namespace

int LastSpellCast() { return pending_spell::SpellCastAt(gd.PendingSpell); }

void ChCmb::AddSpellEntry(int n, int cost) {
    if (SpellMenuCount >= kMenuEntries) return;
    const int c = gd.CurrentCharacter;
    Control& entry = C("CastSpell", SpellMenuCount);
    entry.caption = Msg(519 + n);
    entry.visible = true;
    entry.enabled = SpellCost(c, cost) <= gd.MagicPoints[c];
    ++SpellMenuCount;
}

void ChCmb::ShowSpellMenu() {
    SpellMenuCount = 0;
    for (int k = 1; k < kMenuEntries; ++k) C("CastSpell", k).visible = false;
    Control& first = C("CastSpell", 0);
    first.caption = "#";
    const int c = gd.CurrentCharacter, k = rec::ClassNumber(c);
    auto add = [this](int index) { AddSpellEntry(index + 1, kSpells[index].cost); };
    auto each = [c](int item) { return rec::CountItem(c, item); };
    using namespace classes;
    if (k == kFee || k == kMagicien || k == kSorcier || rec::HasItem(c, items::kWaterBook)) {
        add(0);
        add(2);
    }
    if (k == kNain || k == kCavalierNoir || k == kMagicien || k == kSorcier || rec::HasItem(c, items::kFireBook)) {
        add(4);
        add(5);
        add(6);
    }
    for (int n = each(items::kEarthBook); n > 0; --n) {
        add(7);
        add(8);
        add(9);
    }
    if (k == kSorcier || rec::HasItem(c, items::kGoldBook)) {
        add(10);
        add(1);
    }
    if (k == kNecromancien || k == kCavalierNoir || k == kNain || k == kMagicien || rec::HasItem(c, items::kBlackHandBook)) {
        add(11);
        add(12);
    }
    for (int n = each(items::kChaosBook); n > 0; --n) {
        add(3);
        add(13);
        add(14);
    }
    for (int n = each(items::kShadowBook); n > 0; --n) add(15);
    if (first.caption == "#") {
        first.caption = Msg(541);
        first.enabled = false;
    }
    Ui::Get().Popup(*this, "MNU_Magic", 75, 56);
}

void ChCmb::CastSpell(int index) {
    CombatForm* combat = FightScreen();
    if (!combat || combat->Busy()) return;
    const std::string& caption = C("CastSpell", index).caption;
    int i = 0;
    while (i < 16 && Msg(520 + i) != caption) ++i;
    // The menu was filled when it opened; the points must still be there.
    if (i == 16 || SpellCost(gd.CurrentCharacter, kSpells[i].cost) > gd.MagicPoints[gd.CurrentCharacter]) return;
    gd.PendingSpell = pending_spell::FirstFrame(i);
    Control& frame = combat->C("Sorts", gd.PendingSpell);
    if (OnEnemy(i)) {
        frame.visible = true;
    } else {
        combat->C("MagieSurSoi").picture = frame.picture;
        combat->C("MagieSurSoi").visible = true;
    }
    combat->StartTimer(combat->C("Regul"), kAnimationStep);
}

void AnimateSpell(CombatForm& combat) {
    int& step = gd.PendingSpell;
    if (OnEnemy(pending_spell::SpellOfFrame(step))) {
        combat.C("Sorts", step).visible = false;
        ++step;
        if (!pending_spell::AnimationOver(step)) {
            combat.C("Sorts", step).visible = true;
            return;
        }
    } else {
        ++step;
        if (!pending_spell::AnimationOver(step)) {
            combat.C("MagieSurSoi").picture = combat.C("Sorts", step).picture;
            return;
        }
    }
    combat.C("MagieSurSoi").visible = false;
    Control& regul = combat.C("Regul");
    regul.enabled = false;
    regul.interval = 2000;
    ChCmb* panel = FightPanel();
    int i = pending_spell::SpellCastAt(step);
    if (!panel || i < 0 || i > 15) return;
    ChargeSpellCost(gd.CurrentCharacter, kSpells[i].cost);
    combat.ShowMessage(ApplySpell(*panel, i), 2000);
    panel->StartEnemyTurn();
}
