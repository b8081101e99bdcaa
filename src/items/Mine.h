#pragma once
// The mine dialog `ALaMinaNoVoy`: the player picks which metal the mine gives.
#include <memory>

class Screen;

// A new mine dialog (its Load fills it).
std::unique_ptr<Screen> MakeMineDialog();
