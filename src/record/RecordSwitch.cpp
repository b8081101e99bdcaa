#include "record/RecordSwitch.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "save/AtomicFile.h"

namespace fs = std::filesystem;

namespace record {

namespace {

constexpr const char* kRecordKey = "record-games";

}  // namespace

std::string SettingsPath(const std::string& savesFolder) {
    if (savesFolder.empty()) return "";
    return (fs::path(savesFolder) / kSettingsFile).string();
}

bool RecordingOnIn(const std::string& text) {
    if (static_cast<long long>(text.size()) > kLargestSettings) return true;
    bool on = true;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line == std::string(kRecordKey) + " on") on = true;
        else if (line == std::string(kRecordKey) + " off") on = false;
        else return true;  // a line the game did not write: the whole file is not trusted
    }
    return on;
}

std::string SettingsText(bool recordingOn) {
    return std::string("# Quelmor: the player's settings (written by the game)\n") + kRecordKey +
           (recordingOn ? " on\n" : " off\n");
}

bool ReadRecordingSwitch(const std::string& path) {
    if (path.empty()) return true;
    std::string text;
    if (ReadWholeFile(path, kLargestSettings, text) != ReadResult::Read) return true;
    return RecordingOnIn(text);
}

bool WriteRecordingSwitch(const std::string& path, bool on, int& error) {
    error = 0;
    if (path.empty()) return false;
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    return WriteFileAtomically(path, SettingsText(on), error);
}

}  // namespace record
