#pragma once
// The resources screen `Resource`: the seven stocks of the shown character.
#include <memory>

class Screen;

// A new resources screen (its Load fills it for ShownCharacter).
std::unique_ptr<Screen> MakeResourceScreen();
// Shows the resources screen modally for ShownCharacter.
void OpenResources();
