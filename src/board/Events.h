#pragma once
// What happens where a move ends: road events and place events.

// After a step on a road: the capacity offers while movement is left, the cell's event on
// the last point, then the end of the turn is allowed.
void RoadEvents();
// After entering a place cell: the place's event.
void PlaceEvents();
