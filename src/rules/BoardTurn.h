#pragma once
// The turn's values that items, spells and fights change on the board: dice, moves left, the
// end of the turn, a death, the board hidden during a fight.

// The sum of count six-sided dice plus bonus.
int RollDice(int count, int bonus);
// MovesLeft := n, and the movement label shows it.
void SetMovesLeft(int n);
// EndTurnAvailable := true, then the buttons are repainted.
void EnableEndTurn();
// Kills the current character (a Cavalier Noir survives).
void DeadlyDead();
// Hides or shows the whole board (a running fight hides it).
void SetBoardVisible(bool visible);
