#pragma once
// The scripted driver: runs the game's screens and handlers with no window and no sound,
// reading commands, one a line, and printing what it is asked to print.
#include <deque>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "driver/DumpSeen.h"
#include "ui/Host.h"
#include "ui/InputCommand.h"
#include "ui/Services.h"

class Screen;

// Thrown to end a script: status 0 for quit or the end of input, 2 for an error.
struct DriverExit {
    int status;
};

class Driver : public Host {
public:
    Driver(std::istream& in, std::ostream& out, std::ostream& err);
    ~Driver() override;

    // Where `snap NAME` writes NAME.png ("" = snaps are refused).
    void SetSnapFolder(const std::string& folder) { snapFolder_ = folder; }
    // The whole factor by which snaps are painted (the windows' scale).
    void SetSnapScale(double scale) { snapScale_ = scale > 0 ? scale : 1; }
    // The first screen: by default the title screen.
    void SetOpening(std::function<void()> open) { opening_ = std::move(open); }

    // Takes command lines from a generator instead of the input (random play); the generator
    // returns false to end the run.
    void SetLineSource(std::function<bool(std::string&)> source) { source_ = std::move(source); }
    // Is a pop-up menu waiting for its choice? (its screen and menu)
    Screen* popupScreen() const { return popupScreen_; }
    const std::string& popupMenu() const { return popupMenu_; }

    // Runs the whole script; returns the exit status.
    int Run();
    // Goes on reading commands from the input (after more was put in it); the exit status.
    int Continue();
    // Executes one command line (used by Run and by tests).
    void Execute(const std::string& line);

    RecordingServices& services() { return services_; }
    // The script's next line, not run (a joined machine's inputs); false at its end.
    bool NextScriptLine(std::string& line);

    // Host
    void ScreenOpened(Screen&) override {}
    void ScreenClosed(Screen& screen) override;
    void Changed() override {}
    void RunModal(Screen& screen) override;
    void RunPopup(Screen& screen, const std::string& menu, int x, int y) override;
    void TimersChanged() override {}
    void Quit() override;

private:
    bool Step();                   // reads and runs one command; false at the end of input
    int Guarded(bool opening);     // the opening (if asked) and the commands, up to the exit status
    [[noreturn]] void Fail(const std::string& message);
    Screen& TargetScreen(std::string& key);   // "Screen.Control" or the top screen
    Screen* ScreenNamed(const std::string& name);
    void NewGame(const std::vector<std::string>& words);
    void SetComputerPlayer(int p, int level);
    // `replay FILE [N]`: the record's first N events (all), its dialogs reading from it.
    void Replay(const std::string& path, long long most);
    // `watch FILE`, and the title's "Watch a replay..." with the file the script answers: the
    // viewer, paused at the start; the script goes on inside it (its panel's buttons and keys,
    // dump, snap) until it stops or is taken over. While it plays, the record's time goes on
    // only as the script's `wait MS` lets MS of the viewer's time pass (at its speed).
    void Watch();
    // The top screen's picture, or that of the open screen named screenName.
    void Snap(const std::string& name, const std::string& screenName = "");

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    std::deque<std::string> pending_;     // commands expanded from shortcuts like newgame
    int line_ = 0;
    std::string snapFolder_;
    double snapScale_ = 1;
    std::function<void()> opening_;
    std::function<bool(std::string&)> source_;
    RecordingServices services_;
    Screen* popupScreen_ = nullptr;
    std::string popupMenu_;
    int popupX_ = 0, popupY_ = 0;
    std::string openMenu_;                // a menu-bar menu drawn opened by the next snap
    std::string tip_;                     // a control whose tip the next snap draws
    PopupPlace lastPopup_;                // where the last pop-up menu opened
    bool popupSeen_ = false;
    long long playLeft_ = 0;              // `play N`: computer actions still allowed
    bool playVerbose_ = false;            // print each computer decision with its reason
    bool playTell_ = false;               // say the decisions as the window does (ai::Tell)
    size_t requestsDumped_ = 0;           // platform requests that an earlier dump showed
    bool watching_ = false;               // `watch`: the viewer runs
    long long watchTime_ = 0;             // the viewer's time the script's waits gave it
};

