// The computer in a fight: attack or defend by the better chance, a spell where it pays,
// flight when the odds have turned and losing would cost the character's life.
#include <cstdio>
#include <string>
#include <vector>

#include "ai/Knowledge.h"
#include "ai/Memory.h"
#include "ai/Sayings.h"
#include "ai/Screens.h"
#include "rules/ItemCatalogue.h"
#include "rules/Reach.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace ai {

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return !part.empty() && text.find(part) != std::string::npos;
}

bool Running(Screen* s, const std::string& timer) {
    Control* t = s ? s->Find(timer) : nullptr;
    return t && t->enabled;
}

struct KnownSpell {
    int index, cost;
};

// The spells c can cast in a fight, with their cost after the celestial sceptres.
std::vector<KnownSpell> KnownSpells(int c) {
    using namespace classes;
    const int cls = rec::ClassNumber(c);
    std::vector<KnownSpell> out;
    auto add = [&](int index, int cost) { out.push_back({index, std::max(0, cost - 4 * rec::CountItem(c, items::kCelestialSceptre))}); };
    if (cls == kFee || cls == kMagicien || cls == kSorcier || rec::HasItem(c, 85)) add(0, 2), add(2, 4);
    if (cls == kNain || cls == kCavalierNoir || cls == kMagicien || cls == kSorcier || rec::HasItem(c, 84))
        add(4, 2), add(5, 4), add(6, 6);
    if (rec::HasItem(c, 86)) add(7, 4), add(8, 6), add(9, 14);
    if (cls == kSorcier || rec::HasItem(c, 87)) add(10, 2), add(1, 6);
    if (cls == kNecromancien || cls == kCavalierNoir || cls == kNain || cls == kMagicien || rec::HasItem(c, 90))
        add(11, 6), add(12, 12);
    if (rec::HasItem(c, 88)) add(3, 2), add(13, 10), add(14, 14);
    if (rec::HasItem(c, 89)) add(15, 10);
    return out;
}

// The spell worth casting now, -1 for none.
int ChooseSpell(int c, const FightOutlook& now, double hitChance) {
    const int mp = gd.MagicPoints[c], life = rec::Life(c);
    auto has = [&](int index) {
        for (const KnownSpell& s : KnownSpells(c))
            if (s.index == index && s.cost <= mp) return true;
        return false;
    };
    // Armagueddon wins outright: at once on a tower floor, elsewhere only when the fight
    // looks lost, so that the magic points last for the tower.
    if (has(9) && (gd.EnemyNumber >= 15 ? now.winToAct < 0.97 : now.winToAct < 0.6)) return 9;
    if (life <= 2)
        for (int heal : {3, 2, 13, 12, 1})
            if (has(heal)) return heal;
    if (now.winToAct < 0.8) {
        if (hitChance < 0.6 && has(15)) return 15;
        if (hitChance < 0.6 && has(8)) return 8;
        if (life >= 5 && has(14)) return 14;
    }
    return -1;
}

}  // namespace

Decision FightMove(Screen* popup, const std::string& popupMenu) {
    Memory& m = Mem();
    if (!m.inFight) {
        m.inFight = true;
        m.hitsGiven = 0;
        m.awaiting = false;
        m.spellTries = 0;
        m.wantSpell = -1;
    }
    const int c = gd.CurrentCharacter;
    if (popup) {
        // The spell menu: the entry planned, if it can be cast.
        if (m.wantSpell >= 0)
            for (Control& e : popup->Controls())
                if (e.kind == Kind::Menu && e.parent == popupMenu && e.visible && e.enabled &&
                    e.caption == Msg(520 + m.wantSpell)) {
                    m.awaiting = true;
                    return {"menu " + e.Key(), "cast " + e.caption};
                }
        return {"close", "the spell cannot be cast"};
    }
    Screen* combat = Ui::Get().Find("Combat");
    Screen* panel = Ui::Get().Find("ChCmb");
    if (!combat || !panel) return {"wait 100", "the fight screens are opening"};
    if (Visible(*combat, "Fond")) {
        const std::string message = combat->Find("Message") ? combat->Find("Message")->caption : "";
        if (m.awaiting && message != m.lastMessage) {
            if (Contains(message, Msg(515)) || Contains(message, Msg(131)) || Contains(message, Msg(132))) {
                ++m.hitsGiven;
                m.awaiting = false;
            } else if (Contains(message, Msg(516)) || Contains(message, Msg(133)) || Contains(message, Msg(544))) {
                m.awaiting = false;
            }
        }
        m.lastMessage = message;
        return {"wait 1000", "the fight's message is shown"};
    }
    if (gd.EnemyNumber == 4) return {"wait 500", "the young girl decides"};
    if (Running(panel, "MechantTimer") || Running(combat, "Regul")) return {"wait 200", "the enemy's turn comes"};
    m.lastMessage.clear();

    FightSides sides = SidesAgainst(c, gd.EnemyAttack, gd.EnemyDefense, gd.EnemyAgility);
    sides.hitsLeft = std::max(1, 6 - m.hitsGiven);
    const FightOutlook now = WinChance(sides);
    char odds[80];
    std::snprintf(odds, sizeof odds, "win chance %.0f%% with %d blows to go", now.winToAct * 100, sides.hitsLeft);
    const bool onArena = reach::IsArena(reach::Standing(c));
    const bool deadly = !onArena && gd.EnemyNumber < 15 && rec::ClassNumber(c) != classes::kCavalierNoir;
    if (deadly && now.winToAct < 0.25)
        return {"click ChCmb.StepPix(3)", std::string("flee: ") + odds, Say(Saying::Flee, c, Percent(now.winToAct))};
    if (!sides.monstre && m.spellTries < 3) {
        int spell = ChooseSpell(c, now, PlayerHitChance(sides.attack, sides.enemyDefense));
        if (spell >= 0) {
            ++m.spellTries;
            m.wantSpell = spell;
            return {"click ChCmb.StepPix(1)", "magic, " + Msg(520 + spell) + ": " + odds, Say(Saying::FightSpell, c, Msg(520 + spell))};
        }
    }
    // A blow that can never land makes a fight without end: leave it.
    if (!sides.monstre && PlayerHitChance(sides.attack, sides.enemyDefense) <= 0)
        return {"click ChCmb.StepPix(3)", std::string("flee, my blows cannot land: ") + odds};
    m.awaiting = true;
    if (sides.monstre) return {"click ChCmb.StepPix(0)", std::string("breathe: ") + odds};
    if (now.best == odds::FightMove::Defend) return {"click ChCmb.StepPix(2)", std::string("defend: ") + odds};
    return {"click ChCmb.StepPix(0)", std::string("attack: ") + odds};
}

Decision ArenaMove(Screen& combat) {
    Memory& m = Mem();
    const int c = gd.CurrentCharacter;
    const std::string message = combat.Find("Message") ? combat.Find("Message")->caption : "";
    if (!m.arenaChosen && Visible(combat, "Fond") && message == Msg(583)) {
        double worth = 0;
        int level = BestArenaLevel(c, &worth);
        m.arenaChosen = true;
        static const int kX[3] = {80, 208, 336};
        char why[80];
        std::snprintf(why, sizeof why, "arena level %d, worth %.1f", level, worth);
        return {"click Combat.Form " + std::to_string(kX[level - 1]) + " 144", why, Say(Saying::ArenaLevel, c, std::to_string(level))};
    }
    if (!Running(&combat, "Regul") && m.arenaChosen) return {"click Combat.Form 200 300", "leave the arena"};
    return {"wait 250", "walking to the stand"};
}

}  // namespace ai
