// The layers hold: the game state and the screen framework include nothing of the parts above
// them; the parts of the game open each other's screens through the navigation calls alone and
// use of each other only the headers listed here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// An include of a project header: where it is, and the header ("board/Board.h") and its folder.
struct Include {
    std::string where, header, folder;
};

// Every project include in the sources of the folders under src/; counts the files read.
std::vector<Include> IncludesOf(const std::vector<std::string>& folders, int& files) {
    const std::regex include(R"re(#include\s+"(([a-z]+)/[A-Za-z]+\.h)")re");
    std::vector<Include> found;
    for (const std::string& folder : folders) {
        for (const auto& entry : fs::directory_iterator(fs::path(QUELMOR_SOURCE_DIR) / "src" / folder)) {
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n) {
                std::smatch m;
                if (std::regex_search(line, m, include))
                    found.push_back({folder + "/" + entry.path().filename().string() + ":" + std::to_string(n), m[1], m[2]});
            }
        }
    }
    return found;
}

TEST(Layers, StateAndTheScreenFrameworkIncludeOnlyEachOther) {
    int files = 0;
    for (const Include& i : IncludesOf({"state", "ui"}, files)) {
        EXPECT_TRUE(i.folder == "state" || i.folder == "ui") << i.where << " includes " << i.header;
        // The state knows no screen at all.
        if (i.where.rfind("state/", 0) == 0) {
            EXPECT_EQ(i.folder, "state") << i.where << " includes " << i.header;
        }
    }
    EXPECT_GT(files, 20);
}

TEST(Layers, TheRulesStandOnTheStateAlone) {
    int files = 0;
    for (const Include& i : IncludesOf({"rules"}, files))
        EXPECT_TRUE(i.folder == "rules" || i.folder == "state") << i.where << " includes " << i.header;
    EXPECT_GT(files, 5);
}

// The parts of the game, side by side in one layer: none includes another. They open each
// other's screens and reach each other's handlers through ui/Navigation.h alone, and share the
// board's procedures and the tables through the rules below them.
const std::vector<std::string> kParts = {"board", "items", "combat", "setup", "ending", "save"};

// Every folder of src/ and its layer: a folder includes only folders of lower layers, besides
// none of the others in the same layer.
const std::map<std::string, int> kLayers = {
    {"state", 0}, {"ui", 0},  {"rules", 1}, {"board", 2}, {"items", 2}, {"combat", 2}, {"setup", 2},
    {"ending", 2}, {"save", 2}, {"ai", 3},  {"platform", 3}, {"record", 3}, {"view", 4}, {"net", 4},
    {"wire", 5},   {"driver", 6}, {"app", 7},
};

std::vector<std::string> AllFolders() {
    std::vector<std::string> folders;
    for (const auto& entry : fs::directory_iterator(fs::path(QUELMOR_SOURCE_DIR) / "src"))
        if (entry.is_directory()) folders.push_back(entry.path().filename().string());
    return folders;
}

TEST(Layers, ThePartsOfTheGameIncludeNoneOfEachOther) {
    int files = 0;
    for (const std::string& part : kParts) {
        for (const Include& i : IncludesOf({part}, files)) {
            if (i.folder == part || i.folder == "state" || i.folder == "rules") continue;
            if (i.folder == "ui") continue;  // the screen framework and the navigation
            ADD_FAILURE() << i.where << " includes " << i.header;
        }
    }
    EXPECT_GT(files, 60);
}

TEST(Layers, ItemsAndFightsReachTheBoardThroughTheRulesAlone) {
    int files = 0;
    for (const Include& i : IncludesOf({"items", "combat"}, files))
        EXPECT_NE(i.folder, "board") << i.where << " includes " << i.header;
    EXPECT_GT(files, 30);
}

TEST(Layers, EveryFolderIncludesOnlyTheLayersBelowIt) {
    int files = 0;
    const std::vector<std::string> folders = AllFolders();
    for (const std::string& folder : folders) {
        ASSERT_TRUE(kLayers.count(folder)) << "src/" << folder << " has no layer";
        for (const Include& i : IncludesOf({folder}, files)) {
            if (i.folder == folder) continue;
            ASSERT_TRUE(kLayers.count(i.folder)) << i.where << " includes " << i.header;
            const int from = kLayers.at(folder), to = kLayers.at(i.folder);
            if (from == to && (folder == "state" || folder == "ui")) {
                EXPECT_EQ(folder, "ui") << i.where << " includes " << i.header;  // the state knows no screen
                continue;
            }
            EXPECT_LT(to, from) << i.where << " includes " << i.header << ", a layer not below it";
        }
    }
    EXPECT_GE(folders.size(), kLayers.size());
    EXPECT_GT(files, 200);
}

// Playing across machines: its core (the protocol, the gate) is plain C++; Qt Network is the
// transport's alone.
TEST(Layers, TheNetworkCoreHasNoQt) {
    int files = 0;
    const std::regex qt(R"re(#include\s+<Q)re");
    for (const auto& entry : fs::directory_iterator(fs::path(QUELMOR_SOURCE_DIR) / "src" / "net")) {
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            EXPECT_FALSE(std::regex_search(line, qt)) << entry.path().filename() << ":" << n << " includes Qt";
    }
    EXPECT_GE(files, 8);
}

TEST(Layers, NoTwoFoldersIncludeEachOther) {
    int files = 0;
    std::set<std::pair<std::string, std::string>> arrows;
    for (const Include& i : IncludesOf(AllFolders(), files)) {
        const std::string from = i.where.substr(0, i.where.find('/'));
        if (from != i.folder) arrows.insert({from, i.folder});
    }
    for (const auto& [from, to] : arrows)
        EXPECT_FALSE(arrows.count({to, from})) << from << " and " << to << " include each other";
    EXPECT_GT(arrows.size(), 20u);
}

}  // namespace
