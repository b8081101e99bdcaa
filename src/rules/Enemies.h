#pragma once
// The nineteen enemies: values, pictures and fight backgrounds.
#include <string>

struct EnemyValues {
    int number, attack, defense, agility;
};

// The table values of enemy e (1-19).
EnemyValues EnemyTable(int e);
// "des" + e + ".gif".
std::string EnemyPicture(int e);
// The fight background of enemy e.
std::string FightBackground(int e);
