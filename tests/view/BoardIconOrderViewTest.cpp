#include <gtest/gtest.h>

#include <QImage>

#include "state/GlobalDecl.h"
#include "support/Game.h"
#include "ui/Screen.h"
#include "view/Render.h"

namespace {

// Two characters' icons on the same cell of the board, each a plain square of its own colour.
class SharedCell : public Screen {
public:
    SharedCell() : Screen("frmJeu", 64, 64) {
        for (int i = 1; i <= 2; ++i) {
            Control& icon = Add(Kind::Image, "Perso1", i);
            icon.left = 16;
            icon.top = 16;
            icon.width = 32;
            icon.height = 32;
            const Rgb color = i == 1 ? Rgb{220, 0, 0} : Rgb{0, 0, 220};
            icon.drawOps.push_back(DrawOp{DrawOp::FillRect, 0, 0, 32, 32, color});
        }
    }
};

}  // namespace

TEST(BoardIcons, TheCurrentCharacterIsPaintedAboveTheOthersOnItsCell) {
    FreshProcess();
    for (int current : {1, 2}) {
        gd.CurrentCharacter = current;
        SharedCell s;
        const QImage img = RenderScreen(s, 1);
        const QColor mid = img.pixelColor(32, img.height() - 32);
        if (current == 1) EXPECT_GT(mid.red(), 200) << "current " << current;
        else EXPECT_GT(mid.blue(), 200) << "current " << current;
    }
}
