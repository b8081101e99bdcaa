// The panel's magic points: the shown character's points in the corner of the action buttons
// that the save button, hidden for the whole game, leaves free.
#include <string>

#include "board/frmJeu.h"
#include "state/GlobalDecl.h"

namespace {

constexpr const char* kUnitFrench = "PM";
constexpr const char* kUnitEnglish = "MP";

}  // namespace

void AddMagicPointsLabel(frmJeu& board) {
    Control& points = Place(board.Add(Kind::Label, "lblMagie"), 748, 322, 34, 34);
    points.align = Align::Center;
    points.wordWrap = true;
    points.fore = Rgb{170, 200, 255};
    points.font = Font{"Arial", 9, true};
}

void ShowMagicPoints(frmJeu& board) {
    Control* points = board.Find("lblMagie");
    if (!points) return;
    const int c = gd.ShownCharacter;
    if (c < 1 || c > 16) {
        points->caption.clear();
        return;
    }
    points->caption = std::string(gd.LanguageOffset == 2000 ? kUnitEnglish : kUnitFrench) + "\n" +
                      std::to_string(gd.MagicPoints[c]);
}
