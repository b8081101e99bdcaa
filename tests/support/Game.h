#pragma once
// Test helpers: a fresh game state and a driver session that runs script text.
#include <memory>
#include <sstream>
#include <string>

#include "driver/Driver.h"
#include "state/BoardState.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "ui/Ui.h"
#include "view/Pictures.h"

// Resets the shared state, the dice and the screens.
void FreshProcess();

// A driver whose screens stay open between scripts, so that a test can run a few commands,
// look at the state and the controls, and go on. Everything a modal dialog needs must be in
// the same script as the command that opens it.
class Session {
public:
    explicit Session(bool fromTitle = true);
    ~Session();
    // Runs script lines; returns the driver's status (0 normal end, 2 error).
    int Run(const std::string& script);
    std::string out() const { return out_.str(); }
    std::string err() const { return err_.str(); }
    void ClearOutput() { out_.str(""); err_.str(""); }
    RecordingServices& services() { return driver_->services(); }
    Screen* screen(const std::string& name) { return Ui::Get().Find(name); }

private:
    std::istringstream in_;
    std::ostringstream out_, err_;
    std::unique_ptr<Driver> driver_;
};
