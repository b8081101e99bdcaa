#pragma once
// Using items from the board's item list, and the panel's gold and resources icons.

class Screen;

// Registers Inventaire_Click, Image7_Click and Image15_Click on the board.
void AddItemHandlers(Screen& board);
