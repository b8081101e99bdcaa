#include "setup/frmBegin.h"

#include "ui/Screen.h"
#include "ui/Ui.h"

std::unique_ptr<Screen> MakeFrmBegin() {
    auto s = std::make_unique<Screen>("frmBegin", 640, 480);
    s->caption = "Quelmor";
    return s;
}

void OpenTitleScreen() { Ui::Get().Show(MakeFrmBegin()); }
