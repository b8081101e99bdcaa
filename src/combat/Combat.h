#pragma once
// The Combat screen: monster fights (with the action panel), market, forge, tournament
// entrance and tower floor, chosen by CombatMode.

class Screen;

// Opened through StartFight and OpenCombatModal (ui/Navigation.h).
// The Combat screen while it is open, nullptr otherwise.
Screen* CombatScreen();
