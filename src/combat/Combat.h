#pragma once
// The Combat screen: monster fights (with the action panel), market, forge, tournament
// entrance and tower floor, chosen by CombatMode.

class Screen;

// Shows Combat as a modal dialog for the current CombatMode (1 to 4) and returns when closed.
void OpenCombatModal();
// Hides the board and shows the fight (CombatMode 0) without waiting.
void StartFight();
// The Combat screen while it is open, nullptr otherwise.
Screen* CombatScreen();
