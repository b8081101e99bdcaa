#pragma once
// The resources screen `Resource`: the seven stocks of the shown character.

// Shows the resources screen modally for ShownCharacter.
void OpenResources();
