// The board's game menu: the program's commands (save, load, network play, language, full
// screen, sound, help, journal, leave) in one menu a newcomer can find, opened by the board's
// Menu button or by Esc. Each entry runs what its key runs and shows that key.
#include <memory>
#include <string>

#include "save/NetHost.h"
#include "save/SaveCommands.h"
#include "state/GlobalDecl.h"
#include "state/Messages.h"
#include "ui/GameRecord.h"
#include "ui/KeyBindings.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr const char* kMenu = "MNU_Jeu";
constexpr const char* kButton = "MenuJeu";
constexpr const char* kWord = "MenuJeuTexte";
constexpr Rgb kPlate{48, 32, 20};
constexpr Rgb kGold{200, 168, 88};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr int kLanguages = 5;

struct Entry {
    const char* name;
    const char* french;
    const char* english;
    const char* key;   // shown beside the entry; the program (or the entry's shortcut) takes it
};

// In the menu's order; an entry without a name is a separator, the languages stand where
// the entry named kLanguageEntry is and the entries of network play where kNetEntries is.
constexpr const char* kLanguageEntry = "MNU_JeuLangue";
constexpr const char* kNetEntries = "MNU_JeuReseau";
// The switch for the game's record, worded as on the title (ui/GameRecord.h).
constexpr const char* kRecordEntry = "MNU_JeuEnregistrer";
constexpr Entry kEntries[] = {
    {"MNU_JeuSauver", "&Sauvegarder la partie...", "&Save the game...", "Ctrl+S"},
    {"MNU_JeuReprendre", "&Reprendre une partie...", "&Load a game...", ""},
    {kRecordEntry, "", "", ""},
    {kNetEntries, "", "", ""},
    {nullptr, "", "", ""},
    {kLanguageEntry, "", "", ""},
    {nullptr, "", "", ""},
    {"MNU_JeuPleinEcran", "&Plein écran", "&Full screen", "F11"},
    {"MNU_JeuSon", "Tout le s&on", "All s&ound", "Ctrl+M"},
    {"MNU_JeuMusique", "&Musique", "&Music", "Ctrl+Shift+M"},
    {"MNU_JeuEffets", "&Bruitages", "Sound &effects", "Ctrl+Shift+E"},
    {nullptr, "", "", ""},
    {"MNU_JeuAide", "Règles du &jeu", "&Rules of the game", "F1"},
    {"MNU_JeuJournal", "Jour&nal de la partie", "Game &journal", "F2"},
    {nullptr, "", "", ""},
    {"MNU_JeuQuitter", "&Quitter la partie...", "&Quit the game...", ""},
};

bool IsLanguages(const Entry& e) { return e.name && std::string(e.name) == kLanguageEntry; }
bool IsNetEntries(const Entry& e) { return e.name && std::string(e.name) == kNetEntries; }

struct Switch {
    const char* name;
    ProgramKey action;
};
constexpr Switch kSwitches[] = {
    {"MNU_JeuPleinEcran", ProgramKey::FullScreen}, {"MNU_JeuSon", ProgramKey::MuteAll},
    {"MNU_JeuMusique", ProgramKey::MuteMusic},     {"MNU_JeuEffets", ProgramKey::MuteEffects},
};

bool English() { return gd.LanguageOffset == 2000; }

// The menu is up: a choice waits for it to close, and runs once the board is alone again.
struct MenuState {
    bool open = false;
    std::string chosen;
};

void ChooseLanguage(Screen& board, int n) {
    gd.LanguageOffset = n * 1000;
    RecaptionOpenBoard(board);
    CaptionGameMenu(board);
}

void RunEntry(Screen& board, const std::string& key) {
    std::string name;
    int index = -1;
    SplitKey(key, name, index);
    if (name == "MNU_JeuSauver") RequestSave();
    else if (name == "MNU_JeuReprendre") RequestLoadOnBoard(board);
    else if (name == kLanguageEntry) ChooseLanguage(board, index + 1);
    else if (name == "MNU_JeuAide") board.Run("MNU_AideRegles_Click", EventArgs{});
    else if (name == "MNU_JeuJournal") board.Run("MNU_AideJournal_Click", EventArgs{});
    else if (name == "MNU_JeuQuitter") RequestLeaveBoard(board);
    else if (name == kRecordEntry) SetRecordingSwitch(!RecordingSwitchOn());
    else if (RunBoardNetEntry(name)) return;
    for (const Switch& s : kSwitches)
        if (name == s.name) RunProgramAction(s.action, board);
}

// The marks of the switches and of the language, as they stand when the menu opens.
void MarkEntries(Screen& board) {
    for (const Switch& s : kSwitches) {
        const bool on = s.action == ProgramKey::FullScreen ? ProgramSwitchOn(s.action, board)
                                                           : !ProgramSwitchOn(s.action, board);
        board.C(s.name).checked = on;
    }
    Control& record = board.C(kRecordEntry);
    record.visible = RecordingSwitchShown();
    record.checked = RecordingSwitchOn();
    RefreshBoardNetEntries(board);
    for (int n = 1; n <= kLanguages; ++n)
        if (Control* lang = board.Find(std::string(kLanguageEntry) + "(" + std::to_string(n - 1) + ")"))
            lang->checked = gd.LanguageOffset == n * 1000;
}

void OpenMenu(Screen& board, MenuState& state) {
    MarkEntries(board);
    const Control& button = board.C(kButton);
    state.open = true;
    state.chosen.clear();
    Ui::Get().Popup(board, kMenu, button.left, button.top + button.height);
    state.open = false;
    const std::string chosen = std::move(state.chosen);
    state.chosen.clear();
    if (!chosen.empty() && !board.closed) RunEntry(board, chosen);
}

}  // namespace

void AddGameMenu(Screen& board) {
    // Bottom left, on the band under the map, left of the information line: a framed plate in
    // the panel's colours with its word on it (a plate, not a push button, so that the board's
    // pictures stay out of the keyboard's Tab walk, as on a screen without buttons).
    Control& button = Place(board.Add(Kind::PictureBox, kButton), 3, 500, 40, 22);
    button.opaque = true;
    button.back = kPlate;
    board.DrawBox(button, 0, 0, button.width - 1, button.height - 1, kGold, false);
    Control& word = Place(board.Add(Kind::Label, kWord), 0, 2, button.width, button.height - 4);
    word.parent = kButton;
    word.decoration = true;
    word.align = Align::Center;
    word.fore = kLightYellow;
    word.font = Font{"Arial", 9, true};
    Control& menu = board.Add(Kind::Menu, kMenu);
    menu.popupMenu = true;
    menu.caption = "Menu";
    auto state = std::make_shared<MenuState>();
    auto choose = [&board, state](const std::string& key) {
        // Chosen in the open menu: it runs once the menu is closed. Chosen by its key: at once.
        if (state->open) state->chosen = key;
        else RunEntry(board, key);
    };
    int separators = 0;
    for (const Entry& e : kEntries) {
        if (!e.name) {
            Control& line = board.Add(Kind::Menu, "MNU_JeuSep", separators++);
            line.parent = kMenu;
            line.separator = true;
        } else if (IsNetEntries(e)) {
            // Only where the program offers network play: a game without it keeps its menu.
            if (!BoardNetEntriesOffered()) continue;
            Control& line = board.Add(Kind::Menu, kNetSeparator);
            line.parent = kMenu;
            line.separator = true;
            for (const char* name : {kHostEntry, kAwayEntry, kNetEndEntry}) {
                Control& entry = board.Add(Kind::Menu, name);
                entry.parent = kMenu;
                entry.programOwn = true;
                board.On(std::string(name) + "_Click",
                         [choose, name = std::string(name)](const EventArgs&) { choose(name); });
            }
        } else if (IsLanguages(e)) {
            for (int n = 1; n <= kLanguages; ++n) {
                if (!LanguageAvailable(n)) continue;
                Control& lang = board.Add(Kind::Menu, kLanguageEntry, n - 1);
                lang.parent = kMenu;
                lang.caption = LanguageMenuName(n);
            }
        } else {
            Control& entry = board.Add(Kind::Menu, e.name);
            entry.parent = kMenu;
            entry.hotkey = e.key;
            board.On(std::string(e.name) + "_Click",
                     [choose, name = std::string(e.name)](const EventArgs&) { choose(name); });
        }
    }
    board.On(std::string(kLanguageEntry) + "_Click", [choose](const EventArgs& a) {
        choose(std::string(kLanguageEntry) + "(" + std::to_string(a.index) + ")");
    }, "I");
    board.On(std::string(kButton) + "_Click", [&board, state](const EventArgs&) {
        if (!state->open) OpenMenu(board, *state);
    });
    CaptionGameMenu(board);
}

void CaptionGameMenu(Screen& board) {
    const bool english = English();
    for (const Entry& e : kEntries)
        if (e.name && !IsLanguages(e) && !IsNetEntries(e)) board.C(e.name).caption = english ? e.english : e.french;
    Control& record = board.C(kRecordEntry);
    record.caption = RecordSwitchCaption();
    record.visible = RecordingSwitchShown();
    RefreshBoardNetEntries(board);
    board.C(kWord).caption = "Menu";
    board.C(kButton).purpose = english ? "Game menu: save, load, language, full screen, sound, help, journal, quit"
                             : "Menu du jeu : sauvegarder, reprendre, langue, plein écran, son, aide, journal, quitter";
}
