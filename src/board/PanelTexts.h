#pragma once
// The texts of the panel's value pop-ups: each value with the parts it is made of.
#include <string>

// Attack of c: the base, each attack item's value, then the bonus.
std::string AttackDetail(int c);
// Defence of c: the base, each armour's value, then the bonus.
std::string DefenseDetail(int c);
// Agility of c: the base, then the bonus.
std::string AgilityDetail(int c);
// Movement of c: its dice and its bonus.
std::string MovementDetail(int c);
std::string ExperienceDetail(int c);
std::string LifeDetail(int c);
