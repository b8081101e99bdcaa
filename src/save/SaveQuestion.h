#pragma once
// The game's own question box: a text and two or three answers.
#include <string>
#include <vector>

// Shows the question modally (screen "SaveAsk", buttons "Bouton(0)", "Bouton(1)", ...) and
// returns the answer chosen, from 0; closing the box answers the last one (the cautious one).
int AskPlayer(const std::string& text, const std::vector<std::string>& answers);
