#pragma once
// The monsters met on the road of each zone: a die of 1-2, 3-4 or 5-6 picks one of three.

// The enemy (rules/Enemies.h) met in zone 1-4 on band 0 (1-2), 1 (3-4) or 2 (5-6); 0 elsewhere.
int RoadMonster(int zone, int band);
