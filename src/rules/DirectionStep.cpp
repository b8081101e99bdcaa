#include "rules/DirectionStep.h"

namespace reach {

namespace {

// Is the cell open to the character at `at`? An exit there carries it on at once.
bool Passable(DirectionStep& out, map::Cell& at, int column, int row, Obstacles obstacles) {
    if (const map::ZoneExit* exit = ExitAt(at.zone, column, row)) {
        at = Through(*exit, at);
        out.exits[out.exitCount] = exit;
        out.exitedAt[out.exitCount] = at;
        ++out.exitCount;
        return true;
    }
    return IsOpen(at.zone, column, row, obstacles);
}

void Take(DirectionStep& out, const map::Cell& at, StepKind kind, int dx, int dy) {
    out.kind = kind;
    out.dx = dx;
    out.dy = dy;
    out.to = map::Cell{at.zone, at.column + dx, at.row + dy};
}

}  // namespace

DirectionStep Direction(const map::Cell& from, int dx, int dy, int cls, bool movementLeft, Obstacles obstacles) {
    DirectionStep out;
    out.to = from;
    if (movementLeft && IsPlaceFor(from.zone, from.column + 2 * dx, from.row + 2 * dy, cls)) {
        Take(out, from, StepKind::IntoPlace, 2 * dx, 2 * dy);
        return out;
    }
    // Both cells are asked in this order even without movement: either may be an exit.
    map::Cell at = from;
    const bool onPlace = IsPlaceFor(from.zone, from.column, from.row, cls);
    const bool twoAhead = Passable(out, at, at.column + 2 * dx, at.row + 2 * dy, obstacles);
    if (movementLeft && onPlace && twoAhead) {
        Take(out, at, StepKind::TwoCells, 2 * dx, 2 * dy);
        return out;
    }
    const bool oneAhead = Passable(out, at, at.column + dx, at.row + dy, obstacles);
    if (movementLeft && oneAhead) Take(out, at, StepKind::OneCell, dx, dy);
    else out.to = at;
    return out;
}

}  // namespace reach
