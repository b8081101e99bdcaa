#include "board/FightForecast.h"

#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/FightOdds.h"
#include "state/GlobalDecl.h"

namespace {

constexpr Rgb kPlate{24, 18, 10};
constexpr Rgb kFrame{200, 160, 80};
// Good, even and poor odds.
constexpr Rgb kGood{120, 220, 120}, kEven{240, 200, 90}, kPoor{240, 110, 90};
constexpr int kWidth = 184, kHeight = 28, kGap = 4;
constexpr int kMapWidth = 640;
constexpr int kButtonTop = 160, kButtonSize = 153;
constexpr int kLeft = kMapWidth - kGap - kWidth;

// Where the plate may stand, best first: level with the middle of the swords, then above and
// below it, so that it never lies over the current character's icon or an obstacle.
constexpr int kTops[] = {kButtonTop + (kButtonSize - kHeight) / 2, kButtonTop + 8, kButtonTop + kButtonSize - kHeight - 8};

bool Overlaps(const Control& c, int top) {
    return c.visible && c.left < kLeft + kWidth && c.left + c.width > kLeft && c.top < top + kHeight &&
           c.top + c.height > top;
}

int FreeTop(frmJeu& b) {
    for (int top : kTops) {
        bool free = true;
        for (int i = 1; i <= kMaxCharacters && free; ++i)
            free = !Overlaps(b.C("Perso1", i), top) && !Overlaps(b.C("Bloc", i), top);
        if (free) return top;
    }
    return kTops[0];
}

}  // namespace

void AddFightForecast(frmJeu& b) {
    Control& plate = Place(b.Add(Kind::PictureBox, "Pronostic"), kLeft, kTops[0], kWidth, kHeight);
    plate.opaque = true;
    plate.back = kPlate;
    plate.decoration = true;
    plate.visible = false;
    b.DrawBox(plate, 0, 0, kWidth - 1, kHeight - 1, kFrame, false);
    Control& text = Place(b.Add(Kind::Label, "PronosticTexte"), 4, 5, kWidth - 8, kHeight - 10);
    text.parent = "Pronostic";
    text.decoration = true;
    text.align = Align::Center;
    text.font = Font{"Arial", 10, true};
}

void RefreshFightForecast(frmJeu& b) {
    Control& plate = b.C("Pronostic");
    const int c = gd.CurrentCharacter;
    // The young girl does not fight: nothing to forecast.
    const bool pending = FightPending() && gd.EnemyNumber != 4 && c >= 1 && c <= CharacterCount();
    plate.visible = pending;
    if (!pending) return;
    const double win = odds::WinAgainst(c, gd.EnemyAttack, gd.EnemyDefense, gd.EnemyAgility);
    Control& text = b.C("PronosticTexte");
    text.caption = odds::ChanceText(win);
    const Rgb bands[3] = {kPoor, kEven, kGood};
    text.fore = bands[odds::ChanceBand(win)];
    plate.top = FreeTop(b);
}
