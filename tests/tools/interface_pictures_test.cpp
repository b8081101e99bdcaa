// The interface and spell pictures: every file the screens load is there, reads at its
// size and in its format (24-bit BMP, GIF with a transparent ground, ICO with alpha),
// and shows what it stands for: the sundial's shadow on its hour, buttons in their
// player's colour and greyed, the lit fire brighter than the cold one, growing spells.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

QString PathOf(const QString& name) { return QString(QUELMOR_BIN_DIR) + "/" + name; }

QImage Load(const QString& name) {
    QImageReader reader(PathOf(name));
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

struct Picture {
    QString name;
    int w, h;
    bool transparent;  // a GIF or ICO whose ground is clear
};

std::vector<Picture> AllPictures() {
    std::vector<Picture> all = {
        {"epee.gif", 96, 207, true},        {"feueteint.bmp", 343, 97, false}, {"feuallume.bmp", 343, 97, false},
        {"cadre.bmp", 153, 114, false},     {"combat1.bmp", 153, 153, false},  {"combat2.bmp", 153, 153, false},
        {"combat3.bmp", 153, 153, false},   {"flechehaut.bmp", 10, 6, false},  {"flechebas.bmp", 10, 6, false},
        {"ornement.gif", 153, 12, true},    {"barreh.bmp", 153, 4, false},     {"barrev.bmp", 4, 40, false},
        {"panneau.bmp", 152, 570, false},   {"bandeau.bmp", 640, 90, false},   {"quelmor.ico", 32, 32, true},
        {"magie.bmp", 240, 230, false},     {"fermer.gif", 24, 24, true},      {"fond.bmp", 400, 44, false},
        {"action0m.gif", 32, 32, true},     {"action2m.gif", 32, 32, true},    {"ressources.bmp", 220, 280, false},
        {"mine.bmp", 300, 160, false},      {"cimetiere.bmp", 300, 180, false}, {"apropos1.gif", 120, 120, false},
        {"apropos2.gif", 120, 120, false}};
    for (int h = 0; h <= 12; ++h) all.push_back({QString("soleil%1.bmp").arg(h), 84, 84, false});
    for (int k = 1; k <= 28; ++k) all.push_back({QString("bouton%1.bmp").arg(k), 32, 32, false});
    for (const char* v : {"icoatt", "icodef", "icoag", "icomvt", "icovie", "icoress", "icoexp", "icoor"})
        all.push_back({QString(v) + ".gif", 16, 16, true});
    for (int c = 1; c <= 4; ++c) all.push_back({QString("tab%1.ico").arg(c), 16, 16, true});
    for (int s = 1; s <= 6; ++s) all.push_back({QString("sort%1.gif").arg(s), 32, 32, true});
    for (int a = 0; a <= 47; ++a) all.push_back({QString("anim%1.gif").arg(a, 2, 10, QChar('0')), 128, 128, true});
    for (int a = 0; a <= 3; ++a) all.push_back({QString("action%1.gif").arg(a), 32, 32, true});
    for (int r = 1; r <= 7; ++r) all.push_back({QString("res%1.gif").arg(r), 32, 32, true});
    return all;
}

double Luma(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }

double MeanLuma(const QImage& img, QRect r = QRect()) {
    if (r.isNull()) r = img.rect();
    double s = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) s += Luma(img.pixel(x, y));
    return s / (r.width() * r.height());
}

QColor MeanColour(const QImage& img, const QRect& r) {
    double red = 0, green = 0, blue = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            red += qRed(img.pixel(x, y)), green += qGreen(img.pixel(x, y)), blue += qBlue(img.pixel(x, y));
        }
    const double n = r.width() * r.height();
    return QColor(int(red / n), int(green / n), int(blue / n));
}

int Opaque(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += qAlpha(img.pixel(x, y)) >= 128;
    return n;
}

TEST(InterfacePictures, EveryFileReadsAtItsSizeAndFormat) {
    const auto all = AllPictures();
    EXPECT_EQ(all.size(), 151u - 8u);  // every picture of the two families (music and sounds aside)
    for (const Picture& pic : all) {
        SCOPED_TRACE(pic.name.toStdString());
        QImageReader reader(PathOf(pic.name));
        ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
        const QByteArray format = pic.name.section('.', -1).toLatin1();
        EXPECT_EQ(reader.format(), format);
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(pic.w, pic.h));
        if (format == "bmp") {
            QFile f(PathOf(pic.name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray head = f.read(30);
            EXPECT_EQ(uint8_t(head[28]), 24) << "bits a pixel";
        }
        if (pic.transparent) {
            EXPECT_TRUE(img.hasAlphaChannel());
            const QImage a = img.convertToFormat(QImage::Format_ARGB32);
            const int corners = (qAlpha(a.pixel(0, 0)) == 0) + (qAlpha(a.pixel(pic.w - 1, 0)) == 0) +
                                (qAlpha(a.pixel(0, pic.h - 1)) == 0) + (qAlpha(a.pixel(pic.w - 1, pic.h - 1)) == 0);
            EXPECT_GE(corners, 3) << "the ground shows through";
            EXPECT_GT(Opaque(a), pic.w * pic.h / 40) << "something is drawn";
        }
    }
}

// The hour (0..11) whose ray on the dial face is darkest: where the shadow falls.
int ShadowHour(const QImage& dial) {
    int best = -1;
    double darkest = 1e9;
    for (int k = 0; k < 12; ++k) {
        const double a = k * M_PI / 6;
        double s = 0;
        for (int r = 12; r <= 24; ++r) s += Luma(dial.pixel(int(42 + r * std::sin(a)), int(42 - r * std::cos(a))));
        if (s < darkest) darkest = s, best = k;
    }
    return best;
}

TEST(InterfacePictures, SundialShadowFallsOnItsHour) {
    for (int h = 0; h <= 12; ++h) EXPECT_EQ(ShadowHour(Load(QString("soleil%1.bmp").arg(h))), h % 12) << "hour " << h;
    EXPECT_EQ(Load("soleil0.bmp"), Load("soleil12.bmp"));  // the same hour on a twelve-hour dial
    // The dial sits in its frame: its corners are the frame's wood at (34, 14).
    const QImage frame = Load("cadre.bmp"), dial = Load("soleil3.bmp");
    EXPECT_EQ(dial.pixel(1, 1), frame.pixel(35, 15));
}

TEST(InterfacePictures, ButtonsWearTheirPlayersColourOrGrey) {
    auto hueOf = [](const QImage& b) { return MeanColour(b, QRect(2, 10, 2, 12)); };  // the face's left edge
    for (int kind = 0; kind < 4; ++kind) {
        const QColor red = hueOf(Load(QString("bouton%1.bmp").arg(kind * 4 + 1)));
        const QColor blue = hueOf(Load(QString("bouton%1.bmp").arg(kind * 4 + 2)));
        const QColor green = hueOf(Load(QString("bouton%1.bmp").arg(kind * 4 + 3)));
        const QColor yellow = hueOf(Load(QString("bouton%1.bmp").arg(kind * 4 + 4)));
        EXPECT_GT(red.red(), red.green() + 60) << kind;
        EXPECT_GT(red.red(), red.blue() + 60) << kind;
        EXPECT_GT(blue.blue(), blue.red() + 60) << kind;
        EXPECT_GT(green.green(), green.red() + 60) << kind;
        EXPECT_GT(green.green(), green.blue() + 40) << kind;
        EXPECT_GT(yellow.red(), yellow.blue() + 80) << kind;
        EXPECT_GT(yellow.green(), yellow.blue() + 80) << kind;
    }
    for (int k = 1; k <= 12; ++k) {
        const QImage colour = Load(QString("bouton%1.bmp").arg(k)), grey = Load(QString("bouton%1.bmp").arg(16 + k));
        EXPECT_LT(hueOf(grey).saturation(), 60) << k;
        EXPECT_GT(hueOf(colour).saturation(), 120) << k;
        EXPECT_LT(MeanLuma(grey), MeanLuma(colour) + 10) << k;
        // The grey form shows the same symbol: its brightest pixels lie where the colour form's do.
        int agree = 0, bright = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (Luma(colour.pixel(x, y)) < 200) continue;
                ++bright;
                agree += Luma(grey.pixel(x, y)) > MeanLuma(grey);
            }
        EXPECT_GT(agree, bright * 3 / 4) << k;
    }
    // The four kinds are four different symbols.
    for (int a = 1; a <= 13; a += 4)
        for (int b = a + 4; b <= 13; b += 4) EXPECT_NE(Load(QString("bouton%1.bmp").arg(a)), Load(QString("bouton%1.bmp").arg(b)));
}

TEST(InterfacePictures, FightButtonPressedIsDarkerAndSwirlIsGrey) {
    const QImage up = Load("combat1.bmp"), down = Load("combat2.bmp"), swirl = Load("combat3.bmp");
    EXPECT_LT(MeanLuma(down), MeanLuma(up) * 0.85);
    const QColor shield = MeanColour(up, QRect(70, 28, 12, 8));  // between the hilts
    EXPECT_GT(shield.red(), shield.green() + 40);
    const QColor grey = MeanColour(swirl, swirl.rect().adjusted(0, 0, -1, -1));
    EXPECT_LT(std::abs(grey.red() - grey.green()) + std::abs(grey.green() - grey.blue()), 16);
    EXPECT_GT(MeanLuma(swirl, QRect(56, 56, 40, 40)), MeanLuma(swirl, QRect(0, 0, 20, 20)));  // bright at its eye
}

TEST(InterfacePictures, TitleFireLightsUpAndSwordPointsDown) {
    const QImage cold = Load("feueteint.bmp"), lit = Load("feuallume.bmp");
    auto flames = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                n += qRed(c) > 200 && qGreen(c) > 70 && qBlue(c) < 120;
            }
        return n;
    };
    EXPECT_GT(flames(lit), 343 * 50 / 8);
    EXPECT_LT(flames(cold), 343 * 50 / 100);
    EXPECT_GT(MeanLuma(lit), MeanLuma(cold) * 2);
    EXPECT_LT(MeanLuma(cold, QRect(0, 0, 343, 4)), 20);  // on black
    // The sword: a wide guard near the top, a narrow point at the bottom.
    const QImage sword = Load("epee.gif");
    auto width = [&](int y) {
        int n = 0;
        for (int x = 0; x < 96; ++x) n += qAlpha(sword.pixel(x, y)) > 0;
        return n;
    };
    int guard = 0;
    for (int y = 40; y < 70; ++y) guard = std::max(guard, width(y));
    EXPECT_GT(guard, 70);
    EXPECT_LT(width(200), 8);
    EXPECT_GT(width(120), 10);
}

TEST(InterfacePictures, ArrowsPointUpAndDownInYellow) {
    const QImage up = Load("flechehaut.bmp"), down = Load("flechebas.bmp");
    auto yellow = [](const QImage& img, int y) {
        int n = 0;
        for (int x = 0; x < 10; ++x) n += qRed(img.pixel(x, y)) > 150 && qGreen(img.pixel(x, y)) > 120 && qBlue(img.pixel(x, y)) < 80;
        return n;
    };
    EXPECT_GT(yellow(up, 5), yellow(up, 0));
    EXPECT_GT(yellow(down, 0), yellow(down, 5));
    EXPECT_LT(Luma(up.pixel(0, 0)), 30);
}

TEST(InterfacePictures, BackgroundsSuitTheirText) {
    for (const char* dark : {"panneau.bmp", "bandeau.bmp", "fond.bmp", "cimetiere.bmp", "mine.bmp"})
        EXPECT_LT(MeanLuma(Load(dark)), 90) << dark << " carries light text";
    for (const char* light : {"magie.bmp", "ressources.bmp"}) EXPECT_GT(MeanLuma(Load(light)), 110) << light;
    // The information line's plate is the darkest part of the bottom band.
    const QImage band = Load("bandeau.bmp");
    EXPECT_LT(MeanLuma(band, QRect(60, 20, 500, 50)), MeanLuma(band, QRect(0, 20, 30, 50)));
}

TEST(InterfacePictures, TabBannersFlyTheirPlayersColour) {
    for (int c = 1; c <= 4; ++c) {
        const QImage tab = Load(QString("tab%1.ico").arg(c));
        const QColor flag = MeanColour(tab, QRect(11, 4, 3, 4));
        const int r = flag.red(), g = flag.green(), b = flag.blue();
        const bool right = c == 1 ? r > g + 60 && r > b + 60
                         : c == 2 ? b > r + 60 && b > g + 30
                         : c == 3 ? g > r + 50 && g > b + 50
                                  : r > b + 80 && g > b + 80;
        EXPECT_TRUE(right) << "tab " << c << ": " << r << "," << g << "," << b;
    }
}

TEST(SpellPictures, EachSpellGrowsOverItsThreeFrames) {
    for (int spell = 0; spell < 16; ++spell) {
        int before = 0;
        for (int f = 0; f < 3; ++f) {
            const QImage frame = Load(QString("anim%1.gif").arg(spell * 3 + f, 2, 10, QChar('0')));
            const int n = Opaque(frame);
            EXPECT_GT(n, before) << "spell " << spell << " frame " << f;
            EXPECT_LT(n, 128 * 128 * 9 / 10) << "spell " << spell << " frame " << f << " leaves the fight visible";
            before = n;
        }
    }
}

TEST(SpellPictures, SixteenDifferentEffects) {
    for (int spell = 0; spell < 16; ++spell) {
        const QImage last = Load(QString("anim%1.gif").arg(spell * 3 + 2, 2, 10, QChar('0')));
        for (int other = 0; other < spell; ++other)
            EXPECT_NE(last, Load(QString("anim%1.gif").arg(other * 3 + 2, 2, 10, QChar('0')))) << spell << " " << other;
    }
}

}  // namespace
