#pragma once
// Where a character can walk: the direction commands worked out on a copy of its position,
// by the map's road table, place cells and zone exits, so that a whole turn's walk can be
// planned before the first key is pressed. Nothing here moves anyone.
#include <array>
#include <vector>

namespace ai {

struct Spot {
    int zone = 0, x = 0, y = 0;
    bool operator==(const Spot& o) const { return zone == o.zone && x == o.x && y == o.y; }
};

// The four directions in the order of the direction menu: up, down, left, right.
enum Direction { Up = 0, Down = 1, Left = 2, Right = 3 };
const char* DirectionKey(int direction);   // "Up", "Down", "Left", "Right"

// Obstacles that stand on the map (zone, column, row), 0 zone = none.
using Obstacles = std::vector<Spot>;

struct Step {
    Spot to;
    bool moved = false;       // the command took a step (and spent a point)
    bool enteredPlace = false;  // the step ended in a place: the walk is over
};

// One direction command for a character of class cls with movement left.
Step Walk(const Spot& from, int direction, int cls, const Obstacles& obstacles);

// Is a cell a place for a character of class cls (the temple refuses some classes)?
bool IsPlaceFor(const Spot& s, int cls);

// Every end of this turn's walk: the spot where the movement runs out (or a place entered
// earlier), with the first direction to press to get there.
struct WalkEnd {
    Spot spot;
    int firstDirection = -1;
    bool place = false;       // a place entered
    bool stuck = false;       // no step possible before the movement ran out
};
// The search is bounded by the map, not by the movement: a walk of a million steps costs what
// one of a few dozen does.
std::vector<WalkEnd> TurnEnds(const Spot& from, int moves, int cls, const Obstacles& obstacles);

// Every cell this turn's walk can stop on before its movement runs out (a place entered ends
// the walk and is among the ends above), at the fewest steps, with the first direction to
// press; the start is not among them. A walk stopped there gives up the movement left.
struct WalkStop {
    Spot spot;
    int firstDirection = -1;
    int steps = 0;
};
std::vector<WalkStop> TurnStops(const Spot& from, int moves, int cls, const Obstacles& obstacles);

// Steps from a spot to another over any number of turns, around the obstacles, each place
// passed through counted with what it risks (a few steps more, many for the volcano); -1 if never.
int StepsBetween(const Spot& from, const Spot& to, int cls, const Obstacles& obstacles);

// Spots the searches above have taken up since the program started (a spot reached after k
// steps of a turn's walk counts once for each k): what they cost, for the tests.
long long SearchVisits();

}  // namespace ai
