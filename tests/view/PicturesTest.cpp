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

TEST(Pictures, EveryPictureIsAlsoDrawnAtTwoAndThreeTimesItsSize) {
    pictures::SetFolder(QUELMOR_BIN_DIR);
    int count = 0;
    for (const auto& entry : fs::directory_iterator(QUELMOR_BIN_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".bmp" && ext != ".gif" && ext != ".ico") continue;
        const std::string name = entry.path().filename().string();
        const QSize own = pictures::Get(name).size();
        for (int scale : pictures::kSharpScales) {
            const QImage large(QString::fromStdString(std::string(QUELMOR_BIN_DIR) + "/" + pictures::FileAtScale(name, scale)));
            ASSERT_FALSE(large.isNull()) << name << " at " << scale << "x";
            EXPECT_EQ(large.size(), own * scale) << name << " at " << scale << "x";
            // Painted from the larger drawing, the picture keeps the game's own size.
            const QPixmap& sharp = pictures::Sharp(name, scale);
            EXPECT_EQ(sharp.size(), own * scale) << name;
            EXPECT_EQ(sharp.deviceIndependentSize().toSize(), own) << name;
        }
        ++count;
    }
    EXPECT_GT(count, 200);
}

TEST(Pictures, TheDrawingNearestAboveTheDevicesPixelsServes) {
    EXPECT_EQ(pictures::FileAtScale("table1.bmp", 1), "table1.bmp");
    EXPECT_EQ(pictures::FileAtScale("des3.gif", 2), "des3.gif@2x.png");
    EXPECT_EQ(pictures::FileAtScale("10.ico", 3), "10.ico@3x.png");
    EXPECT_EQ(pictures::BestScale(1), 1);
    EXPECT_EQ(pictures::BestScale(0.75), 1);
    EXPECT_EQ(pictures::BestScale(1.25), 2);
    EXPECT_EQ(pictures::BestScale(1.8), 2);
    EXPECT_EQ(pictures::BestScale(2), 2);
    EXPECT_EQ(pictures::BestScale(2.5), 3);
    EXPECT_EQ(pictures::BestScale(4), 3);
    // A picture without larger drawings is painted from its own file.
    pictures::SetFolder(QUELMOR_BIN_DIR);
    EXPECT_TRUE(pictures::Sharp("no-such-picture.bmp", 2).isNull());
}

TEST(Pictures, ANameThatIsNoPictureGivesAnEmptyOne) {
    pictures::SetFolder(QUELMOR_BIN_DIR);
    EXPECT_TRUE(pictures::Get("").isNull());
    EXPECT_TRUE(pictures::Get("no-such-picture.bmp").isNull());
    EXPECT_TRUE(pictures::Get("start.mid").isNull());  // a tune, not a picture
}
