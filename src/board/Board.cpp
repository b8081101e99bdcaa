// The board procedures that the other parts of the game call.
#include "board/Board.h"

#include <memory>

#include "board/FightForecast.h"
#include "board/HandOver.h"
#include "board/frmJeu.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "state/SharedRules.h"
#include "state/Text.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

frmJeu::~frmJeu() {
    if (CurrentPanelView() == this) SetPanelView(nullptr);
}

void frmJeu::Unload() {
    if (CurrentPanelView() == this) SetPanelView(nullptr);
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

bool BoardMoment(JournalMoment& at) {
    frmJeu* b = Jeu();
    if (!b) return false;
    at = JournalMoment{DayNumber(b->HourCounter), HourOfDay(b->HourCounter),
                       rec::ReadName(gd.CurrentCharacter, rec::Name::Character), rec::Owner(gd.CurrentCharacter)};
    return true;
}

void NoteInJournal(const std::string& text) {
    JournalMoment now;
    if (BoardMoment(now)) JournalNote(text, now);
}

void SetInformations(const std::string& text) {
    frmJeu* b = Jeu();
    if (!b) return;
    b->C("Informations").caption = text;
    // Every message shown joins the game's journal.
    JournalMoment now;
    if (BoardMoment(now)) JournalRecord(text, now);
}

std::string Informations() {
    frmJeu* b = Jeu();
    return b ? b->C("Informations").caption : std::string();
}

bool FightPending() {
    frmJeu* b = Jeu();
    return b && b->C("BattleNow").visible;
}

void SetBoardVisible(bool visible) {
    frmJeu* b = Jeu();
    if (!b) return;
    b->visible = visible;
    // Back from a fight or a shop: what it left must not hold the turn, and the panel shows the
    // magic points the fight's spells left.
    if (visible) {
        KeepTurnEndable();
        ShowMagicPoints(*b);
    }
}

int DisplayedZone() {
    frmJeu* b = Jeu();
    return b ? b->DisplayedZone : 0;
}

void SetMovesLeft(int n) {
    gd.MovesLeft = n;
    if (frmJeu* b = Jeu()) b->C("lblMvt").caption = NumberText(n);
}

void EnableEndTurn() {
    gd.EndTurnAvailable = true;
    RefreshActionButtons();
}
