#include "driver/RandomPlay.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <iostream>
#include <sstream>
#include <vector>

#include "driver/Driver.h"
#include "driver/Dump.h"
#include "driver/Invariants.h"
#include "driver/JumpStarts.h"
#include "driver/Watchdog.h"
#include "state/GlobalDecl.h"
#include "state/SplitMix.h"
#include "state/Random.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

int Pick(uint64_t& s, int n) { return SplitMixPick(s, n); }

std::string Quote(const std::string& text) {
    std::string q = "\"";
    for (char ch : text) {
        if (ch == '"' || ch == '\\') q.push_back('\\');
        if (ch == '\n' || ch == '\r') ch = ' ';  // one command a line
        q.push_back(ch);
    }
    return q + "\"";
}

class Player {
public:
    Player(const RandomPlayOptions& o, Driver& d, Watchdog& w) : o_(o), d_(d), w_(w), s_(o.seed * 7919 + 17) {}

    bool NextLine(std::string& line) {
        if (o_.timings && timing_) {
            float ms = std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() - handedOut_).count();
            timing_ = false;
            if (result.timings.empty() || ms > slowest_) {
                slowest_ = ms;
                result.slowestLine = handedLine_;
            }
            result.timings.push_back(ms);
        }
        bool more = Next(line);
        if (more) w_.Begin(result.actions, line);
        if (more && o_.timings) {
            timing_ = true;
            handedLine_ = line;
            handedOut_ = std::chrono::steady_clock::now();
        }
        return more;
    }

    RandomPlayResult result;

private:
    bool Next(std::string& line) {
        if (!result.failure.empty()) return false;
        if (result.actions > 0) {
            std::string broken = CheckInvariants();
            // Between actions on the board (not inside a pop-up menu or a jump-start's lines).
            if (broken.empty() && !d_.popupScreen() && jump_.empty()) broken = CheckTurnCanEnd();
            if (!broken.empty()) {
                result.failure = broken;
                result.failedAction = result.actions;
                return false;
            }
            if (o_.hashDumps) {
                std::string dump = DumpState(d_.popupScreen(), d_.popupMenu());
                for (unsigned char ch : dump) result.stateHash = (result.stateHash ^ ch) * 1099511628211ull;
            }
        }
        bool over = ++inGame_ > o_.actionsPerGame || result.actions >= o_.actions;
        if (over && (Ui::Get().ModalDepth() > 0 || d_.popupScreen())) {
            // Unwind the open dialogs first: their openers' handlers are still running.
            if (++unwinding_ > 100) {
                result.failure = "a dialog cannot be closed";
                result.failedAction = result.actions;
                return false;
            }
            line = "close";
            return true;
        }
        unwinding_ = 0;
        if (result.actions >= o_.actions) return false;
        if (over || Ui::Get().OpenScreens().empty()) {
            if (result.games >= o_.games) return false;
            StartGame();
        }
        line = Choose();
        ++result.actions;
        result.lastLine = line;
        if (o_.verbose) std::cerr << result.actions << ": " << line << "\n";
        return true;
    }

    void StartGame() {
        // Leave whatever is open and load the title screen afresh, as a new run of the game.
        Ui::Get().CloseAll();
        Ui::Get().Idle();
        ++result.games;
        inGame_ = 0;
        ResetInvariants();
        OpenTitleScreen();
        pendingNewGame_ = Pick(s_, 4) != 0;  // mostly a scripted set-up, sometimes random clicks
        jumpStart_ = o_.jumpStarts && Pick(s_, 2) == 0;  // half the games start late
        jump_.clear();
    }

    std::string NewGameLine() {
        int players = 2 + Pick(s_, 3);
        int per = 8 - players;
        std::vector<int> classes(16);
        for (int i = 0; i < 16; ++i) classes[i] = i + 1;
        for (int i = 15; i > 0; --i) std::swap(classes[i], classes[Pick(s_, i + 1)]);
        std::string line = "newgame";
        int next = 0;
        for (int p = 0; p < players; ++p) {
            line += " " + Quote(HostileName(s_));
            std::string list;
            for (int k = 0; k < per; ++k) list += (k ? "," : "") + std::to_string(classes[next++]);
            line += " " + list;
        }
        return line;
    }

    // The board's game menu can leave the game or load another: random play keeps its game
    // (as it never quits from the title).
    static bool EndsTheGame(const Control& entry) {
        return entry.name == "MNU_JeuQuitter" || entry.name == "MNU_JeuReprendre";
    }

    // A menu entry the player can reach through the menu bar: it and every menu above it are
    // shown and enabled, and none of them is a pop-up menu (those open only from their handlers).
    static bool Reachable(Screen& screen, Control& entry) {
        if (entry.separator || entry.parent.empty()) return false;
        for (Control* c = &entry; c; c = c->parent.empty() ? nullptr : screen.Find(c->parent))
            if (!c->visible || !c->enabled || c->popupMenu) return false;
        return true;
    }

    // What a player does most on the board: walk, fight what was met, end the turn.
    std::string BoardPlay() {
        int roll = Pick(s_, 100);
        static const char* const kArrows[] = {"Up", "Down", "Left", "Right"};
        if (roll < 50) return std::string("press frmJeu.") + kArrows[Pick(s_, 4)];
        if (roll < 65) return "click frmJeu.EndTurn";
        if (roll < 75) return "click frmJeu.BattleNow";
        if (roll < 80) return "click frmJeu.Capacity";
        if (roll < 85) return "click frmJeu.Magic";
        // The map, one or two cells from the current character (or anywhere).
        const int c = gd.CurrentCharacter;
        int dx = Pick(s_, 5) - 2, dy = Pick(s_, 5) - 2;
        int column = roll < 95 ? gd.PosX[c] + dx : 1 + Pick(s_, 20), row = roll < 95 ? gd.PosY[c] + dy : 1 + Pick(s_, 15);
        column = std::clamp(column, 1, 20);
        row = std::clamp(row, 1, 15);
        return "click frmJeu.Image1 " + std::to_string((column - 1) * 32 + Pick(s_, 32)) + " " +
               std::to_string((row - 1) * 32 + Pick(s_, 32));
    }

    // A fight: the four actions (flight seldom), and pauses as long as the fight's own.
    std::string FightPlay() {
        static const int kRows[] = {0, 0, 1, 1, 1, 2, 2, 3};
        static const int kWaits[] = {50, 150, 300, 450, 2000, 2200};
        if (Pick(s_, 3) == 0) return "wait " + std::to_string(kWaits[Pick(s_, 6)]);
        return "click ChCmb.StepPix(" + std::to_string(kRows[Pick(s_, 8)]) + ")";
    }

    std::string Choose() {
        Screen* top = Ui::Get().Top();
        if (pendingNewGame_ && top && top->Name() == "frmBegin") {
            pendingNewGame_ = false;
            return NewGameLine();
        }
        if (Screen* popup = d_.popupScreen()) {
            std::vector<std::string> entries;
            for (Control& c : popup->Controls())
                if (c.kind == Kind::Menu && c.parent == d_.popupMenu() && c.visible && !c.separator && !EndsTheGame(c))
                    entries.push_back(c.Key());
            // Timers go on running while a pop-up menu waits for its choice.
            if (Pick(s_, 5) == 0) return Pick(s_, 2) ? "wait 150" : "wait 500";
            if (entries.empty() || Pick(s_, 8) == 0) return "close";
            return "menu " + entries[Pick(s_, static_cast<int>(entries.size()))];
        }
        if (!top) return "screen";
        if (top->Name() != "frmJeu") jump_.clear();
        if (top->Name() == "frmJeu" && jumpStart_) {
            jumpStart_ = false;
            std::vector<std::string> lines = JumpStart([this](int n) { return Pick(s_, n); });
            jump_.assign(lines.begin(), lines.end());
        }
        if (!jump_.empty()) {
            std::string next = jump_.front();
            jump_.pop_front();
            return next;
        }
        if (top->Name() == "frmJeu" && Pick(s_, 2) == 0) return BoardPlay();
        if (top->Name() == "ChCmb" && Pick(s_, 2) == 0) return FightPlay();
        int roll = Pick(s_, 100);
        if (roll < 12) {
            static const int kWaits[] = {100, 150, 200, 250, 1000, 2000, 2200, 2500, 8000};
            return "wait " + std::to_string(kWaits[Pick(s_, 9)]);
        }
        if (roll < 13 && top->Name() != "frmJeu") return "close";
        if (roll < 15) return "rnd " + std::to_string(Pick(s_, 1000) / 1000.0);
        if (roll < 18) {
            static const char* const kKeys[] = {"Return", "Esc", "Up", "Down", "Left", "Right", "1", "2", "3",
                                                "4", "5", "6", "C", "M", "F", "PgUp", "PgDown", "Ctrl+Return",
                                                "F1", "A", "Z", "Space", "Tab", "Ctrl+M"};
            return "press " + top->Name() + "." + kKeys[Pick(s_, sizeof kKeys / sizeof *kKeys)];
        }
        std::vector<Control*> usable, menus;
        for (Control& c : top->Controls()) {
            if (c.kind == Kind::Timer || c.kind == Kind::Line) continue;
            if (c.kind == Kind::Menu) {
                if (Reachable(*top, c)) menus.push_back(&c);
                continue;
            }
            if (top->Usable(c)) usable.push_back(&c);
        }
        const std::string prefix = top->Name() + ".";
        if (roll < 22 && !menus.empty()) {
            Control* m = menus[Pick(s_, static_cast<int>(menus.size()))];
            // Quitting would end the run: the title's Quit is left out.
            if (m->name != "MNU_Quit") return "menu " + prefix + m->Key();
        }
        if (roll < 27) return "click " + prefix + "Form " + std::to_string(Pick(s_, top->width)) + " " +
                              std::to_string(Pick(s_, top->height));
        if (usable.empty()) return "wait 250";
        Control* c = usable[Pick(s_, static_cast<int>(usable.size()))];
        std::string key = prefix + c->Key();
        switch (c->kind) {
            case Kind::ListBox:
                if (c->items.empty()) return "click " + key;
                return std::string(Pick(s_, 4) ? "select " : "dblselect ") + key + " " +
                       std::to_string(Pick(s_, static_cast<int>(c->items.size()) + 1));
            case Kind::TextBox:
                return Pick(s_, 3) ? "key " + key + " " + Quote(HostileName(s_)) : "enter " + key;
            case Kind::TabStrip:
                return "tab " + key + " " + std::to_string(Pick(s_, static_cast<int>(c->tabs.size()) + 1));
            default: {
                int x = Pick(s_, std::max(1, c->width)), y = Pick(s_, std::max(1, c->height));
                int button = Pick(s_, 6) == 0 ? 2 : 1;
                int shift = Pick(s_, 10) == 0 ? Pick(s_, 8) : 0;
                if (Pick(s_, 12) == 0) return "dblclick " + key;
                return "click " + key + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                       std::to_string(button) + " " + std::to_string(shift);
            }
        }
    }

    const RandomPlayOptions& o_;
    Driver& d_;
    Watchdog& w_;
    uint64_t s_;
    long long inGame_ = 0;
    int unwinding_ = 0;
    bool pendingNewGame_ = false;
    bool jumpStart_ = false;
    std::deque<std::string> jump_;   // the rest of a jump-start's lines
    bool timing_ = false;  // a line is out and its time is running
    std::string handedLine_;
    std::chrono::steady_clock::time_point handedOut_;
    float slowest_ = 0;
};

}  // namespace

std::string HostileName(uint64_t& s) {
    static const char* const kPieces[] = {
        "a", "Zoé", "Ærøskøbing", "😀", "👨‍👩‍👧", "مرحبا", "שלום", "\u202Eevil", "\x01\x02", "\t", "007", " ",
        "  lead", "trail  ", "龍", "Ω", "é", "-*GODMODE*", "\"", "\\", "\xff\xfe", "Heinrich von Eldrick",
    };
    int kind = Pick(s, 10);
    if (kind == 0) return "";
    int pieces = kind == 1 ? 60 + Pick(s, 240) : 1 + Pick(s, 6);
    std::string name;
    for (int i = 0; i < pieces && name.size() < 1200; ++i) name += kPieces[Pick(s, sizeof kPieces / sizeof *kPieces)];
    return name;
}

RandomPlayResult RunRandomPlay(const RandomPlayOptions& o) {
    StartRun(o.seed);
    std::istringstream none;
    std::ostringstream out, err;
    RandomPlayResult result;
    {
        Watchdog watchdog(o.seed, o.watchdogSeconds);
        Driver driver(none, out, err);
        Player player(o, driver, watchdog);
        driver.SetLineSource([&player](std::string& line) { return player.NextLine(line); });
        int status = driver.Continue();
        result = player.result;
        if (status != 0 && result.failure.empty()) result.failure = "the driver stopped: " + err.str();
    }
    return result;
}
