#pragma once
// The board's entries for network play, in its game menu after the saved games' entries:
// "Host a network game..." (its dialog `frmHeberger`: how each party is played, the port, the
// join code), "Hand the away party to the computer" while a remote party's machine is away,
// and "Stop hosting" or "Leave the network game". None exists unless the program offers
// network play (ui/NetPlay.h); each shows only when it applies.
#include <functional>
#include <memory>
#include <string>

#include "ui/NetPlay.h"

class Screen;

constexpr const char* kHostEntry = "MNU_JeuHeberger";
constexpr const char* kAwayEntry = "MNU_JeuAbsent";
constexpr const char* kNetEndEntry = "MNU_JeuReseauFin";
constexpr const char* kNetSeparator = "MNU_JeuReseauSep";

// Does the program offer network play on the board (the entries are made)?
bool BoardNetEntriesOffered();
// Shows or hides each entry as the network game stands now, in the current language.
void RefreshBoardNetEntries(Screen& board);
// Runs the entry of that name once the menu is closed; false for a name not of these entries.
bool RunBoardNetEntry(const std::string& name);

// The Host dialog, modally. OK with a port and at least one remote party closes it and hands
// the choices to the host hook; otherwise it stays with the reason in its own label.
void OpenHostDialog();
// The dialog itself, to be opened by the caller: accepted runs once OK has closed it.
std::unique_ptr<Screen> MakeHostDialog(std::function<void(const NetHostAsk&)> accepted);
