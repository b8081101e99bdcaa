// How a fight ended, in a few words: the notice the board shows when the fight screen closes,
// which the game's journal keeps. It is told from what the outcome changed.
#include "combat/FightNotice.h"

#include <string>

#include "rules/BoardInformation.h"
#include "rules/Enemies.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/Messages.h"
#include "state/Status.h"

namespace {

struct Words {
    const char *separator, *victory, *defeat, *flight;
    const char *experience, *gold, *floor;
    const char *dies, *getsUp, *survives;
    const char *key, *slap, *theft, *prison;
};
const Words kFrench{"\u00A0: ", "victoire", "défaite", "fuite",
                    " d'expérience", " pièces d'or", "étage conquis\u00A0: ",
                    " meurt", " se relève avec %d points de vie", " survit sans un point de vie",
                    "une clé runique pour ", "une gifle, pas de clé", "\u00A0; il vous a tout volé",
                    "\u00A0; %s va en prison"};
const Words kEnglish{": ", "victory", "defeat", "flight",
                     " experience", " gold pieces", "floor won: ",
                     " dies", " gets up with %d life points", " survives without a life point",
                     "a runic key for ", "a slap, no key", "; he stole everything",
                     "; %s goes to prison"};

// The words with "%d" or "%s" put in.
std::string Fill(const char* words, const std::string& value) {
    std::string text = words;
    const size_t at = text.find('%');
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

}  // namespace

FightBefore BeforeFightOutcome() {
    const int c = gd.CurrentCharacter;
    return FightBefore{rec::Experience(c), rec::Gold(c), gd.TowerFloor[rec::Owner(c)], gd.Status[c]};
}

FightNotice TellFightOutcome(const FightBefore& before) {
    const Words& w = gd.LanguageOffset == 2000 ? kEnglish : kFrench;
    const int c = gd.CurrentCharacter;
    const std::string name = rec::ReadName(c, rec::Name::Character);
    FightNotice notice{EnemyName(gd.EnemyNumber) + w.separator, FightNoticeTone::Other};
    std::string& text = notice.text;
    if (gd.EnemyNumber == 4) {
        text += gd.FightResult == 1 ? w.key + name : w.slap;
        notice.tone = gd.FightResult == 1 ? FightNoticeTone::Victory : FightNoticeTone::Other;
    } else if (gd.FightResult == 1) {
        text += w.victory;
        notice.tone = FightNoticeTone::Victory;
        const long experience = rec::Experience(c) - before.experience, gold = rec::Gold(c) - before.gold;
        if (experience > 0) text += ", +" + std::to_string(experience) + w.experience;
        if (gold > 0) text += ", +" + std::to_string(gold) + w.gold;
        const int floor = gd.TowerFloor[rec::Owner(c)];
        if (floor > before.towerFloor) text += std::string(", ") + w.floor + std::to_string(floor);
    } else if (gd.FightResult == -1) {
        text += w.defeat;
        notice.tone = FightNoticeTone::Defeat;
        if (gd.Status[c] == status::kDead && before.status != status::kDead) text += ", " + name + w.dies;
        else if (rec::Life(c) > 0) text += ", " + name + Fill(w.getsUp, std::to_string(rec::Life(c)));
        else text += ", " + name + w.survives;
    } else {
        text += w.flight;
    }
    if (gd.EnemyNumber == 14 && gd.FightResult == 0) {
        text += w.theft;
        notice.tone = FightNoticeTone::Defeat;
    }
    if (gd.Status[c] == status::kPrison && before.status != status::kPrison) {
        text += Fill(w.prison, name);
        notice.tone = FightNoticeTone::Defeat;
    }
    text += ".";
    return notice;
}

void ShowFightOutcome(const FightBefore& before) {
    const FightNotice notice = TellFightOutcome(before);
    JournalMoment now;
    if (BoardMoment(now)) JournalNote(notice.text, now);
    ShowFightNotice(notice.text, notice.tone);
}
