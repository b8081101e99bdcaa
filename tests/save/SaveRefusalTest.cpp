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
#include "state/GameRules.h"
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
    // The good save as the first version wrote it: with the board's screen (taken from a kept
    // file of the second version) and the dice replayed from a seed.
    std::string FirstVersion(const std::string& seed, const Json& made) {
        std::ifstream in(fs::path(QUELMOR_SOURCE_DIR) / "tests/save/data/three-players-v2.quelmor");
        const Json older = Json::parse(std::string(std::istreambuf_iterator<char>(in), {}));
        return Changed([&](Json& j) {
            j["version"] = 1;
            for (const char* key : {"IconsShown", "Thumbnails", "Panel"}) j["board"][key] = older["board"][key];
            j["dice"] = Json{{"seed", seed}, {"made", made}};
        });
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
        {Changed([](Json& j) { j["version"] = 4; }), "another version of the format: 4"},
        {Changed([](Json& j) { j["state"]["PlayerCount"] = 5; }), "state.PlayerCount is out of its range"},
        {Changed([](Json& j) { j["state"]["MovesLeft"] = Json::parse("123456789012345678901234567890"); }),
         "state.MovesLeft is out of its range"},
        {Changed([](Json& j) { j["dice"]["engine"] = "1 2 3"; }), "dice.engine is not a state of the dice"},
        // The first format's dice are replayed from their seed, a few million fractions at most.
        {FirstVersion("5", Json::parse("1e300")), "dice.made is out of its range"},
        {FirstVersion("5", 1000000000), "dice.made is out of its range"},
        // The earlier versions' screen is still checked.
        {Changed([](Json& j) { j["version"] = 2; }), "board.IconsShown is missing"},
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

// Numbers no double holds, wherever they stand, and keys given twice: the JSON reader's own
// refusals are the loader's, never an abort.
TEST_F(SaveRefusalTest, NumbersTooLargeAndKeysGivenTwiceAreRefused) {
    const std::string nines(400, '9');
    auto withKey = [this](const std::string& object, const std::string& entry) {
        std::string text = good;
        const size_t at = text.find("\"" + object + "\": {");
        return text.insert(text.find('{', at) + 1, entry);
    };
    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {"1e99999", "a number far too large"},
        {withKey("board", "\"ignored\": 1e400, "), "a number far too large"},
        {withKey("state", "\"ignored\": [" + nines + "], "), "a number far too large"},
        {withKey("state", "\"MovesLeft\": -" + nines + ", "), "a number far too large"},
        {withKey("state", "\"PlayerCount\": 4, "), "the same value twice: state.PlayerCount"},
        {withKey("dice", "\"engine\": \"1\", "), "the same value twice: dice.engine"},
        {"{\"format\": \"quelmor-save\", \"format\": \"quelmor-save\"}", "the same value twice: format"},
    };
    for (const Case& c : cases) {
        const std::string message = Load(c.text);
        EXPECT_NE(message.find(c.expected), std::string::npos) << message << " (expected: " << c.expected << ")";
    }
    // The same key in two different objects is no repeat.
    SavedGame game;
    std::string why;
    EXPECT_TRUE(ReadSaveText(withKey("board", "\"PlayerCount\": 4, "), game, why)) << why;
}

// Files whose every value is in its range but which make a game that cannot go on: each is
// refused with the rule it breaks, in the game's language.
TEST_F(SaveRefusalTest, AGameThatCouldNotGoOnIsRefusedNamingTheRule) {
    struct Case {
        std::function<void(Json&)> change;
        const char* expected;
    };
    auto record = [](Json& j, int c) -> Json& { return j["state"]["CharacterRecords"][c]; };
    const Case cases[] = {
        {[](Json& j) { for (int p = 1; p <= 4; ++p) j["state"]["TowerFloor"][p] = 5, j["state"]["DoorState"][p] = 5; },
         "the tower is already won: the game is over (player 1)"},
        {[](Json& j) { j["state"]["PosX"][3] = 22, j["state"]["PosY"][3] = 17; }, "a character stands outside the map (character 3)"},
        {[](Json& j) { j["state"]["MovesLeft"] = -4; }, "state.MovesLeft is out of its range"},
        {[](Json& j) { j["state"]["MagicPoints"][2] = -1; }, "state.MagicPoints[2] is out of its range"},
        {[](Json& j) { j["state"]["EnemyDefense"] = -1; }, "state.EnemyDefense is out of its range"},
        {[&record](Json& j) {
             std::string r = record(j, 8).get<std::string>();
             record(j, 8) = r.replace(12, 2, record(j, 1).get<std::string>().substr(12, 2));
         },
         "a class is played twice (character 8)"},
        {[&record](Json& j) {
             std::string r = record(j, 2).get<std::string>();
             record(j, 2) = r.replace(2, 10, "  Mallory ");
         },
         "the characters of one player do not name the same player (character 2)"},
        {[&record](Json& j) {
             std::string r = record(j, 4).get<std::string>();
             record(j, 4) = r.replace(20, 1, "\x07");
         },
         "state.CharacterRecords[4] is not a valid character record"},
        {[](Json& j) { j["state"]["Status"][0] = 14; }, "the character controlling another is not in play"},
        {[](Json& j) { j["state"]["Status"][5] = 15, j["state"]["Status"][0] = 0; },
         "the character controlling another is not in play"},
        {[](Json& j) { j["state"]["TowerFloor"][2] = 1; }, "a tower floor is won while the door was never opened (player 2)"},
        {[](Json& j) { j["board"]["BlockZone"][4] = 2; }, "an obstacle stands outside the map (character 4)"},
        {[](Json& j) { j["board"]["BlockX"][0] = 3, j["board"]["BlockY"][0] = 3, j["board"]["BlockZone"][0] = 1; },
         "an obstacle stands outside the map"},
        {[](Json& j) { j["state"]["FreeMoveCharacter"] = 13; }, "the free-moving character is not in play"},
    };
    for (const Case& c : cases) {
        const std::string message = Load(Changed(c.change));
        EXPECT_NE(message.find(c.expected), std::string::npos) << message << " (expected: " << c.expected << ")";
    }
    // In French when the title is.
    SavedGame game;
    std::string why;
    gd.LanguageOffset = 1000;
    EXPECT_FALSE(ReadSaveText(Changed(cases[1].change), game, why));
    EXPECT_EQ(why, "la partie ne pourrait pas continuer : un personnage est hors de la carte (personnage 3).");
}

// A file of the first format (the dice kept as a seed and the fractions made since) still
// loads, with the dice where they stood.
TEST_F(SaveRefusalTest, AFileOfTheFirstFormatLoadsWithItsDice) {
    rnd::Reset();
    rnd::Seed(4242);
    for (int k = 0; k < 777; ++k) rnd::Rnd();
    const double next = rnd::Rnd();
    SavedGame game;
    std::string why;
    ASSERT_TRUE(ReadSaveText(FirstVersion("4242", 777), game, why)) << why;
    rnd::Seed(1);
    rnd::Restore(game.dice);
    EXPECT_EQ(rnd::Rnd(), next);
}

// The good save changed at random, byte by byte or value by value (numbers huge, negative or
// at the edges of their ranges, characters moved off the map, floors and classes changed, keys
// given twice, control characters in names): whatever loads is a game that can go on and that
// saves again; whatever is refused keeps nothing.
TEST_F(SaveRefusalTest, MutatedSavesAreRefusedOrLoadedWholeNeverHalfway) {
    uint64_t s = 20261209;
    auto pick = [&s](size_t n) {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<size_t>((s >> 33) % n);
    };
    const std::string digits = "0123456789-\"[]{},:e. x";
    const Json original = Json::parse(good);
    // Every number of the state and the board, by its place (key, index or -1).
    std::vector<std::pair<Json::json_pointer, bool>> numbers;   // the place, and whether it holds text
    for (const char* part : {"state", "board"})
        for (auto& [key, value] : original[part].items()) {
            const Json::json_pointer at = Json::json_pointer("/" + std::string(part) + "/" + key);
            if (value.is_number() || value.is_string()) numbers.push_back({at, value.is_string()});
            if (value.is_array())
                for (size_t i = 0; i < value.size(); ++i)
                    if (value[i].is_number() || value[i].is_string()) numbers.push_back({at / i, value[i].is_string()});
        }
    const std::vector<Json> values = {-1, -2147483648LL, 2147483647, 4294967296LL, 0, 1, 5, 13, 15, 16, 17, 21, 22, 23,
                                      -1000001, 1000000, 999983, 999984, 63, 64, 250, 251, Json::parse("1e300"), 0.5, true,
                                      nullptr, "", "00000000000000"};
    auto valueMutation = [&](std::string& text) {
        Json j = original;
        for (int n = 1 + static_cast<int>(pick(3)); n > 0; --n) {
            const auto& [at, isText] = numbers[pick(numbers.size())];
            switch (pick(6)) {
                case 0: j[at] = values[pick(values.size())]; break;
                case 1:
                    if (j[at].is_number_integer()) j[at] = j[at].get<long long>() + static_cast<long long>(pick(5)) - 2;
                    break;
                case 2: {   // a record or a text field: a character changed, a control one among them
                    if (!j[at].is_string()) break;
                    std::string t = j[at].get<std::string>();
                    if (t.empty()) break;
                    const char repl[] = {'\x07', '\x1b', '\x7f', '0', '9', ' ', 'A'};
                    t[pick(t.size())] = repl[pick(sizeof repl)];
                    j[at] = t;
                    break;
                }
                case 3: {   // two records swapped (classes or players exchanged)
                    Json& r = j["state"]["CharacterRecords"];
                    std::swap(r[1 + pick(12)], r[1 + pick(12)]);
                    break;
                }
                case 4: {   // a character somewhere on or about the map
                    const size_t c = 1 + pick(12);
                    j["state"]["PosX"][c] = static_cast<int>(pick(25)) - 2;
                    j["state"]["PosY"][c] = static_cast<int>(pick(20)) - 2;
                    break;
                }
                default: {   // the tower: floors and doors
                    const size_t p = 1 + pick(4);
                    j["state"]["TowerFloor"][p] = static_cast<int>(pick(6));
                    j["state"]["DoorState"][p] = static_cast<int>(pick(7));
                    break;
                }
            }
        }
        text = j.dump();
        // Raw text no JSON value makes: a number past a double, a key given twice.
        if (pick(4) == 0) {
            const size_t colon = text.find(':', pick(text.size()));
            if (colon == std::string::npos) return;
            const size_t end = text.find_first_of(",}]", colon);
            if (pick(2)) {
                text.replace(colon + 1, end - colon - 1, pick(2) ? "1e400" : std::string(400, '9'));
            } else {
                const size_t keyStart = text.rfind('"', text.rfind('"', colon - 1) - 1);
                text.insert(keyStart, text.substr(keyStart, end - keyStart) + ",");
            }
        }
    };
    SavedGame untouched;
    untouched.board.informations = "untouched";
    int refused = 0, loaded = 0;
    for (int k = 0; k < 3000; ++k) {
        std::string text = good;
        // A quarter value by value, the rest byte by byte: cut short, bytes replaced, erased, inserted.
        const int kind = static_cast<int>(pick(8));
        if (kind == 0) {
            text.resize(pick(text.size()));
        } else if (kind >= 6) {
            valueMutation(text);
        } else {
            for (int n = 1 + static_cast<int>(pick(3)); n > 0; --n) {
                const size_t at = pick(text.size());
                if (kind <= 2) text[at] = digits[pick(digits.size())];
                else if (kind <= 4) text.erase(at, 1 + pick(8));
                else text.insert(at, 1, digits[pick(digits.size())]);
            }
        }
        SavedGame game = untouched;
        std::string why;
        if (ReadSaveText(text, game, why)) {
            ++loaded;
            EXPECT_TRUE(why.empty());
            const RuleBreak broken = CheckGameGoesOn(game.state, NumbersOf(game.board));
            EXPECT_FALSE(broken) << broken.detail;
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
    EXPECT_GT(loaded, 100);
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
