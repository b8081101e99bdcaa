#pragma once
// The file name the save dialog offers: the players' names and the day of the game,
// "Ann-Bob - jour 3" (the suffix is added by the dialog).
#include <string>
#include <vector>

// The name for these players on this day; dayWord sits between them (" - day ").
// Characters a file name cannot hold or that would mislead (separators of folders, control
// characters, a leading dot) become "_"; without any name, "Quelmor".
std::string SaveNameFrom(const std::vector<std::string>& players, int day, const std::string& dayWord);
// The name for the game on the board, in the game's language.
std::string SuggestedSaveName();
