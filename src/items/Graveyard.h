#pragma once
// The graveyard dialog that raises a dead character of the acting player's party.
#include <memory>

class Screen;

// Shows `Graveyard` modally (or only the "nobody" message when nobody can be raised).
void OpenGraveyard();
// The dialog itself, not yet shown (its Load fills the slots).
std::unique_ptr<Screen> MakeGraveyard();
