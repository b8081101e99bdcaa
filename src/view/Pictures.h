#pragma once
// Pictures by bare file name from the game's folder, loaded once and kept.
#include <QPixmap>
#include <string>

namespace pictures {
// Sets the folder the pictures are read from.
void SetFolder(const std::string& folder);
const std::string& Folder();
// The picture of that file; a null pixmap when it is missing or unreadable.
const QPixmap& Get(const std::string& file);
}  // namespace pictures
