#pragma once
// The player's switch for the game's record, kept for the next runs in a small settings file
// beside the saves ("settings.txt" in the saves' folder):
//
//     # Quelmor: the player's settings (written by the game)
//     record-games off
//
// The file is written only when the player changes the switch. It is read as input from
// outside: a file that is too long, holds anything but comments, blank lines and known
// `name value` lines, or cannot be read means the default (records on).
#include <string>

namespace record {

constexpr const char* kSettingsFile = "settings.txt";
constexpr long long kLargestSettings = 4096;

// The settings file's path in the saves' folder; "" when there is none.
std::string SettingsPath(const std::string& savesFolder);

// The switch as the settings text says (true when the text cannot be followed).
bool RecordingOnIn(const std::string& text);
// The settings text for the switch.
std::string SettingsText(bool recordingOn);

// Reads the switch from the file (true when missing, odd or unreadable).
bool ReadRecordingSwitch(const std::string& path);
// Writes it (making the folder); false with the system's error number when it cannot.
bool WriteRecordingSwitch(const std::string& path, bool on, int& error);

}  // namespace record
