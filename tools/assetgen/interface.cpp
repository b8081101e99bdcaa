// The interface pictures: title screen, board decoration and buttons, icons and the
// backgrounds of the small dialogs. Each group is drawn in its own interface_*.cpp file.
#include "common.h"
#include "interface_kit.h"

namespace assetgen {

void GenerateInterface(const QString& dir) {
    for (int i = 0; i < kInterfaceParts; ++i) GenerateInterfacePart(dir, i);
}

void GenerateInterfacePart(const QString& dir, int index) {
    switch (index) {
    case 0: ui::GenerateTitle(dir); break;
    case 1: ui::GenerateBoard(dir); break;
    case 2: ui::GenerateIcons(dir); break;
    case 3: ui::GenerateDialogs(dir); break;
    default: break;
    }
}

}  // namespace assetgen
