// What the map shows: the zone picture, the character icons, the obstacles and the four
// zone thumbnails with their markers and the frame of the displayed zone.
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

void ShowCharacterOnMap(int i) {
    frmJeu* b = Jeu();
    if (!b || i < 1 || i > 16) return;
    Control& icon = b->C("Perso1", i);
    if (gd.Status[i] == status::kPrison || gd.Status[i] == status::kDead) {
        icon.visible = false;
        return;
    }
    if (i == gd.CurrentCharacter) {
        RefreshPanel(i);
        gd.ShownCharacter = i;
    }
    icon.picture = classes::IconFile(rec::ClassNumber(i));
    icon.left = Pixel(gd.PosX[i]);
    icon.top = Pixel(gd.PosY[i]);
    icon.visible = true;
    DrawIconBase(i);
    RefreshThumbnails(gd.Zone[i]);
}

void HideCharacterIcon(int i) {
    if (frmJeu* b = Jeu()) b->C("Perso1", i).visible = false;
}

void RefreshThumbnails(int z) {
    frmJeu* b = Jeu();
    if (!b) return;
    const int first = z == 0 ? 1 : z, last = z == 0 ? 4 : z;
    for (int k = first; k <= last; ++k) {
        Control& box = b->C("Carte", k);
        b->Cls(box);
        box.picture = "carte" + std::to_string(k) + ".bmp";
    }
    if (b->DisplayedZone != 0) HighlightThumbnail(b->DisplayedZone);
    for (int i = 1; i <= CharacterCount(); ++i)
        for (int k = first; k <= last; ++k)
            if (gd.Zone[i] == k) DrawThumbnailMarker(i, k, PlayerColor(rec::Owner(i)));
}

void HighlightThumbnail(int z) {
    frmJeu* b = Jeu();
    if (!b || z < 1 || z > 4) return;
    Control& box = b->C("Carte", z);
    // The frame is drawn once: an older frame of the same thumbnail is taken away first.
    std::erase_if(box.drawOps, [](const DrawOp& op) { return op.type == DrawOp::Rect && op.color == kHighlight; });
    b->DrawBox(box, 0, 0, box.width - 1, box.height - 1, kHighlight, false);
    b->DrawBox(box, 1, 1, box.width - 2, box.height - 2, kHighlight, false);
}

void DrawThumbnailMarker(int i, int z, Rgb color) {
    frmJeu* b = Jeu();
    if (!b || gd.Status[i] == status::kPrison || gd.Status[i] == status::kDead) return;
    const double x = (gd.PosX[i] - 1) * 3.95, y = (gd.PosY[i] - 1) * 3.95;
    b->DrawBox(b->C("Carte", z), static_cast<int>(std::lround(x - 1)), static_cast<int>(std::lround(y - 1)),
               static_cast<int>(std::lround(x + 1)), static_cast<int>(std::lround(y + 1)), color, true);
}

void ShowObstacle(int i, int z) {
    frmJeu* b = Jeu();
    if (!b) return;
    Control& block = b->C("Bloc", i);
    block.left = Pixel(b->BlockX[i]);
    block.top = Pixel(b->BlockY[i]);
    block.visible = b->BlockZone[i] != 0 && b->BlockZone[i] == z;
}

void ShowZoneContents(int z) {
    for (int i = 1; i <= CharacterCount(); ++i) {
        if (gd.Zone[i] == z) ShowCharacterOnMap(i);
        else HideCharacterIcon(i);
    }
    for (int i = 1; i <= 16; ++i) ShowObstacle(i, z);
}

void PlaceObstacle(int i, int zone, int column, int row) {
    frmJeu* b = Jeu();
    if (!b || i < 1 || i > 16) return;
    b->BlockX[i] = column;
    b->BlockY[i] = row;
    b->BlockZone[i] = zone;
    ShowObstacle(i, b->DisplayedZone);
}
