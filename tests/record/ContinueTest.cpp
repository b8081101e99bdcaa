// Continue through the same code as the title's entry, with the record's real core: a game
// killed at any moment comes back as it stood, dice included; a cut or damaged record resumes
// up to its last whole event and says where; an unusable one changes nothing.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "record/Autosave.h"
#include "record/ContinueGame.h"
#include "record/RecordFolder.h"
#include "record/Recorder.h"
#include "record/Replayer.h"
#include "record/RecordTestGame.h"
#include "save/SavedGame.h"
#include "support/Game.h"
#include "ui/GameRecord.h"

namespace fs = std::filesystem;
using namespace record;

namespace {

using record_test::Game;
using record_test::kNewGame;
using record_test::kPlay;

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines, const std::string& tail = "") {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\n";
    out << tail;
}

class Continue : public ::testing::Test {
protected:
    void SetUp() override {
        saves_ = fs::temp_directory_path() / ("quelmor-continue-" + std::to_string(::getpid()));
        if (path_.empty()) fs::remove_all(saves_);
        AutosaveSetup setup;
        setup.savesFolder = saves_.string();
        setup.engine = CoreEngine({});
        InstallAutosave(setup);
    }
    void TearDown() override {
        session_.reset();
        StopRecording("");
        RemoveAutosave();
        fs::remove_all(saves_);
        FreshProcess();
    }
    Session& Open() {
        session_.reset();  // the driver going closes the screens: before the new one opens
        session_ = std::make_unique<Session>();
        return *session_;
    }
    // The program killed: every screen dropped, the record left as it was written.
    void Kill() {
        session_.reset();
        FreshProcess();
        StopRecording("");
    }
    // A game played and killed; the game as it stood and its record.
    std::string PlayAndKill(const std::string& more = "") {
        Session& s = Open();
        EXPECT_EQ(s.Run(std::string(kNewGame) + kPlay + more), 0) << s.err();
        EXPECT_TRUE(Recording());
        path_ = AutosavedRecord();
        const std::string game = Game();
        Kill();
        return game;
    }
    Screen* Title() { return Ui::Get().Find("frmBegin"); }
    fs::path saves_;
    std::string path_;
    std::unique_ptr<Session> session_;
};

}  // namespace

TEST_F(Continue, AKilledGameComesBackAsItStoodAndItsRecordGoesOn) {
    const std::string before = PlayAndKill();
    ASSERT_FALSE(path_.empty());
    EXPECT_EQ(RecordState(path_), RecordEnd::Unfinished);
    Session& s = Open();
    ASSERT_TRUE(Title()->C("MNU_Continue").visible);
    ASSERT_EQ(s.Run("press frmBegin.Ctrl+R\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmJeu\n") << "nothing to say for a whole record";
    EXPECT_EQ(Game(), before);
    // The same file goes on: the next moves are appended, and replaying it all gives the game
    // as it then stands.
    EXPECT_EQ(AutosavedRecord(), path_);
    const size_t lines = Lines(path_).size();
    ASSERT_EQ(s.Run("press frmJeu.Down\nclick frmJeu.EndTurn\nwait 900\n"), 0) << s.err();
    const std::string after = Game();
    StopRecording("");
    EXPECT_GT(Lines(path_).size(), lines);
    EXPECT_EQ(RecordFiles(RecordsFolder(saves_.string())).size(), 1u);
    std::string sentence;
    EXPECT_TRUE(CheckRecordFile(path_, sentence).Valid()) << sentence;
    EXPECT_EQ(Game(), after);
}

TEST_F(Continue, ARecordCutInItsLastLineResumesBeforeItAndSaysSo) {
    PlayAndKill();
    std::vector<std::string> lines = Lines(path_);
    ASSERT_GT(lines.size(), 8u);
    // The game as it stood one event before the end, from a replay of the whole lines alone.
    const std::string cut = lines.back().substr(0, lines.back().size() / 2);
    lines.pop_back();
    WriteLines(path_, lines);
    {
        SetGameRecordHooks({});  // a replay of its own: no record of it
        std::ifstream in(path_, std::ios::binary);
        Replayer replay(in);
        replay.Run();
    }
    const std::string expected = Game();
    FreshProcess();
    SetUp();
    WriteLines(path_, lines, cut);
    Session& s = Open();
    // The message box is answered inside the same script: the driver reads it there.
    ASSERT_EQ(s.Run("menu MNU_Continue\nscreen\ndump\nclick MsgBox.OK\nscreen\n"), 0) << s.err();
    const std::string said = s.out();
    EXPECT_EQ(said.substr(0, 14), "frmJeu MsgBox\n");
    EXPECT_NE(said.find("ligne " + std::to_string(lines.size() + 1)), std::string::npos) << said.substr(0, 400);
    EXPECT_EQ(said.substr(said.size() - 7), "frmJeu\n");
    EXPECT_EQ(Game(), expected);
    // The cut line is gone from the file; the record goes on from the last whole event.
    StopRecording("");
    const std::vector<std::string> now = Lines(path_);
    ASSERT_GE(now.size(), lines.size());
    EXPECT_TRUE(std::equal(lines.begin(), lines.end(), now.begin()));
}

TEST_F(Continue, ADamagedLineStopsTheReplayThereAndTheGameGoesOnFromTheLineBefore) {
    PlayAndKill();
    std::vector<std::string> lines = Lines(path_);
    ASSERT_GT(lines.size(), 10u);
    const size_t bad = lines.size() - 3;  // 0-based: line bad + 1 in the file
    lines[bad] = "jump frmJeu.Nowhere";
    WriteLines(path_, lines);
    Session& s = Open();
    ASSERT_EQ(s.Run("menu MNU_Continue\nscreen\ndump\nclick MsgBox.OK\nscreen\n"), 0) << s.err();
    const std::string said = s.out();
    EXPECT_EQ(said.substr(0, 14), "frmJeu MsgBox\n");
    EXPECT_NE(said.find("ligne " + std::to_string(bad + 1) + " ("), std::string::npos) << said.substr(0, 400);
    EXPECT_NE(said.find("ligne " + std::to_string(bad) + ","), std::string::npos) << said.substr(0, 400);
    EXPECT_EQ(said.substr(said.size() - 7), "frmJeu\n");
    StopRecording("");
    // What followed the damaged line is dropped, and the record replays whole again.
    const std::vector<std::string> now = Lines(path_);
    ASSERT_GE(now.size(), bad);
    EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + static_cast<long>(bad), now.begin()));
    std::string sentence;
    EXPECT_TRUE(CheckRecordFile(path_, sentence).Valid()) << sentence;
}

TEST_F(Continue, AnUnusableRecordIsRefusedAndTheTitleStays) {
    PlayAndKill();
    std::vector<std::string> lines = Lines(path_);
    for (const std::string& damage : {std::string("quelmor-record 99"), std::string("start save {broken")}) {
        std::vector<std::string> copy = lines;
        if (damage.rfind("start", 0) == 0) copy[3] = damage;
        else copy[0] = damage;
        WriteLines(path_, copy);
        Session& s = Open();
        ASSERT_EQ(s.Run("wait 100\nmenu MNU_Continue\nscreen\ndump\nclick MsgBox.OK\nscreen\n"), 0) << s.err();
        const std::string said = s.out();
        EXPECT_EQ(said.substr(0, 16), "frmBegin MsgBox\n") << damage;
        EXPECT_NE(said.find("ne peut pas reprendre"), std::string::npos) << said.substr(0, 400);
        EXPECT_EQ(said.substr(said.size() - 9), "frmBegin\n");
        EXPECT_FALSE(Recording());
        EXPECT_EQ(Lines(path_), copy) << "the file is left as it was";
        session_.reset();
        FreshProcess();
    }
}

TEST_F(Continue, AGameContinuedInsideADialogAndKilledAgainComesBackTheSame) {
    // The key that opened the journal is the record's last line: the record goes on after it,
    // so a second Continue opens the journal too.
    const std::string before = PlayAndKill("press frmJeu.F2\n");
    ASSERT_EQ(Open().Run("menu MNU_Continue\n"), 0);
    Kill();
    Session& s = Open();
    ASSERT_EQ(s.Run("menu MNU_Continue\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmJeu frmJournal\n");
    EXPECT_EQ(Game(), before);
}

TEST_F(Continue, AGameKilledInsideADialogComesBackWithTheDialogOpen) {
    // The journal (F2) is open when the game stops: it is shown again, and closing it goes on.
    const std::string before = PlayAndKill("press frmJeu.F2\nwait 100\n");
    Session& s = Open();
    ASSERT_EQ(s.Run("menu MNU_Continue\nscreen\nclose\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmJeu frmJournal\nfrmJeu\n");
    EXPECT_EQ(Game(), before);
    EXPECT_TRUE(Recording());
}
