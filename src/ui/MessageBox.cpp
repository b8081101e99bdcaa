#include "ui/MessageBox.h"

#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

class MsgBox : public Screen {
public:
    MsgBox(const std::string& text, const std::string& title) : Screen("MsgBox", 360, 110) {
        caption = title;
        Control& label = Add(Kind::Label, "Label1");
        label.caption = text;
        Place(label, 16, 16, 328, 44);
        label.wordWrap = true;
        Control& ok = Add(Kind::Button, "OK");
        ok.caption = "OK";
        Place(ok, 140, 72, 80, 26);
        On("OK_Click", [this](const EventArgs&) { Ui::Get().Close(*this); });
    }
};

}  // namespace

std::unique_ptr<Screen> MakeMessageBox(const std::string& text, const std::string& caption) {
    return std::make_unique<MsgBox>(text, caption);
}
