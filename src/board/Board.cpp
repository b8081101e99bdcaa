// The board as a screen: it registers itself while open and shows what the rules tell it.
#include "board/Board.h"

#include <memory>

#include "board/FightForecast.h"
#include "board/frmJeu.h"
#include "state/BoardState.h"
#include "state/GlobalDecl.h"
#include "state/SharedRules.h"
#include "state/Text.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

frmJeu::~frmJeu() { Unload(); }

void frmJeu::Unload() {
    if (CurrentPanelView() == this) SetPanelView(nullptr);
    if (CurrentBoardView() == this) SetBoardView(nullptr);
}

void frmJeu::TakeOver() {
    SetPanelView(this);
    SetBoardView(this);
}

void frmJeu::AfterInput() {
    BannerSeesInput();
    KeepTurnEndable();
    RefreshIconBases();
    ShowMagicPoints(*this);
    ExplainBoardButtons(*this);
    RefreshFightForecast(*this);
}

void frmJeu::SetCaption(const std::string& control, const std::string& text) {
    Control& label = C(control);
    label.caption = text;
    label.live = false;  // the panel's own refresh: what was shown ahead of it ends
    ShowMagicPoints(*this);  // the panel is being written: its magic points follow
}

void frmJeu::SetButton(const std::string& control, bool enabled, const std::string& picture) {
    Control& c = C(control);
    c.enabled = enabled;
    c.picture = picture;
}

void frmJeu::SetLiveCaption(const std::string& control, const std::string& text) {
    Control& label = C(control);
    label.liveCaption = text;
    label.liveOver = label.caption;
    label.live = true;
}

void frmJeu::SetPicture(const std::string& control, const std::string& picture) {
    C(control).picture = picture;
    // The save button stands in the hidden SaveLoad's place, in the same colour.
    if (control == "SaveLoad") C("Sauvegarde").picture = picture;
}

frmJeu* Jeu() { return dynamic_cast<frmJeu*>(Ui::Get().Find("frmJeu")); }

void OpenBoard() { Ui::Get().Show(std::make_unique<frmJeu>()); }

void CloseBoard() {
    if (frmJeu* b = Jeu()) Ui::Get().Close(*b);
}

Screen* Board() { return Jeu(); }

void frmJeu::DrawInformations() { C("Informations").caption = gb.informations; }

void frmJeu::DrawFightButton(const std::string& picture) {
    Control& button = C("BattleNow");
    if (!picture.empty()) button.picture = picture;
    button.visible = button.enabled = gb.fightPending;
}

void frmJeu::DrawMovesLeft() { C("lblMvt").caption = NumberText(gd.MovesLeft); }

void frmJeu::DrawBoardShown(bool shown) {
    visible = shown;
    // Back from a fight or a shop: what it left must not hold the turn, and the panel shows the
    // magic points the fight's spells left.
    if (shown) {
        KeepTurnEndable();
        ShowMagicPoints(*this);
    }
}
