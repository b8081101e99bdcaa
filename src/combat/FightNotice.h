#pragma once
// The notice of how a fight ended: victory and what it brought, defeat and whether the
// character died or got up again, flight, prison, the hermit's theft, the young girl's key.
#include <string>

#include "rules/BoardInformation.h"

// What the outcome is told against: the fighter's values as the fight closes.
struct FightBefore {
    long experience = 0;
    long gold = 0;
    int towerFloor = 0;
    int status = 0;
};
FightBefore BeforeFightOutcome();

struct FightNotice {
    std::string text;
    FightNoticeTone tone = FightNoticeTone::Other;
};
// The notice once the outcome has been written, in the current language.
FightNotice TellFightOutcome(const FightBefore& before);
// Notes it in the game's journal and shows it on the board.
void ShowFightOutcome(const FightBefore& before);
