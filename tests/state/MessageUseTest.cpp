#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "state/Messages.h"

// Every message the code asks for by number exists in French and (but for the tower door
// texts, which fall back to French) in English.
TEST(MessageUse, EveryNumberTheCodeNamesHasItsTexts) {
    namespace fs = std::filesystem;
    const std::regex relative(R"(\bMsg\((\d+)\))"), absolute(R"(\bMsgId\((\d{4})\))");
    int seen = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(QUELMOR_SOURCE_DIR) / "src")) {
        if (entry.path().extension() != ".cpp" || entry.path().filename().string().rfind("Messages", 0) == 0) continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string code = text.str();
        for (const std::regex* re : {&relative, &absolute}) {
            for (auto it = std::sregex_iterator(code.begin(), code.end(), *re); it != std::sregex_iterator(); ++it) {
                int n = std::stoi((*it)[1]);
                int r = re == &relative ? n : n % 1000;
                ++seen;
                EXPECT_TRUE(MessageExists(1000 + r)) << entry.path().filename() << " names " << (*it)[0];
                if (r < 144 || r > 149) {
                    EXPECT_TRUE(MessageExists(2000 + r)) << entry.path().filename() << " names " << (*it)[0];
                }
            }
        }
    }
    EXPECT_GT(seen, 100);  // the scan really read the game's code
}
