#pragma once
// What a machine of a network game says of the turn (its title bar, the plate along the map's
// foot): who plays, and where, seen from this machine; and which of a joined machine's player's
// inputs stay on that machine instead of going to the host (its own windows, and the board's
// entries that change nothing of the game).
#include <functional>
#include <string>

namespace net {

// The party whose turn it is: the owner of the character to play, or of the one whose spell
// holds it (0 when no game is on the board, or it is over).
int PartyToPlay();

enum class Where {
    HereOnHost,    // on the host, by its players (seen from the host)
    OnHost,        // on the host, by its players (seen from a joined machine)
    ThisMachine,   // on this joined machine
    Machine,       // on another machine that joined (machine: its name)
    Away,          // on a machine that joined and is away: the turn waits (seen from the host)
    Computer,      // by the computer, on the host
};

// "Ann joue sur la machine de Bob" ... In the title bar, with "partie en réseau : " before it.
std::string WhoPlays(Where where, const std::string& party, const std::string& machine, bool english, bool forTitle);

// Does this line of a joined machine's player's input stay on that machine? entryOfKey gives
// the menu entry of a screen whose shortcut a key is ("" for none).
using EntryOfKey = std::function<std::string(const std::string& screen, const std::string& key)>;
bool StaysOnJoinedMachine(const std::string& recordLine, const EntryOfKey& entryOfKey);

}  // namespace net
