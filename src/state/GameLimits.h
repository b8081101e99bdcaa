#pragma once
// The limits of the values a game grows without an end of its own. Play keeps every value
// within them, and a saved game is checked against the same numbers (docs/save-format.md), so
// whatever the game saves loads again.
#include <algorithm>

namespace limits {

// The clock: the game starts on day 1 at 13 h. On the last day the hours still go round (day
// and night go on, so sleepers wake and every character's turn comes), but the day stays.
constexpr int kFirstHour = 13;
constexpr int kLastDay = 41666;
constexpr int kLastHour = kLastDay * 24 - 1;   // 999,983: 23 h on the last day
// The clock one hour on.
constexpr int NextHour(int hourCounter) {
    return hourCounter >= kLastHour ? kLastHour - 23 : hourCounter + 1;
}

// Messages the journal keeps: when it is full the oldest thousand go (a long evening's game
// holds a few thousand; fifty thousand of the game's messages make a file of a few MiB).
constexpr int kMostJournalEntries = 50000;
constexpr int kJournalEntriesDropped = 1000;

// Item entries of one record (four digits each).
constexpr int kMostItems = 250;
// Movement points: a roll of nine dice and a bonus of nine.
constexpr int kMostMoves = 9 * 6 + 9;
// Attack, defence and agility bonuses, either way, and magic points.
constexpr int kMostBonus = 1000000;
constexpr int kMostMagic = 1000000;
// An enemy's attack, defence and agility (the tables' are two digits at most).
constexpr int kMostEnemyValue = 1000000;

// value + change, kept within lo..hi.
constexpr int Grown(int value, int change, int lo, int hi) {
    const long long sum = static_cast<long long>(value) + change;
    return static_cast<int>(std::clamp<long long>(sum, lo, hi));
}

}  // namespace limits
