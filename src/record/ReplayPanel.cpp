#include "record/ReplayPanel.h"

#include <algorithm>
#include <cstdio>

#include "state/GlobalDecl.h"
#include "ui/KeyBindings.h"

namespace record {

namespace {

bool English() { return gd.LanguageOffset == 2000; }

// A button's words and its tip, each with its key.
struct Words {
    const char* control;
    const char* french;
    const char* english;
    const char* frenchTip;
    const char* englishTip;
};

constexpr Words kButtons[] = {
    {"Step", "Un pas", "Step", "Un événement de plus, puis pause", "One more event, then pause"},
    {"Slower", "Ralentir", "Slower", "Moins vite", "Slower"},
    {"Faster", "Accélérer", "Faster", "Plus vite", "Faster"},
    {"TakeOver", "Prendre la main", "Take over",
     "Jouer la partie à partir d'ici (elle devient une partie normale)",
     "Play the game from here (it becomes a normal game)"},
    {"Stop", "Arrêter", "Stop", "Arrêter de regarder et revenir au titre", "Stop watching and go back to the title"},
};

// The key of a button in the player's language ("Espace", "→").
std::string KeyWords(const std::string& control) {
    const std::string key = BoundKey(kReplayPanel, control);
    struct Name {
        const char* key;
        const char* french;
        const char* english;
    };
    static const Name names[] = {{"Space", "Espace", "Space"}, {"Esc", "Échap", "Escape"}, {"Right", "→", "→"},
                                 {"Up", "↑", "↑"},             {"Down", "↓", "↓"}};
    for (const Name& n : names)
        if (key == n.key) return English() ? n.english : n.french;
    return key;
}

std::string WithKey(const std::string& tip, const std::string& control) {
    const std::string key = KeyWords(control);
    return key.empty() ? tip : tip + " (" + key + ")";
}

}  // namespace

std::string SpeedText(int speed) {
    if (speed < 0 || speed >= kSpeedCount) return "";
    const double s = kReplaySpeeds[speed];
    if (s == 0.25) return "×¼";
    if (s == 0.5) return "×½";
    char text[16];
    std::snprintf(text, sizeof text, "×%d", static_cast<int>(s));
    return text;
}

ReplayPanel::ReplayPanel(std::function<void()> wake) : Screen(kReplayPanel, 320, 136), wake_(std::move(wake)) {
    aside = true;
    Place(Add(Kind::Label, "Where"), 10, 8, 300, 18);
    Control& said = Place(Add(Kind::Label, "State"), 10, 28, 300, 36);
    said.wordWrap = true;
    Place(Add(Kind::Button, "Play"), 10, 70, 70, 26);
    Place(Add(Kind::Button, "Step"), 86, 70, 70, 26);
    Place(Add(Kind::Button, "Slower"), 162, 70, 70, 26);
    Place(Add(Kind::Button, "Faster"), 238, 70, 72, 26);
    Place(Add(Kind::Button, "TakeOver"), 10, 102, 146, 26);
    Place(Add(Kind::Button, "Stop"), 162, 102, 148, 26);
    On("Play_Click", [this](const EventArgs&) {
        Use([this] {
            state.paused = !state.paused;
            state.stepTo = -1;
        });
    });
    On("Step_Click", [this](const EventArgs&) {
        Use([this] {
            state.paused = true;
            state.stepTo = state.done + 1;
        });
    });
    On("Slower_Click", [this](const EventArgs&) { Use([this] { state.speed = std::max(0, state.speed - 1); }); });
    On("Faster_Click", [this](const EventArgs&) {
        Use([this] { state.speed = std::min(kSpeedCount - 1, state.speed + 1); });
    });
    On("TakeOver_Click", [this](const EventArgs&) { Use([this] { state.ask = WatchState::Ask::TakeOver; }); });
    On("Stop_Click", [this](const EventArgs&) { Use([this] { state.ask = WatchState::Ask::Stop; }); });
    // The close box stops watching, as Stop does.
    On("Form_QueryClose", [this](const EventArgs&) { Use([this] { state.ask = WatchState::Ask::Stop; }); });
    Refresh();
}

void ReplayPanel::Use(const std::function<void()>& change) {
    if (state.ask != WatchState::Ask::Nothing) return;  // already going
    change();
    Refresh();
    if (wake_) wake_();
}

void ReplayPanel::Refresh() {
    const bool en = English();
    caption = en ? "Watching a replay" : "Partie enregistrée";
    const std::string done = std::to_string(state.done), total = std::to_string(state.total);
    C("Where").caption = en ? "Event " + done + " of " + total : "Événement " + done + " sur " + total;
    std::string said;
    if (state.over) said = en ? state.endEnglish : state.endFrench;
    else if (state.paused) said = (en ? "Paused, speed " : "En pause, vitesse ") + SpeedText(state.speed);
    else said = (en ? "Playing, speed " : "Lecture, vitesse ") + SpeedText(state.speed);
    C("State").caption = said;
    Control& play = C("Play");
    play.caption = state.paused || state.over ? (en ? "Play" : "Lire") : "Pause";
    play.tooltip = WithKey(en ? "Play or pause the replay" : "Lire ou mettre en pause", "Play");
    for (const Words& w : kButtons) {
        Control& c = C(w.control);
        c.caption = en ? w.english : w.french;
        c.tooltip = WithKey(en ? w.englishTip : w.frenchTip, w.control);
    }
    play.enabled = !state.over;
    C("Step").enabled = !state.over;
    C("Slower").enabled = !state.over && state.speed > 0;
    C("Faster").enabled = !state.over && state.speed < kSpeedCount - 1;
    C("TakeOver").enabled = !state.gameOver;
}

}  // namespace record
