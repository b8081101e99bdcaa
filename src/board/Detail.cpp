// The detail pop-up: one line of text under a caption, an OK button, and two hidden
// shortcuts on the text line.
#include "board/Detail.h"

#include "rules/ItemCatalogue.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "state/SharedRules.h"
#include "ui/Contrast.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

class Detail : public Screen {
public:
    Detail() : Screen("Detail", 238, 77) {
        Control& text = Add(Kind::Label, "Label1");
        Place(text, 0, 16, 233, 17);
        text.align = Align::Center;
        Control& ok = Add(Kind::Button, "Command1");
        ok.caption = "&OK";
        Place(ok, 80, 48, 73, 25);
        On("Command1_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
        On("Label1_MouseDown", [this](const EventArgs& a) { Label1_MouseDown(a.button, a.shift); }, "BSXY");
    }

private:
    // Shift and Ctrl with the right button on the movement pop-up: free moves by map clicks.
    // Alt on the gold pop-up: the three keys of the tower door.
    void Label1_MouseDown(int button, int shift) {
        if (caption == Msg(101) && shift == 3 && button == 2) gd.FreeMoveCharacter = gd.CurrentCharacter;
        if (caption == Msg(103) && shift == 4) {
            const int c = gd.CurrentCharacter;
            rec::AddItemFront(c, items::kRunicKey, 0);
            rec::AddItemFront(c, items::kGoldKey, 0);
            rec::AddItemFront(c, items::kShadowKey, 0);
            RefreshPanel(c);
        }
    }
};

}  // namespace

std::unique_ptr<Screen> MakeDetail(const std::string& caption, const std::string& text, Rgb back) {
    auto d = std::make_unique<Detail>();
    d->caption = caption;
    d->backColor = back;
    d->C("Label1").caption = text;
    d->C("Label1").back = back;
    // The text stands out on whatever colour the opener gives (white on the second player's blue).
    d->C("Label1").fore = ReadableTextOn(back);
    return d;
}

void ShowDetail(const std::string& caption, const std::string& text, Rgb back) {
    Ui::Get().ShowModal(MakeDetail(caption, text, back));
}
