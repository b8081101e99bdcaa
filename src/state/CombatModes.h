#pragma once
// What the Combat screen is opened as (CombatMode).
namespace combat_mode {

constexpr int kFight = 0;
constexpr int kMarket = 1;
constexpr int kForge = 2;
constexpr int kTournament = 3;
constexpr int kTowerFloor = 4;

}  // namespace combat_mode
