#pragma once
// Board spells: the Magic button, the spell dialog and the completion of targeted spells.

class Screen;

// Registers Magic_Click on the board.
void AddSpellHandlers(Screen& board);
// CompleteSpellOnCharacter and CompleteSpellOnCell, which the board calls, are in
// ui/Navigation.h.
