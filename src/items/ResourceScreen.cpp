// The resources screen `Resource`: the shown character's seven stocks on a parchment.
#include <memory>

#include "items/Resource.h"
#include "rules/ResourceKinds.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Text.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

// The resource each icon Image1(0..6) stands for: Or, Bois, Fer, Mercure, Bronze, Diamant, Argent.
constexpr int kIconResource[kResourceKinds] = {kGoldMetal, kWood, kIron, kMercury, kBronze, kDiamond, kSilver};

// The rows of the parchment: row r (0-6) lies above the ruled line at 64 + 30r.
int RowTop(int row) { return 34 + 30 * row; }

constexpr Rgb kInk{58, 36, 18};

class ResourceScreen : public Screen {
public:
    ResourceScreen() : Screen("Resource", 220, 280) {
        picture = "ressources.bmp";
        backColor = Rgb{226, 204, 160};
        for (int i = 0; i < kResourceKinds; ++i) {
            Control& icon = Add(Kind::Image, "Image1", i);
            icon.width = icon.height = 32;
            icon.left = 30;
            icon.top = RowTop(kIconResource[i] - 1) - 1;
        }
        for (int r = 1; r <= kResourceKinds; ++r) {
            Control& name = Add(Kind::Label, "LaNom", r - 1);
            Place(name, 70, r, 84);
            name.font = Font{"Times New Roman", 12, false};
        }
        for (int r = 1; r <= kResourceKinds; ++r) {
            Control& amount = Add(Kind::Label, "LaUn", r - 1);
            Place(amount, 150, r, 42);
            amount.align = Align::Right;
            amount.font = Font{"Times New Roman", 12, true};
        }
        Control& ok = Add(Kind::Button, "Command1");
        ok.caption = "&OK";
        ::Place(ok, 74, 247, 72, 24);
        On("Command1_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
    }

    void Load() override {
        caption = Msg(87);
        const int c = gd.ShownCharacter;
        for (int i = 0; i < kResourceKinds; ++i) {
            Control& icon = C("Image1", i);
            icon.picture = ResourceIcon(kIconResource[i]);
            icon.tooltip = ResourceName(kIconResource[i]);
        }
        for (int r = 1; r <= kResourceKinds; ++r) {
            C("LaNom", r - 1).caption = ResourceName(r);
            C("LaUn", r - 1).caption = DigitText(rec::Resource(c, r));
        }
    }

private:
    // A label on row r (resource r), vertically centred in its band.
    void Place(Control& label, int left, int r, int width) {
        ::Place(label, left, RowTop(r - 1) + 6, width, 20);
        label.fore = kInk;
        label.opaque = false;
    }
};

}  // namespace

std::unique_ptr<Screen> MakeResourceScreen() { return std::make_unique<ResourceScreen>(); }

void OpenResources() { Ui::Get().ShowModal(MakeResourceScreen()); }
