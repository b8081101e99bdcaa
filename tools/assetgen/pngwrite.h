#pragma once
// The PNG files of the larger drawings.
#include <QByteArray>
#include <QImage>

namespace assetgen {

// The image as a PNG file of 8-bit RGB (or RGBA with alpha) at dotsPerMeter; empty on failure.
QByteArray PngBytes(const QImage& image, bool alpha, int dotsPerMeter);

}  // namespace assetgen
