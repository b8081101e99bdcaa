// The larger drawings' PNG writer: every row filtered with Paeth, then zlib at its fastest level.
// Qt's writer (libpng) tries all five filters on every row to choose one, which took as long as
// the compression itself; the pixels are the same either way.
#include "pngwrite.h"

#include <QFile>
#include <cstdlib>
#include <vector>
#include <zlib.h>

namespace assetgen {
namespace {

void Put32(std::vector<unsigned char>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

void Chunk(std::vector<unsigned char>& out, const char* type, const unsigned char* data, size_t size) {
    Put32(out, uint32_t(size));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    Put32(out, uint32_t(crc32(0, out.data() + start, uInt(size + 4))));
}

unsigned char Paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<unsigned char>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

}  // namespace

QByteArray PngBytes(const QImage& image, bool alpha, int dotsPerMeter) {
    const QImage img = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = img.width(), h = img.height(), bpp = alpha ? 4 : 3;
    const size_t rowBytes = size_t(w) * size_t(bpp);
    // The rows as PNG stores them, each after its filter byte.
    std::vector<unsigned char> raw(rowBytes), previous(rowBytes, 0), filtered((rowBytes + 1) * size_t(h));
    unsigned char* to = filtered.data();
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        unsigned char* p = raw.data();
        for (int x = 0; x < w; ++x, p += bpp) {
            p[0] = static_cast<unsigned char>(qRed(line[x]));
            p[1] = static_cast<unsigned char>(qGreen(line[x]));
            p[2] = static_cast<unsigned char>(qBlue(line[x]));
            if (alpha) p[3] = static_cast<unsigned char>(qAlpha(line[x]));
        }
        *to++ = 4;  // Paeth
        const unsigned char *r = raw.data(), *up = previous.data();
        for (size_t i = 0; i < size_t(bpp); ++i) *to++ = static_cast<unsigned char>(r[i] - up[i]);
        for (size_t i = size_t(bpp); i < rowBytes; ++i)
            *to++ = static_cast<unsigned char>(r[i] - Paeth(r[i - size_t(bpp)], up[i], up[i - size_t(bpp)]));
        raw.swap(previous);
    }
    uLongf packedSize = compressBound(uLong(filtered.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, filtered.data(), uLong(filtered.size()), 1) != Z_OK) return {};

    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    Put32(header, uint32_t(w));
    Put32(header, uint32_t(h));
    header.insert(header.end(), {8, static_cast<unsigned char>(alpha ? 6 : 2), 0, 0, 0});
    Chunk(out, "IHDR", header.data(), header.size());
    std::vector<unsigned char> density;
    Put32(density, uint32_t(dotsPerMeter));
    Put32(density, uint32_t(dotsPerMeter));
    density.push_back(1);  // per metre
    Chunk(out, "pHYs", density.data(), density.size());
    Chunk(out, "IDAT", packed.data(), packedSize);
    Chunk(out, "IEND", nullptr, 0);
    return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(out.size()));
}

}  // namespace assetgen
