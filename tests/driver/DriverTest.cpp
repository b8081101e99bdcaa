#include <gtest/gtest.h>

#include <sys/wait.h>

#include <QImage>

#include "support/DamagedFolder.h"
#include "support/Game.h"

namespace {

namespace fs = std::filesystem;

// Runs the driver program with arguments and a script; its status, standard error in err.
int RunProgram(const std::string& args, const std::string& script, std::string& err) {
    const fs::path dir = damaged::NewFolder("driver-args");
    damaged::Write(dir / "script.txt", script);
    const std::string command = std::string(QUELMOR_BIN_DIR) + "/quelmor-driver " + args + " < " +
                                (dir / "script.txt").string() + " > /dev/null 2> " + (dir / "err.txt").string();
    const int status = std::system(command.c_str());
    err = damaged::Read(dir / "err.txt");
    fs::remove_all(dir);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(Driver, BadLinesStopWithStatusTwo) {
    for (const char* script : {"frobnicate\n", "click NoSuchControl\n", "set NoSuchVar 3\n", "rnd 1.5\n", "rnd 1\n",
                               "rnd nan\n", "rnd -0.5\n", "rnd 0.5x\n", "call NoSuchHandler\n", "wait x\n",
                               "wait 3600001\n", "key \"unterminated\n"}) {
        Session s;
        EXPECT_EQ(s.Run(std::string("# a comment\n\n") + script), 2) << script;
        EXPECT_NE(s.err().find("error: line 3:"), std::string::npos) << s.err();
    }
}

TEST(Driver, SetAndDumpTheSharedState) {
    Session s;
    ASSERT_EQ(s.Run("set MovesLeft 4\nset Status[2] 17\nset Resources[3] \"00000000000099\"\n"
                    "set CharacterRecords[1] \"01..é\"\nrnd 0.99 0\nscreen\ndump\n"),
              0)
        << s.err();
    EXPECT_EQ(gd.MovesLeft, 4);
    EXPECT_EQ(gd.Status[2], 17);
    EXPECT_EQ(rnd::D6(), 6);
    EXPECT_EQ(rnd::D6(), 1);
    const std::string out = s.out();
    EXPECT_EQ(out.substr(0, out.find('\n')), "frmBegin");
    EXPECT_NE(out.find("\"MovesLeft\": 4"), std::string::npos);
    EXPECT_NE(out.find("\"00000000000099\""), std::string::npos);
    EXPECT_NE(out.find("\"01..é\""), std::string::npos);
    EXPECT_NE(out.find("\"screens\": \"frmBegin\""), std::string::npos);
}

TEST(Driver, RefusesWhatItCannotDoFromTheCommandLine) {
    std::string err;
    for (const char* args : {"--seed abc", "--seed -1", "--scale 0", "--scale -1.5", "--scale 8.01", "--scale 100000",
                             "--scale two", "--scale 1.5x"}) {
        EXPECT_EQ(RunProgram(args, "quit\n", err), 2) << args;
        EXPECT_NE(("\n" + err).find("\nerror: --"), std::string::npos) << args << ": " << err;
    }
    EXPECT_EQ(RunProgram("--seed 12 --scale 8", "quit\n", err), 0) << err;

    // A snap into a folder that cannot be made (a file stands in its way).
    const fs::path dir = damaged::NewFolder("driver-snap");
    damaged::Write(dir / "file", "x");
    EXPECT_EQ(RunProgram("--snap " + (dir / "file" / "shots").string(), "snap title\n", err), 2);
    EXPECT_NE(err.find("error: line 1: snap: cannot"), std::string::npos) << err;
    EXPECT_EQ(RunProgram("--snap " + (dir / "shots").string(), "snap title\n", err), 0) << err;
    EXPECT_TRUE(fs::exists(dir / "shots" / "title.png"));
    // Any factor: a snap at 1.8 is the window as a large screen shows it, 1.8 times as large.
    EXPECT_EQ(RunProgram("--scale 1.8 --snap " + (dir / "large").string(), "snap title\n", err), 0) << err;
    const QImage one((dir / "shots" / "title.png").c_str()), large((dir / "large" / "title.png").c_str());
    ASSERT_FALSE(one.isNull());
    EXPECT_NEAR(large.width(), one.width() * 1.8, 1.0);
    // The menu bar's height follows its font, which is not drawn to the pixel in proportion.
    EXPECT_NEAR(large.height(), one.height() * 1.8, one.height() * 0.02);
    fs::remove_all(dir);
}
