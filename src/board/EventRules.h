#pragma once
// The pieces of the road and place events that do not need the board: which event a cell
// gives, and the small record changes several events share.

// What a road cell gives when a move ends on it.
enum class RoadEvent {
    None, Diamonds, Mercury, Wood, Spring, OldWoman, Prospector, Hermit, YoungGirl, Mine,
    CollapsedBridge, Avalanche, Crowd, FallenTree, Monsters
};

// The event of a cell of zone (1-4) whose column plus row is s: the first divisor of the
// zone's list that divides s decides.
RoadEvent RoadEventAt(int zone, int s);

// Raises character c's life by one, unless it is already 9.
void RaiseLifeByOne(int c);
