// The small dialog shown when a character carrying all three keys walks up to the tower
// door: the door does not open by walking into it, the keys must be used on it.
#include <memory>

#include "board/frmJeu.h"
#include "state/GlobalDecl.h"
#include "ui/Ui.h"

namespace {

class TowerDoor : public Screen {
public:
    TowerDoor() : Screen("TowerDoor", 320, 118) {
        const bool english = gd.LanguageOffset == 2000;
        caption = english ? "The tower door" : "La porte de la tour";
        Control& text = Add(Kind::Label, "Label1");
        text.caption = english ? "Your three keys glow, but the door stays shut. Use them on the lock to open it."
                               : "Vos trois clés brillent, mais la porte reste close. Servez-vous-en sur la "
                                 "serrure pour l'ouvrir.";
        Place(text, 16, 14, 288, 50);
        text.wordWrap = true;
        Control& enter = Add(Kind::Button, "Entrer");
        enter.caption = english ? "&Enter" : "&Entrer";
        Place(enter, 72, 78, 80, 26);
        enter.enabled = false;
        Control& back = Add(Kind::Button, "Reculer");
        back.caption = english ? "Step &back" : "&Reculer";
        Place(back, 168, 78, 80, 26);
        On("Reculer_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
    }
};

}  // namespace

void ShowTowerDoorDialog() { Ui::Get().ShowModal(std::make_unique<TowerDoor>()); }
