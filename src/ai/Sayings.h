#pragma once
// What the computer says of its decisions in the window: one short sentence, in the game's
// language, naming the character, what it does and why. Only the decisions that matter say
// anything (a walk's goal, a fight taken or left, an item, a spell, the tower); the clicks
// that carry them out say nothing.
#include <string>

namespace ai {

enum class Saying {
    // The goal of the walk.
    GoClimb, GoKey, GoForestChest, GoUndergroundChest, GoTempleChest, GoMarket, GoForge, GoArena, GoHunt,
    // The tower door.
    StopOnDoor, UseKey, EnterTower,
    // A fight on the board.
    Fight, FightUndying, FightArena, FightFloor, FightGirl, Avoid, FightForced, Seduce,
    // Items, spells and capacities on the board.
    Drink, WaterPotion, LifeItem, LifePotion, MasterKey, Heal, StrikeClimber, RaiseDead, Flight, Theft, Arrows,
    // Shops, the arena and the fight screen.
    Buy, Forge, ArenaLevel, Flee, FightSpell,
};

// The sentence: %1 the name of character c, %2 and %3 the details given.
std::string Say(Saying what, int c, const std::string& detail = "", const std::string& more = "");
// An item's or a recipe's name as a sentence writes it, its capital dropped ("potion de force").
std::string InSentence(const std::string& name);
// Character c's name without the blanks of its record field.
std::string CharacterName(int c);
// A chance as a whole percentage ("72").
std::string Percent(double chance);

}  // namespace ai
