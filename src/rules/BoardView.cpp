#include "rules/BoardView.h"

namespace {
BoardView* gView = nullptr;
}

void SetBoardView(BoardView* view) { gView = view; }

BoardView* CurrentBoardView() { return gView; }
