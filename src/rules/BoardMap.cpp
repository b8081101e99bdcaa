#include "rules/BoardMap.h"

#include <algorithm>

#include "rules/BoardView.h"
#include "state/BoardState.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/SharedRules.h"
#include "state/Status.h"

namespace {

bool Away(int i) { return gd.Status[i] == status::kPrison || gd.Status[i] == status::kDead; }

void AddFrame(int z) {
    auto& marks = gb.thumbnails[z];
    std::erase_if(marks, [](const ThumbnailMark& m) { return m.frame; });
    marks.push_back(ThumbnailMark{true, 0, 0, 0, 0});
}

void AddDot(int i, int z, int player) {
    if (Away(i)) return;
    gb.thumbnails[z].push_back(ThumbnailMark{false, i, player, gd.PosX[i], gd.PosY[i]});
}

}  // namespace

int DisplayedZone() { return gb.DisplayedZone; }

void ShowCharacterOnMap(int i) {
    BoardView* view = CurrentBoardView();
    if (!view || i < 1 || i > kMaxCharacters) return;
    if (Away(i)) {
        view->DrawIconHidden(i);
        return;
    }
    if (i == gd.CurrentCharacter) {
        RefreshPanel(i);
        gd.ShownCharacter = i;
    }
    view->DrawCharacterIcon(i);
    RefreshThumbnails(gd.Zone[i]);
}

void HideCharacterIcon(int i) {
    if (BoardView* view = CurrentBoardView()) view->DrawIconHidden(i);
}

void PlaceObstacle(int i, int zone, int column, int row) {
    if (!CurrentBoardView() || i < 1 || i > kMaxCharacters) return;
    gb.BlockX[i] = column;
    gb.BlockY[i] = row;
    gb.BlockZone[i] = zone;
    ShowObstacle(i, gb.DisplayedZone);
}

std::vector<map::Cell> StandingObstacles() {
    std::vector<map::Cell> cells;
    if (!CurrentBoardView()) return cells;
    for (int i = 1; i < static_cast<int>(gb.BlockZone.size()); ++i)
        if (gb.BlockZone[i] != 0) cells.push_back(map::Cell{gb.BlockZone[i], gb.BlockX[i], gb.BlockY[i]});
    return cells;
}

void ShowObstacle(int i, int z) {
    if (BoardView* view = CurrentBoardView()) view->DrawObstacle(i, z);
}

void RefreshThumbnails(int z) {
    BoardView* view = CurrentBoardView();
    if (!view) return;
    const int first = z == 0 ? 1 : z, last = z == 0 ? 4 : z;
    for (int k = first; k <= last; ++k) gb.thumbnails[k].clear();
    const int framed = gb.DisplayedZone;
    if (framed >= 1 && framed <= 4) AddFrame(framed);
    for (int i = 1; i <= CharacterCount(); ++i)
        for (int k = first; k <= last; ++k)
            if (gd.Zone[i] == k) AddDot(i, k, rec::Owner(i));
    for (int k = first; k <= last; ++k) view->DrawThumbnail(k);
    if (framed >= 1 && framed <= 4 && (framed < first || framed > last)) view->DrawThumbnail(framed);
}

void HighlightThumbnail(int z) {
    BoardView* view = CurrentBoardView();
    if (!view || z < 1 || z > 4) return;
    AddFrame(z);
    view->DrawThumbnail(z);
}
