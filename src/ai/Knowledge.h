#pragma once
// What the computer player reads off the board about a party and a character: keys held,
// the door's state, fighting values, and the chance of beating a given enemy.
#include "state/FightOdds.h"

namespace ai {

// The fight odds are the game's own arithmetic (state/FightOdds.h); the computer weighs its
// fights with them.
using odds::EnemyHitChance;
using odds::FightOutlook;
using odds::FightSides;
using odds::FirstMoveChance;
using odds::PlayerHitChance;
using odds::SidesAgainst;
using odds::WinAgainst;
using odds::WinChance;

struct PartyKeys {
    int runic = 0, gold = 0, shadow = 0, master = 0;
    int door = 0;          // the party's door state
    bool needRunic = false;   // a runic key still has to be found
    bool needOther = false;   // a gold or shadow key still has to be found
};

bool Alive(int c);
int FirstOf(int player);   // first character number of a player
PartyKeys KeysOf(int player);
// The tower guardian of a floor (0-4): attack, defence, agility.
void Guardian(int floor, int& attack, int& defense, int& agility);
// The party's best character for the next tower floor, 0 if none is alive.
int Climber(int player);
// The character an opponent has to stop: the party's best on the tower door, where the floors
// are entered, or its Climber when none waits there.
int DoorClimber(int player);
// What Armagueddon (the fight spell that wins at once) costs c now, after its sceptres;
// -1 when c does not know it.
int ArmagueddonCost(int c);
// Can c cast Armagueddon in its next fight, with the magic points it has?
bool CanArmagueddon(int c);
// The arena level (1-3) worth most to c, and its expected worth.
int BestArenaLevel(int c, double* worth);

}  // namespace ai
