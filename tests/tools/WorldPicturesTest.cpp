// The generated world pictures lie beside the programs, load as the game loads them, and
// have the sizes and transparency the screens rely on.
#include <QImage>
#include <QImageReader>
#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QString Bin(const QString& name) { return QString(QUELMOR_BIN_DIR) + "/" + name; }

QImage Load(const QString& name) {
    QImageReader reader(Bin(name));
    QImage img = reader.read();
    EXPECT_FALSE(img.isNull()) << name.toStdString() << ": " << reader.errorString().toStdString();
    return img;
}

void ExpectSize(const QString& name, int w, int h) {
    const QImage img = Load(name);
    EXPECT_EQ(img.width(), w) << name.toStdString();
    EXPECT_EQ(img.height(), h) << name.toStdString();
}

bool Transparent(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) < 128; }

double OpaqueShare(const QImage& img) {
    int opaque = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) opaque += !Transparent(img, x, y);
    return double(opaque) / (img.width() * img.height());
}

TEST(WorldPictures, MapsAndThumbnails) {
    for (int z = 1; z <= 4; ++z) {
        ExpectSize(QString("table%1.bmp").arg(z), 640, 480);
        ExpectSize(QString("carte%1.bmp").arg(z), 76, 57);
    }
}

TEST(WorldPictures, ClassIconsAreHaloedFiguresOnTransparency) {
    for (int n = 0; n < 16; ++n) {
        const QString name = QString("%1.ico").arg(n, 2, 10, QChar('0'));
        const QImage img = Load(name);
        ASSERT_EQ(img.size(), QSize(32, 32)) << name.toStdString();
        ASSERT_TRUE(img.hasAlphaChannel()) << name.toStdString();
        EXPECT_TRUE(Transparent(img, 0, 0)) << name.toStdString();
        EXPECT_TRUE(Transparent(img, 31, 0)) << name.toStdString();
        const double share = OpaqueShare(img);
        EXPECT_GT(share, 0.3) << name.toStdString();
        EXPECT_LT(share, 0.95) << name.toStdString();
        // The outermost opaque pixel of the middle row is the dark halo, not the figure's colour.
        int x = 0;
        while (x < 32 && Transparent(img, x, 16)) ++x;
        ASSERT_LT(x, 32) << name.toStdString();
        EXPECT_LT(qGray(img.pixel(x, 16)), 100) << name.toStdString();
    }
}

TEST(WorldPictures, ClassIconsDifferFromEachOther) {
    for (int a = 0; a < 16; ++a)
        for (int b = a + 1; b < 16; ++b) {
            const QImage ia = Load(QString("%1.ico").arg(a, 2, 10, QChar('0')));
            const QImage ib = Load(QString("%1.ico").arg(b, 2, 10, QChar('0')));
            long diff = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    const QRgb pa = ia.pixel(x, y), pb = ib.pixel(x, y);
                    diff += std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) + std::abs(qBlue(pa) - qBlue(pb));
                }
            EXPECT_GT(diff / 1024, 20) << "icons " << a << " and " << b << " look alike";
        }
}

TEST(WorldPictures, PortraitsFillTheirFrame) {
    for (int n = 1; n <= 16; ++n) {
        const QString name = QString("%1.gif").arg(n);
        const QImage img = Load(name);
        ASSERT_EQ(img.size(), QSize(64, 80)) << name.toStdString();
        EXPECT_DOUBLE_EQ(OpaqueShare(img), 1.0) << name.toStdString();
    }
}

TEST(WorldPictures, EnemiesStandOnTransparency) {
    for (int n = 1; n <= 19; ++n) {
        const QString name = QString("des%1.gif").arg(n);
        const QImage img = Load(name);
        ASSERT_EQ(img.size(), QSize(128, 128)) << name.toStdString();
        EXPECT_TRUE(Transparent(img, 0, 0) || Transparent(img, 127, 0)) << name.toStdString();
        const double share = OpaqueShare(img);
        EXPECT_GT(share, 0.2) << name.toStdString();
        EXPECT_LT(share, 0.9) << name.toStdString();
    }
}

TEST(WorldPictures, ObstacleIsASmallTransparentPicture) {
    const QImage img = Load("bloc.gif");
    ASSERT_EQ(img.size(), QSize(32, 32));
    EXPECT_TRUE(Transparent(img, 0, 0));
    EXPECT_GT(OpaqueShare(img), 0.3);
}

TEST(WorldPictures, SceneBackgroundsFitTheCombatForm) {
    for (const char* name : {"cmbvil.bmp", "cmbpln.bmp", "cmbfrt.bmp", "cmbmtg.bmp", "finale.bmp", "marche.bmp", "forge.bmp",
                             "tournoi.bmp", "mechant.bmp"})
        ExpectSize(name, 416, 320);
    ExpectSize("fin.bmp", 800, 600);
}

TEST(WorldPictures, FightMessageStripIsCalm) {
    // The strip where fight messages are written varies less than the picture above it.
    for (const char* name : {"cmbvil.bmp", "cmbpln.bmp", "cmbfrt.bmp", "cmbmtg.bmp", "finale.bmp"}) {
        const QImage img = Load(name);
        auto spread = [&img](int top, int bottom) {
            double sum = 0, sum2 = 0;
            int n = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const double g = qGray(img.pixel(x, y));
                    sum += g;
                    sum2 += g * g;
                    ++n;
                }
            const double mean = sum / n;
            return sum2 / n - mean * mean;
        };
        EXPECT_LT(spread(278, 310), spread(0, 272)) << name;
    }
}

}  // namespace
