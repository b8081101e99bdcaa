// The generator's shortcuts draw the very pixels of the plain arithmetic: the colour mixing and
// shading that skip QColor's float accessors give QColor's results, the larger drawings' own PNG
// writer keeps every pixel, and the game's own pictures keep their bytes. The checksums cover each kind of drawing (grounds and roads, the scenes'
// skies and hills, figures and enemies with their halos, dialog backgrounds); a change of
// drawing changes them on purpose, a change of speed never may.
#include "artkit.h"
#include "colourmath.h"
#include "common.h"
#include "interface_kit.h"
#include "pngwrite.h"

#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QColor PlainMix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

TEST(AssetBytes, MixingAndShadingGiveQColorsOwnResults) {
    assetgen::Noise n(20261209);
    auto any = [&n] {
        // Whole 8-bit colours as the painters write them, and 16-bit ones as mixing leaves them.
        if (n.unit() < 0.5) return QColor(n.range(0, 255), n.range(0, 255), n.range(0, 255), n.unit() < 0.7 ? 255 : n.range(0, 255));
        return QColor::fromRgba64(quint16(n.next()), quint16(n.next()), quint16(n.next()), quint16(n.next()));
    };
    for (int i = 0; i < 50000; ++i) {
        const QColor a = any(), b = any();
        const double t = i % 7 == 0 ? double(i % 3) / 2 : n.unit() * 1.2 - 0.1;
        const QColor want = PlainMix(a, b, t);
        ASSERT_EQ(art::Mix(a, b, t).rgba64(), want.rgba64()) << i;
        ASSERT_EQ(QColor(art::Mix(art::Colour(a), art::Colour(b), t)).rgba64(), want.rgba64()) << i;
        const double f = n.unit() * 2.2;
        auto plain = [f](int v) { return std::clamp(int(std::lround(v * f)), 0, 255); };
        const QColor darker(plain(a.red()), plain(a.green()), plain(a.blue()), a.alpha());
        ASSERT_EQ(assetgen::ui::Shade(a, f), darker) << i;
        ASSERT_EQ(QColor(assetgen::ui::Shade(art::Colour(a), f)), darker) << i;
        ASSERT_EQ(art::Colour(a).rgba(), a.rgba()) << i;
        if (f <= 1.0) {
            ASSERT_EQ(QColor(art::Shade(art::Colour(a), f)), darker) << i;
        }
    }
    // Out of range: an invalid colour, as QColor makes it.
    EXPECT_EQ(QColor(art::Colour(256, 0, 0)), QColor(256, 0, 0));
    EXPECT_EQ(QColor(art::Colour()), QColor());
}

TEST(AssetBytes, TheLargerDrawingsPngFilesHoldTheirPixels) {
    assetgen::Noise n(7);
    QImage image(37, 23, QImage::Format_ARGB32);  // an odd width: rows of any length
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x % 5 == 0 ? qRgba(x * 6, y * 11, 200, 255) : n.next());
    for (bool alpha : {true, false}) {
        const QImage want = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        const QImage read = QImage::fromData(assetgen::PngBytes(image, alpha, 2835 * 2), "PNG");
        ASSERT_EQ(read.size(), image.size()) << alpha;
        EXPECT_EQ(read.hasAlphaChannel(), alpha);
        EXPECT_EQ(read.dotsPerMeterX(), 2835 * 2);
        EXPECT_EQ(read.convertToFormat(want.format()), want) << alpha;
    }
}

QByteArray Sha1(const QString& name) {
    QFile f(QString(QUELMOR_BIN_DIR) + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
}

TEST(AssetBytes, TheGamesOwnPicturesKeepTheirBytes) {
    const std::pair<const char*, const char*> kPictures[] = {
        {"table1.bmp", "d7d1e4e0db60abd91bc0f7dfb11b702683a37b6d"}, {"table2.bmp", "195899c9f838f302053ebcd8c117efc75ee43a48"},
        {"table3.bmp", "2f1bb1ae681833147ff710475d2b4846327af179"}, {"table4.bmp", "4c4effc5bd2de06f68ebb7e4d80d1af5c0335c68"},
        {"carte2.bmp", "7beb5b88e625fcbcbab94ba5a2a40cd44e461a8e"}, {"cmbmtg.bmp", "ac38718611084c43f2a4b0bfc7f395bf99998fb3"},
        {"cmbpln.bmp", "57e021122fb5661fa0f1a366d3651ef711059cd3"}, {"fin.bmp", "1023de0d80a43f6a42f53e24cd6e8a3f1646c309"},
        {"marche.bmp", "3d1e8ad1b7a775abc4e078de00b57bbdd251741f"}, {"des1.gif", "e9977f862681df3f9ad90d1cecd50c3964ba6186"},
        {"1.gif", "3ef75c3ffac419e8739c6fe2d2ef06f254e56525"},      {"00.ico", "a1d1de9afff2b8f85a99218b9f37924a48d28b08"},
        {"bloc.gif", "46d933e0fe5deb62556b6a9c977da0ffb1de5c35"},   {"mine.bmp", "609957d9d0d669ae7f991ea2f3dd9178bf9d1021"},
        {"fond.bmp", "079bbcf8b8febbab130494b5bda184dbe3847014"},   {"magie.bmp", "9e5f67a2df6ec110e6264399f362fc84184efab9"},
    };
    for (const auto& [name, sum] : kPictures) EXPECT_EQ(Sha1(name), QByteArray(sum)) << name;
}

}  // namespace
