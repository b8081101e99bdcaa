#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

class FrmFini : public Screen {
public:
    FrmFini() : Screen("frmFini", 800, 600) {
        caption = "GAGNE!";
        picture = "fin.bmp";
        backColor = colors::kBlack;
        Control& title = Add(Kind::Label, "Label1");
        title.caption = "Vous avez battu Quelmor et ses sbires!";
        Place(title, 40, 40, 720, 40);
        title.align = Align::Center;
        title.font = Font{"Times New Roman", 22, true};
        title.fore = Rgb{255, 220, 110};
        // The ending sentence sits on a dark band, readable over the light of the door.
        Control& band = Add(Kind::Panel, "Bandeau");
        Place(band, 60, 484, 680, 66);
        band.opaque = true;
        band.border = true;
        band.back = Rgb{30, 20, 44};
        Control& ending = Add(Kind::Label, "Label2");
        Place(ending, 76, 494, 648, 50);
        ending.align = Align::Center;
        ending.wordWrap = true;
        ending.font = Font{"Times New Roman", 15, true};
        ending.fore = Rgb{255, 244, 214};
        Control& ok = Add(Kind::Button, "Command1");
        ok.caption = "&OK";
        Place(ok, 352, 562, 96, 28);
        On("Command1_Click", [this](const EventArgs&) { Ok(); });
    }

    void Load() override {
        const int winner = rec::Owner(gd.CurrentCharacter);
        if (gd.DoorState[winner] == 5)
            C("Label2").caption = "Comme votre morale l'a voulu, le monde se trouve, à présent, plongé dans le chaos.";
        if (gd.DoorState[winner] == 6)
            C("Label2").caption = "Comme votre morale l'a voulu, le monde se trouve, à présent, en paix à jamais.";
    }

private:
    void Ok() {
        Ui::Get().Close(*this);
        // The game is over: its board goes with it, and a new game starts from the title.
        CloseBoard();
        OpenTitleScreen();
    }
};

}  // namespace

void OpenEndScreen() { Ui::Get().Show(std::make_unique<FrmFini>()); }
