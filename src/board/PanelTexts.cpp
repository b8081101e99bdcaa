#include "board/PanelTexts.h"

#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Text.h"

namespace {

int Digit(int c, int position) { return static_cast<int>(rec::ReadNumber(c, position, 1)); }

int Slot(int c) { return c >= 0 && c <= kMaxCharacters ? c : 0; }

}  // namespace

std::string AttackDetail(int c) {
    std::string text = NumberText(Digit(c, rec::kAttack));
    for (int k = 0, n = rec::ItemCount(c); k < n; ++k) {
        const rec::ItemEntry e = rec::ItemAt(c, k);
        if (rec::CountsForAttack(e.number)) text += " (+" + NumberText(e.value) + ")";
    }
    if (gd.AttackBonus[Slot(c)] != 0) text += " (+" + DigitText(gd.AttackBonus[Slot(c)]) + ")";
    return text;
}

std::string DefenseDetail(int c) {
    std::string text = NumberText(Digit(c, rec::kDefense));
    for (int k = 0, n = rec::ItemCount(c); k < n; ++k) {
        const rec::ItemEntry e = rec::ItemAt(c, k);
        if (rec::CountsForDefense(e.number)) text += " (+" + NumberText(e.value) + ")";
    }
    if (gd.DefenseBonus[Slot(c)] != 0) text += " (+" + DigitText(gd.DefenseBonus[Slot(c)]) + ")";
    return text;
}

std::string AgilityDetail(int c) {
    std::string text = NumberText(Digit(c, rec::kAgility));
    if (gd.AgilityBonus[Slot(c)] != 0) text += " (+" + NumberText(gd.AgilityBonus[Slot(c)]) + ")";
    return text;
}

std::string MovementDetail(int c) {
    std::string text = NumberText(Digit(c, rec::kMoveDice)) + "D6";
    const int bonus = Digit(c, rec::kMoveBonus);
    if (bonus != 0) text += " +" + NumberText(bonus);
    return text;
}

std::string ExperienceDetail(int c) { return NumberText(rec::Experience(c)); }

std::string LifeDetail(int c) { return DigitText(rec::Life(c)); }
