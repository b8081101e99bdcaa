// Watching a record through the same code as the title's entry (the driver's `watch`): the
// panel's steps give the game the replay gives, its pauses and speeds change nothing, the
// player's input to the game's screens is refused, Take over makes a normal game recorded
// anew and leaves the watched file as it was, and a hostile record stops at its line.
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
#include "ui/Host.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace fs = std::filesystem;
using namespace record;

namespace {

using record_test::Game;
using record_test::kNewGame;
using record_test::kPlay;

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Repeat(const std::string& line, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += line;
    return out;
}

// A dump without the panel's screen and the windows' keys: the game's own screens and values.
std::string WithoutPanel(std::string dump) {
    dump = dump.substr(0, dump.find(", \"audio\": "));
    const std::string head = ", \"frmReplay\": {";
    const size_t at = dump.find(head);
    if (at != std::string::npos) {
        size_t i = at + head.size();
        int depth = 1;
        bool quoted = false;
        for (; i < dump.size() && depth > 0; ++i) {
            const char ch = dump[i];
            if (quoted) {
                if (ch == '\\') ++i;
                else if (ch == '"') quoted = false;
            } else if (ch == '"') {
                quoted = true;
            } else if (ch == '{') {
                ++depth;
            } else if (ch == '}') {
                --depth;
            }
        }
        dump.erase(at, i - at);
    }
    for (const std::string name : {"frmReplay ", " frmReplay"}) {
        const size_t n = dump.find(name);
        if (n != std::string::npos) dump.erase(n, name.size());
    }
    return dump;
}

class Watching : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("quelmor-watch-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        record_ = (dir_ / "friend.qrec").string();
        // A friend's game, recorded on the board and left unfinished.
        Session& s = Open();
        ASSERT_EQ(s.Run(std::string(kNewGame) + "record " + record_ + "\n" + kPlay), 0) << s.err();
        StopRecording("");
        Reset();
    }
    void TearDown() override {
        Reset();
        RemoveAutosave();
        fs::remove_all(dir_);
    }
    Session& Open() {
        session_.reset();
        session_ = std::make_unique<Session>();
        return *session_;
    }
    void Reset() {
        session_.reset();
        FreshProcess();
    }
    // The script's output after `prefix`, in a fresh session.
    std::string Output(const std::string& script) {
        Reset();
        Session& s = Open();
        EXPECT_EQ(s.Run(script), 0) << s.err();
        return s.out();
    }
    fs::path dir_;
    std::string record_;
    std::unique_ptr<Session> session_;
};

}  // namespace

TEST_F(Watching, StepsGiveTheGameTheReplayGivesAndPauseOrSpeedChangeNothing) {
    for (int n : {1, 6, 13}) {
        const std::string replayed = Output("replay " + record_ + " " + std::to_string(n) + "\ndump\n");
        const std::string stepped = Output("watch " + record_ + "\n" + Repeat("press frmReplay.Right\n", n) + "dump\n");
        EXPECT_TRUE(WithoutPanel(stepped) == WithoutPanel(replayed)) << n << " steps";
        EXPECT_NE(stepped.find("\"frmReplay\": {"), std::string::npos) << "the panel is open while watching";
    }
    // Faster, slower, pause, a few steps, then Play to the end: the game the whole replay gives.
    const std::string whole = Output("replay " + record_ + "\ndump\n");
    const std::string watched =
        Output("watch " + record_ + "\npress frmReplay.Up\npress frmReplay.Up\nclick frmReplay.Step\n"
               "press frmReplay.Down\npress frmReplay.Space\nwait 3600000\n" + "dump\n");
    EXPECT_TRUE(WithoutPanel(watched) == WithoutPanel(whole));
    EXPECT_NE(watched.find("Fin de l'enregistrement"), std::string::npos) << "the panel says the record ended";
    // Stepping further would not be the same game: the comparison sees a step.
    EXPECT_FALSE(WithoutPanel(Output("replay " + record_ + " 3\ndump\n")) == WithoutPanel(whole));
}

TEST_F(Watching, ThePlayersInputToTheGameIsRefused) {
    const std::string before = Output("watch " + record_ + "\n" + Repeat("press frmReplay.Right\n", 9) + "dump\n");
    for (const std::string input : {"click frmJeu.EndTurn", "press frmJeu.Up", "press Up", "close frmJeu",
                                    "menu frmJeu.MNU_Up"}) {
        Reset();
        Session& s = Open();
        EXPECT_EQ(s.Run("watch " + record_ + "\n" + Repeat("press frmReplay.Right\n", 9) + input + "\n"), 2) << input;
        EXPECT_NE(s.err().find("only frmReplay takes input"), std::string::npos) << input << ": " << s.err();
    }
    // Nothing reached the game meanwhile: the computer's line is refused too.
    Reset();
    Session& s = Open();
    ASSERT_EQ(s.Run("watch " + record_ + "\n" + Repeat("press frmReplay.Right\n", 9) + "dump\n"), 0) << s.err();
    EXPECT_EQ(s.out(), before);
}

TEST_F(Watching, TakeOverMakesANormalGameRecordedAnewAndLeavesTheWatchedFile) {
    const std::string watchedBytes = Bytes(record_);
    AutosaveSetup setup;
    setup.savesFolder = (dir_ / "saves").string();
    setup.engine = CoreEngine({});
    InstallAutosave(setup);
    Session& s = Open();
    ASSERT_EQ(s.Run("watch " + record_ + "\n" + Repeat("press frmReplay.Right\n", 10) +
                    "press frmReplay.T\nscreen\npress frmJeu.Down\nclick frmJeu.EndTurn\nwait 900\n"),
              0)
        << s.err();
    EXPECT_EQ(s.out(), "frmJeu\n") << "the panel closed";
    const std::string taken = AutosavedRecord();
    ASSERT_FALSE(taken.empty());
    EXPECT_EQ(fs::path(taken).parent_path(), fs::path(RecordsFolder(setup.savesFolder)));
    const std::string game = Game();
    Reset();
    StopRecording("");
    EXPECT_EQ(Bytes(record_), watchedBytes) << "the watched file is never written";
    // The new record starts with the watched lines and replays to the game taken over.
    EXPECT_EQ(Bytes(taken).rfind(watchedBytes.substr(0, 200), 0), 0u);
    std::string sentence;
    EXPECT_TRUE(CheckRecordFile(taken, sentence).Valid()) << sentence;
    EXPECT_EQ(Game(), game);
}

TEST_F(Watching, NothingIsRecordedWhileARecordIsReplayedOrWatched) {
    AutosaveSetup setup;
    setup.savesFolder = (dir_ / "saves").string();
    setup.engine = CoreEngine({});
    InstallAutosave(setup);
    for (const std::string& script :
         {"replay " + record_ + "\n", "watch " + record_ + "\npress frmReplay.Space\nwait 3600000\n"}) {
        Reset();
        Session& s = Open();
        ASSERT_EQ(s.Run(script), 0) << s.err();
        EXPECT_EQ(AutosavedRecord(), "") << script;
        EXPECT_TRUE(RecordFiles(RecordsFolder(setup.savesFolder)).empty()) << script;
    }
}

TEST_F(Watching, AHostileRecordStopsAtItsLineAndStopGoesBackToTheTitle) {
    std::vector<std::string> lines;
    {
        std::ifstream in(record_, std::ios::binary);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    ASSERT_GT(lines.size(), 12u);
    lines[9] = "click frmJeu.NoSuchControl 1 1 1 0";
    {
        std::ofstream out(record_, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) out << line << "\n";
    }
    Session& s = Open();
    ASSERT_EQ(s.Run("watch " + record_ + "\npress frmReplay.Space\nwait 3600000\ndump\npress frmReplay.Esc\nscreen\n"),
              0)
        << s.err();
    const std::string out = s.out();
    EXPECT_NE(out.find("La ligne 10 est fautive (no control NoSuchControl on frmJeu)"), std::string::npos)
        << out.substr(0, 300);
    EXPECT_NE(out.find("Événement 5 sur"), std::string::npos) << "the game stands after the lines before";
    EXPECT_EQ(out.substr(out.rfind('}') + 2), "frmBegin\n");
    // A record whose start is refused: said, and the title stays.
    std::ofstream(record_, std::ios::binary | std::ios::trunc) << "not a record\n";
    Reset();
    Session& t = Open();
    ASSERT_EQ(t.Run("watch " + record_ + "\ndump\nclick MsgBox.OK\nscreen\n"), 0) << t.err();
    EXPECT_NE(t.out().find("Cet enregistrement ne peut pas être regardé : ligne 1"), std::string::npos)
        << t.out().substr(0, 300);
    EXPECT_EQ(t.out().substr(t.out().rfind('}') + 2), "frmBegin\n");
}

TEST_F(Watching, ThePanelsSpeedStaysWithinItsRangeAndItsTipsNameTheKeys) {
    Session& s = Open();
    ASSERT_EQ(s.Run("watch " + record_ + "\n" + Repeat("press frmReplay.Up\n", 9) + "dump\n" +
                    Repeat("press frmReplay.Down\n", 9) + "dump\n"),
              0)
        << s.err();
    std::istringstream lines(s.out());
    std::string fastest, slowest;
    std::getline(lines, fastest);
    std::getline(lines, slowest);
    EXPECT_NE(fastest.find("En pause, vitesse ×16"), std::string::npos);
    EXPECT_NE(fastest.find("\"Faster\": {\"caption\": \"Accélérer\", \"visible\": true, \"enabled\": false"),
              std::string::npos);
    EXPECT_NE(slowest.find("En pause, vitesse ×¼"), std::string::npos);
    EXPECT_NE(slowest.find("\"Slower\": {\"caption\": \"Ralentir\", \"visible\": true, \"enabled\": false"),
              std::string::npos);
    for (const char* tip : {"Lire ou mettre en pause (Espace)", "Un événement de plus, puis pause (→)", "(↑)", "(↓)",
                            "revenir au titre (Échap)", "une partie normale) (T)"})
        EXPECT_NE(slowest.find(tip), std::string::npos) << tip;
}

// The pop-up menus the watched game opens are shown to the window while the record chooses its
// entry, and taken away after; a replay that shows nothing (Continue's) shows none either.
TEST_F(Watching, APopupMenuOfTheWatchedGameIsShownWhileTheRecordChooses) {
    struct Window : Host {
        std::vector<std::string> seen;
        void ScreenOpened(Screen&) override {}
        void ScreenClosed(Screen&) override {}
        void Changed() override {}
        void RunModal(Screen&) override {}
        void RunPopup(Screen&, const std::string&, int, int) override {}
        void TimersChanged() override {}
        void Quit() override {}
        void PopupShown(Screen& s, const std::string& menu, int, int) override { seen.push_back(s.Name() + "." + menu); }
        void PopupGone(Screen& s) override { seen.push_back("gone " + s.Name()); }
    };
    const std::string path = (dir_ / "menu.qrec").string();
    Session& s = Open();
    ASSERT_EQ(s.Run(std::string(kNewGame) + "record " + path + "\nclick frmJeu.MenuJeu\nclose\npress frmJeu.Up\n"), 0)
        << s.err();
    StopRecording("");
    for (const bool shown : {true, false}) {
        Reset();
        Window window;
        Ui::Get().SetHost(&window);
        std::ifstream in(path, std::ios::binary);
        Replayer replay(in);
        replay.ShowScreens(shown);
        const ReplayResult r = replay.Run();
        Ui::Get().SetHost(nullptr);
        EXPECT_TRUE(r.Valid()) << r.message;
        EXPECT_GE(r.events, 3);
        const std::vector<std::string> expected =
            shown ? std::vector<std::string>{"frmJeu.MNU_Jeu", "gone frmJeu"} : std::vector<std::string>{};
        EXPECT_EQ(window.seen, expected);
    }
}
