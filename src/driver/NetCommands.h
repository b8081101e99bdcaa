#pragma once
// The driver's commands for playing across machines, so that tests run two to four processes
// on one machine (docs/network-protocol.md):
//     host PORT CODE SEAT...      hosts the game as it stands (title, or board between two
//                                 actions); SEAT is P=NAME for a party played from the machine
//                                 that joins as NAME (the others are played here)
//     serve [SECONDS]             serves the joined machines and plays the computer's parties
//                                 until a party played here is to play, a done machine's party
//                                 is to play, the game ends, or SECONDS pass with nothing new
//     unhost                      ends the hosted session (the machines are told)
//     join ADDRESS PORT CODE NAME follows the host's game; the script's next lines, up to
//                                 `leave`, are this machine's player's inputs, sent when its
//                                 party is to play
#include <functional>
#include <ostream>
#include <string>

#include "ui/CommandLine.h"

bool IsNetCommand(const std::string& command);
// Runs one of them; "" when it ran, else the fault. nextLine reads the script's next line.
std::string RunNetCommand(const CommandLine& line, const std::function<bool(std::string&)>& nextLine, std::ostream& out,
                          std::ostream& err);
// Ends a hosted session still running (the driver's end).
void EndNetSessions();
