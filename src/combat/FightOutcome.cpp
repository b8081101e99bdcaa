// What a fight leaves behind when its screen closes.
#include "combat/Fight.h"
#include "rules/BoardInformation.h"
#include "rules/BoardMap.h"
#include "rules/BoardTurn.h"
#include "rules/ItemCatalogue.h"
#include "rules/Reach.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "ui/Navigation.h"

namespace {

constexpr int kTownZone = 3;
constexpr int kLastFloor = 5;

bool IsTowerGuardian(int e) { return e >= 15 && e <= 19; }

void GainExperience(int c) {
    rec::WriteExperience(c, rec::Experience(c) + rec::ReadNumber(c, rec::kExperienceGain, 1));
    ApplyLevelMilestones();
    RefreshPanel(c);
}


}  // namespace

long ArenaPrize(int enemyAttack) {
    switch (enemyAttack) {
        case 20: return 2000;
        case 25: return 5000;
        case 30: return 11000;
        default: return 0;
    }
}

void WriteFightOutcome() {
    const int c = gd.CurrentCharacter;
    const int e = gd.EnemyNumber;
    RefreshPanel(c);
    if (IsTowerGuardian(e)) {
        int player = rec::Owner(c);
        if (gd.FightResult == 1) {
            if (++gd.TowerFloor[player] >= kLastFloor) {
                OpenEndScreen();
                return;
            }
        } else if (gd.FightResult == -1) {
            rec::WriteLife(c, 6);
        }
    } else if (e == 4) {
        if (gd.FightResult != 0) {
            rec::AddItemBack(c, items::kRunicKey, 0);
            gd.EndTurnAvailable = true;
            RefreshActionButtons();
            RefreshPanel(c);
            return;
        }
    } else {
        const bool onArena = reach::IsArena(reach::Standing(c));
        if (gd.FightResult == -1) DeadlyDead();  // a Cavalier Noir survives with 0 life
        if (gd.FightResult == 1) {
            GainExperience(c);
            if (rec::ClassNumber(c) == classes::kAmazone) {
                gd.CapacityAvailable = false;
                RefreshActionButtons();
            }
        }
        if (gd.Zone[c] == kTownZone && !onArena && gd.FightResult >= 0) {
            gd.Status[c] = status::kPrison;
            SetInformations(Msg(115));
            TakeOffTheMap(c);
        }
        if (onArena && gd.FightResult == -1) {
            gd.Status[c] = status::kFree;
            rec::WriteLife(c, 6);
            ShowCharacterOnMap(c);
            RefreshPanel(c);
        }
        if (onArena && gd.FightResult == 1) {
            rec::WriteGold(c, rec::Gold(c) + ArenaPrize(gd.EnemyAttack));
            GainExperience(c);
        }
        if (e == 14 && gd.FightResult == 0) {
            SetInformations(Msg(578));
            rec::ClearItems(c);
        }
    }
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
}
