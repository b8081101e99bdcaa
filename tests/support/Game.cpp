#include "support/Game.h"

#include "setup/frmBegin.h"
#include "ui/Navigation.h"

void FreshProcess() {
    Ui::Get().CloseAll();
    Ui::Get().Idle();
    ResetGlobalDecl();
    ResetBoardState();
    rnd::Reset();
    rnd::FixSeed(1);
    pictures::SetFolder(QUELMOR_BIN_DIR);
}

Session::Session(bool fromTitle) {
    FreshProcess();
    driver_ = std::make_unique<Driver>(in_, out_, err_);
    if (fromTitle) OpenTitleScreen();
}

Session::~Session() { driver_.reset(); }

int Session::Run(const std::string& script) {
    in_.clear();
    in_.str(script);
    return driver_->Continue();
}
