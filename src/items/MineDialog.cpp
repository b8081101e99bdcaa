// The mine dialog `ALaMinaNoVoy`: four metals to choose from; the mine gives one to six.
#include <memory>

#include "items/Mine.h"
#include "rules/ResourceKinds.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Random.h"
#include "state/SharedRules.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// The metal behind each icon: Image1(0) Or, (2) Fer, (4) Bronze, (6) Argent.
int MetalOfIcon(int index) {
    switch (index) {
        case 0: return kGoldMetal;
        case 2: return kIron;
        case 4: return kBronze;
        case 6: return kSilver;
        default: return 0;
    }
}

class MineDialog : public Screen {
public:
    MineDialog() : Screen("ALaMinaNoVoy", 300, 160) {
        picture = "mine.bmp";
        backColor = Rgb{40, 30, 22};
        Control& question = Add(Kind::Label, "Label1");
        Place(question, 66, 34, 198, 22);
        question.align = Align::Center;
        question.fore = Rgb{255, 214, 140};
        question.font = Font{"Times New Roman", 11, true};
        for (int k = 0; k < 4; ++k) {
            Control& icon = Add(Kind::Image, "Image1", 2 * k);
            icon.width = icon.height = 32;
            icon.left = kIconLeft[k];
            icon.top = 112;
            // The metal's name under its icon.
            Control& name = Add(Kind::Label, "lblMetal", 2 * k);
            Place(name, kIconLeft[k] - 12, 145, 56, 14);
            name.align = Align::Center;
            name.fore = Rgb{255, 214, 140};
            name.font = Font{"Arial", 8, true};
        }
        On("Image1_Click", [this](const EventArgs& a) { Choose(a.index); }, "I");
    }

    void Load() override {
        caption = Msg(572);
        C("Label1").caption = Msg(573);
        for (int k = 0; k < 4; ++k) {
            Control& icon = C("Image1", 2 * k);
            icon.picture = ResourceIcon(MetalOfIcon(2 * k));
            icon.tooltip = ResourceName(MetalOfIcon(2 * k));
            C("lblMetal", 2 * k).caption = icon.tooltip;
        }
    }

private:
    static constexpr int kIconLeft[4] = {50, 106, 162, 218};

    void Choose(int index) {
        int metal = MetalOfIcon(index);
        if (metal == 0) return;
        int n = rnd::Below(6) + 1;
        rec::AddResource(gd.CurrentCharacter, metal, n);
        RefreshPanel(gd.CurrentCharacter);
        Ui::Get().Close(*this);
    }
};

}  // namespace

std::unique_ptr<Screen> MakeMineDialog() { return std::make_unique<MineDialog>(); }

void OpenMine() { Ui::Get().ShowModal(MakeMineDialog()); }
