#include "rules/Enemies.h"

namespace {

constexpr EnemyValues kEnemies[20] = {
    {0, 0, 0, 0},
    {1, 16, 16, 6},  {2, 18, 18, 8},  {3, 20, 20, 10}, {4, 1, 1, 1},    {5, 16, 16, 6},
    {6, 18, 18, 8},  {7, 20, 20, 10}, {8, 16, 16, 6},  {9, 18, 18, 8},  {10, 20, 20, 10},
    {11, 14, 14, 9}, {12, 18, 18, 9}, {13, 22, 22, 12}, {14, 18, 18, 12}, {15, 32, 32, 16},
    {16, 23, 23, 61}, {17, 43, 43, 22}, {18, 54, 54, 32}, {19, 52, 52, 30},
};

}  // namespace

EnemyValues EnemyTable(int e) { return e >= 1 && e <= 19 ? kEnemies[e] : kEnemies[0]; }

std::string EnemyPicture(int e) { return "des" + std::to_string(e) + ".gif"; }

std::string FightBackground(int e) {
    if (e >= 1 && e <= 4) return "cmbvil.bmp";
    if (e >= 5 && e <= 7) return "cmbpln.bmp";
    if ((e >= 8 && e <= 10) || e == 14) return "cmbfrt.bmp";
    if (e >= 11 && e <= 13) return "cmbmtg.bmp";
    if (e >= 15 && e <= 19) return "finale.bmp";
    return "";
}
