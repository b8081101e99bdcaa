// The records' folder: which record is the last unfinished one, names that sort in time order,
// pruning, and the player's switch read from a file that anyone may have written.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "record/RecordFolder.h"
#include "record/RecordSwitch.h"

namespace fs = std::filesystem;
using namespace record;

namespace {

class RecordFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("quelmor-records-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::string Folder() const { return folder_.string(); }
    fs::path folder_;
};

const std::string kHead = "quelmor-record 1\nseed 5\nlang fr\nstart new\n";

}  // namespace

TEST_F(RecordFolder, ARecordIsFinishedOnlyWhenItsLastWholeLineIsAnEnd) {
    EXPECT_EQ(RecordState(Write("game-a.qrec", kHead + "wait 40\nend won\n")), RecordEnd::Finished);
    EXPECT_EQ(RecordState(Write("game-b.qrec", kHead + "end left\n")), RecordEnd::Finished);
    EXPECT_EQ(RecordState(Write("game-c.qrec", kHead + "wait 40\n")), RecordEnd::Unfinished);
    // Killed while the last event was being written: the end is not whole.
    EXPECT_EQ(RecordState(Write("game-d.qrec", kHead + "end wo")), RecordEnd::Unfinished);
    EXPECT_EQ(RecordState(Write("game-e.qrec", kHead + "click frmJeu.EndTurn\nend")), RecordEnd::Unfinished);
    // Only the header (the game was killed as it started).
    EXPECT_EQ(RecordState(Write("game-f.qrec", kHead)), RecordEnd::Unfinished);
    // A line longer than what is read of the end, ending like an end line.
    EXPECT_EQ(RecordState(Write("game-g.qrec", kHead + "start save " + std::string(5000, 'x') + " end won\n")),
              RecordEnd::Unfinished);
    // `end` inside another line is no end.
    EXPECT_EQ(RecordState(Write("game-h.qrec", kHead + "key FairePerso.ReponseDuNom \"end won\"\n")),
              RecordEnd::Unfinished);
}

TEST_F(RecordFolder, AFileThatDoesNotStartAsARecordIsNone) {
    EXPECT_EQ(RecordState(Write("game-a.qrec", "")), RecordEnd::NotARecord);
    EXPECT_EQ(RecordState(Write("game-b.qrec", "quelmor-recordX\nend won\n")), RecordEnd::NotARecord);
    EXPECT_EQ(RecordState(Write("game-c.qrec", std::string("\0\x01\xff garbage\n", 12))), RecordEnd::NotARecord);
    EXPECT_EQ(RecordState((folder_ / "missing.qrec").string()), RecordEnd::NotARecord);
    fs::create_directories(folder_ / "game-dir.qrec");
    EXPECT_EQ(RecordState((folder_ / "game-dir.qrec").string()), RecordEnd::NotARecord);
}

TEST_F(RecordFolder, TheLastUnfinishedRecordIsTheNewestByNameThatIsStillOpen) {
    EXPECT_EQ(LastUnfinishedRecord(Folder()), "");
    EXPECT_EQ(LastUnfinishedRecord(""), "");
    EXPECT_EQ(LastUnfinishedRecord((folder_ / "nowhere").string()), "");
    const std::string older = Write("game-20261201-100000.qrec", kHead + "wait 5\n");
    Write("game-20261202-100000.qrec", kHead + "end won\n");
    EXPECT_EQ(LastUnfinishedRecord(Folder()), older);
    const std::string newer = Write("game-20261203-090000.qrec", kHead + "wait 5\n");
    EXPECT_EQ(LastUnfinishedRecord(Folder()), newer);
    // Newer files that are not records of this folder's kind are passed over.
    Write("game-20261209-100000.qrec", "not a record\n");
    Write("game-20261210-100000.quelmor", kHead);
    Write("other-20261211-100000.qrec", kHead);
    Write("game-20261212-100000.qrec", kHead + "end left\n");
    EXPECT_EQ(LastUnfinishedRecord(Folder()), newer);
}

TEST_F(RecordFolder, NewNamesSortInTimeOrderAndNeverTakeAnExistingFile) {
    const std::time_t t = 1'800'000'000;
    const std::string first = NewRecordPath(Folder(), t);
    EXPECT_EQ(fs::path(first).parent_path(), folder_);
    EXPECT_EQ(fs::path(first).extension(), ".qrec");
    Write(fs::path(first).filename().string(), kHead);
    const std::string second = NewRecordPath(Folder(), t);  // the same second
    EXPECT_NE(second, first);
    EXPECT_LT(first, second);
    EXPECT_LT(second, NewRecordPath(Folder(), t + 3600 * 24 * 400));
    EXPECT_GT(first, NewRecordPath(Folder(), t - 1));
    Write(fs::path(second).filename().string(), kHead);
    std::vector<std::string> files = RecordFiles(Folder());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], first);
    EXPECT_EQ(files[1], second);
    EXPECT_EQ(RecordsFolder(""), "");
    EXPECT_EQ(fs::path(RecordsFolder("/home/a/saves")), fs::path("/home/a/saves/records"));
}

TEST_F(RecordFolder, PruningKeepsTheNewestAndNeverTheOneWrittenNorTheGameToContinue) {
    std::vector<std::string> all;
    for (int day = 10; day < 35; ++day)
        all.push_back(Write("game-202612" + std::to_string(day) + "-100000.qrec", kHead + "end won\n"));
    // The oldest is being written (a continued game), the second oldest is unfinished and the
    // newest unfinished one.
    const std::string written = all[0];
    const std::string unfinished = Write(fs::path(all[1]).filename().string(), kHead + "wait 5\n");
    EXPECT_EQ(PruneRecords(Folder(), kRecordsKept, written), 5);
    const std::vector<std::string> left = RecordFiles(Folder());
    EXPECT_EQ(left.size(), static_cast<size_t>(kRecordsKept));
    EXPECT_TRUE(fs::exists(written));
    EXPECT_TRUE(fs::exists(unfinished));
    for (int i = 2; i < 7; ++i) EXPECT_FALSE(fs::exists(all[i])) << all[i];
    for (int i = 7; i < 25; ++i) EXPECT_TRUE(fs::exists(all[i])) << all[i];
    // Within the count nothing goes; files of other kinds are never touched.
    const std::string save = Write("game-20261201-100000.quelmor", "{}");
    EXPECT_EQ(PruneRecords(Folder(), kRecordsKept, ""), 0);
    EXPECT_TRUE(fs::exists(save));
}

TEST(RecordSwitchText, OnlyTheGamesOwnLinesTurnTheRecordOff) {
    EXPECT_FALSE(RecordingOnIn(SettingsText(false)));
    EXPECT_TRUE(RecordingOnIn(SettingsText(true)));
    EXPECT_FALSE(RecordingOnIn("record-games off"));
    EXPECT_FALSE(RecordingOnIn("record-games off\r\n"));
    EXPECT_FALSE(RecordingOnIn("\n# a note\n\nrecord-games off\n"));
    EXPECT_TRUE(RecordingOnIn("record-games off\nrecord-games on\n"));  // the last word counts
    // Anything odd is the default: records on.
    for (const std::string& odd : std::vector<std::string>{"", "record-games", "record-games Off", "record-games  off", " record-games off",
                                  "record-games off extra", "record-games=off", "record-games 0",
                                  "record-games off\ncolour blue\n", "record-games off\n\x01\n",
                                  std::string("record-games off\0", 17)}) {
        EXPECT_TRUE(RecordingOnIn(odd)) << odd;
    }
    EXPECT_TRUE(RecordingOnIn(std::string(kLargestSettings, '\n') + "record-games off\n"));
}

TEST_F(RecordFolder, TheSwitchFileIsWrittenWholeAndAnUnreadableOneMeansOn) {
    const std::string path = SettingsPath(Folder() + "/deeper");
    EXPECT_EQ(fs::path(path).filename(), kSettingsFile);
    EXPECT_TRUE(ReadRecordingSwitch(path));  // missing
    int error = -1;
    ASSERT_TRUE(WriteRecordingSwitch(path, false, error));
    EXPECT_EQ(error, 0);
    EXPECT_FALSE(ReadRecordingSwitch(path));
    ASSERT_TRUE(WriteRecordingSwitch(path, true, error));
    EXPECT_TRUE(ReadRecordingSwitch(path));
    // Too large: not read at all.
    std::ofstream(path, std::ios::binary) << "record-games off\n" << std::string(kLargestSettings, '#');
    EXPECT_TRUE(ReadRecordingSwitch(path));
    // A folder where the file should be.
    fs::remove(path);
    fs::create_directories(path);
    EXPECT_TRUE(ReadRecordingSwitch(path));
    EXPECT_FALSE(WriteRecordingSwitch(path, false, error));
    EXPECT_NE(error, 0);
    EXPECT_TRUE(ReadRecordingSwitch(""));
    EXPECT_FALSE(WriteRecordingSwitch("", false, error));
}
