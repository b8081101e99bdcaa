#pragma once
// What the big map and the four zone thumbnails show: the characters' icons, the obstacles and
// the thumbnails' marks. The rules write the board's values; the open board draws them. The
// map is only drawn while a board is open: with none, these change nothing.

#include <vector>

#include "rules/MapTables.h"

// The zone shown on the big map (gb.DisplayedZone).
int DisplayedZone();
// Puts character i's icon on the map (hides it when in prison or dead); the current character
// is shown in the panel too, and the thumbnail of its zone is drawn again.
void ShowCharacterOnMap(int i);
// Hides character i's icon.
void HideCharacterIcon(int i);
// Places character i's obstacle on a cell of a zone and shows it where that zone is shown.
void PlaceObstacle(int i, int zone, int column, int row);
// The obstacles standing on the map (zone, column, row), in the order of their casters; none
// while no board is open.
std::vector<map::Cell> StandingObstacles();
// Shows or hides obstacle i where zone z is displayed.
void ShowObstacle(int i, int z);
// Draws thumbnail z (all four for 0) again: the frame of the displayed zone and a dot for each
// character in it.
void RefreshThumbnails(int z);
// Frames thumbnail z (an older frame of it is taken away first).
void HighlightThumbnail(int z);
