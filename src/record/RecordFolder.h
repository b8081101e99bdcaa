#pragma once
// Where the records of the games played in the window are kept: the saves' folder's "records"
// folder, one file a game named by the moment it started ("game-20261210-113000.qrec"), so that
// names sort in time order. A record is finished once its last line is `end ...`; the newest
// unfinished one is the game the title offers to continue. At most kRecordsKept are kept.
#include <ctime>
#include <string>
#include <vector>

namespace record {

constexpr int kRecordsKept = 20;

// The records' folder inside the saves' folder; "" when there is no saves' folder.
std::string RecordsFolder(const std::string& savesFolder);

// A path for a record of a game that starts at `when` (local time) that no file has yet: the
// next free second when two games start within the same one. Nothing is made.
std::string NewRecordPath(const std::string& folder, std::time_t when);

// The record files of the folder (regular files named game-*.qrec), oldest first.
std::vector<std::string> RecordFiles(const std::string& folder);

enum class RecordEnd { Finished, Unfinished, NotARecord };
// Reads only the file's first line and its last few hundred bytes: a file that does not start
// with the record's first line is no record; one whose last whole line is `end ...` is finished;
// any other (a cut last line included) is unfinished.
RecordEnd RecordState(const std::string& path);

// The newest unfinished record of the folder; "" when none.
std::string LastUnfinishedRecord(const std::string& folder);

// Removes the oldest records beyond `keep`, never `spare` (the one being written) nor the
// newest unfinished one. Returns how many went.
int PruneRecords(const std::string& folder, int keep, const std::string& spare);

}  // namespace record
