#pragma once
// Opening the board on a party built the way set-up builds it, and reading the driver's dump.
#include <string>
#include <vector>

#include "support/Game.h"
#include "ui/Screen.h"

struct Party {
    std::string name;
    std::vector<int> classes;
};

// Writes PlayerCount and the records of every character as set-up's OK does.
void MakeParties(const std::vector<Party>& parties);
// Lets character i act at every hour (its ActsByDay and ActsByNight become "1").
void ActAlways(int i);
// Sets the two flags of character i.
void SetActs(int i, bool byDay, bool byNight);
// Opens the board on the parties made (board start-up runs).
Screen& StartBoard();
// Parties with every character acting at every hour, then the board.
Screen& StartBoardAlways(const std::vector<Party>& parties);
// Two players with day-and-night classes: Ann 2,3,7,8,9,16 and Bob 1,5,6,10,11,13.
std::vector<Party> TwoPlayers();

// A value of a control in a `dump` line: the raw JSON after "field": of that control.
std::string DumpedField(const std::string& dump, const std::string& screen, const std::string& control,
                        const std::string& field);
// The same for a string field, without its quotes.
std::string DumpedText(const std::string& dump, const std::string& screen, const std::string& control,
                       const std::string& field);
