#pragma once
// The rules every state of a game keeps, checked on the state alone: the game's own checks
// after every action of random play and a loaded game's before it replaces the running one.
#include <array>
#include <string>

#include "state/GlobalDecl.h"

// The board's own numbers that the rules look at (the board keeps them, not the shared state).
struct BoardNumbers {
    int hourCounter = 13;
    int displayedZone = 0;
    std::array<int, kMaxCharacters + 1> blockX{}, blockY{}, blockZone{};
};

// Each rule a state can break, named to the player by the loader (add new ones at the end).
enum class Rule {
    None,
    RecordShape,        // a record's fields at their places and widths, digits where digits go
    RecordOwner,        // a record's player number is its slot's owner
    NameControl,        // a control character in a player's or a character's name
    TooManyItems,
    ResourcesShape,     // fourteen digits
    StatusCode,
    ZoneRange,
    OffMap,             // a character outside its zone's map
    NegativeMagic,
    MagicRange,
    BonusRange,
    PlayerFields,       // companions whose player number and name differ
    ClassTwice,
    CurrentNotInPlay,
    ShownNotInPlay,
    ControllerNotInPlay,
    MovesRange,
    EnemyRange,
    TowerFloorRange,
    DoorStateCode,
    FloorWithDoorShut,  // a tower floor won while the door was never opened
    FreeMoveNotInPlay,
    ClockRange,
    DisplayedZoneRange,
    ObstacleOffMap,
    GameOver,           // a party has won its last tower floor: the game has ended
};

struct RuleBreak {
    Rule rule = Rule::None;
    int slot = 0;          // the character (or player) concerned, 0 for the game as a whole
    std::string detail;    // in plain English, for the game's own checks and the tests
    explicit operator bool() const { return rule != Rule::None; }
};

// The rules that hold at every moment of a game, between any two actions (a fight, a dialog or
// the end screen open included). board is null when no board is open.
RuleBreak CheckGameRules(const GlobalDecl& g, const BoardNumbers* board);
// The rules of a game that can go on from the board: all of the above, and no party has won.
RuleBreak CheckGameGoesOn(const GlobalDecl& g, const BoardNumbers& board);

// The shape of one record: Rule::None when it holds. owner is the player its slot belongs to,
// 0 for a slot out of play (any player may have left it there).
Rule RecordRule(const std::u32string& record, int owner);
// The status codes the turn cycle knows.
bool KnownStatus(int code);
