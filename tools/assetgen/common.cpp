// Deterministic noise and the BMP, GIF, ICO writers of the asset generator.
#include "common.h"

#include "pngwrite.h"

#include <QFile>
#include <QFontInfo>
#include <QHash>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <gif_lib.h>

namespace assetgen {

QFont RequireFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    const QString given = QFontInfo(font).family();
    if (given != family)
        throw MissingFont("font \"" + family.toStdString() + "\" is not installed (the machine would draw with \"" +
                          given.toStdString() + "\" instead); install it, see scripts/setup.sh");
    return font;
}

uint32_t Noise::next() {
    // splitmix64
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return uint32_t(z >> 32);
}

namespace {

void Put16(QByteArray& b, uint32_t v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// ---- palette by median cut --------------------------------------------------------------

struct ColorCount { QRgb rgb; int count; };

struct Box { int first, last; };  // range in the colour array

int Channel(QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); }

// Returns the channel with the widest spread in the box and its spread.
std::pair<int, int> WidestChannel(const QVector<ColorCount>& colors, const Box& box) {
    int best = 0, spread = -1;
    for (int ch = 0; ch < 3; ++ch) {
        int lo = 255, hi = 0;
        for (int i = box.first; i <= box.last; ++i) {
            const int v = Channel(colors[i].rgb, ch);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        if (hi - lo > spread) {
            spread = hi - lo;
            best = ch;
        }
    }
    return {best, spread};
}

// Up to maxColors representative colours of the opaque pixels of the image.
QVector<QRgb> MedianCut(const QImage& image, int maxColors) {
    QHash<QRgb, int> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) >= 128) histogram[line[x] | 0xFF000000u] += 1;
    }
    QVector<ColorCount> colors;
    colors.reserve(histogram.size());
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) colors.append({it.key(), it.value()});
    std::sort(colors.begin(), colors.end(), [](const ColorCount& a, const ColorCount& b) { return a.rgb < b.rgb; });
    QVector<QRgb> palette;
    if (colors.isEmpty()) return palette;
    if (colors.size() <= maxColors) {
        for (const ColorCount& c : colors) palette.append(c.rgb);
        return palette;
    }
    QVector<Box> boxes{{0, int(colors.size()) - 1}};
    while (boxes.size() < maxColors) {
        // Split the box with the largest spread weighted by pixel count.
        int pick = -1;
        double bestScore = 0;
        int pickChannel = 0;
        for (int b = 0; b < boxes.size(); ++b) {
            if (boxes[b].first == boxes[b].last) continue;
            auto [ch, spread] = WidestChannel(colors, boxes[b]);
            long pixels = 0;
            for (int i = boxes[b].first; i <= boxes[b].last; ++i) pixels += colors[i].count;
            const double score = double(spread) * std::sqrt(double(pixels));
            if (score > bestScore) {
                bestScore = score;
                pick = b;
                pickChannel = ch;
            }
        }
        if (pick < 0) break;
        Box box = boxes[pick];
        std::stable_sort(colors.begin() + box.first, colors.begin() + box.last + 1,
                         [pickChannel](const ColorCount& a, const ColorCount& b) {
                             const int va = Channel(a.rgb, pickChannel), vb = Channel(b.rgb, pickChannel);
                             return va != vb ? va < vb : a.rgb < b.rgb;
                         });
        long total = 0;
        for (int i = box.first; i <= box.last; ++i) total += colors[i].count;
        long acc = 0;
        int split = box.first;
        for (int i = box.first; i < box.last; ++i) {
            acc += colors[i].count;
            split = i;
            if (acc * 2 >= total) break;
        }
        boxes[pick] = {box.first, split};
        boxes.append({split + 1, box.last});
    }
    for (const Box& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (int i = box.first; i <= box.last; ++i) {
            r += qRed(colors[i].rgb) * double(colors[i].count);
            g += qGreen(colors[i].rgb) * double(colors[i].count);
            b += qBlue(colors[i].rgb) * double(colors[i].count);
            n += colors[i].count;
        }
        palette.append(qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5)));
    }
    return palette;
}

int Nearest(const QVector<QRgb>& palette, QRgb c) {
    int best = 0;
    long bestDist = -1;
    for (int i = 0; i < palette.size(); ++i) {
        const long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                   db = qBlue(c) - qBlue(palette[i]);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDist < 0 || d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

bool SaveBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "quelmor-assetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

namespace {
thread_local int gDrawScale = 1;  // each drawing thread keeps its own

// At a larger scale every picture is a PNG beside the game's own file; a picture not drawn at
// that scale is a fault in its family (it would show at the wrong size).
bool SaveLarge(const QImage& image, const QString& path, bool alpha) {
    if (image.devicePixelRatio() != gDrawScale)
        std::fprintf(stderr, "quelmor-assetgen: %s is not drawn at %dx\n", qPrintable(path), gDrawScale);
    const QString out = ScaledFileName(path, gDrawScale);
    const QByteArray png = PngBytes(image, alpha, 2835 * gDrawScale);
    if (png.isEmpty()) {
        std::fprintf(stderr, "quelmor-assetgen: cannot write %s\n", qPrintable(out));
        return false;
    }
    return SaveBytes(png, out);
}
}  // namespace

int DrawScale() { return gDrawScale; }
void SetDrawScale(int scale) { gDrawScale = scale < 1 ? 1 : scale; }

QImage NewImage(int w, int h, QImage::Format format) {
    QImage img(w * gDrawScale, h * gDrawScale, format);
    img.setDevicePixelRatio(gDrawScale);
    return img;
}

QImage Resized(const QImage& image, int w, int h) {
    QImage out = image.scaled(w * gDrawScale, h * gDrawScale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(gDrawScale);
    return out;
}

QImage CopyPart(const QImage& image, int x, int y, int w, int h) {
    const int s = gDrawScale;
    QImage out = image.copy(x * s, y * s, w * s, h * s);
    out.setDevicePixelRatio(s);
    return out;
}

QString ScaledFileName(const QString& path, int scale) {
    // The whole name stays: "10.gif" and "10.ico" are different pictures.
    return scale <= 1 ? path : path + QString("@%1x.png").arg(scale);
}

bool SaveBmp(const QImage& image, const QString& path) {
    if (gDrawScale > 1) return SaveLarge(image, path, false);
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t dataSize = uint32_t(stride) * uint32_t(h);
    QByteArray b;
    b.reserve(54 + int(dataSize));
    b.append("BM");
    Put32(b, 54 + dataSize);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h));
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);
    Put32(b, dataSize);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.append(char(qBlue(line[x])));
            b.append(char(qGreen(line[x])));
            b.append(char(qRed(line[x])));
        }
        for (int p = w * 3; p < stride; ++p) b.append('\0');
    }
    return SaveBytes(b, path);
}

bool SaveGif(const QImage& image, const QString& path) {
    if (gDrawScale > 1) return SaveLarge(image, path, true);
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    constexpr int kTransparent = 255;
    QVector<QRgb> palette = MedianCut(img, 255);
    if (palette.isEmpty()) palette.append(qRgb(0, 0, 0));

    bool anyTransparent = false;
    std::vector<GifByteType> pixels(size_t(w) * size_t(h));
    QHash<QRgb, int> cache;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            int index;
            if (qAlpha(line[x]) < 128) {
                index = kTransparent;
                anyTransparent = true;
            } else {
                const QRgb c = line[x] | 0xFF000000u;
                auto it = cache.constFind(c);
                if (it == cache.constEnd()) it = cache.insert(c, Nearest(palette, c));
                index = it.value();
            }
            pixels[size_t(y) * size_t(w) + size_t(x)] = GifByteType(index);
        }
    }

    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        map->Colors[i].Red = GifByteType(qRed(c));
        map->Colors[i].Green = GifByteType(qGreen(c));
        map->Colors[i].Blue = GifByteType(qBlue(c));
    }
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif) {
        GifFreeMapObject(map);
        std::fprintf(stderr, "quelmor-assetgen: cannot write %s (%s)\n", qPrintable(path), GifErrorString(error));
        return false;
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    if (ok && anyTransparent) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = kTransparent;
        GifByteType ext[4];
        const size_t len = EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(len), ext) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y) ok = EGifPutLine(gif, &pixels[size_t(y) * size_t(w)], w) == GIF_OK;
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    GifFreeMapObject(map);
    if (!ok) std::fprintf(stderr, "quelmor-assetgen: error while writing %s\n", qPrintable(path));
    return ok;
}

bool SaveIco(const QImage& image, const QString& path) {
    if (gDrawScale > 1) return SaveLarge(image, path, true);
    // One 32-bit BGRA entry with its AND mask, the classic layout every loader reads.
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const uint32_t bitmapSize = 40 + uint32_t(w * h * 4) + uint32_t(maskStride * h);
    QByteArray b;
    Put16(b, 0);
    Put16(b, 1);  // icon
    Put16(b, 1);  // one image
    b.append(char(w >= 256 ? 0 : w));
    b.append(char(h >= 256 ? 0 : h));
    b.append('\0');  // no palette
    b.append('\0');
    Put16(b, 1);   // planes
    Put16(b, 32);  // bits per pixel
    Put32(b, bitmapSize);
    Put32(b, 6 + 16);
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h * 2));
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, 0);
    Put32(b, uint32_t(w * h * 4) + uint32_t(maskStride * h));
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.append(char(qBlue(line[x])));
            b.append(char(qGreen(line[x])));
            b.append(char(qRed(line[x])));
            b.append(char(qAlpha(line[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) < 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        b.append(row);
    }
    return SaveBytes(b, path);
}

}  // namespace assetgen
