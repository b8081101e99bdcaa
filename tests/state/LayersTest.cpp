// The bottom layer stays at the bottom: the game state and the screen framework include nothing
// of the subsystems, the views, the platform or the driver.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
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

}  // namespace
