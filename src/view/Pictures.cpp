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
}  // namespace

void SetFolder(const std::string& folder) {
    gFolder = folder;
    Cache().clear();
}

const std::string& Folder() { return gFolder; }

const QPixmap& Get(const std::string& file) {
    auto it = Cache().find(file);
    if (it != Cache().end()) return it->second;
    QPixmap pm;
    if (!file.empty()) {
        // The name's suffix alone picks the decoder: asking the decoders whether they know the
        // content would load every one of them, SVG and JPEG included, for each BMP file.
        // A file whose content doesn't match its name reads as no picture.
        const size_t dot = file.rfind('.');
        const QByteArray format = dot == std::string::npos ? QByteArray() : QByteArray(file.c_str() + dot + 1).toLower();
        QImageReader reader(QString::fromStdString(gFolder + "/" + file), format);
        reader.setAutoDetectImageFormat(false);
        QImage img = reader.read();
        if (!img.isNull()) pm = QPixmap::fromImage(img);
    }
    return Cache().emplace(file, pm).first->second;
}

}  // namespace pictures
