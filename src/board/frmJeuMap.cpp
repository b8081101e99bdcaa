// How the map draws the board's values: the zone picture, the character icons, the obstacles
// and the four zone thumbnails with their marks.
#include <algorithm>
#include <cmath>

#include "board/Board.h"
#include "board/HandOver.h"
#include "rules/MapTables.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/SharedRules.h"
#include "state/Status.h"

namespace {

constexpr Rgb kHighlight{239, 117, 200};
// Thumbnail pixels per map cell.
constexpr double kThumbnailScale = 3.95;

int Pixel(int cell) { return (cell - 1) * map::kCell; }

}  // namespace

Rgb PlayerColor(int p) {
    switch (p) {
        case 2: return colors::kBlue;
        case 3: return colors::kGreen;
        case 4: return colors::kYellow;
        default: return colors::kRed;
    }
}

void ShowZonePicture(int z) {
    if (frmJeu* b = Jeu()) b->C("Image1").picture = "table" + std::to_string(z) + ".bmp";
}

void LoadZonePicture(int i) { ShowZonePicture(gd.Zone[i]); }

void frmJeu::DrawCharacterIcon(int i) {
    Control& icon = C("Perso1", i);
    icon.picture = classes::IconFile(rec::ClassNumber(i));
    icon.left = Pixel(gd.PosX[i]);
    icon.top = Pixel(gd.PosY[i]);
    icon.visible = true;
    DrawIconBase(i);
}

void frmJeu::DrawIconHidden(int i) { C("Perso1", i).visible = false; }

void frmJeu::DrawThumbnail(int k) {
    Control& box = C("Carte", k);
    Cls(box);
    box.picture = "carte" + std::to_string(k) + ".bmp";
    for (const ThumbnailMark& m : gb.thumbnails[k]) {
        if (m.frame) {
            DrawBox(box, 0, 0, box.width - 1, box.height - 1, kHighlight, false);
            DrawBox(box, 1, 1, box.width - 2, box.height - 2, kHighlight, false);
            continue;
        }
        const double x = (m.column - 1) * kThumbnailScale, y = (m.row - 1) * kThumbnailScale;
        DrawBox(box, static_cast<int>(std::lround(x - 1)), static_cast<int>(std::lround(y - 1)),
                static_cast<int>(std::lround(x + 1)), static_cast<int>(std::lround(y + 1)), PlayerColor(m.player), true);
    }
}

void frmJeu::DrawObstacle(int i, int z) {
    Control& block = C("Bloc", i);
    block.left = Pixel(gb.BlockX[i]);
    block.top = Pixel(gb.BlockY[i]);
    block.visible = gb.BlockZone[i] != 0 && gb.BlockZone[i] == z;
}

void ShowZoneContents(int z) {
    for (int i = 1; i <= CharacterCount(); ++i) {
        if (gd.Zone[i] == z) ShowCharacterOnMap(i);
        else HideCharacterIcon(i);
    }
    for (int i = 1; i <= 16; ++i) ShowObstacle(i, z);
}

