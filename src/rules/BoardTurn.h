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
// Takes character c off the map for the rest of its turn (death, prison): its icon hidden, no
// movement left, no capacity nor magic, only the end of the turn.
void TakeOffTheMap(int c);
// Hides or shows the whole board (a running fight hides it).
void SetBoardVisible(bool visible);
