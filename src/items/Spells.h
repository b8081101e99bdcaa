#pragma once
// Board spells: the Magic button, the spell dialog and the completion of targeted spells.

class Screen;

// Registers Magic_Click on the board.
void AddSpellHandlers(Screen& board);
// A click on character t's icon while Glace noire, Armagueddon or Envoutement waits.
void CompleteSpellOnCharacter(int t);
