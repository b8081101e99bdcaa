// The asset generator draws text only with the fonts it asked for: a family the machine lacks
// stops it, naming the family, rather than letting another font change its pictures.
#include "common.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

TEST(AssetFonts, AMissingFamilyStopsTheGeneratorAndIsNamed) {
    try {
        assetgen::RequireFont("Quelmor Nonexistent Serif", 7, true);
        ADD_FAILURE() << "a missing font was accepted";
    } catch (const assetgen::MissingFont& e) {
        EXPECT_NE(std::string(e.what()).find("\"Quelmor Nonexistent Serif\""), std::string::npos) << e.what();
    }
}

// The set-up installs fonts-liberation: the generator's font is there, at the size and weight
// asked for.
TEST(AssetFonts, TheSetUpsSerifIsGivenAsAsked) {
    const QFont f = assetgen::RequireFont("Liberation Serif", 7, true);
    EXPECT_EQ(QFontInfo(f).family(), "Liberation Serif");
    EXPECT_EQ(f.pixelSize(), 7);
    EXPECT_TRUE(f.bold());
}

}  // namespace
