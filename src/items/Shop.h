#pragma once
// The market (CombatMode 1) and the forge (CombatMode 2) on the Combat screen.

class Screen;

// Load step of the Combat screen in a shop mode.
void ShopLoad(Screen& combat);
// A press on the form's picture at (x, y).
void ShopMouseDown(Screen& combat, int x, int y);
// Regul_Timer in a shop mode (the walk).
void ShopTimer(Screen& combat);
// Item_Click(index) in a shop mode.
void ShopItemClick(Screen& combat, int index);
// List1_Click (the yes / no answer) in the market.
void ShopListClick(Screen& combat);
