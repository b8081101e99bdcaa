// What the board's buttons do and why one is grey, for their tips (presentation only: the
// rules never read these texts).
#include <string>

#include "board/Board.h"
#include "board/frmJeu.h"
#include "state/GlobalDecl.h"
#include "state/PendingSpells.h"
#include "state/Status.h"

namespace {

struct Words {
    const char* capacity;
    const char* magic;
    const char* endTurn;
    const char* fight;
    const char* scrollUp;
    const char* scrollDown;
    const char* dead;
    const char* capacityUsed;
    const char* noCapacity;
    const char* magicUsed;
    const char* noMagic;
    const char* fightFirst;
    const char* targetFirst;
    const char* pointLeft;    // one movement point
    const char* pointsLeft;   // after the number of points
    const char* actFirst;
};

constexpr Words kFrench{
    "Utiliser la capacité de sa classe",
    "Lancer un sort",
    "Finir le tour",
    "Combattre le monstre rencontré",
    "Objets précédents",
    "Objets suivants",
    "Ce personnage est mort.",
    "Capacité déjà utilisée ce tour.",
    "Sa classe n'a pas de capacité à utiliser ici.",
    "Magie déjà utilisée ce tour.",
    "Ni sa classe ni ses objets ne donnent de sorts.",
    "Un monstre attend : combattez-le d'abord.",
    "Choisissez d'abord la cible sur la carte.",
    "Il reste 1 point de mouvement.",
    " points de mouvement restent.",
    "Déplacez-vous ou agissez d'abord.",
};

constexpr Words kEnglish{
    "Use the class's capacity",
    "Cast a spell",
    "End the turn",
    "Fight the monster met",
    "Previous items",
    "Next items",
    "This character is dead.",
    "Capacity already used this turn.",
    "The class has no capacity to use here.",
    "Magic already used this turn.",
    "Neither the class nor the items give spells.",
    "A monster is waiting: fight it first.",
    "First choose the target on the map.",
    "1 movement point left.",
    " movement points left.",
    "Move or act first.",
};

const Words& Say() { return gd.LanguageOffset == 2000 ? kEnglish : kFrench; }

// The character whose buttons these are: the controlled one's master acts for it.
int Actor() {
    int k = gd.CurrentCharacter;
    if (k >= 1 && k <= 16 && gd.Status[k] == status::kControlled) k = gd.Status[0];
    return k >= 1 && k <= 16 ? k : 0;
}

bool Dead(int k) { return k > 0 && gd.Status[k] == status::kDead; }

std::string WhyNoEndTurn() {
    const Words& w = Say();
    if (FightPending()) return w.fightFirst;
    if (gd.PendingSpell != pending_spell::kNone) return w.targetFirst;
    if (gd.MovesLeft == 1) return w.pointLeft;
    if (gd.MovesLeft > 1) return std::to_string(gd.MovesLeft) + w.pointsLeft;
    return w.actFirst;
}

}  // namespace

void ExplainBoardButtons(frmJeu& board) {
    const Words& w = Say();
    const int k = Actor();
    board.C("Capacity").purpose = w.capacity;
    board.C("Magic").purpose = w.magic;
    board.C("EndTurn").purpose = w.endTurn;
    board.C("BattleNow").purpose = w.fight;
    board.C("ScrollUp").purpose = w.scrollUp;
    board.C("ScrollDn").purpose = w.scrollDown;
    board.C("Capacity").whyNot = Dead(k) ? w.dead : HasTurnCapacity(k) ? w.capacityUsed : w.noCapacity;
    board.C("Magic").whyNot = Dead(k) ? w.dead : CastsSpells(k) ? w.magicUsed : w.noMagic;
    board.C("EndTurn").whyNot = WhyNoEndTurn();
}
