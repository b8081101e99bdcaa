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

// What one part of the game may include of another: the procedures and tables it shares. No
// screen is opened through them (that goes through ui/Navigation.h), and the set-up and the
// ending use nothing of the other parts.
const std::map<std::string, std::set<std::string>> kSharedHeaders = {
    {"board", {"items/Capacities.h", "items/Inventory.h", "items/Spells.h"}},
    {"items", {"board/Board.h", "board/Encounter.h"}},
    {"combat", {"board/Board.h", "items/Shop.h", "items/Spells.h"}},
    {"setup", {}},
    {"ending", {}},
    // Saving reads the board's own values and resumes a board from them; a save is told by the
    // board's notice and kept in the journal at the board's hour.
    {"save", {"board/Board.h", "board/BoardResume.h", "board/frmJeu.h"}},
};

TEST(Layers, ThePartsOfTheGameShareOnlyTheirListedHeaders) {
    int files = 0;
    for (const auto& [part, allowed] : kSharedHeaders) {
        for (const Include& i : IncludesOf({part}, files)) {
            if (i.folder == part || i.folder == "state" || i.folder == "ui" || i.folder == "rules") continue;
            EXPECT_TRUE(allowed.count(i.header)) << i.where << " includes " << i.header;
        }
    }
    EXPECT_GT(files, 60);
}

}  // namespace
