#include "combat/ChCmb.h"

#include "combat/CombatForm.h"
#include "rules/Enemies.h"
#include "combat/Fight.h"
#include "combat/FightStatus.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Random.h"
#include "ui/Ui.h"

namespace {

constexpr int kRowHeight = 36;
constexpr int kFrameLeft = 5, kFrameRight = 125;

int RowTop(int r) { return kRowHeight * r + 2; }

// What each row does, for its tip beside its key (presentation only).
constexpr const char* kRowPurposeFrench[4] = {
    "Frapper l'ennemi", "Lancer un sort", "Parer les coups de l'ennemi", "Fuir le combat"};
constexpr const char* kRowPurposeEnglish[4] = {
    "Strike the enemy", "Cast a spell", "Parry the enemy's blows", "Flee the fight"};

}  // namespace

ChCmb::ChCmb() : Screen("ChCmb", 136, 175) {
    topMost = true;
    besideScreen = "Combat";

    // The row frames are drawn on a picture box that lies under the rows.
    Control& frames = Add(Kind::PictureBox, "Cadre");
    frames.width = width;
    frames.height = height;
    frames.opaque = true;
    frames.back = backColor;
    for (int r = 0; r < 4; ++r) {
        Control& pix = Add(Kind::Image, "StepPix", r);
        Place(pix, 9, RowTop(r) + 2, 32, 32);
        pix.picture = "action" + std::to_string(r) + ".gif";
        Control& desc = Add(Kind::Label, "StepDesc", r);
        Place(desc, 44, RowTop(r) + 10, 78, 18);
        desc.font = Font{"Arial", 10, true};
        desc.fore = Rgb{64, 24, 8};
    }

    Control& menu = Add(Kind::Menu, "MNU_Magic");
    menu.popupMenu = true;
    for (int i = 0; i <= 34; ++i) {
        Control& entry = Add(Kind::Menu, "CastSpell", i);
        entry.parent = "MNU_Magic";
        entry.visible = i == 0;
    }
    Control& timer = Add(Kind::Timer, "MechantTimer");
    timer.interval = 2200;

    ExposeVar("EnemyHitsLeft", &EnemyHitsLeft);
    ExposeVar("Defending", &Defending);
    ExposeVar("FightAttackBonus", &FightAttackBonus);
    ExposeVar("FightDefenseBonus", &FightDefenseBonus);
    ExposeVar("HoverRow", &HoverRow);
    ExposeVar("SpellMenuCount", &SpellMenuCount);

    On("StepPix_MouseDown", [this](const EventArgs& a) { RowMouseDown(a.index); }, "IBSXY");
    On("StepPix_MouseMove", [this](const EventArgs& a) { RowMouseMove(a.index); }, "IBSXY");
    On("StepPix_MouseUp", [this](const EventArgs& a) {
        if (a.index >= 0 && a.index < 4) SetFrame(a.index, Frame::Raised);
    }, "IBSXY");
    // A press on a caption acts as a press on the icon of its row.
    for (const char* event : {"_MouseDown", "_MouseMove", "_MouseUp"})
        On(std::string("StepDesc") + event, [this, event](const EventArgs& a) {
            Run(std::string("StepPix") + event, a);
        }, "IBSXY");
    On("Form_MouseMove", [this](const EventArgs&) { ClearFrames(); }, "BSXY");
    On("Cadre_MouseMove", [this](const EventArgs&) { ClearFrames(); }, "BSXY");
    On("CastSpell_Click", [this](const EventArgs& a) { CastSpell(a.index); }, "I");
    On("MechantTimer_Timer", [this](const EventArgs&) { EnemyTurn(); });
    // The panel lives as long as the fight: its close box does nothing.
    On("Form_QueryClose", [](const EventArgs&) {});
}

std::unique_ptr<Screen> MakeChCmb() { return std::make_unique<ChCmb>(); }

void ChCmb::Load() {
    for (int r = 0; r < 4; ++r)
        C("StepPix", r).purpose = gd.LanguageOffset == 2000 ? kRowPurposeEnglish[r] : kRowPurposeFrench[r];
    Defending = 0;
    FightAttackBonus = 0;
    FightDefenseBonus = 0;
    SpellMenuCount = 0;
    CombatForm* combat = FightScreen();
    if (!combat) return;
    Control& enemy = combat->C("Mechant");
    enemy.picture = EnemyPicture(gd.EnemyNumber);
    enemy.visible = true;
    if (gd.EnemyNumber == 4) {
        // The young girl does not fight: she decides at once and leaves after a while.
        if (rnd::Rnd() < 0.5) {
            combat->ShowMessage(Msg(120), 8000);
            gd.FightResult = 1;
        } else {
            combat->ShowMessage(Msg(121), 8000);
            gd.FightResult = 0;
        }
        return;
    }
    EnemyHitsLeft = 6;
    const int c = gd.CurrentCharacter;
    int mine = rnd::D6() + rec::EffectiveAgility(c);
    int theirs = rnd::D6() + gd.EnemyAgility;
    if (mine < theirs) EnemyAttacks();
}

void ChCmb::SetFrame(int row, Frame f) {
    frames_[row] = f;
    Control& box = C("Cadre");
    Cls(box);
    for (int r = 0; r < 4; ++r) {
        if (frames_[r] == Frame::None) continue;
        Rgb topLeft = frames_[r] == Frame::Raised ? colors::kHighlight3D : colors::kButtonShadow;
        Rgb bottomRight = frames_[r] == Frame::Raised ? colors::kButtonShadow : colors::kHighlight3D;
        int y1 = RowTop(r), y2 = RowTop(r) + kRowHeight;
        DrawLine(box, kFrameLeft, y1, kFrameRight, y1, topLeft);
        DrawLine(box, kFrameLeft, y1, kFrameLeft, y2, topLeft);
        DrawLine(box, kFrameLeft, y2, kFrameRight, y2, bottomRight);
        DrawLine(box, kFrameRight, y1, kFrameRight, y2, bottomRight);
    }
}

void ChCmb::ClearFrames() {
    for (Frame& f : frames_) f = Frame::None;
    Cls(C("Cadre"));
    HoverRow = 0;
}

void ChCmb::RowMouseMove(int row) {
    if (row < 0 || row > 3 || HoverRow == row + 1) return;
    HoverRow = row + 1;
    for (Frame& f : frames_) f = Frame::None;
    SetFrame(row, Frame::Raised);
}

void ChCmb::RowMouseDown(int row) {
    if (row < 0 || row > 3) return;
    SetFrame(row, Frame::Sunken);
    CombatForm* combat = FightScreen();
    // No action while a message is shown, nor while a spell is being cast.
    if (!combat || combat->Busy()) return;
    if (row < 3) Ui::Get().services().PlaySound("cmbsnd" + std::to_string(row + 1) + ".wav", 1);
    if (gd.EnemyNumber == 4) return;
    Act(row);
}

void ChCmb::AfterInput() {
    if (CombatForm* combat = FightScreen()) RefreshFightStatus(*combat);
}

void ChCmb::StartEnemyTurn() {
    Control& timer = C("MechantTimer");
    if (!timer.enabled) StartTimer(timer, 2200);
}
