#include "combat/CombatForm.h"

#include "combat/ChCmb.h"
#include "combat/Fight.h"
#include "combat/FightNotice.h"
#include "combat/FightStatus.h"
#include "rules/BoardTurn.h"
#include "rules/Enemies.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/Text.h"
#include "ui/Ui.h"

namespace {

constexpr int kFormWidth = 416, kFormHeight = 320;
constexpr int kSquare = 128;  // the enemy picture and the spell frames

Control& AddImage(Screen& s, const std::string& name, int index, int left, int top, int w, int h) {
    Control& c = s.Add(Kind::Image, name, index);
    Place(c, left, top, w, h);
    c.visible = false;
    return c;
}

// A hidden label of the shop and arena notes: bold small text in fore on the dark wood colour.
Control& AddNote(Screen& s, const std::string& name, int index, int left, int top, int w, int h, Rgb fore) {
    Control& note = s.Add(Kind::Label, name, index);
    Place(note, left, top, w, h);
    note.align = Align::Center;
    note.opaque = true;
    note.back = Rgb{52, 34, 20};
    note.fore = fore;
    note.font = Font{"Arial", 8.25, true};
    note.visible = false;
    return note;
}

std::string SpellFrameFile(int k) { return "anim" + PadDigits(k, 2) + ".gif"; }

}  // namespace

CombatForm::CombatForm() : Screen("Combat", kFormWidth, kFormHeight) {
    backColor = colors::kBlack;

    // The message line over its backdrop, along the bottom of the picture.
    Control& fond = AddImage(*this, "Fond", -1, 8, 272, 400, 44);
    fond.picture = "fond.bmp";
    fond.stretch = true;
    Control& message = Add(Kind::Label, "Message");
    Place(message, 18, 281, 380, 34);
    message.wordWrap = true;
    message.align = Align::Center;
    message.font = Font{"Arial", 10, true};
    message.fore = Rgb{255, 236, 180};
    message.visible = false;

    // The enemy, the frames of the spells cast on it, and the square for spells on oneself.
    AddImage(*this, "Mechant", -1, 144, 16, kSquare, kSquare);
    for (int k = 0; k < 48; ++k) AddImage(*this, "Sorts", k, 144, 16, kSquare, kSquare).picture = SpellFrameFile(k);
    AddImage(*this, "MagieSurSoi", -1, 144, 144, kSquare, kSquare);

    // The character's icon that walks the market, the forge and the arena.
    AddImage(*this, "Perso", -1, 192, 224, 32, 32);

    Control& list = Add(Kind::ListBox, "List1");
    Place(list, 296, 200, 96, 40);
    list.visible = false;
    list.gameLook = true;
    // The market's offer: the name of the item priced, over the answer.
    AddNote(*this, "lblOffre", -1, 264, 180, 144, 18, Rgb{255, 236, 180});

    // The arena's prize over each stand and the tower floor's word on its guardian.
    for (int level = 1; level <= 3; ++level)
        AddNote(*this, "lblPrix", level, 44 + 128 * (level - 1), 110, 72, 16, Rgb{255, 214, 120});
    Control& hint = Add(Kind::Label, "lblGardien");
    Place(hint, 18, 299, 380, 16);
    hint.align = Align::Center;
    hint.fore = Rgb{255, 236, 180};
    hint.font = Font{"Arial", 8.25, false, true};
    hint.visible = false;

    Control& regul = Add(Kind::Timer, "Regul");
    regul.interval = 1000;

    Control& menu = Add(Kind::Menu, "MNU_Item");
    menu.popupMenu = true;
    for (int i = 0; i <= 21; ++i) {
        Control& item = Add(Kind::Menu, "Item", i);
        item.parent = "MNU_Item";
        item.visible = i == 0;
    }

    // The market's sellers, the forge's anvil and the arena's stands are places on the picture;
    // keys reach them (and the way out) through a pop-up menu that is never shown, each entry
    // doing what a click on its place does. Only the places of the mode opened are there.
    Control& keys = Add(Kind::Menu, "MNU_Touches");
    keys.popupMenu = true;
    for (int k = 1; k <= 5; ++k) {
        Control& place = Add(Kind::Menu, "MNU_Lieu", k);
        place.parent = "MNU_Touches";
        place.caption = std::to_string(k);
        place.visible = false;
    }
    Control& out = Add(Kind::Menu, "MNU_Sortir");
    out.parent = "MNU_Touches";
    out.visible = false;

    ExposeVar("Seller", &Seller);
    AddFightStatus(*this);

    On("Form_MouseDown", [this](const EventArgs& a) { MouseDown(a.x, a.y); }, "BSXY");
    // The message line and the icon lie on the picture: a press on them is a press on it.
    for (const char* name : {"Fond", "Message", "Perso", "lblOffre", "lblGardien"})
        On(std::string(name) + "_MouseDown", [this, name](const EventArgs& a) { Forward(name, a); }, "BSXY");
    On("lblPrix_MouseDown", [this](const EventArgs& a) { Forward(C("lblPrix", a.index).Key(), a); }, "IBSXY");
    On("Regul_Timer", [this](const EventArgs&) { RegulTimer(); });
    On("MNU_Lieu_Click", [this](const EventArgs& a) { PlaceKey(a.index); }, "I");
    // The way out; on a tower floor, what a click on the guardian does.
    On("MNU_Sortir_Click", [this](const EventArgs&) {
        if (openedMode == combat_mode::kTowerFloor) Ui::Get().Close(*this);
        else PlaceKey(0);
    });
    On("Item_Click", [this](const EventArgs& a) {
        if (IsShopMode(openedMode)) shop->ItemClick(a.index);
    }, "I");
    On("List1_Click", [this](const EventArgs&) {
        if (IsShopMode(openedMode)) shop->ListClick();
    });
    // The guardian's picture closes the tower-floor screen; a running fight ignores it.
    On("Mechant_Click", [this](const EventArgs&) {
        if (openedMode != combat_mode::kFight) Ui::Get().Close(*this);
    });
    // The close box leaves the shops, the arena entrance and the tower floor; a fight ends
    // only by its own rules.
    On("Form_QueryClose", [this](const EventArgs&) {
        if (openedMode == combat_mode::kFight) return;
        gd.CombatMode = combat_mode::kFight;
        Ui::Get().Close(*this);
    });
}

std::unique_ptr<Screen> MakeCombatForm() { return std::make_unique<CombatForm>(); }

void CombatForm::WriteMessage(const std::string& text) {
    C("Message").caption = text;
    C("Message").visible = true;
    C("Fond").visible = true;
    if (openedMode == combat_mode::kFight) {
        JournalFightMessage(text);
        RefreshFightStatus(*this);
    }
}

void CombatForm::AfterInput() {
    JournalMessageLine();
    RefreshFightStatus(*this);
}

void CombatForm::ShowMessage(const std::string& text, int ms) {
    WriteMessage(text);
    StartTimer(C("Regul"), ms);
}

void CombatForm::PlaceCharacterIcon() {
    Control& icon = C("Perso");
    icon.picture = classes::IconFile(rec::ClassNumber(gd.CurrentCharacter));
    icon.left = 192;
    icon.top = 224;
    icon.visible = true;
}

void CombatForm::HideMessage() {
    C("Fond").visible = false;
    C("Message").visible = false;
    if (openedMode == combat_mode::kFight) JournalFightMessageHidden();
}

bool CombatForm::Busy() {
    Control& regul = C("Regul");
    return C("Fond").visible || (regul.enabled && regul.interval == 150);
}

void CombatForm::Forward(const std::string& control, const EventArgs& a) {
    int x, y;
    AbsolutePosition(C(control), x, y);
    EventArgs f = a;
    f.index = -1;
    f.x += x;
    f.y += y;
    Run("Form_MouseDown", f);
}

void CombatForm::Load() {
    openedMode = gd.CombatMode;
    switch (openedMode) {
        case combat_mode::kFight: LoadFight(); break;
        case combat_mode::kMarket:
        case combat_mode::kForge: shop->Load(openedMode); break;
        case combat_mode::kTournament: LoadTournament(*this); break;
        case combat_mode::kTowerFloor: LoadTowerFloor(*this); break;
        default: break;
    }
    ShowPlaceKeys();
    JournalMessageLine();
}

void CombatForm::JournalMessageLine() {
    if (openedMode == combat_mode::kFight) return;
    const Control& message = C("Message");
    if (message.visible) JournalFightMessage(message.caption);
    else JournalFightMessageHidden();
}

bool CombatForm::PlacePoint(int place, int& x, int& y) {
    if (IsShopMode(openedMode)) return shop->PlacePoint(place, x, y);
    if (openedMode == combat_mode::kTournament) return TournamentPlacePoint(place, x, y);
    return false;
}

void CombatForm::ShowPlaceKeys() {
    int x = 0, y = 0;
    for (int k = 1; k <= 5; ++k) C("MNU_Lieu", k).visible = PlacePoint(k, x, y);
    C("MNU_Sortir").visible = openedMode != combat_mode::kFight;
}

void CombatForm::PlaceKey(int place) {
    int x = 0, y = 0;
    if (PlacePoint(place, x, y)) MouseDown(x, y);
}

void CombatForm::LoadFight() {
    picture = FightBackground(gd.EnemyNumber);
    // The panel's own opening rolls the initiative; the enemy may strike (and win) at once.
    Screen& panel = Ui::Get().Show(MakeChCmb());
    if (closed || panel.closed) return;
    caption = Msg(0);
    static constexpr int kRows[4] = {1, 2, 3, 4}, kGirlRows[4] = {122, 123, 124, 125};
    for (int r = 0; r < 4; ++r) panel.C("StepDesc", r).caption = Msg(gd.EnemyNumber == 4 ? kGirlRows[r] : kRows[r]);
    if (rec::ClassNumber(gd.CurrentCharacter) == classes::kMonstre) {
        panel.C("StepDesc", 0).caption = Msg(129);
        panel.C("StepDesc", 2).caption = Msg(130);
        panel.C("StepPix", 0).picture = "action0m.gif";
        panel.C("StepPix", 2).picture = "action2m.gif";
    }
    panel.caption = Msg(5);
    ShowFightStatus(*this);
    Music().SetFileName("battle.mid");
    Music().Command("open");
    Music().Command("play");
}

void CombatForm::Unload() {
    if (openedMode != combat_mode::kFight) {
        JournalFightMessageHidden();  // the line goes with the screen
        return;
    }
    JournalFightMessageHidden();
    const FightBefore before = BeforeFightOutcome();
    WriteFightOutcome();
    ShowFightOutcome(before);
    // The animation counter of this fight must not reach the board's spell targeting.
    gd.PendingSpell = pending_spell::kNone;
    if (Screen* panel = Ui::Get().Find("ChCmb")) Ui::Get().Close(*panel);
    // The game ended: the end screen stands alone; the board closes with it.
    if (!Ui::Get().Find("frmFini")) SetBoardVisible(true);
}

void CombatForm::RegulTimer() {
    Control& regul = C("Regul");
    switch (openedMode) {
        case combat_mode::kFight:
            break;
        case combat_mode::kMarket:
        case combat_mode::kForge:
            shop->Timer();
            return;
        case combat_mode::kTournament:
            TournamentWalk(*this);
            return;
        default:
            regul.enabled = false;
            return;
    }
    if (gd.EnemyNumber == 4) {
        CloseFight(true);
        return;
    }
    if (regul.interval == 150) {
        AnimateSpell(*this);
        return;
    }
    if (rec::Life(gd.CurrentCharacter) == 0) {
        gd.FightResult = -1;
        CloseFight(true);
    } else if (LastSpellCast() == 9) {
        gd.FightResult = 1;
        gd.PendingSpell = pending_spell::kNone;
        CloseFight(true);
    } else {
        regul.enabled = false;
        HideMessage();
    }
}

void CombatForm::MouseDown(int x, int y) {
    if (IsShopMode(openedMode)) shop->MouseDown(x, y);
    else if (openedMode == combat_mode::kTournament) TournamentMouseDown(*this, x, y);
}
