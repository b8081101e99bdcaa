#pragma once
// The graveyard dialog that raises a dead character of the acting player's party.

// Shows `Graveyard` modally (or only the "nobody" message when nobody can be raised).
void OpenGraveyard();
