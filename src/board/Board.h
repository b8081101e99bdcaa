#pragma once
// The board screen `frmJeu` as a screen. The board's procedures that other parts of the game
// call live in the rules (rules/Board*.h), which tell the open board what to show.
#include "rules/BoardFight.h"
#include "rules/BoardInformation.h"
#include "rules/BoardMap.h"
#include "rules/BoardTurn.h"

#include "ui/Navigation.h"

// The board while it is open, Board(), is in ui/Navigation.h.
