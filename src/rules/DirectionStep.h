#pragma once
// What one direction command does to a character, worked out without moving it: the place
// two cells ahead is entered at once; from a place the road is taken two cells at a time;
// else one cell. A zone exit on the way carries the character into the next zone before the
// step is looked at there, and it does so even with no movement left.
#include "rules/Reach.h"

namespace reach {

enum class StepKind {
    None,       // no step (the zone may have changed all the same)
    IntoPlace,  // two cells onto a place: the movement is over and the place's events follow
    TwoCells,   // two cells from a place along the road
    OneCell,    // one cell along the road
};

struct DirectionStep {
    // The zone exits passed, in order, and where each one left the character.
    const map::ZoneExit* exits[2] = {nullptr, nullptr};
    map::Cell exitedAt[2] = {};
    int exitCount = 0;
    StepKind kind = StepKind::None;
    int dx = 0, dy = 0;   // the step itself, after the exits
    map::Cell to{};       // where the character ends
    bool Moved() const { return kind != StepKind::None; }
};

// The direction command (dx, dy) for a character of class cls standing at `from`, with
// movement left or not, among the obstacles.
DirectionStep Direction(const map::Cell& from, int dx, int dy, int cls, bool movementLeft, Obstacles obstacles);

}  // namespace reach
