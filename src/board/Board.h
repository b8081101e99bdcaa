#pragma once
// The board screen `frmJeu` as a screen. The board's procedures that other parts of the game
// call live in the rules (rules/Board*.h), which tell the open board what to show.
#include "rules/BoardFight.h"
#include "rules/BoardInformation.h"
#include "rules/BoardMap.h"
#include "rules/BoardTurn.h"

class Screen;

// The board while it is open, nullptr otherwise.
Screen* Board();
