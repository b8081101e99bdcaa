#pragma once
// The chance of winning a monster fight, worked out from the fight's own dice: the blow
// hits when attack + a ten-sided draw (0-9) beats defence + a six-sided draw (0-5), the
// enemy's blow the other way round; six blows win, the last life point lost loses.
// Nothing here rolls a die: these are exact sums over every outcome. The computer players
// weigh their fights with it, and the board and the fight screen show its forecast.
#include <string>

namespace odds {

// What the fighter brings and what it meets.
struct FightSides {
    int attack = 0;        // attack with items and lasting bonus
    int defense = 0;       // defence with items and lasting bonus
    int agility = 0;       // agility with its bonus
    int life = 0;          // life points, 1-9
    bool monstre = false;  // breath and grimace: a one-in-two blow and no enemy turn
    int enemyAttack = 0;
    int enemyDefense = 0;
    int enemyAgility = 0;
    int hitsLeft = 6;      // blows still needed
};

// The chance that a blow of attack a gets through defence d (a + 0..9 > d + 0..5).
double PlayerHitChance(int attack, int enemyDefense);
// The chance that the enemy's blow of attack a gets through defence d (a + 0..5 > 0..9 + d),
// with a bonus of 1-10 more defence when the fighter defends.
double EnemyHitChance(int enemyAttack, int defense, bool defending);
// The chance that the fighter acts first (d6 + agility >= d6 + enemy agility).
double FirstMoveChance(int agility, int enemyAgility);

enum class FightMove { Attack, Defend };

struct FightOutlook {
    double win = 0;        // chance of winning from the start of the fight
    double winToAct = 0;   // chance of winning with the fighter to act now
    // Chance of winning with the enemy's blow to come first, the fighter defending or not
    // (the fight screen's forecast while the enemy's turn is on its way).
    double winEnemyNext = 0;
    double winEnemyNextDefended = 0;
    FightMove best = FightMove::Attack;  // the better move now
};

// The chance of winning when the fighter plays each turn the better of attack and defence.
FightOutlook WinChance(const FightSides& sides);

// Character c's fighting values (record, items, lasting bonus, life, class) against an enemy.
FightSides SidesAgainst(int c, int enemyAttack, int enemyDefense, int enemyAgility);
double WinAgainst(int c, int enemyAttack, int enemyDefense, int enemyAgility);

// The forecast as the player reads it, in the current language: "Chance de victoire : 73 %"
// or "Chance of winning: 73%". A chance that only rounds to 0 or 100 reads "< 1" or "> 99".
std::string ChanceText(double chance);
// Its two halves, for a narrow place: "Chance de victoire" and "73 %".
std::string ChanceWords();
std::string ChanceFigure(double chance);
// How the odds look: 0 poor (below 30 %), 1 even, 2 good (60 % and more).
int ChanceBand(double chance);

}  // namespace odds
