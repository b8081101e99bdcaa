#include "state/FightOdds.h"

#include <algorithm>
#include <cmath>

#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"

namespace odds {

double PlayerHitChance(int attack, int enemyDefense) {
    int hits = 0;
    for (int a = 0; a <= 9; ++a)
        for (int b = 0; b <= 5; ++b)
            if (attack + a > enemyDefense + b) ++hits;
    return hits / 60.0;
}

double EnemyHitChance(int enemyAttack, int defense, bool defending) {
    int hits = 0, all = 0;
    for (int bonus = defending ? 1 : 0; bonus <= (defending ? 10 : 0); ++bonus)
        for (int a = 0; a <= 5; ++a)
            for (int b = 0; b <= 9; ++b) {
                ++all;
                if (enemyAttack + a > b + defense + bonus) ++hits;
            }
    return static_cast<double>(hits) / all;
}

double FirstMoveChance(int agility, int enemyAgility) {
    int first = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            if (a + agility >= b + enemyAgility) ++first;
    return first / 36.0;
}

FightOutlook WinChance(const FightSides& s) {
    FightOutlook out;
    const int hits = std::clamp(s.hitsLeft, 1, 6), life = std::clamp(s.life, 0, 9);
    if (life == 0) return out;
    if (s.monstre) {
        // Each try is a blow with one chance in two and the enemy never answers; only an
        // enemy that wins the first move strikes once.
        const double q = EnemyHitChance(s.enemyAttack, s.defense, false);
        out.winToAct = 1.0;
        double first = FirstMoveChance(s.agility, s.enemyAgility);
        out.win = first + (1 - first) * (life > 1 ? 1.0 : 1 - q);
        out.winEnemyNext = out.winEnemyNextDefended = life > 1 ? 1.0 : 1 - q;
        return out;
    }
    const double p = PlayerHitChance(s.attack, s.enemyDefense);
    const double q = EnemyHitChance(s.enemyAttack, s.defense, false);
    const double qd = EnemyHitChance(s.enemyAttack, s.defense, true);
    // V[h][l]: the fighter to act, h blows needed, l life points. E(h, l, q): after the
    // fighter's move, the enemy strikes with chance q.
    double V[7][10] = {};
    auto enemy = [&](int h, int l, double chance) {
        double hit = l > 1 ? V[h][l - 1] : 0.0;
        return chance * hit + (1 - chance) * V[h][l];
    };
    for (int round = 0; round < 400; ++round) {
        double change = 0;
        for (int h = 1; h <= hits; ++h)
            for (int l = 1; l <= life; ++l) {
                double attack = p * (h == 1 ? 1.0 : enemy(h - 1, l, q)) + (1 - p) * enemy(h, l, q);
                double defend = enemy(h, l, qd);
                double v = std::max(attack, defend);
                change = std::max(change, std::fabs(v - V[h][l]));
                V[h][l] = v;
            }
        if (change < 1e-10) break;
    }
    const double attack = p * (hits == 1 ? 1.0 : enemy(hits - 1, life, q)) + (1 - p) * enemy(hits, life, q);
    const double defend = enemy(hits, life, qd);
    out.best = defend > attack + 1e-9 ? FightMove::Defend : FightMove::Attack;
    out.winToAct = V[hits][life];
    const double first = FirstMoveChance(s.agility, s.enemyAgility);
    out.win = first * out.winToAct + (1 - first) * enemy(hits, life, q);
    out.winEnemyNext = enemy(hits, life, q);
    out.winEnemyNextDefended = enemy(hits, life, qd);
    return out;
}

FightSides SidesAgainst(int c, int a, int d, int g) {
    FightSides s;
    s.attack = rec::EffectiveAttack(c);
    s.defense = rec::EffectiveDefense(c);
    s.agility = rec::EffectiveAgility(c);
    s.life = rec::Life(c);
    s.monstre = rec::ClassNumber(c) == classes::kMonstre;
    s.enemyAttack = a;
    s.enemyDefense = d;
    s.enemyAgility = g;
    return s;
}

double WinAgainst(int c, int a, int d, int g) { return WinChance(SidesAgainst(c, a, d, g)).win; }

std::string ChanceWords() { return gd.LanguageOffset == 2000 ? "Chance of winning" : "Chance de victoire"; }

std::string ChanceFigure(double chance) {
    const long percent = std::lround(std::clamp(chance, 0.0, 1.0) * 100);
    std::string figure = std::to_string(percent);
    if (percent == 0 && chance > 0) figure = "< 1";
    if (percent == 100 && chance < 1) figure = "> 99";
    return gd.LanguageOffset == 2000 ? figure + "%" : figure + "\u00A0%";
}

std::string ChanceText(double chance) {
    return ChanceWords() + (gd.LanguageOffset == 2000 ? ": " : "\u00A0: ") + ChanceFigure(chance);
}

int ChanceBand(double chance) { return chance >= 0.6 ? 2 : (chance >= 0.3 ? 1 : 0); }

}  // namespace odds
