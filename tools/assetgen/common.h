#pragma once
// Shared helpers of the asset generator: deterministic noise and the file writers.
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace assetgen {

// A small deterministic generator (no global state) for textures and melodies.
class Noise {
public:
    explicit Noise(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint32_t next();                       // 32 random bits
    double unit() { return next() / 4294967296.0; }   // [0, 1)
    int range(int lo, int hi) { return lo + int(unit() * (hi - lo + 1)); }  // lo..hi
private:
    uint64_t state_;
};

// Smooth value noise in [0, 1) at a point, for landscapes and stone. Inline: the grounds and
// skies ask for it a few hundred million times at the larger scales.
inline double ValueNoise(double x, double y, uint32_t seed) {
    auto corner = [seed](int cx, int cy) {
        uint32_t h = uint32_t(cx) * 0x8DA6B343u ^ uint32_t(cy) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
        h ^= h >> 13;
        h *= 0x5BD1E995u;
        h ^= h >> 15;
        h *= 0x27D4EB2Du;
        h ^= h >> 16;
        return (h >> 8) / 16777216.0;
    };
    auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = corner(ix, iy), b = corner(ix + 1, iy);
    const double c = corner(ix, iy + 1), d = corner(ix + 1, iy + 1);
    const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return std::min(top + (bottom - top) * ty, 0.9999999);
}

// A font a picture asks for is not the one the machine draws with.
class MissingFont : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The font of family at a pixel size. Throws MissingFont, naming the family, when the machine
// would draw with another family instead: the pictures would differ from machine to machine.
// Ask only for fonts that scripts/setup.sh installs.
QFont RequireFont(const QString& family, int pixelSize, bool bold = false);

// The scale the pictures are drawn at: 1 for the game's own files, 2 and 3 for the sharper
// copies beside them. At a larger scale every picture is drawn on a canvas that many times
// larger, with the painter scaled to it (the image's device pixel ratio), so the drawing code
// keeps the game's own coordinates; the writers then save "table1.bmp@2x.png" and so on instead.
// The scale belongs to the calling thread: families run side by side at different scales.
int DrawScale();
void SetDrawScale(int scale);
// The scales the generator draws at, the game's own first.
constexpr int kDrawScales[] = {1, 2, 3};
// An image of w x h in the game's pixels at the drawing scale.
QImage NewImage(int w, int h, QImage::Format format);
// image made w x h game pixels (smoothly), at the drawing scale.
QImage Resized(const QImage& image, int w, int h);
// The part of image at (x, y, w, h) in the game's pixels.
QImage CopyPart(const QImage& image, int x, int y, int w, int h);
// Where a file of that name is written at a scale: the name itself at 1, else "name@Nx.png"
// ("table1.bmp@2x.png").
QString ScaledFileName(const QString& path, int scale);

// Writers. Each returns false and prints to stderr when the file cannot be written.
bool SaveBmp(const QImage& image, const QString& path);      // 24-bit uncompressed BMP
bool SaveGif(const QImage& image, const QString& path);      // 8-bit GIF via giflib; alpha < 128 becomes transparent
bool SaveIco(const QImage& image, const QString& path);      // ICO with alpha
bool SaveBytes(const QByteArray& bytes, const QString& path);

// Every generator family writes its files into dir. Each function is one source file.
void GenerateMaps(const QString& dir);        // table1..4.bmp, carte1..4.bmp
void GenerateFigures(const QString& dir);     // 00..15.ico, 1..16.gif, bloc.gif
void GenerateEnemies(const QString& dir);     // des1..19.gif
void GenerateScenes(const QString& dir);      // fight, shop, arena, tower backgrounds, fin.bmp
void GenerateInterface(const QString& dir);   // buttons, sundial, panel icons, title, dialogs
void GenerateSpells(const QString& dir);      // anim00..47.gif, spell dialog pictures
void GenerateMusic(const QString& dir);       // start.mid, battle.mid, marche.mid, forge.mid
void GenerateSounds(const QString& dir);      // song.wav, cmbsnd1..3.wav

// The longer families in parts, each writing files of its own, so that they can be drawn side
// by side; the family functions above run all their parts in turn.
void GenerateMapZone(const QString& dir, int zone);  // tableN.bmp, carteN.bmp, zone 1-4
constexpr int kSceneCount = 10;
void GenerateScene(const QString& dir, int index);   // 0..kSceneCount-1
constexpr int kInterfaceParts = 4;
void GenerateInterfacePart(const QString& dir, int index);  // title, board, icons, dialogs

// One piece of the generator's work: a family's part at a scale.
struct PictureTask {
    int scale;
    const char* name;
    void (*draw)(const QString& dir, int part);
    int part;
    bool picture = true;  // false for the tunes and sounds
};
// Every picture at every scale, then the tunes and sounds, as tasks that may run in any order
// on any thread; the larger scales and the longer parts come first, so that the last tasks are
// short ones.
std::vector<PictureTask> PictureTasks();

}  // namespace assetgen
