#pragma once
// The board's values of the running game: the clock, the zone the big map shows, the
// characters' obstacles, a fight waiting for its button, the information line and the marks on
// the four zone thumbnails. The rules read and write them here; the board screen only shows them.
#include <array>
#include <string>
#include <vector>

#include "state/GlobalDecl.h"

// One mark on a zone thumbnail: the frame of the zone the big map shows, or a character's dot
// at the cell it stood on when it was marked, in its player's colour.
struct ThumbnailMark {
    bool frame = false;
    int character = 0;       // 0 for the frame
    int player = 0;          // whose colour the dot has (1-4)
    int column = 0, row = 0;
    bool operator==(const ThumbnailMark&) const = default;
};

struct BoardState {
    int HourCounter = 0;     // hours since the game began
    int DisplayedZone = 0;   // zone on the big map, 0 while the view is switched
    // Obstacle of character i: its cell and zone, 0 = none.
    std::array<int, kMaxCharacters + 1> BlockX{}, BlockY{}, BlockZone{};
    bool fightPending = false;   // a fight waits for the fight button
    std::string informations;    // the information line
    // The marks of thumbnails 1-4, in the order they were drawn (slot 0 unused).
    std::array<std::vector<ThumbnailMark>, 5> thumbnails;
};

// The board's values of the one game of the process (beside gd).
extern BoardState gb;
// Puts them back to their values at program start.
void ResetBoardState();
// Is thumbnail k framed (the zone the big map shows, or showed until the thumbnail was redrawn)?
bool ThumbnailFramed(int k);
