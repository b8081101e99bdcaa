#pragma once
// The seven raw materials, numbered in the order they are stored in a character's stocks.
#include <string>

enum ResourceKind { kDiamond = 1, kWood, kIron, kMercury, kBronze, kGoldMetal, kSilver };
constexpr int kResourceKinds = 7;

// The name of resource r (1-7) in the current language (message 1564 + r).
std::string ResourceName(int r);
// The 32 × 32 icon of resource r: "res" + r + ".gif".
std::string ResourceIcon(int r);
