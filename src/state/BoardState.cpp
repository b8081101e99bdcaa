#include "state/BoardState.h"

#include <algorithm>

BoardState gb;

void ResetBoardState() { gb = BoardState{}; }

bool ThumbnailFramed(int k) {
    if (k < 1 || k > 4) return false;
    const auto& marks = gb.thumbnails[k];
    return std::any_of(marks.begin(), marks.end(), [](const ThumbnailMark& m) { return m.frame; });
}
