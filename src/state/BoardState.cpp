#include "state/BoardState.h"

BoardState gb;

void ResetBoardState() { gb = BoardState{}; }
