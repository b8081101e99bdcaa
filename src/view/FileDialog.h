#pragma once
// The desktop's file dialog, for the games the player saves and loads.
#include <string>

#include "ui/Services.h"

// Shows a file dialog over the active window and returns the chosen path ("" when cancelled).
// A save dialog adds the suffix when the player types none and does not itself ask about
// replacing a file: the game asks that in its own words.
std::string AskFileNameByDialog(const FileQuestion& question);
