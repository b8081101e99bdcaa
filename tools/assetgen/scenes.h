#pragma once
// The painted scenes of the Combat form (416 x 320) and the end picture (800 x 600).
#include <QImage>

namespace scene {

QImage TownFight();      // cmbvil.bmp
QImage PlainFight();     // cmbpln.bmp
QImage ForestFight();    // cmbfrt.bmp
QImage MountainFight();  // cmbmtg.bmp
QImage TowerFight();     // finale.bmp
QImage Market();         // marche.bmp: five sellers at 64s < x < 64s + 32, 96 <= y <= 128
QImage Forge();          // forge.bmp: the anvil at 256 < x < 288, 160 <= y <= 192
QImage Tournament();     // tournoi.bmp: stands at x 64-96, 192-224, 320-352, y 128-160
QImage TowerFloor();     // mechant.bmp: the guardian's alcove at x 144-272, y 16-144
QImage Ending();         // fin.bmp

}  // namespace scene
