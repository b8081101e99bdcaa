#pragma once
// The shared state of a running game: everything that outlives one screen.
// Screens read and write it directly; the character record operations and the shared
// procedures keep its text fields at their fixed widths.
#include <array>
#include <cstdint>
#include <string>

constexpr int kMaxCharacters = 16;   // character slots 1-16 (slot 0 is no character)
constexpr int kMaxPlayers = 4;       // player slots 1-4

struct GlobalDecl {
    int LanguageOffset = 1000;       // 1000 French, 2000 English
    int PlayerCount = 0;             // 2-4
    int CurrentCharacter = 0;        // whose turn it is
    int ShownCharacter = 0;          // shown in the board's character panel
    int MovesLeft = 0;               // movement points left this turn
    int16_t InventoryScroll = 0;     // first item entry shown in the panel's item list
    int CombatMode = 0;              // 0 fight, 1 market, 2 forge, 3 tournament, 4 tower floor
    int FreeMoveCharacter = 0;       // a character whose map clicks cost nothing
    int FightResult = 0;             // -1 lost, 1 won, 0 neither
    int PendingSpell = 0;            // board action awaiting a click; fight animation step
    int EnemyNumber = 0;             // 1-19
    int EnemyAttack = 0;
    int EnemyDefense = 0;
    int EnemyAgility = 0;
    bool CapacityAvailable = false;
    bool MagicAvailable = false;
    bool EndTurnAvailable = false;

    // Per character, index = character number (slot 0 is no character; Status[0] holds the
    // character who last took control of another one).
    std::array<std::u32string, kMaxCharacters + 1> CharacterRecords{};
    std::array<std::string, kMaxCharacters + 1> Resources{};
    std::array<int, kMaxCharacters + 1> AttackBonus{};
    std::array<int, kMaxCharacters + 1> DefenseBonus{};
    std::array<int, kMaxCharacters + 1> AgilityBonus{};
    std::array<int, kMaxCharacters + 1> Status{};
    std::array<int, kMaxCharacters + 1> MagicPoints{};
    std::array<int, kMaxCharacters + 1> Zone{};
    std::array<int, kMaxCharacters + 1> PosX{};
    std::array<int16_t, kMaxCharacters + 1> PosY{};

    // Per player, index = player number (slot 0 unused).
    std::array<int, kMaxPlayers + 1> DoorState{};
    std::array<int, kMaxPlayers + 1> TowerFloor{};
    // Parties played by the computer (set-up's check box, the driver's `computer P`).
    std::array<bool, kMaxPlayers + 1> ComputerPlayer{};
    // How well the computer plays each of its parties (computer_level below); hard unless the
    // set-up or the driver chose otherwise.
    std::array<int, kMaxPlayers + 1> ComputerLevel{3, 3, 3, 3, 3};
};

// The computer's levels: easy makes a person's mistakes often, normal now and then, hard none.
namespace computer_level {
constexpr int kEasy = 1, kNormal = 2, kHard = 3;
constexpr bool Valid(int level) { return level >= kEasy && level <= kHard; }
}  // namespace computer_level

// The one game state of the process.
extern GlobalDecl gd;

// Puts the whole state back to its values at program start (tests and the driver use it).
void ResetGlobalDecl();

// Number of characters in play: 12, 15 or 16 for 2, 3 or 4 players (0 otherwise).
int CharacterCount();
// Characters per player: 8 − PlayerCount.
int CharactersPerPlayer();
