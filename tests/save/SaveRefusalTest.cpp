// Files that are not good saves are refused with one message naming the fault, and the game on
// screen stays exactly as it was; saving is refused in a fight or a dialog, and nothing is written.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <fstream>
#include <functional>
#include <regex>

#include "board/Encounter.h"
#include "driver/Dump.h"
#include "board/Board.h"
#include "save/SaveTexts.h"
#include "save/SavedGame.h"
#include "support/Game.h"
#include "ui/Screen.h"

namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

// The text of the message box in a dump, "" when none is open.
std::string MessageShown(const std::string& dumpLine) {
    const Json j = Json::parse(dumpLine, nullptr, false);
    if (j.is_discarded() || !j.contains("MsgBox")) return "";
    return j["MsgBox"]["Label1"]["caption"].get<std::string>();
}

std::string Dump() { return std::regex_replace(DumpState(nullptr, ""), std::regex(R"("time": [0-9]+, )"), ""); }

class SaveRefusalTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quelmor-refusal-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::create_directories(dir);
        // A good save of a game a few turns in.
        Session game;
        ASSERT_EQ(game.Run("newgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\nclick frmJeu.EndTurn\npress frmJeu.Up\n"
                           "save " + (dir / "good.quelmor").string() + "\n"), 0) << game.err();
        std::ifstream in(dir / "good.quelmor");
        good = std::string(std::istreambuf_iterator<char>(in), {});
        ASSERT_FALSE(good.empty());
    }
    void TearDown() override { fs::remove_all(dir); }

    // Loads text from the title screen (in English): the message the game shows, "" when the
    // board opened instead. Whatever happens, a refused file leaves the title and the state as they were.
    std::string Load(const std::string& text) {
        const fs::path file = dir / "try.quelmor";
        { std::ofstream(file, std::ios::binary) << text; }
        return LoadFile(file);
    }
    std::string LoadFile(const fs::path& file) {
        Session s;
        EXPECT_EQ(s.Run("menu frmBegin.lang(1)\n"), 0);
        const std::string before = Dump();
        s.ClearOutput();
        // The message box is modal: it is read and closed in the script that opens it.
        EXPECT_EQ(s.Run("load " + file.string() + "\ndump\nclick MsgBox.OK\n"), 0) << s.err();
        const std::string message = MessageShown(s.out());
        if (!message.empty()) {
            EXPECT_EQ(Dump(), before) << message;
        }
        return message;
    }
    // The good save with one change made to it.
    std::string Changed(const std::function<void(Json&)>& change) {
        Json j = Json::parse(good);
        change(j);
        return j.dump();
    }

    fs::path dir;
    std::string good;
};

TEST_F(SaveRefusalTest, EachKindOfBadFileIsNamedAndChangesNothing) {
    struct Case {
        std::string text;
        const char* expected;
    };
    const std::string tenMegabytes(10 * 1024 * 1024, 'x');
    const Case cases[] = {
        {"", "the file is empty"},
        {good.substr(0, good.size() / 2), "truncated"},
        {"{\"format\": \"quelmor-save\", \"version\": 1, ]", "not valid JSON, byte "},
        {"\x89PNG\r\n\x1a\n not json", "not valid JSON"},
        {"{\"players\": [\"Ann\", \"Bob\"]}", "not a saved Quelmor game"},
        {Changed([](Json& j) { j["version"] = 2; }), "another version of the format: 2"},
        {Changed([](Json& j) { j["state"]["PlayerCount"] = 5; }), "state.PlayerCount is out of its range"},
        {Changed([](Json& j) { j["state"]["MovesLeft"] = Json::parse("123456789012345678901234567890"); }),
         "state.MovesLeft is out of its range"},
        {Changed([](Json& j) { j["dice"]["made"] = Json::parse("1e300"); }), "dice.made is out of its range"},
        {Changed([&tenMegabytes](Json& j) { j["board"]["Informations"] = tenMegabytes; }), "board.Informations is not an allowed text"},
        {"[" + std::string(100000, '[') + std::string(100000, ']') + "]", "nested far deeper"},
        {Changed([](Json& j) { j["state"]["PlayerCount"] = "2"; }), "state.PlayerCount has the wrong type"},
        {Changed([](Json& j) { j["state"].erase("Status"); }), "state.Status is missing"},
        {Changed([](Json& j) { j["state"]["Resources"][3] = "000000000\u001b[31m"; }), "state.Resources[3] is out of its range"},
        {Changed([](Json& j) { j["state"]["CharacterRecords"][2] = "01\u0007"; }), "state.CharacterRecords[2] is not a valid character record"},
        {Changed([](Json& j) { j["board"]["Informations"] = std::string("a\0b", 3); }), "board.Informations is not an allowed text"},
        {Changed([](Json& j) { j["state"]["Status"][4] = 9; }), "state.Status[4] is out of its range"},
        {Changed([](Json& j) { j["state"]["PosX"][1] = 40; }), "state.PosX[1] is out of its range"},
        // A record of the other player's party in player 1's slot.
        {Changed([](Json& j) { j["state"]["CharacterRecords"][1] = j["state"]["CharacterRecords"][7]; }),
         "state.CharacterRecords[1] is not a valid character record"},
    };
    for (const Case& c : cases) {
        const std::string message = Load(c.text);
        EXPECT_NE(message.find("Cannot load the game try.quelmor"), std::string::npos) << message;
        EXPECT_NE(message.find(c.expected), std::string::npos) << message << " (expected: " << c.expected << ")";
    }
    EXPECT_NE(LoadFile(dir / "nowhere.quelmor").find("does not exist"), std::string::npos);
    // The unchanged save loads.
    { std::ofstream(dir / "try.quelmor") << good; }
    Session s;
    s.ClearOutput();
    EXPECT_EQ(s.Run("load " + (dir / "try.quelmor").string() + "\nscreen\n"), 0) << s.err();
    EXPECT_EQ(s.out(), "frmJeu\n");
}

TEST_F(SaveRefusalTest, MutatedSavesAreRefusedOrLoadedWholeNeverHalfway) {
    uint64_t s = 20261209;
    auto pick = [&s](size_t n) {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<size_t>((s >> 33) % n);
    };
    const std::string digits = "0123456789-\"[]{},:e. x";
    SavedGame untouched;
    untouched.board.informations = "untouched";
    int refused = 0, loaded = 0;
    for (int k = 0; k < 3000; ++k) {
        std::string text = good;
        const int kind = static_cast<int>(pick(4));
        if (kind == 0) {
            text.resize(pick(text.size()));
        } else {
            for (int n = 1 + static_cast<int>(pick(3)); n > 0; --n) {
                const size_t at = pick(text.size());
                if (kind == 1) text[at] = digits[pick(digits.size())];
                else if (kind == 2) text.erase(at, 1 + pick(8));
                else text.insert(at, 1, digits[pick(digits.size())]);
            }
        }
        SavedGame game = untouched;
        std::string why;
        if (ReadSaveText(text, game, why)) {
            ++loaded;
            EXPECT_TRUE(why.empty());
            // What loads can be saved again, and that save loads.
            SavedGame again;
            std::string twice;
            EXPECT_TRUE(ReadSaveText(SaveFileText(game), again, twice)) << twice;
        } else {
            ++refused;
            EXPECT_FALSE(why.empty());
            EXPECT_EQ(game.board.informations, "untouched");  // nothing of a refused file is kept
        }
    }
    EXPECT_GT(refused, 1000);
    EXPECT_GT(loaded, 10);
}

TEST_F(SaveRefusalTest, SavingIsRefusedDuringAFightOrADialogAndWritesNothing) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0);
    const fs::path file = dir / "refused.quelmor";
    // A detail pop-up is open over the board.
    s.ClearOutput();
    ASSERT_EQ(s.Run("click frmJeu.Image2\nsave " + file.string() + "\ndump\nclick MsgBox.OK\nclick Detail.Command1\n"), 0);
    EXPECT_NE(MessageShown(s.out()).find("Fermez d'abord la fenêtre"), std::string::npos) << MessageShown(s.out());
    // A fight is running.
    MeetMonster(5, 16, 16, 6);
    s.ClearOutput();
    ASSERT_EQ(s.Run("rnd 0.99 0\nclick frmJeu.BattleNow\nsave " + file.string() + "\ndump\nclick MsgBox.OK\n"), 0);
    EXPECT_NE(MessageShown(s.out()).find("pendant un combat"), std::string::npos) << MessageShown(s.out());
    EXPECT_NE(s.screen("Combat"), nullptr);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(std::none_of(fs::directory_iterator(dir), fs::directory_iterator(), [](const fs::directory_entry& e) {
        return e.path().filename().string().find("refused") != std::string::npos;
    }));
}

// The file dialog runs its own loop: whatever came meanwhile, the game is written only if it
// still stands between two actions when it is, and the player is told why not otherwise.
class DialogMeanwhile : public RecordingServices {
public:
    std::string AskFileName(const FileQuestion&) override {
        meanwhile();
        return answer;
    }
    std::function<void()> meanwhile;
    std::string answer;
};

TEST_F(SaveRefusalTest, TheGameIsCheckedAgainJustBeforeItIsWritten) {
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0);
    DialogMeanwhile dialog;
    dialog.answer = (dir / "late.quelmor").string();
    dialog.meanwhile = [] { SetBoardVisible(false); };  // a fight began behind the dialog
    Ui::Get().SetServices(&dialog);
    s.ClearOutput();
    const int status = s.Run("save " + dialog.answer + "\ndump\nclick MsgBox.OK\n");
    Ui::Get().SetServices(&s.services());
    SetBoardVisible(true);
    ASSERT_EQ(status, 0) << s.err();
    EXPECT_EQ(MessageShown(s.out()), Say(SaveText::NotWritten) + Say(SaveText::DuringFight));
    EXPECT_FALSE(fs::exists(dialog.answer));
}

TEST_F(SaveRefusalTest, TheSystemsRefusalIsToldInTheGamesLanguage) {
    // A folder that cannot be, under a plain file (even root may not write there).
    { std::ofstream(dir / "plain") << "a file"; }
    const std::string file = (dir / "plain" / "game.quelmor").string();
    Session s;
    ASSERT_EQ(s.Run("newgame \"Ann\" 7,2,3,4,5,6 \"Bob\" 8,9,10,11,12,13\n"), 0);
    s.ClearOutput();
    ASSERT_EQ(s.Run("save " + file + "\ndump\nclick MsgBox.OK\n"), 0) << s.err();
    EXPECT_EQ(MessageShown(s.out()), "La partie n'a pas été sauvegardée : le dossier n'existe pas.");
    gd.LanguageOffset = 2000;
    s.ClearOutput();
    ASSERT_EQ(s.Run("save " + file + "\ndump\nclick MsgBox.OK\n"), 0) << s.err();
    EXPECT_EQ(MessageShown(s.out()), "The game was not saved: the folder does not exist.");
    gd.LanguageOffset = 0;
    // Every common fault has its own words in both languages, none the system's English.
    std::set<std::string> french, english;
    const int faults[] = {ENOSPC, EACCES, EROFS, ENOENT, ENAMETOOLONG, EFBIG, EISDIR, EIO};
    for (int fault : faults) french.insert(SayWriteFault(fault));
    gd.LanguageOffset = 2000;
    for (int fault : faults) english.insert(SayWriteFault(fault));
    EXPECT_EQ(SayWriteFault(EXDEV), "system error number " + std::to_string(EXDEV) + ".");
    gd.LanguageOffset = 0;
    EXPECT_EQ(french.size(), std::size(faults));
    EXPECT_EQ(english.size(), std::size(faults));
    for (int fault : faults) EXPECT_EQ(english.count(std::strerror(fault)), 0u) << std::strerror(fault);
}

}  // namespace
