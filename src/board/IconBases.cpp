// The bases under the map's icons: a disc in the colour of the player who plays the character,
// and a ring around the current character's. A base lies in its icon: it shows, hides and moves
// with it.
#include "board/HandOver.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Status.h"

namespace {

// The base's box, in the icon's pixels: under the figure's feet, a little wider than the icon.
constexpr int kLeft = -4, kTop = 16, kWidth = 40, kHeight = 20;
constexpr Rgb kEdge{16, 16, 16};
constexpr Rgb kRing{255, 255, 255};

}  // namespace

void AddIconBases(frmJeu& b) {
    for (int i = 1; i <= 16; ++i) {
        Control& base = Place(b.Add(Kind::PictureBox, "Socle", i), kLeft, kTop, kWidth, kHeight);
        base.parent = "Perso1(" + std::to_string(i) + ")";
        base.decoration = true;
    }
}

int Controller(int i) { return rec::Controller(i); }

void DrawIconBase(int i) {
    frmJeu* b = Jeu();
    if (!b || i < 1 || i > 16) return;
    const Rgb color = PlayerColor(rec::Owner(Controller(i)));
    const bool ringed = i == gd.CurrentCharacter;
    // What the base should hold; it is drawn again only when that changed.
    std::array<DrawOp, 5> want;
    size_t count = 0;
    if (ringed) {
        want[count++] = DrawOp{DrawOp::Ellipse, 0, 1, kWidth - 1, kHeight - 1, kEdge};
        want[count++] = DrawOp{DrawOp::Ellipse, 1, 2, kWidth - 2, kHeight - 2, kRing};
        want[count++] = DrawOp{DrawOp::Ellipse, 2, 3, kWidth - 3, kHeight - 3, kRing};
    }
    want[count++] = DrawOp{DrawOp::FillEllipse, 5, 6, kWidth - 6, kHeight - 4, kEdge};
    want[count++] = DrawOp{DrawOp::FillEllipse, 6, 7, kWidth - 7, kHeight - 5, color};
    Control& base = b->C("Socle", i);
    const bool same = base.drawOps.size() == count &&
                      std::equal(want.begin(), want.begin() + static_cast<std::ptrdiff_t>(count), base.drawOps.begin(),
                                 [](const DrawOp& x, const DrawOp& y) {
                                     return x.type == y.type && x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 &&
                                            x.y2 == y.y2 && x.color == y.color;
                                 });
    if (!same) base.drawOps.assign(want.begin(), want.begin() + static_cast<std::ptrdiff_t>(count));
}

void RefreshIconBases() {
    for (int i = 1; i <= 16; ++i) DrawIconBase(i);
}
