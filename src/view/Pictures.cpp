#include "view/Pictures.h"

#include <QImageReader>
#include <unordered_map>

namespace pictures {
namespace {
std::string gFolder = ".";
std::unordered_map<std::string, QPixmap>& Cache() {
    static std::unordered_map<std::string, QPixmap> cache;
    return cache;
}

QPixmap Load(const std::string& file) {
    if (file.empty()) return {};
    // The name's suffix alone picks the decoder: asking the decoders whether they know the
    // content would load every one of them, SVG and JPEG included, for each BMP file.
    // A file whose content doesn't match its name reads as no picture.
    const size_t dot = file.rfind('.');
    const QByteArray format = dot == std::string::npos ? QByteArray() : QByteArray(file.c_str() + dot + 1).toLower();
    QImageReader reader(QString::fromStdString(gFolder + "/" + file), format);
    reader.setAutoDetectImageFormat(false);
    QImage img = reader.read();
    return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}
}  // namespace

void SetFolder(const std::string& folder) {
    gFolder = folder;
    Cache().clear();
}

const std::string& Folder() { return gFolder; }

const QPixmap& Get(const std::string& file) {
    auto it = Cache().find(file);
    if (it != Cache().end()) return it->second;
    return Cache().emplace(file, Load(file)).first->second;
}

std::string FileAtScale(const std::string& file, int scale) {
    if (scale <= 1 || file.empty()) return file;
    return file + "@" + std::to_string(scale) + "x.png";
}

int BestScale(double deviceScale) {
    int best = 1;
    for (int s : kSharpScales)
        if (best < deviceScale - 1e-6) best = s;
    return best;
}

const QPixmap& Sharp(const std::string& file, double deviceScale) {
    // Below the largest drawing, a missing one falls back to the next smaller one.
    for (int s = BestScale(deviceScale); s > 1; --s) {
        const std::string name = FileAtScale(file, s);
        auto it = Cache().find(name);
        if (it == Cache().end()) {
            QPixmap pm = Load(name);
            pm.setDevicePixelRatio(s);
            it = Cache().emplace(name, pm).first;
        }
        if (!it->second.isNull()) return it->second;
    }
    return Get(file);
}

}  // namespace pictures
