#pragma once
// Board spells: the Magic button, the spell dialog and the completion of targeted spells.

class Screen;

// Registers Magic_Click on the board.
void AddSpellHandlers(Screen& board);
// A click on character t's icon while Glace noire, Armagueddon or Envoutement waits.
void CompleteSpellOnCharacter(int t);
// A click on a cell (column, row from 1) of the displayed zone while Bloc waits: the
// caster's obstacle is put there.
void CompleteSpellOnCell(int column, int row);
// The cost of a spell for character c: 4 less for every Sceptre céleste carried, never below 0.
int SpellCost(int c, int listedCost);
// Lowers c's magic points by that cost.
void ChargeSpellCost(int c, int listedCost);
