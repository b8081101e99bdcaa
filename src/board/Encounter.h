#pragma once
// Meeting monsters on the board and the fight button.

class Screen;

// Sets up a pending fight against enemy e with its values and shows the fight button (and
// the forecast beside it).
void MeetMonster(int e, int attack, int defense, int agility);
// Registers the fight button's handlers (BattleNow_MouseDown, BattleNow_MouseUp) on the board.
void AddEncounterHandlers(Screen& board);
