// The spell dialog: the board spells of the current character, their costs and the casting.
#include "items/frmMagic.h"

#include <string>

#include "rules/BoardInformation.h"
#include "rules/ItemCatalogue.h"
#include "rules/SpellCost.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/PendingSpells.h"
#include "state/SharedRules.h"
#include "state/Status.h"
#include "state/Text.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int kRows = 6;
constexpr int kRowHeight = 34, kRowsTop = 8;

// Beside the rows: each spell's cost after the sceptres, the caster's points, and a word when
// the caster knows no spell.
struct SpellWords {
    const char *points, *unit, *none;
};
const SpellWords kFrench{"Points de magie : ", "PM", "Aucun sort connu."};
const SpellWords kEnglish{"Magic points: ", "MP", "No spell known."};
const SpellWords& Words() { return gd.LanguageOffset == 2000 ? kEnglish : kFrench; }

class FrmMagic : public Screen {
public:
    FrmMagic() : Screen("frmMagic", 240, 230) {
        picture = "magie.bmp";
        for (int k = 0; k < kRows; ++k) {
            Control& icon = Add(Kind::Image, "NoMagic", k);
            Place(icon, 16, kRowsTop + kRowHeight * k, 32, 32);
            icon.picture = "sort" + std::to_string(k + 1) + ".gif";
            Control& name = Add(Kind::Label, "lblMagic", k);
            Place(name, 58, kRowsTop + kRowHeight * k + 7, 146, 20);
            name.font = Font{"Times New Roman", 12, true};
            name.fore = Rgb{72, 28, 8};
            Control& cost = Add(Kind::Label, "lblCout", k);
            Place(cost, 182, kRowsTop + kRowHeight * k + 9, 50, 18);
            cost.align = Align::Right;
            cost.font = Font{"Arial", 9, true};
            cost.fore = Rgb{40, 40, 140};
        }
        Control& points = Add(Kind::Label, "lblPoints");
        Place(points, 12, 206, 190, 18);
        points.font = Font{"Times New Roman", 11, true};
        points.fore = Rgb{72, 28, 8};
        Control& none = Add(Kind::Label, "lblAucun");
        Place(none, 16, 92, 208, 22);
        none.align = Align::Center;
        none.font = Font{"Times New Roman", 12, true};
        none.fore = Rgb{72, 28, 8};
        Control& close = Add(Kind::Image, "Image1");
        Place(close, 208, 200, 24, 24);
        close.picture = "fermer.gif";
        close.tooltip = "OK";

        On("NoMagic_Click", [this](const EventArgs& a) { Cast(a.index + 1); }, "I");
        On("lblMagic_Click", [this](const EventArgs& a) { Run("NoMagic_Click", a); }, "I");
        On("lblCout_Click", [this](const EventArgs& a) { Run("NoMagic_Click", a); }, "I");
        On("Image1_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
    }

    void Load() override {
        caption = TrimLeft(Msg(2));
        for (int k = 0; k < kRows; ++k)
            for (const char* name : {"NoMagic", "lblMagic", "lblCout"}) {
                C(name, k).visible = false;
                C(name, k).enabled = false;
            }
        const int c = gd.CurrentCharacter, k = rec::ClassNumber(c);
        if (k == classes::kFee || k == classes::kMagicien || k == classes::kSorcier || rec::HasItem(c, items::kWaterBook)) {
            AddBoardSpell(1, 4);
            AddBoardSpell(3, 6);
        }
        for (int n = rec::CountItem(c, items::kEarthBook); n > 0; --n) AddBoardSpell(4, 14);
        if (k == classes::kSorcier || rec::HasItem(c, items::kGoldBook)) AddBoardSpell(5, 4);
        for (int n = rec::CountItem(c, items::kChaosBook); n > 0; --n) AddBoardSpell(2, 2);
        for (int n = rec::CountItem(c, items::kShadowBook); n > 0; --n) AddBoardSpell(6, 12);
        ShowPoints();
    }

private:
    // Shows row b; it can be chosen only while its cost stays below the magic points.
    void AddBoardSpell(int b, int cost) {
        const int c = gd.CurrentCharacter;
        Control& name = C("lblMagic", b - 1);
        Control& icon = C("NoMagic", b - 1);
        name.caption = Msg(544 + b);
        name.visible = icon.visible = true;
        if (SpellCost(c, cost) < gd.MagicPoints[c]) name.enabled = icon.enabled = true;
        Control& price = C("lblCout", b - 1);
        price.caption = std::to_string(SpellCost(c, cost)) + " " + Words().unit;
        price.visible = true;
        price.enabled = name.enabled;
    }

    // The caster's points under the rows; the word for an empty dialog.
    void ShowPoints() {
        const SpellWords& w = Words();
        C("lblPoints").caption = w.points + std::to_string(gd.MagicPoints[gd.CurrentCharacter]);
        bool any = false;
        for (int k = 0; k < kRows; ++k) any = any || C("lblMagic", k).visible;
        C("lblAucun").caption = w.none;
        C("lblAucun").visible = !any;
    }

    static void ChargeBoardSpell(int cost) { ChargeSpellCost(gd.CurrentCharacter, cost); }

    // The two heals act at once on the caster.
    static void Heal(int cost, int gain) {
        const int c = gd.CurrentCharacter;
        ChargeBoardSpell(cost);
        SetInformations(classes::Name(rec::ClassNumber(c)) + " " + Msg(540) + " PV+" + std::to_string(gain));
        int life = rec::Life(c) + gain;
        rec::WriteLife(c, life > 9 ? 9 : life);
        RefreshPanel(c);
    }

    // The other four wait for a target clicked on the board.
    static void Target(int cost, int messageRel, int pending) {
        ChargeBoardSpell(cost);
        SetInformations(Msg(messageRel));
        gd.PendingSpell = pending;
    }

    void Cast(int b) {
        switch (b) {
            case 1: Heal(4, gd.Status[gd.CurrentCharacter] == status::kWater ? 6 : 3); break;
            case 2: Heal(2, 3); break;
            case 3: Target(6, 551, pending_spell::kGlaceNoire); break;
            case 4: Target(14, 551, pending_spell::kArmagueddon); break;
            case 5: Target(4, 552, pending_spell::kBloc); break;
            case 6: Target(12, 551, pending_spell::kEnvoutement); break;
            default: return;
        }
        Ui::Get().Close(*this);
    }
};

}  // namespace

std::unique_ptr<Screen> MakeFrmMagic() { return std::make_unique<FrmMagic>(); }
