// The capacity button: the Amazon's seduction, the necromancer's graveyard, flight, the start
// of a theft and archery, tried one after the other.
#include "items/Capacities.h"

#include <algorithm>

#include "items/Graveyard.h"
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
#include "state/Random.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Screen.h"

namespace {


void SpendCapacity() {
    gd.CapacityAvailable = false;
    RefreshActionButtons();
}

// Returns true when the click ends here.
bool Seduce(int c) {
    if (rec::ClassNumber(c) != classes::kAmazone || !FightPending()) return false;
    int die = rnd::D6();
    std::string name = EnemyName(gd.EnemyNumber);
    if (die >= 4) {
        SetInformations(Msg(111) + name + Msg(112));
        rec::WriteExperience(c, rec::Experience(c) + rec::ReadNumber(c, rec::kExperienceGain, 1));
        ApplyLevelMilestones();
        CallOffFight();
        SpendCapacity();
        return true;
    }
    SetInformations(Msg(111) + name + Msg(113));
    SpendCapacity();
    return false;
}

void RaiseTheDead(int c) {
    if (rec::ClassNumber(c) != classes::kNecromancien) return;
    OpenGraveyard();
    int life = rec::Life(c) - 1;
    if (life < 0) life = 0;
    rec::WriteLife(c, life);
    if (life == 0) DeadlyDead();
    // The panel shows the life point paid at once.
    RefreshPanel(c);
}

void Fly(int c) {
    int cls = rec::ClassNumber(c);
    if (cls != classes::kFee && cls != classes::kDiablotin && cls != classes::kVampire) return;
    SetInformations(Msg(39));
    gd.PendingSpell = pending_spell::kFlight;
}

// Returns true when a theft has begun.
bool StartTheft(int c) {
    bool thief = rec::ClassNumber(c) == classes::kVoleur;
    for (int k = 0, n = rec::ItemCount(c); k < n; ++k) {
        if (!thief && rec::ItemAt(c, k).number != items::kThievesBook) continue;
        for (int t = 1; t <= CharacterCount(); ++t) {
            if (t == c || gd.PosX[t] != gd.PosX[c] || gd.PosY[t] != gd.PosY[c] || gd.Zone[t] != gd.Zone[c])
                continue;
            SetInformations(Msg(107) + classes::Name(rec::ClassNumber(t)));
            gd.ShownCharacter = t;
            RefreshPanel(t);
            SpendCapacity();
            return true;
        }
    }
    return false;
}

// One arrow at character t with the entry at pos; a hit needs at least `needed` on the die.
void Shoot(int c, int t, int pos, int needed) {
    int die = rnd::D6();
    int number = static_cast<int>(rec::ReadNumber(c, pos, 2));
    if (number != items::kFireArrow) {
        int left = static_cast<int>(rec::ReadNumber(c, pos + 2, 2)) - 1;
        if (left == 0) {
            rec::RemoveItem(c, pos);
            RefreshPanel(c);
        } else {
            rec::SetItemValue(c, pos, (left < 0 ? -left : left) % 10);
        }
    }
    if (die >= needed) {
        SetInformations(Msg(108));
        int life = rec::Life(t) - 1;
        if (life < 0) life = 0;
        rec::WriteLife(t, life);
        if (life == 0 && rec::ClassNumber(t) != classes::kCavalierNoir) {
            gd.Status[t] = status::kDead;
            HideCharacterIcon(t);
            gd.MovesLeft = 0;
        }
    } else {
        SetInformations(Msg(109));
    }
    SpendCapacity();
}

// Every arrow entry shoots once at every character in reach, front to back.
void Archery(int c) {
    for (int t = 1; t <= CharacterCount(); ++t) {
        for (int k = 0; k < rec::ItemCount(c); ++k) {
            int pos = rec::ItemPosition(k);
            // The three checks read the entry at this place anew: an exhausted entry's
            // follower moves into it.
            if (k < rec::ItemCount(c) && rec::ItemAt(c, k).number == items::kWhiteArrows && IsWithinReach(t))
                Shoot(c, t, pos, 5);
            if (k < rec::ItemCount(c) && rec::ItemAt(c, k).number == items::kBronzeArrows && IsWithinReach(t))
                Shoot(c, t, pos, 4);
            if (k < rec::ItemCount(c) && rec::ItemAt(c, k).number == items::kFireArrow && IsWithinReach(t))
                Shoot(c, t, pos, 3);
        }
    }
}

}  // namespace

void UseCapacity() {
    int c = gd.CurrentCharacter;
    if (Seduce(c)) return;
    RaiseTheDead(c);
    Fly(c);
    if (StartTheft(c)) return;
    Archery(c);
}

void AddCapacityHandlers(Screen& board) {
    board.On("Capacity_Click", [](const EventArgs&) { UseCapacity(); });
}

bool TheftInProgress() {
    int v = gd.ShownCharacter;
    if (v < 1 || v > kMaxCharacters) return false;
    return Informations() == Msg(107) + classes::Name(rec::ClassNumber(v));
}

// The thief's panel comes back and the theft is over.
static void EndTheft(int thief) {
    gd.ShownCharacter = thief;
    RefreshPanel(thief);
    SetInformations("");
}

void StealItem(const std::string& itemName) {
    int v = gd.ShownCharacter, thief = gd.CurrentCharacter;
    for (int k = 0, n = rec::ItemCount(v); k < n; ++k) {
        rec::ItemEntry e = rec::ItemAt(v, k);
        if (Msg(300 + e.number) != itemName) continue;
        rec::AddItemFront(thief, e.number, e.value);
        rec::RemoveItem(v, rec::ItemPosition(k));
        EndTheft(thief);
        SpendCapacity();
        return;
    }
}

void StealGold() {
    int v = gd.ShownCharacter, thief = gd.CurrentCharacter;
    rec::WriteGold(thief, std::min(rec::Gold(thief) + rec::Gold(v), rec::kMaxGold));
    rec::WriteGold(v, 0);
    EndTheft(thief);
}

void StealResources() {
    int v = gd.ShownCharacter, thief = gd.CurrentCharacter;
    for (int r = 1; r <= 7; ++r) rec::SetResource(thief, r, std::min(99, rec::Resource(thief, r) + rec::Resource(v, r)));
    gd.Resources[v] = "00000000000000";
    EndTheft(thief);
}
