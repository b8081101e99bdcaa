// The graveyard: the dead of the acting player's party, one class icon per slot; a click on
// a slot brings that character back with one life point.
#include "items/Graveyard.h"

#include "rules/BoardInformation.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/Status.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int kSlots = 5;

class Graveyard : public Screen {
public:
    Graveyard() : Screen("Graveyard", 300, 180) {
        picture = "cimetiere.bmp";
        backColor = Rgb{40, 44, 52};
        Control& label = Add(Kind::Label, "Label1");
        // Two lines in the sky, left of the moon.
        Place(label, 10, 8, 190, 42);
        label.wordWrap = true;
        label.fore = Rgb{240, 232, 200};
        label.font = Font{"Times New Roman", 12, true};
        for (int s = 0; s < kSlots; ++s) {
            Control& slot = Add(Kind::Image, "PersoMort", s);
            // A row in front of the graves.
            Place(slot, 24 + 54 * s, 116, 32, 32);
        }
        On("PersoMort_Click", [this](const EventArgs& a) { Raise(a.index); }, "I");
    }

    void Load() override {
        caption = Msg(555);
        C("Label1").caption = Msg(556);
        int m = CharactersPerPlayer();
        int owner = rec::Owner(gd.CurrentCharacter);
        first_ = (owner - 1) * m + 1;
        last_ = owner * m;
        int n = 0;
        for (int i = first_; i <= last_ && n < kSlots; ++i) {
            if (gd.Status[i] != status::kDead) continue;
            C("PersoMort", n).picture = classes::IconFile(rec::ClassNumber(i));
            ++n;
        }
        if (n == 0) {
            SetInformations(Msg(557));
            Ui::Get().Close(*this);
        }
    }

private:
    // The (index + 1)-th dead character of the range comes back to life.
    void Raise(int index) {
        int n = 0;
        for (int i = first_; i <= last_; ++i) {
            if (gd.Status[i] != status::kDead) continue;
            if (n == index) {
                gd.Status[i] = status::kFree;
                rec::WriteLife(i, 1);
                SetInformations(Msg(558));
                Ui::Get().Close(*this);
                return;
            }
            ++n;
        }
    }

    int first_ = 1, last_ = 0;
};

}  // namespace

std::unique_ptr<Screen> MakeGraveyard() { return std::make_unique<Graveyard>(); }

void OpenGraveyard() { Ui::Get().ShowModal(MakeGraveyard()); }
