#pragma once
// What the computer player remembers between two of its actions: the blows it saw land in
// the running fight, its shopping in the market, and how long the current turn has lasted.
#include <string>

namespace ai {

struct Memory {
    int turnCharacter = 0;     // whose turn the counters below belong to
    int turnHour = -1;
    int actionsThisTurn = 0;
    bool towerTried = false;   // a tower floor was tried this turn
    bool doorReached = false;  // the character stood on the tower door this turn
    // The running fight.
    bool inFight = false;
    int hitsGiven = 0;         // blows that landed, counted from the fight's messages
    bool awaiting = false;     // an action waits for its message
    std::string lastMessage;
    int wantSpell = -1;        // the spell the menu was opened for
    int spellTries = 0;
    // The market.
    int purchases = 0;         // bought in this visit
    int wantSeller = 0, wantPosition = -1;
    bool shopDone = false;
    bool arenaChosen = false;
    // The forge.
    int forgeRecipe = 0;       // the recipe the anvil was walked to for
    int forgeTries = 0;
    bool forgeDone = false;
    // The capacity and the board spells.
    int boardSpell = 0;        // the spell (1-6) the dialog was opened for
    int spellTarget = 0;       // the character a targeted spell is meant for
    int spellClicks = 0;       // clicks spent on the target this turn
    int boardSpellTries = 0;
    int capacityClicks = 0;
    // The lapses (ai/Level.h) already counted this turn, one bit each.
    unsigned lapsesCounted = 0;
    // The sentence last told in the window, and whose turn it was told in.
    std::string told;
    int toldCharacter = 0, toldHour = -1;
};

Memory& Mem();

}  // namespace ai
