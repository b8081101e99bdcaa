#pragma once
// The codes a character's Status holds, each read by the turn cycle.
namespace status {

constexpr int kFree = 0;
constexpr int kPrison = 1;             // released by 10000 gold or a six
constexpr int kCrowd = 2;              // held up on the road: a crowd,
constexpr int kBridge = 3;             // a collapsed bridge,
constexpr int kAvalanche = 4;          // an avalanche,
constexpr int kFallenTree = 5;         // a fallen tree
constexpr int kDead = 6;
constexpr int kLosesNextTurn = 7;      // flight, black ice, the small tower
constexpr int kElementFirst = 10;      // an element potion, until the end of the own turn:
constexpr int kFire = 10;              // fire,
constexpr int kWater = 11;             // water (doubles the board's healing),
constexpr int kAir = 12;               // air,
constexpr int kEarth = 13;             // earth
constexpr int kElementLast = 13;
constexpr int kControlled = 15;        // under another character's control (slot 0 holds it)
constexpr int kAsleep = 17;            // until seven in the morning
constexpr int kForged = 18;            // the new weapon is ready
constexpr int kForgingFirst = 19;      // forging: counts down to kForged
constexpr int kForgingLast = 29;

}  // namespace status
