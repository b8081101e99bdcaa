#pragma once
#include <cstdint>
// The rules a running game must never break, checked after every action of random play.
#include <string>

// "" when every rule holds, otherwise the first broken rule. Remembers the parts of the
// records that are written only once, when the board opens, to check that they never change.
std::string CheckInvariants();
// Forgets the running game (a new game starts: its records are new).
void ResetInvariants();
// A run from scratch: no screen open, the shared state and the checks as at start-up, the dice
// seeded with seed.
void StartRun(uint64_t seed);

// The rules of the records and the per-character and per-player arrays alone.
std::string CheckRecords();
// The rules of the open screens: which may be open together, and no forgotten dialog.
std::string CheckScreens();
// Between actions on the board: "" when the current turn can still be ended by what the
// current character can do (the end-of-turn button, the fight button, completing a waiting
// target, a step), otherwise what holds the turn for ever.
std::string CheckTurnCanEnd();
