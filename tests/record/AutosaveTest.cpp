// The autosave's decisions, with a stand-in for the record's core: when a record starts and
// ends, what the title offers, the switch in both menus, and what the player is told.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "record/Autosave.h"
#include "record/RecordFolder.h"
#include "record/RecordSwitch.h"
#include "support/Game.h"
#include "ui/GameRecord.h"
#include "ui/Navigation.h"

namespace fs = std::filesystem;
using namespace record;

namespace {

constexpr const char* kNewGame = "newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n";

// Writes what a record's first line and end would be, and logs every call.
struct StandInCore {
    std::vector<std::string> calls;
    std::string path;
    bool recording = false;
    ContinueResult answer;

    RecordEngine Engine() {
        RecordEngine e;
        e.start = [this](const std::string& p, std::string&) {
            path = p;
            recording = true;
            std::ofstream(p) << "quelmor-record 1\n";
            calls.push_back("start " + fs::path(p).filename().string());
            return true;
        };
        e.stop = [this](const std::string& reason) {
            std::ofstream(path, std::ios::app) << "end " << reason << "\n";
            recording = false;
            calls.push_back("stop " + reason);
        };
        e.recording = [this] { return recording; };
        e.resume = [this](const std::string& p, const std::function<void(const ContinueResult&)>& told) {
            calls.push_back("resume " + fs::path(p).filename().string());
            // The screens are the core's business (see ContinueTest): here only the outcome.
            if (answer.kind != ContinueResult::Refused) {
                path = p;
                recording = true;
            }
            told(answer);
        };
        return e;
    }
};

class Autosave : public ::testing::Test {
protected:
    void SetUp() override {
        saves_ = fs::temp_directory_path() / ("quelmor-autosave-" + std::to_string(::getpid()));
        fs::remove_all(saves_);
        Install();
    }
    void TearDown() override {
        session_.reset();
        RemoveAutosave();
        fs::remove_all(saves_);
        FreshProcess();
    }
    void Install(bool withFolder = true) {
        AutosaveSetup setup;
        setup.savesFolder = withFolder ? saves_.string() : "";
        setup.engine = core_.Engine();
        setup.clock = [this] { return 1'800'000'000 + 60 * clockTicks_++; };
        InstallAutosave(setup);
    }
    Session& Open() {
        session_.reset();  // the driver going closes the screens: before the new one opens
        session_ = std::make_unique<Session>();
        return *session_;
    }
    Screen& Title() { return *Ui::Get().Find("frmBegin"); }
    std::string Records() const { return RecordsFolder(saves_.string()); }
    std::string Unfinished(const std::string& name) {
        fs::create_directories(Records());
        const std::string path = (fs::path(Records()) / name).string();
        std::ofstream(path) << "quelmor-record 1\nseed 4\n";
        return path;
    }

    fs::path saves_;
    StandInCore core_;
    int clockTicks_ = 0;
    std::unique_ptr<Session> session_;
};

}  // namespace

TEST_F(Autosave, ARecordStartsOnceTheSetUpHasClosedOnAGame) {
    Session& s = Open();
    EXPECT_TRUE(core_.calls.empty());
    EXPECT_FALSE(fs::exists(saves_)) << "nothing is written before a game starts";
    // A set-up cancelled starts nothing.
    ASSERT_EQ(s.Run("menu MNU_New\nclick cmdCancel\n"), 0) << s.err();
    EXPECT_TRUE(core_.calls.empty());
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    ASSERT_EQ(core_.calls.size(), 1u);
    EXPECT_EQ(fs::path(core_.path).parent_path(), fs::path(Records()));
    EXPECT_EQ(AutosavedRecord(), core_.path);
    // One record at a time: a game started while one is written starts none.
    TellGameStarted();
    EXPECT_EQ(core_.calls.size(), 1u);
    // Once the core has stopped it, the next game has a record of its own, named later.
    core_.recording = false;
    EXPECT_EQ(AutosavedRecord(), "");
    const std::string first = core_.path;
    CloseBoard();
    OpenTitleScreen();
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    ASSERT_EQ(core_.calls.size(), 2u);
    EXPECT_LT(first, core_.path);
    EXPECT_EQ(RecordFiles(Records()).size(), 2u);
}

TEST_F(Autosave, ABoardDroppedWithTheProgramLeavesItsRecordToContinue) {
    Session& s = Open();
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    session_.reset();
    FreshProcess();  // every screen dropped without closing, as when the program ends
    EXPECT_EQ(core_.calls.size(), 1u);
    EXPECT_EQ(RecordState(core_.path), RecordEnd::Unfinished);
    EXPECT_EQ(LastUnfinishedRecord(Records()), core_.path);
}

TEST_F(Autosave, TheSwitchOffRecordsNothingAndIsKeptForTheNextRun) {
    Session& s = Open();
    Control& entry = Title().C("MNU_Enregistrer");
    EXPECT_TRUE(entry.visible);
    EXPECT_TRUE(entry.checked);
    EXPECT_FALSE(fs::exists(SettingsPath(saves_.string()))) << "written only when changed";
    ASSERT_EQ(s.Run("menu MNU_Enregistrer\n"), 0) << s.err();
    EXPECT_FALSE(Title().C("MNU_Enregistrer").checked);
    EXPECT_FALSE(ReadRecordingSwitch(SettingsPath(saves_.string())));
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    EXPECT_TRUE(core_.calls.empty());
    // The board's game menu shows the same switch; on again, the game is recorded from there.
    ASSERT_EQ(s.Run("click frmJeu.MenuJeu\n"
                    "menu MNU_JeuEnregistrer\n"), 0) << s.err();
    ASSERT_EQ(core_.calls.size(), 1u);
    EXPECT_EQ(core_.calls[0].rfind("start ", 0), 0u);
    EXPECT_TRUE(ReadRecordingSwitch(SettingsPath(saves_.string())));
    // Off in mid-game: the record ends there.
    ASSERT_EQ(s.Run("click frmJeu.MenuJeu\n"
                    "menu MNU_JeuEnregistrer\n"), 0) << s.err();
    EXPECT_EQ(core_.calls.back(), "stop left");
    EXPECT_FALSE(ReadRecordingSwitch(SettingsPath(saves_.string())));
    // The next run reads it.
    session_.reset();
    RemoveAutosave();
    Install();
    Session& next = Open();
    EXPECT_FALSE(Title().C("MNU_Enregistrer").checked);
    ASSERT_EQ(next.Run(kNewGame), 0) << next.err();
    EXPECT_EQ(core_.calls.size(), 2u);
}

TEST_F(Autosave, WithoutASavesFolderNothingIsOfferedNorWritten) {
    Unfinished("game-20261210-100000.qrec");
    Install(false);
    Session& s = Open();
    EXPECT_FALSE(Title().C("MNU_Enregistrer").visible);
    EXPECT_FALSE(Title().C("MNU_Continue").visible);
    ASSERT_EQ(s.Run(kNewGame + std::string("click frmJeu.MenuJeu\n")), 0) << s.err();
    Screen* board = s.screen("frmJeu");
    ASSERT_NE(board, nullptr);
    EXPECT_FALSE(board->C("MNU_JeuEnregistrer").visible);
    ASSERT_EQ(s.Run("close\n"), 0) << s.err();
    EXPECT_TRUE(core_.calls.empty());
}

TEST_F(Autosave, ContinueIsOfferedForAnUnfinishedRecordAndRunsFromItsKey) {
    fs::create_directories(Records());
    std::ofstream(fs::path(Records()) / "game-20261209-100000.qrec") << "quelmor-record 1\nend won\n";
    {
        Session& s = Open();
        EXPECT_FALSE(Title().C("MNU_Continue").visible);
        ASSERT_EQ(s.Run("press frmBegin.Ctrl+R\n"), 0) << s.err();
        EXPECT_TRUE(core_.calls.empty());
    }
    const std::string last = Unfinished("game-20261210-100000.qrec");
    Session& s = Open();
    Control& entry = Title().C("MNU_Continue");
    EXPECT_TRUE(entry.visible);
    EXPECT_EQ(entry.shortcut, "Ctrl+R");
    EXPECT_EQ(entry.caption, "Reprendre la &dernière partie");
    ASSERT_EQ(s.Run("menu lang(1)\n"), 0) << s.err();
    EXPECT_EQ(Title().C("MNU_Continue").caption, "&Continue the last game");
    EXPECT_EQ(Title().C("MNU_Enregistrer").caption, "Record the &games");
    core_.answer.kind = ContinueResult::Resumed;
    ASSERT_EQ(s.Run("press frmBegin.Ctrl+R\nscreen\n"), 0) << s.err();
    EXPECT_EQ(core_.calls, (std::vector<std::string>{"resume game-20261210-100000.qrec"}));
    // Nothing to say (no message box); the record goes on (no new one).
    EXPECT_EQ(s.out(), "frmBegin\n");
    EXPECT_EQ(AutosavedRecord(), last);
    EXPECT_FALSE(ContinueOffered()) << "the record is being written";
}

TEST_F(Autosave, ACutRecordResumesAndSaysWhereAndAnUnusableOneChangesNothing) {
    Unfinished("game-20261210-100000.qrec");
    Session& s = Open();
    core_.answer = ContinueResult{ContinueResult::Refused, 0, 1, "not a record of the game"};
    ASSERT_EQ(s.Run("menu MNU_Continue\nscreen\nclick MsgBox.OK\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmBegin MsgBox\nfrmBegin\n");
    EXPECT_EQ(AutosavedRecord(), "");
    EXPECT_TRUE(Title().C("MNU_Continue").visible);

    s.ClearOutput();
    core_.answer = ContinueResult{ContinueResult::Partly, 41, 42, "unknown command \"jump\""};
    ASSERT_EQ(s.Run("menu MNU_Continue\nscreen\nclick MsgBox.OK\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmBegin MsgBox\nfrmBegin\n");
    EXPECT_NE(AutosavedRecord(), "");
}

TEST(ContinueMessage, SaysTheLinesInTheGamesLanguage) {
    ContinueResult r{ContinueResult::Partly, 7, 8, "x"};
    gd.LanguageOffset = 1000;
    const std::string french = ContinueMessage(r);
    gd.LanguageOffset = 2000;
    const std::string english = ContinueMessage(r);
    EXPECT_NE(french, english);
    for (const std::string& m : {french, english}) {
        EXPECT_NE(m.find(" 8 (x)"), std::string::npos) << m;
        EXPECT_NE(m.find(" 7,"), std::string::npos) << m;
    }
    r.kind = ContinueResult::Refused;
    EXPECT_NE(ContinueMessage(r).find("8, x"), std::string::npos) << ContinueMessage(r);
    r.kind = ContinueResult::Resumed;
    EXPECT_EQ(ContinueMessage(r), "");
    gd.LanguageOffset = 1000;
}
