#pragma once
// The computer's levels (computer_level in state/GlobalDecl.h). Hard plays as well as the
// computer knows how; normal and easy make a person's mistakes: they take weaker fights, and
// now and then forget for a whole turn an item, a spell, a capacity, the stop on the tower door
// that the walk passes, or the plan itself (the walk then goes for what looks best nearby).
// Which turns they forget on follows from the game itself, never from the game's dice, so a
// game plays the same from the same start.
namespace ai {

// The level of the party that plays character c now.
int LevelOf(int c);
// The least chance of winning that makes a fight worth taking at the level.
double FightThreshold(int level);

// The things a turn may forget.
enum class Lapse { Potions = 1, MasterKey, LifeItems, Spells, Capacities, StopOnTheWay, Plan };
// Does c, at its party's level, forget that this turn? The same answer all the turn long.
bool Forgets(int c, Lapse what);

// The Cavalier Noir cannot die, so the computer takes every fight with it. The tournament
// measures that habit by turning it off (the fights then weighed as for any class); on
// otherwise.
void SetFightsEveryFightUndying(bool on);
bool FightsEveryFightUndying();

// The mistakes made at a level since the count was last reset: each lapse counted once a turn,
// and each fight taken that the hard level would have left.
struct MistakeCount {
    long long lapses = 0;
    long long weakFights = 0;
};
MistakeCount& Mistakes(int level);

}  // namespace ai
