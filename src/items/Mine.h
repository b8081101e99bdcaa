#pragma once
// The mine dialog `ALaMinaNoVoy`: the player picks which metal the mine gives.

// Shows the mine dialog modally for the current character.
void OpenMine();
