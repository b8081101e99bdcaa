// The interface pictures: title screen, board decoration and buttons, icons and the
// backgrounds of the small dialogs. Each group is drawn in its own interface_*.cpp file.
#include "common.h"
#include "interface_kit.h"

namespace assetgen {

void GenerateInterface(const QString& dir) {
    ui::GenerateTitle(dir);
    ui::GenerateBoard(dir);
    ui::GenerateIcons(dir);
    ui::GenerateDialogs(dir);
}

}  // namespace assetgen
