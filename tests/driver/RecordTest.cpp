// The game's record: a game recorded and replayed in a fresh process ends in the same state;
// recording changes nothing of the game; a record cut by a kill replays up to its last whole
// event; a hostile or damaged record is refused at the line at fault, with its reason.
#include <gtest/gtest.h>

#include <chrono>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "driver/ComputerGames.h"
#include "record/RecordFormat.h"
#include "record/Replayer.h"
#include "support/CommandOutput.h"
#include "support/Game.h"

namespace fs = std::filesystem;

namespace {

fs::path Folder() {
    fs::path folder = fs::temp_directory_path() / ("quelmor-record-test-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// Runs the driver in a process of its own on a script; its standard output.
std::string RunDriver(const std::string& script, const std::string& options = "") {
    static int n = 0;
    const fs::path file = Folder() / ("script" + std::to_string(++n) + ".txt");
    WriteAll(file, script);
    return CommandOutput(std::string(QUELMOR_BIN_DIR) + "/quelmor-driver " + options + " < " + file.string() +
                         " 2>&1");
}

// The dump's line in a driver's output.
std::string DumpLine(const std::string& out) {
    const size_t at = out.find("{\"");
    return at == std::string::npos ? "" : out.substr(at, out.find('\n', at) - at);
}

// The game's state in a driver's dump: the dump's own keys for the platform's requests left out.
std::string StateOf(const std::string& dump) { return dump.substr(0, dump.find(", \"audio\": ")); }
bool SameState(const std::string& state, const std::string& dump) {
    return !state.empty() && StateOf(dump) == state.substr(0, state.size() - 1);
}

// The record's lines, whole ones only.
std::vector<std::string> WholeLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    return lines;
}

TEST(Record, GamesOfComputerAndRandomPartiesReplayInAFreshProcessToTheSameState) {
    struct Game {
        uint64_t seed;
        int players;
        std::vector<bool> computer;
        std::vector<int> levels = {};
    };
    // The last game's computer parties play at the easier levels, whose lapses must replay too.
    const std::vector<Game> games = {{3, 2, {true, false}}, {4, 3, {false, true, true}}, {5, 2, {false, false}},
                                     {6, 2, {true, true}, {computer_level::kEasy, computer_level::kNormal}}};
    for (const Game& g : games) {
        SCOPED_TRACE("seed " + std::to_string(g.seed));
        const fs::path path = Folder() / ("game" + std::to_string(g.seed) + ".qrec");
        ComputerGameOptions o;
        o.seed = g.seed;
        o.players = g.players;
        o.computer = g.computer;
        o.levels = g.levels;
        o.maxActions = 250;
        o.recordPath = path.string();
        const ComputerGameResult recorded = RunComputerGame(o);
        ASSERT_TRUE(recorded.failure.empty()) << recorded.failure;
        const std::string text = ReadAll(path);
        EXPECT_TRUE(text.starts_with(std::string(record::kRecordMagic) + " 1\nseed " + std::to_string(g.seed) + "\n"));
        EXPECT_GT(WholeLines(text).size(), 100u);
        const std::string dump = DumpLine(RunDriver("replay " + path.string() + "\ndump\n"));
        EXPECT_TRUE(SameState(recorded.finalState, dump)) << "recorded: " << recorded.finalState.substr(0, 300)
                                                          << "\nreplayed: " << dump.substr(0, 300);
        // The check from end to end says so, and the same game played without a record is the same.
        EXPECT_NE(RunDriver("", "--replay " + path.string()).find(": " + std::to_string(WholeLines(text).size() - 4) +
                                                                " events, valid"),
                  std::string::npos);
        o.recordPath.clear();
        EXPECT_EQ(RunComputerGame(o).finalState, recorded.finalState);
    }
}

TEST(Record, SavesAndLoadsAreReplayedFromTheRecordWithoutTouchingAFile) {
    const fs::path path = Folder() / "saves.qrec", loaded = Folder() / "loaded.quelmor", saved = Folder() / "saved.quelmor";
    RunDriver("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\npress frmJeu.Up\nsave " + loaded.string() + "\n");
    ASSERT_TRUE(fs::exists(loaded));
    // Loaded from the title, played, saved, played on.
    const std::string script = "record " + path.string() + "\nload " + loaded.string() +
                               "\npress frmJeu.Down\nwait 300\nsave " + saved.string() +
                               "\npress frmJeu.Left\npress frmJeu.Left\nclick frmJeu.EndTurn\ndump\n";
    const std::string original = StateOf(DumpLine(RunDriver(script)));
    ASSERT_FALSE(original.empty());
    const std::string text = ReadAll(path);
    EXPECT_NE(text.find("\nload\nstart save {"), std::string::npos);
    EXPECT_NE(text.find("\nsave\nsaved saved.quelmor\n"), std::string::npos) << text.substr(0, 2000);
    fs::remove(saved);
    fs::remove(loaded);
    EXPECT_EQ(StateOf(DumpLine(RunDriver("replay " + path.string() + "\ndump\n"))), original);
    EXPECT_FALSE(fs::exists(saved));
    // The board left without saving: the record ends.
    RunDriver("record " + path.string() + "\nnewgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\nclose\n"
              "click SaveAsk.Bouton(1)\n");
    EXPECT_TRUE(ReadAll(path).ends_with("\nclose frmJeu\nclick SaveAsk.Bouton(1) 0 0 1 0\nend left\n"));
}

TEST(Record, ADriversChangeBehindThePlayersBackStopsTheReplayThere) {
    const fs::path path = Folder() / "unfaithful.qrec";
    RunDriver("record " + path.string() + "\nnewgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\npress frmJeu.Up\n"
           "set MovesLeft 9\npress frmJeu.Down\n");
    const std::vector<std::string> lines = WholeLines(ReadAll(path));
    const auto at = std::find(lines.begin(), lines.end(), "unfaithful set");
    ASSERT_NE(at, lines.end());
    const std::string out = RunDriver("", "--replay " + path.string());
    EXPECT_NE(out.find("line " + std::to_string(at - lines.begin() + 1) + ": the game was changed here by the driver's `set`"),
              std::string::npos)
        << out;
}

// Hostile and damaged records, each refused at its line with its reason, the game left as
// the lines before it made it.
TEST(Record, AHostileOrDamagedRecordIsRefusedAtTheLineAtFault) {
    Session session;
    const std::string head = "quelmor-record 1\nseed 7\nlang fr\nstart new\n";
    std::string hidden;
    for (Control& c : session.screen("frmBegin")->Controls())
        if (c.kind != Kind::Menu && c.kind != Kind::Timer && !c.visible && hidden.empty()) hidden = c.Key();
    ASSERT_FALSE(hidden.empty());
    struct Case {
        std::string name, text;
        long long line;
        std::string why;
    };
    const std::vector<Case> cases = {
        {"bad magic", "quelmor-save 1\nseed 7\n", 1, "not a record of the game"},
        {"bad version", "quelmor-record 9\nseed 7\n", 1, "version 9 is not one this game reads"},
        {"bad seed", "quelmor-record 1\nseed -4\n", 2, "seed N"},
        {"header cut", "quelmor-record 1\n", 2, "ends before its seed"},
        {"unknown command", head + "wait 10\njump frmBegin.X\n", 6, "unknown command jump"},
        {"driver-only command", head + "rnd 0.99\n", 5, "command of the driver's scripts"},
        {"a call", head + "call Form_Load\n", 5, "command of the driver's scripts"},
        {"hidden control", head + "click frmBegin." + hidden + " 0 0 1 0\n", 5, "hidden or disabled"},
        {"screen not open", head + "click frmJeu.EndTurn 1 1 1 0\n", 5, "no open screen frmJeu"},
        {"screen under a dialog", head + "menu frmBegin.MNU_About\nmenu frmBegin.MNU_New\n", 6, "under an open dialog"},
        {"closed under a dialog", head + "menu frmBegin.MNU_About\nclose frmBegin\n", 6, "under an open dialog"},
        {"huge line", head + "key frmBegin.X \"" + std::string(record::kLongestLine, 'a') + "\"\n", 5, "longer than 4096"},
        {"huge wait", head + "wait 99999999999\n", 5, "not a whole number"},
        {"long wait", head + "wait 3600001\n", 5, "longer than 3600000"},
        {"binary junk", head + std::string("\x7f" "ELF\x02\x01\x01\x00\x00\n", 10), 5, "zero byte"},
        {"save outcome alone", head + "saved x.quelmor\n", 5, "without the save or load command"},
        {"computer's unknown level", head + "computer 2 wild\n", 5, "on, off, easy, normal or hard"},
        {"a game that is no game", "quelmor-record 1\nseed 7\nlang en\nstart game {\"version\":3}\n", 4, "refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        record::Replayer replay(in);
        const record::ReplayResult r = replay.Run();
        EXPECT_EQ(r.stop, record::ReplayResult::Stop::Fault);
        EXPECT_TRUE(r.message.starts_with("line " + std::to_string(c.line) + ": ")) << r.message;
        EXPECT_NE(r.message.find(c.why), std::string::npos) << r.message;
    }
    // A line cut short is the event in flight: left out, said, and the events before it stand.
    std::istringstream cut(head + "wait 10\nmenu frmBegin.MNU_Ne");
    record::Replayer replay(cut);
    const record::ReplayResult r = replay.Run();
    EXPECT_EQ(r.stop, record::ReplayResult::Stop::CutShort);
    EXPECT_EQ(r.events, 1);
    EXPECT_EQ(r.validBytes, static_cast<long long>(head.size() + 8));
    EXPECT_NE(r.message.find("line 6 is cut short"), std::string::npos) << r.message;
}

// A driver recording a long game is killed at random moments: what it wrote is the start of the
// whole game's record, but for the line in flight, and replays to the state the whole record has
// after as many events.
TEST(Record, ARecordKilledAtRandomReplaysToItsLastWholeEvent) {
    const fs::path whole = Folder() / "whole.qrec";
    const std::string game = "newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\ncomputer 1\ncomputer 2\nplay 1500\n";
    RunDriver("record " + whole.string() + "\n" + game);
    const std::vector<std::string> all = WholeLines(ReadAll(whole));
    ASSERT_GT(all.size(), 500u);
    std::mt19937 pick(20261210);
    int compared = 0;
    for (int point = 0; point < 3; ++point) {
        const fs::path cut = Folder() / ("cut" + std::to_string(point) + ".qrec");
        const fs::path script = Folder() / ("kill" + std::to_string(point) + ".txt");
        WriteAll(script, "record " + cut.string() + "\n" + game);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int in = ::open(script.c_str(), O_RDONLY);
            ::dup2(in, 0);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            const std::string driver = std::string(QUELMOR_BIN_DIR) + "/quelmor-driver";
            ::execl(driver.c_str(), driver.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Until the record has started, then a random moment more.
        for (int i = 0; i < 400 && (!fs::exists(cut) || fs::file_size(cut) < 200); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 600)(pick)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string text = ReadAll(cut);
        const std::vector<std::string> lines = WholeLines(text);
        ASSERT_LE(lines.size(), all.size());
        ASSERT_TRUE(std::equal(lines.begin(), lines.end(), all.begin())) << "the killed record is no start of the whole one";
        if (lines.size() <= 4) continue;
        const long long events = static_cast<long long>(lines.size()) - 4;
        const std::string fromCut = DumpLine(RunDriver("replay " + cut.string() + "\ndump\n"));
        const std::string fromWhole = DumpLine(RunDriver("replay " + whole.string() + " " + std::to_string(events) + "\ndump\n"));
        ASSERT_FALSE(fromCut.empty());
        EXPECT_EQ(StateOf(fromCut), StateOf(fromWhole))
            << "after " << events << " events";
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

}  // namespace
