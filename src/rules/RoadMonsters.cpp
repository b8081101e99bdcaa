#include "rules/RoadMonsters.h"

int RoadMonster(int zone, int band) {
    static const int kByZone[5][3] = {{0, 0, 0}, {5, 6, 7}, {13, 12, 11}, {3, 2, 1}, {10, 9, 8}};
    if (zone < 1 || zone > 4 || band < 0 || band > 2) return 0;
    return kByZone[zone][band];
}
