#include "record/RecordFolder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "record/RecordFormat.h"

namespace fs = std::filesystem;

namespace record {

namespace {

constexpr const char* kPrefix = "game-";
// Enough of the file's end to hold its last line when that line is `end ...`.
constexpr std::streamoff kTail = 256;

bool IsRecordName(const std::string& name) {
    const std::string suffix = std::string(".") + kRecordSuffix;
    return name.size() > std::string(kPrefix).size() + suffix.size() && name.rfind(kPrefix, 0) == 0 &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string NameFor(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return std::string(kPrefix) + stamp + "." + kRecordSuffix;
}

}  // namespace

std::string RecordsFolder(const std::string& savesFolder) {
    if (savesFolder.empty()) return "";
    return (fs::path(savesFolder) / "records").string();
}

std::string NewRecordPath(const std::string& folder, std::time_t when) {
    std::error_code ec;
    for (int i = 0; i < 100000; ++i) {
        const fs::path path = fs::path(folder) / NameFor(when + i);
        if (!fs::exists(path, ec)) return path.string();
    }
    return "";
}

std::vector<std::string> RecordFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    if (folder.empty()) return files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || !IsRecordName(it->path().filename().string())) continue;
        files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

RecordEnd RecordState(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return RecordEnd::NotARecord;
    const std::string magic = std::string(kRecordMagic) + " ";
    std::string head(magic.size(), '\0');
    if (!in.read(head.data(), static_cast<std::streamsize>(head.size())) || head != magic) return RecordEnd::NotARecord;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    const std::streamoff from = std::max<std::streamoff>(0, size - kTail);
    std::string tail(static_cast<size_t>(size - from), '\0');
    in.seekg(from);
    if (!in.read(tail.data(), static_cast<std::streamsize>(tail.size()))) return RecordEnd::Unfinished;
    // The last whole line: a cut last line is the event in flight, so the game did not end.
    if (tail.empty() || tail.back() != '\n') return RecordEnd::Unfinished;
    tail.pop_back();
    const size_t start = tail.rfind('\n');
    if (start == std::string::npos && from > 0) return RecordEnd::Unfinished;  // a line longer than the tail
    const std::string last = start == std::string::npos ? tail : tail.substr(start + 1);
    return last.rfind("end ", 0) == 0 ? RecordEnd::Finished : RecordEnd::Unfinished;
}

std::string LastUnfinishedRecord(const std::string& folder) {
    const std::vector<std::string> files = RecordFiles(folder);
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        if (RecordState(*it) == RecordEnd::Unfinished) return *it;
    return "";
}

int PruneRecords(const std::string& folder, int keep, const std::string& spare) {
    const std::vector<std::string> files = RecordFiles(folder);
    const std::string unfinished = LastUnfinishedRecord(folder);
    int left = static_cast<int>(files.size()), removed = 0;
    const fs::path spared = fs::path(spare).filename();
    std::error_code ec;
    for (const std::string& file : files) {
        if (left <= keep) break;
        if (file == unfinished || (!spare.empty() && fs::path(file).filename() == spared)) continue;
        if (fs::remove(file, ec)) {
            --left;
            ++removed;
        }
    }
    return removed;
}

}  // namespace record
