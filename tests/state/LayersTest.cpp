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

namespace fs = std::filesystem;

namespace {

TEST(Layers, StateAndTheScreenFrameworkIncludeOnlyEachOther) {
    const std::regex include(R"(#include\s+"([a-z]+)/)");
    int files = 0;
    for (const char* folder : {"state", "ui"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(QUELMOR_SOURCE_DIR) / "src" / folder)) {
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n) {
                std::smatch m;
                if (!std::regex_search(line, m, include)) continue;
                const std::string target = m[1];
                EXPECT_TRUE(target == "state" || target == "ui")
                    << entry.path().filename().string() << ":" << n << " includes " << line;
                // The state knows no screen at all.
                if (std::string(folder) == "state") EXPECT_EQ(target, "state") << entry.path().filename().string() << ":" << n;
            }
        }
    }
    EXPECT_GT(files, 20);
}

// What one part of the game may include of another: the procedures and tables it shares. No
// screen is among them (a screen is opened through ui/Navigation.h), and the set-up and the
// ending use nothing of the other parts.
const std::map<std::string, std::set<std::string>> kSharedHeaders = {
    {"board", {"items/Capacities.h", "items/Inventory.h", "items/ItemCatalogue.h",
               "items/ResourceKinds.h", "items/Spells.h", "combat/Enemies.h"}},
    {"items", {"board/Board.h", "board/Encounter.h", "board/MapTables.h"}},
    {"combat", {"board/Board.h", "items/ItemCatalogue.h", "items/Shop.h", "items/Spells.h"}},
    {"setup", {}},
    {"ending", {}},
};

TEST(Layers, ThePartsOfTheGameShareOnlyTheirListedHeaders) {
    const std::regex include(R"re(#include\s+"(([a-z]+)/[A-Za-z]+\.h)")re");
    int files = 0;
    for (const auto& [folder, allowed] : kSharedHeaders) {
        for (const auto& entry : fs::directory_iterator(fs::path(QUELMOR_SOURCE_DIR) / "src" / folder)) {
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n) {
                std::smatch m;
                if (!std::regex_search(line, m, include)) continue;
                const std::string header = m[1], target = m[2];
                if (target == folder || target == "state" || target == "ui") continue;
                EXPECT_TRUE(allowed.count(header))
                    << folder << "/" << entry.path().filename().string() << ":" << n << " includes " << header;
            }
        }
    }
    EXPECT_GT(files, 60);
}

}  // namespace
