// The larger drawings' PNG writer: libpng told to filter every row with Paeth and to compress at
// zlib's fastest level. Qt's writer leaves libpng to try all five filters on every row, which
// took as long as the compression itself; the pixels are the same either way.
#include "pngwrite.h"

#include <png.h>

#include <vector>

namespace assetgen {
namespace {

void Append(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), qsizetype(size));
}

void Flush(png_structp) {}

}  // namespace

QByteArray PngBytes(const QImage& image, bool alpha, int dotsPerMeter) {
    const QImage img = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    std::vector<png_const_bytep> rows(size_t(img.height()));
    for (int y = 0; y < img.height(); ++y) rows[size_t(y)] = img.constScanLine(y);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, Append, Flush);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_PAETH);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, png_uint_32(img.width()), png_uint_32(img.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_pHYs(png, info, png_uint_32(dotsPerMeter), png_uint_32(dotsPerMeter), PNG_RESOLUTION_METER);
    png_set_rows(png, info, const_cast<png_bytepp>(rows.data()));
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace assetgen
