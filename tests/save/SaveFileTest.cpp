// The file on the disk: replaced only whole, only after the player agrees, free of the machine
// it was made on; and the board's close box asks before a game is lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <vector>

#include <nlohmann/json.hpp>

#include "save/AtomicFile.h"
#include "save/SaveName.h"
#include "state/Journal.h"
#include "support/Game.h"
#include "ui/Screen.h"

namespace fs = std::filesystem;

namespace {

// The names in a folder, sorted.
std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of this test's own: ctest runs the tests of this file side by side.
        dir = fs::temp_directory_path() / ("quelmor-savefile-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                                           "-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

constexpr const char* kNewGame = "newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n";

TEST_F(SaveFileTest, AWriteThatFailsLeavesTheOldFileWholeAndNoTemporaryFile) {
    const fs::path file = dir / "game.quelmor";
    const std::string old(3000, 'o');
    int error = 0;
    ASSERT_TRUE(WriteFileAtomically(file.string(), old, error)) << error;
    // The disk "fills" after 4 KiB: the process may write no larger file.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(file.string(), std::string(100000, 'n'), error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(written);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(Read(file), old);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"game.quelmor"});
    ASSERT_TRUE(WriteFileAtomically(file.string(), "new", error)) << error;
    EXPECT_EQ(Read(file), "new");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"game.quelmor"});
}

TEST_F(SaveFileTest, AnyNameTheFileSystemTakesIsSavedAndTheNoticeSaysSo) {
    // The longest name a file may have, suffix included: its temporary file must not be longer.
    const std::string name = std::string(255 - 8, 'n') + ".quelmor";
    Session s;
    ASSERT_EQ(s.Run(kNewGame + std::string("save ") + (dir / name).string() + "\n"), 0) << s.err();
    EXPECT_EQ(s.screen("MsgBox"), nullptr);
    ASSERT_EQ(Names(dir), std::vector<std::string>{name});
    EXPECT_NE(Read(dir / name).find("\"format\": \"quelmor-save\""), std::string::npos);
    // No click asked: the board's notice says it, shortened; the journal keeps the whole name.
    Screen* board = s.screen("frmJeu");
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->C("Avis").visible);
    const std::string notice = board->C("AvisTexte").caption;
    EXPECT_EQ(notice.rfind("Partie sauvegardée : nnn", 0), 0u) << notice;
    EXPECT_LT(notice.size(), 80u);
    EXPECT_EQ(JournalEntries().back().text, "Partie sauvegardée : " + name);
    // A name one byte longer is the file system's refusal, told in the game's words.
    ASSERT_EQ(s.Run("save " + (dir / ("n" + name)).string() + "\ndump\nclick MsgBox.OK\n"), 0) << s.err();
    EXPECT_NE(s.out().find("La partie n'a pas été sauvegardée : le nom du fichier est trop long."), std::string::npos);
    EXPECT_EQ(Names(dir), std::vector<std::string>{name});
}

TEST_F(SaveFileTest, AnExistingFileIsReplacedOnlyWhenThePlayerAgrees) {
    const fs::path file = dir / "mine.quelmor";
    { std::ofstream(file) << "keep me"; }
    Session s;
    ASSERT_EQ(s.Run(kNewGame), 0);
    // The suffix is added to a name without it; the player says no, then yes.
    ASSERT_EQ(s.Run("save " + (dir / "mine").string() + "\nclick SaveAsk.Bouton(1)\n"), 0) << s.err();
    EXPECT_EQ(Read(file), "keep me");
    ASSERT_EQ(s.Run("save " + file.string() + "\nclick SaveAsk.Bouton(0)\n"), 0) << s.err();
    EXPECT_NE(Read(file).find("\"format\": \"quelmor-save\""), std::string::npos);
}

TEST_F(SaveFileTest, ASaveMovedToAnotherMachineLoadsTheSameGame) {
    const fs::path here = dir / "home-one" / "saves" / "trip.quelmor";
    fs::create_directories(here.parent_path());
    Session first;
    ASSERT_EQ(first.Run(kNewGame + std::string("press frmJeu.Left\nclick frmJeu.EndTurn\nsave ") + here.string() +
                        "\n"), 0) << first.err();
    const std::string text = Read(here);
    // Nothing of this machine is in it: no folder, no user.
    EXPECT_EQ(text.find(dir.string()), std::string::npos);
    if (const char* user = std::getenv("USER"); user && std::string(user).size() > 3) {
        EXPECT_EQ(text.find(user), std::string::npos);
    }
    const GlobalDecl saved = gd;
    const fs::path there = dir / "elsewhere" / "copied.quelmor";
    fs::create_directories(there.parent_path());
    fs::copy_file(here, there);
    fs::remove_all(dir / "home-one");
    Session second;
    ResetGlobalDecl();
    ASSERT_EQ(second.Run("load " + there.string() + "\n"), 0) << second.err();
    ASSERT_NE(second.screen("frmJeu"), nullptr);
    EXPECT_EQ(gd.CharacterRecords, saved.CharacterRecords);
    EXPECT_EQ(gd.CurrentCharacter, saved.CurrentCharacter);
    EXPECT_EQ(gd.PosX, saved.PosX);
}

TEST_F(SaveFileTest, ComputerPartiesStayComputersAndOldFilesHaveNone) {
    const fs::path file = dir / "computer.quelmor";
    Session first;
    ASSERT_EQ(first.Run(kNewGame + std::string("computer 2 normal\nsave ") + file.string() + "\n"), 0) << first.err();
    Session second;
    ResetGlobalDecl();
    ASSERT_EQ(second.Run("load " + file.string() + "\n"), 0) << second.err();
    EXPECT_FALSE(gd.ComputerPlayer[1]);
    EXPECT_TRUE(gd.ComputerPlayer[2]);
    EXPECT_EQ(gd.ComputerLevel[2], computer_level::kNormal);

    // A file from before the computer players: every party is a person's.
    nlohmann::json saved = nlohmann::json::parse(Read(file));
    ASSERT_TRUE(saved["state"].contains("ComputerPlayer"));
    saved["state"].erase("ComputerPlayer");
    saved["state"].erase("ComputerLevel");
    const fs::path older = dir / "older.quelmor";
    std::ofstream(older) << saved.dump();
    Session third;
    ResetGlobalDecl();
    gd.ComputerPlayer[2] = true;
    gd.ComputerLevel[2] = computer_level::kEasy;
    ASSERT_EQ(third.Run("load " + older.string() + "\n"), 0) << third.err();
    ASSERT_NE(third.screen("frmJeu"), nullptr);
    EXPECT_FALSE(gd.ComputerPlayer[2]);
    EXPECT_EQ(gd.ComputerLevel[2], computer_level::kHard);

    // A level out of its range refuses the file.
    saved = nlohmann::json::parse(Read(file));
    saved["state"]["ComputerLevel"][2] = 7;
    std::ofstream(older) << saved.dump();
    Session fifth;
    ResetGlobalDecl();
    ASSERT_EQ(fifth.Run("load " + older.string() + "\n"), 0) << fifth.err();
    EXPECT_EQ(fifth.screen("frmJeu"), nullptr);

    // A new game that happens to match the file just loaded has still not been saved.
    Session fourth;
    EXPECT_EQ(fourth.Run(kNewGame + std::string("close\nclick SaveAsk.Bouton(2)\n")), 0) << fourth.err();
    EXPECT_NE(fourth.screen("frmJeu"), nullptr);
}

TEST_F(SaveFileTest, TheJournalKeepsEachEntrysPlayerAndOlderFilesLoadWithoutIt) {
    const fs::path file = dir / "journal.quelmor";
    Session first;
    ASSERT_EQ(first.Run(kNewGame), 0) << first.err();
    JournalNote("Achat", JournalMoment{1, 13, "Yvain", 2});
    ASSERT_EQ(first.Run("save " + file.string() + "\n"), 0) << first.err();
    nlohmann::json saved = nlohmann::json::parse(Read(file));
    for (auto& e : saved["journal"]["entries"]) e.erase("player");   // as saved before
    const fs::path older = dir / "older.quelmor";
    std::ofstream(older) << saved.dump();
    auto player = [](const std::string& f) {
        Session s;
        ResetGlobalDecl();
        JournalClear();
        EXPECT_EQ(s.Run("load " + f + "\n"), 0) << s.err();
        for (const JournalEntry& e : JournalEntries())
            if (e.text == "Achat") return e.player;
        return -1;
    };
    EXPECT_EQ(player(file.string()), 2);
    EXPECT_EQ(player(older.string()), 0);
}

TEST_F(SaveFileTest, ClosingTheBoardAsksFirstUnlessTheGameIsSaved) {
    Session s;
    ASSERT_EQ(s.Run(kNewGame), 0);
    // Cancel keeps the game; leave without saving closes it.
    ASSERT_EQ(s.Run("close\nclick SaveAsk.Bouton(2)\n"), 0) << s.err();
    ASSERT_NE(s.screen("frmJeu"), nullptr);
    ASSERT_EQ(s.Run("close\nclick SaveAsk.Bouton(1)\n"), 0) << s.err();
    EXPECT_EQ(s.screen("frmJeu"), nullptr);

    Session again;
    const fs::path file = dir / "closing.quelmor";
    ASSERT_EQ(again.Run(kNewGame + std::string("save ") + file.string() + "\nclose\n"), 0) << again.err();
    EXPECT_EQ(again.screen("frmJeu"), nullptr);  // saved and unchanged: no question
    EXPECT_EQ(again.screen("SaveAsk"), nullptr);
}

TEST_F(SaveFileTest, TheTitleOffersLoadingAfterNewGameInBothLanguages) {
    Session s;
    Screen* title = s.screen("frmBegin");
    ASSERT_NE(title, nullptr);
    std::vector<std::string> file;
    for (Control& c : title->Controls())
        if (c.kind == Kind::Menu && c.parent == "MNU_File") file.push_back(c.name);
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(file[0], "MNU_New");
    EXPECT_EQ(file[1], "MNU_Load");
    EXPECT_EQ(title->C("MNU_Load").shortcut, "Ctrl+O");
    EXPECT_EQ(title->C("MNU_Load").caption, "&Reprendre une partie...");
    ASSERT_EQ(s.Run("menu frmBegin.lang(1)\n"), 0);
    EXPECT_EQ(title->C("MNU_Load").caption, "&Load a game...");
    // The file dialog is named by the entry's words, without the underline's sign.
    ASSERT_EQ(s.Run("menu frmBegin.MNU_Load\n"), 0) << s.err();
    EXPECT_EQ(s.services().fileDialogTitle, "Load a game...");
}

TEST_F(SaveFileTest, TheSaveDialogOffersThePlayersAndTheDayInTheGamesLanguage) {
    Session s;
    ASSERT_EQ(s.Run(kNewGame + std::string("save ") + (dir / "a").string() + "\n"), 0) << s.err();
    EXPECT_EQ(s.services().lastFileQuestion.name, "Ann-Bob - jour 1");
    EXPECT_EQ(s.services().lastFileQuestion.language, "fr");
    // Two days on, in English.
    ASSERT_EQ(s.Run("set HourCounter 61\nset LanguageOffset 2000\nsave " + (dir / "b").string() + "\n"), 0) << s.err();
    EXPECT_EQ(s.services().lastFileQuestion.name, "Ann-Bob - day 3");
    EXPECT_EQ(s.services().lastFileQuestion.language, "en");
}

TEST(SaveName, NamesAFileSystemWouldMisreadAreMadeHarmless) {
    EXPECT_EQ(SaveNameFrom({"../etc", "a\\b:c"}, 2, " - day "), "_._etc-a_b_c - day 2");
    EXPECT_EQ(SaveNameFrom({".hidden"}, 1, " - jour "), "_hidden - jour 1");
    EXPECT_EQ(SaveNameFrom({"  ", std::string("x\ny\x7f")}, 4, "-"), "x_y_-4");
    EXPECT_EQ(SaveNameFrom({}, 9, " - day "), "Quelmor - day 9");
    EXPECT_EQ(SaveNameFrom({"Élodie", "Zoë"}, 12, " - jour "), "Élodie-Zoë - jour 12");
}

}  // namespace

