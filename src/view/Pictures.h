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

// The scales at which the pictures are also drawn, beside the game's own files: "name@2x.png"
// and "name@3x.png" after the whole name ("table1.bmp@2x.png", "10.ico@3x.png").
constexpr int kSharpScales[] = {2, 3};
// The file that holds a picture drawn at a scale (the name itself at 1).
std::string FileAtScale(const std::string& file, int scale);
// Which drawing of a picture best serves a window shown at deviceScale device pixels per
// pixel of the game: the least scale at or above it, the largest there is above 3.
int BestScale(double deviceScale);
// The picture of that file for a window at deviceScale: from the best drawing there is (the
// game's own file when no larger one is there), its device pixel ratio set to the drawing's
// scale, so that it paints at the game's own size.
const QPixmap& Sharp(const std::string& file, double deviceScale);
}  // namespace pictures
