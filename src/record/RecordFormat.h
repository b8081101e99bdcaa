#pragma once
// The game's record: every input that reached a screen and the time that passed between them,
// from the start of a game (or of a loaded one), one event a line, in the scripted driver's
// command language. Replaying a record from its start reproduces the game exactly, dice
// included. docs/record-format.md describes the text.
//
//     quelmor-record 1              the first line: the format and its version
//     seed 8123456789               the dice generator's seed for the game
//     lang en                       the game's language when the record starts (fr or en)
//     start new                     from the title screen, before New game is chosen
//     start save {"version":3,...}  or from a saved game, its whole text on one line
//     computer 2 on                 a party's player changed (person / computer)
//     wait 40                       milliseconds of the game's clock (timers fire)
//     start game {"version":3,...}  or from the board's game, changed since it was saved
//     click frmJeu.Image1 96 64 1 0 a player's input, exactly as the driver reads it; besides the
//                                   driver's: down, up, move, dblevent, presson, close SCREEN
//     hurry on                      H: the computer's fights go faster
//     save / saved NAME / notsaved  the player's save command and what it came to
//     load / start save ... / notloaded   the player's load command and what it came to
//     unfaithful set                the driver changed the game here: a replay stops
//     ...
//     end won                       the game ended (won, left); no line follows
//
// A record is input from outside: the reader refuses any line that is not one of these,
// names a screen or control that is not open or shown, or passes the limits below, and stops
// there with the line's number and the fault.
#include <cstddef>

namespace record {

constexpr int kRecordVersion = 1;
constexpr const char* kRecordMagic = "quelmor-record";
constexpr const char* kRecordSuffix = "qrec";

// The longest line but a `start save` line, and the longest of those (a saved game's text).
constexpr std::size_t kLongestLine = 4096;
constexpr std::size_t kLongestStartLine = 16u * 1024 * 1024;
// The most events a record may hold (a four-player evening is some tens of thousands).
constexpr long long kMostEvents = 5'000'000;

}  // namespace record
