// Every picture the game ships loads, by its name alone, at the size it was drawn.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <set>
#include <string>

#include "view/Pictures.h"

namespace fs = std::filesystem;

TEST(Pictures, EveryShippedPictureLoadsByItsName) {
    pictures::SetFolder(QUELMOR_BIN_DIR);
    std::set<std::string> kinds;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(QUELMOR_BIN_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".bmp" && ext != ".gif" && ext != ".ico") continue;
        const std::string name = entry.path().filename().string();
        const QImage direct(QString::fromStdString(entry.path().string()));
        ASSERT_FALSE(direct.isNull()) << name << " is no picture at all";
        const QPixmap& pm = pictures::Get(name);
        EXPECT_FALSE(pm.isNull()) << name;
        EXPECT_EQ(pm.size(), direct.size()) << name;
        kinds.insert(ext);
        ++count;
    }
    EXPECT_EQ(kinds, (std::set<std::string>{".bmp", ".gif", ".ico"}));
    EXPECT_GT(count, 200);
}

TEST(Pictures, ANameThatIsNoPictureGivesAnEmptyOne) {
    pictures::SetFolder(QUELMOR_BIN_DIR);
    EXPECT_TRUE(pictures::Get("").isNull());
    EXPECT_TRUE(pictures::Get("no-such-picture.bmp").isNull());
    EXPECT_TRUE(pictures::Get("start.mid").isNull());  // a tune, not a picture
}
