#include "state/GlobalDecl.h"

GlobalDecl gd;

void ResetGlobalDecl() { gd = GlobalDecl{}; }

int CharacterCount() {
    switch (gd.PlayerCount) {
        case 2: return 12;
        case 3: return 15;
        case 4: return 16;
        default: return 0;
    }
}

int CharactersPerPlayer() { return 8 - gd.PlayerCount; }
