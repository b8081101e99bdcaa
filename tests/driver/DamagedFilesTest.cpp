// Damaged files: a copy of the game's folder with every picture, tune and sound missing,
// empty, cut in half or replaced by noise, made read-only. The driver plays a scripted game
// there with snaps and the game itself starts and runs; neither may fail, and neither may write
// anything: the folder's fingerprint stays the same and, under strace, no file is opened for
// writing outside /dev, /proc, Qt's runtime folder and the snaps' folder.
#include <gtest/gtest.h>

#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "support/DamagedFolder.h"

namespace {

namespace fs = std::filesystem;
using damaged::Kind;

const char* const kScript = R"(snap title
menu frmBegin.MNU_About
snap about
close
newgame "Ann" 7,2,3,4,5,6 "Bob" 1,8,9,10,11,12
snap board
click frmJeu.Image2
snap detail
close
click frmJeu.Image15
snap resources
close
set Zone[1] 1
set PosX[1] 5
set PosY[1] 3
set MovesLeft 1
call frmJeu.Carte_Click 1
rnd 0.5
press frmJeu.Right
click frmJeu.BattleNow
screen
snap fight
rnd 0.99 0
wait 100
click ChCmb.StepPix(0)
snap blow
wait 4500
click ChCmb.StepPix(3)
screen
snap back
press frmJeu.Return
dump
)";

const char* const kSnaps[] = {"title", "about", "board", "detail", "resources", "fight", "blow", "back"};

int Shell(const std::string& command) {
    int status = std::system(("/bin/bash -c '" + command + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool HaveStrace() { return Shell("command -v strace >/dev/null 2>&1") == 0; }

// The calls that write, as strace prints them, whose path is not one of the allowed places.
std::vector<std::string> Writes(const fs::path& trace, const fs::path& snaps) {
    std::vector<std::string> bad;
    std::istringstream lines(damaged::Read(trace));
    const std::string allowed[] = {"/dev/", "/proc/", "/tmp/runtime-", snaps.string() + "/", snaps.string() + "\""};
    for (std::string line; std::getline(lines, line);) {
        bool opens = line.find("open(") != std::string::npos || line.find("openat(") != std::string::npos;
        bool writes = line.find("O_WRONLY") != std::string::npos || line.find("O_RDWR") != std::string::npos ||
                      line.find("O_CREAT") != std::string::npos;
        bool changes = !opens && line.find('(') != std::string::npos;  // creat, unlink, rename, mkdir, ...
        if (!(opens && writes) && !changes) continue;
        if (line.find("resumed>") != std::string::npos) continue;
        // A call strace could not name, cut by the program's end (the game is stopped by
        // timeout): no path, nothing written.
        if (line.find("?\?\?(") != std::string::npos) continue;
        size_t q = line.find('"');
        std::string path = q == std::string::npos ? "" : line.substr(q + 1);
        bool ok = false;
        for (const std::string& a : allowed) ok |= path.rfind(a, 0) == 0;
        if (!ok) bad.push_back(line);
    }
    return bad;
}

class DamagedFiles : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override {
        root = damaged::NewFolder(std::string("damaged-") + damaged::Name(GetParam()));
        game = root / "game";
        snaps = root / "snaps";
        fs::create_directories(game);
        fs::create_directories(snaps);
        ASSERT_GT(damaged::CopyDamaged(GetParam(), game), 100);
        for (const char* program : {"quelmor", "quelmor-driver"})
            fs::copy_file(fs::path(QUELMOR_BIN_DIR) / program, game / program);
        damaged::Write(root / "script.txt", kScript);
        damaged::MakeReadOnly(game);
    }
    void TearDown() override { damaged::Remove(root); }

    // Runs a program of the copy from inside it, traced when strace is there.
    int RunThere(const std::string& command, const std::string& name) {
        std::string trace = strace ? "strace -f -qq -o " + (root / (name + ".trace")).string() +
                                         " -e trace=open,openat,creat,truncate,rename,renameat,renameat2,"
                                         "unlink,unlinkat,mkdir,mkdirat,link,linkat,symlink,symlinkat "
                                   : "";
        return Shell("cd " + game.string() + " && " + trace + command + " > " + (root / (name + ".out")).string() +
                     " 2> " + (root / (name + ".err")).string());
    }
    std::string Output(const std::string& name) { return damaged::Read(root / name); }
    static bool Clean(const std::string& err) {
        return err.find("AddressSanitizer") == std::string::npos && err.find("runtime error") == std::string::npos;
    }

    fs::path root, game, snaps;
    bool strace = HaveStrace();
};

}  // namespace

TEST_P(DamagedFiles, TheDriverAndTheGamePlayOnAndWriteNothing) {
    const auto before = damaged::Fingerprint(game);

    // The driver: every screen of the script opens, the fight runs, every snap is written.
    EXPECT_EQ(RunThere("./quelmor-driver --snap " + snaps.string() + " < " + (root / "script.txt").string(), "driver"),
              0)
        << Output("driver.err");
    EXPECT_TRUE(Clean(Output("driver.err"))) << Output("driver.err");
    const std::string out = Output("driver.out");
    EXPECT_NE(out.find("frmJeu Combat ChCmb\n"), std::string::npos) << out.substr(0, 300);
    EXPECT_NE(out.find("\"CharacterRecords\""), std::string::npos);
    for (const char* snap : kSnaps) EXPECT_TRUE(fs::exists(snaps / (std::string(snap) + ".png"))) << snap;

    // The game: still running (title, animation, music) when it is stopped after four seconds.
    EXPECT_EQ(RunThere("timeout -s TERM 4 ./quelmor", "game"), 124) << Output("game.err");
    EXPECT_TRUE(Clean(Output("game.err"))) << Output("game.err");

    EXPECT_EQ(damaged::Fingerprint(game), before) << "a file of the game's folder changed";
    if (!strace) GTEST_SKIP() << "strace is not installed: writes checked by the folder's fingerprint only";
    for (const char* name : {"driver", "game"}) {
        std::vector<std::string> bad = Writes(root / (std::string(name) + ".trace"), snaps);
        EXPECT_TRUE(bad.empty()) << name << " writes: " << bad.front();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFile, DamagedFiles,
                         ::testing::Values(Kind::Missing, Kind::Empty, Kind::Half, Kind::Noise),
                         [](const ::testing::TestParamInfo<Kind>& info) { return damaged::Name(info.param); });

// The checks themselves: a program that does write into the read-only copy is caught by both
// (as root, the missing write permissions would not have stopped it).
class WriteCheck : public DamagedFiles {};

TEST_P(WriteCheck, AWriteIntoTheFolderIsSeen) {
    const auto before = damaged::Fingerprint(game);
    RunThere("sh -c \"echo x >> 00.ico || true\"", "writer");
    if (geteuid() == 0) {
        EXPECT_NE(damaged::Fingerprint(game), before);
    }
    if (!strace) GTEST_SKIP() << "strace is not installed";
    std::vector<std::string> bad = Writes(root / "writer.trace", snaps);
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_NE(bad[0].find("00.ico"), std::string::npos) << bad[0];
}

INSTANTIATE_TEST_SUITE_P(OneFolder, WriteCheck, ::testing::Values(Kind::Empty),
                         [](const ::testing::TestParamInfo<Kind>& info) { return damaged::Name(info.param); });
