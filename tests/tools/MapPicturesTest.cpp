// The zone maps agree with the road table: the painter's road mask is the table, and in
// the generated pictures, at the game's own size and at each larger drawing, road cells look
// like road and no other cell does.
#include "rules/MapTables.h"
#include "maps.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace {

constexpr int kScales[] = {1, 2, 3};

// A picture of the game's folder at a scale (1: the game's own file).
QImage Load(const QString& stem, const QString& ext, int scale) {
    const QString name = stem + "." + ext + (scale == 1 ? QString() : QString("@%1x.png").arg(scale));
    return QImage(QString(QUELMOR_BIN_DIR) + "/" + name);
}

QImage LoadZone(int zone, int scale = 1) { return Load("table" + QString::number(zone), "bmp", scale); }

// The mean colour of the 4 x 4 game pixels at the centre of a cell.
QColor CellCentreColour(const QImage& img, int column, int row, int scale = 1) {
    const int x0 = ((column - 1) * map::kCell + map::kCell / 2 - 2) * scale, y0 = ((row - 1) * map::kCell + map::kCell / 2 - 2) * scale;
    const int n = 4 * scale;
    long r = 0, g = 0, b = 0;
    for (int y = y0; y < y0 + n; ++y)
        for (int x = x0; x < x0 + n; ++x) {
            const QRgb c = img.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    return QColor(int(r / (n * n)), int(g / (n * n)), int(b / (n * n)));
}

TEST(MapPictures, RoadMaskIsTheRoadTable) {
    for (int zone = 1; zone <= 4; ++zone) {
        int roads = 0;
        for (int row = 1; row <= map::kRows; ++row)
            for (int column = 1; column <= map::kColumns; ++column) {
                EXPECT_EQ(assetgen::RoadMaskCell(zone, column, row), map::IsRoadCell(zone, column, row))
                    << "zone " << zone << " cell " << column << "," << row;
                roads += assetgen::RoadMaskCell(zone, column, row);
            }
        EXPECT_GT(roads, 20) << "zone " << zone;
    }
}

TEST(MapPictures, RoadBandSeparatesSandFromGrassRockAndRoofs) {
    EXPECT_TRUE(assetgen::IsRoadColour(QColor(201, 165, 113)));
    EXPECT_FALSE(assetgen::IsRoadColour(QColor(90, 140, 50)));    // grass
    EXPECT_FALSE(assetgen::IsRoadColour(QColor(130, 128, 140)));  // rock
    EXPECT_FALSE(assetgen::IsRoadColour(QColor(176, 70, 50)));    // roof tiles
    EXPECT_FALSE(assetgen::IsRoadColour(QColor(240, 244, 252)));  // snow
}

TEST(MapPictures, RoadCellsAndOnlyRoadCellsShowRoad) {
    for (int scale : kScales)
        for (int zone = 1; zone <= 4; ++zone) {
            const QImage img = LoadZone(zone, scale);
            ASSERT_EQ(img.size(), QSize(640, 480) * scale) << "zone " << zone << " at " << scale << "x";
            for (int row = 1; row <= map::kRows; ++row)
                for (int column = 1; column <= map::kColumns; ++column) {
                    const QColor c = CellCentreColour(img, column, row, scale);
                    EXPECT_EQ(assetgen::IsRoadColour(c), map::IsRoadCell(zone, column, row))
                        << "zone " << zone << " at " << scale << "x cell " << column << "," << row << " colour "
                        << c.red() << "," << c.green() << "," << c.blue();
                }
        }
}

TEST(MapPictures, RoadsRunUnbrokenBetweenNeighbouringRoadCells) {
    // Halfway between two neighbouring road cells (their shared edge) the road continues.
    for (int scale : kScales)
        for (int zone = 1; zone <= 4; ++zone) {
            const QImage img = LoadZone(zone, scale);
            ASSERT_FALSE(img.isNull());
            for (int row = 1; row <= map::kRows; ++row)
                for (int column = 1; column <= map::kColumns; ++column) {
                    if (!map::IsRoadCell(zone, column, row)) continue;
                    const int cx = (column - 1) * map::kCell + map::kCell / 2, cy = (row - 1) * map::kCell + map::kCell / 2;
                    if (map::IsRoadCell(zone, column + 1, row)) {
                        EXPECT_TRUE(assetgen::IsRoadColour(img.pixelColor((cx + map::kCell / 2) * scale, cy * scale)))
                            << "zone " << zone << " at " << scale << "x between " << column << "," << row
                            << " and the cell to the right";
                    }
                    if (map::IsRoadCell(zone, column, row + 1)) {
                        EXPECT_TRUE(assetgen::IsRoadColour(img.pixelColor(cx * scale, (cy + map::kCell / 2) * scale)))
                            << "zone " << zone << " at " << scale << "x between " << column << "," << row
                            << " and the cell below";
                    }
                }
        }
}

TEST(MapPictures, TowerDoorOpensOnTheRoad) {
    const QImage img = LoadZone(map::Town);
    ASSERT_FALSE(img.isNull());
    const int cx = (map::kTowerDoor.column - 1) * map::kCell + map::kCell / 2;
    const int top = (map::kTowerDoor.row - 1) * map::kCell;
    // The door's cell shows road at its centre and the dark tower right above it.
    EXPECT_TRUE(assetgen::IsRoadColour(CellCentreColour(img, map::kTowerDoor.column, map::kTowerDoor.row)));
    EXPECT_LT(img.pixelColor(cx - 16, top - 40).value(), 90);
}

TEST(MapPictures, ThumbnailsAreTheMapsScaledDown) {
    for (int scale : kScales)
        for (int zone = 1; zone <= 4; ++zone) {
            const QImage big = LoadZone(zone, scale);
            const QImage small = Load("carte" + QString::number(zone), "bmp", scale);
            ASSERT_EQ(small.size(), QSize(76, 57) * scale) << "zone " << zone << " at " << scale << "x";
            // Same overall tone as the big map.
            const QImage reduced = big.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QImage tiny = small.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_NEAR(qGray(reduced.pixel(0, 0)), qGray(tiny.pixel(0, 0)), 20) << "zone " << zone;
        }
}

}  // namespace
