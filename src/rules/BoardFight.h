#pragma once
// A fight waiting on the board for its button, and who stands within a bow's reach.

// Is a fight pending (gb.fightPending: the fight button waits)?
bool FightPending();
// A fight waits: the fight button shows its first face and can be pressed.
void OfferFight();
// The pending fight is called off (or begins): the fight button goes away.
void CallOffFight();
// Is character t one or two cells from the current character along a row or a column?
bool IsWithinReach(int t);
