#pragma once
// Meeting monsters on the board and the fight button.

class Screen;

// Sets up a pending fight against enemy e with its values and shows the fight button.
void MeetMonster(int e, int attack, int defense, int agility);
// Is character t one or two cells from the current character along a row or a column?
bool IsWithinReach(int t);
// Registers the fight button's handlers (BattleNow_MouseDown, BattleNow_MouseUp) on the board.
void AddEncounterHandlers(Screen& board);
