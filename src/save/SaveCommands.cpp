// Saving from the board, loading from the title, and the question when the board closes.
#include "save/SaveCommands.h"
#include "ui/Navigation.h"

#include <filesystem>
#include <system_error>

#include "rules/BoardInformation.h"
#include "save/AtomicFile.h"
#include "save/SaveName.h"
#include "save/SaveQuestion.h"
#include "save/SaveTexts.h"
#include "save/SavedGame.h"
#include "state/CombatModes.h"
#include "state/GlobalDecl.h"
#include "state/Journal.h"
#include "ui/InputLog.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace fs = std::filesystem;

namespace {

// The game as it was last saved or loaded: closing the board asks nothing while it is unchanged.
std::string& LastSaved() {
    static std::string text;
    return text;
}

// One command at a time: a key pressed again while a command's own dialog is up does nothing.
bool& Busy() {
    static bool busy = false;
    return busy;
}

struct Guard {
    Guard() { Busy() = true; }
    ~Guard() { Busy() = false; }
};

SaveReplay& Replay() {
    static SaveReplay replay;
    return replay;
}

// The saved game's text on one line: its line breaks only separate the values of the JSON.
std::string OneLine(std::string text) {
    for (char& ch : text)
        if (ch == '\n' || ch == '\r') ch = ' ';
    return text;
}

// Why the game cannot be saved now; empty when it can.
std::string WhyNotNow() {
    Screen* board = Board();
    if (!board) return Say(SaveText::NoGame);
    if (CombatOpen() || !board->visible) {
        const int mode = gd.CombatMode;
        const bool shop = mode == combat_mode::kMarket || mode == combat_mode::kForge || mode == combat_mode::kTournament;
        return Say(shop ? SaveText::DuringShop : SaveText::DuringFight);
    }
    if (Ui::Get().Top() != board || Ui::Get().ModalDepth() > 0) return Say(SaveText::WindowOpen);
    return "";
}

FileQuestion Question(FileQuestion::Kind kind, const std::string& title) {
    FileQuestion q;
    q.kind = kind;
    q.folder = Ui::Get().services().SavesFolder();
    q.title = title;
    q.filterName = Say(SaveText::FileKind);
    q.suffix = kSaveSuffix;
    q.language = gd.LanguageOffset == 2000 ? "en" : "fr";
    return q;
}

std::string WithSuffix(const std::string& name) {
    const std::string suffix = std::string(".") + kSaveSuffix;
    if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) return name;
    return name + suffix;
}

std::string FileName(const std::string& path) { return fs::path(path).filename().string(); }

// A game saved needs no click: a notice on the board says so, and the journal keeps it. A
// very long name is shortened in the notice (its start and its end), never in the journal.
void TellSaved(const std::string& name) {
    const std::string whole = Say(SaveText::Saved) + name;
    JournalMoment now;
    if (BoardMoment(now)) JournalNote(whole, now);
    // A name without blanks wraps as one word: kept within one line of the notice, the notice
    // keeps to its two lines.
    constexpr size_t kHead = 30, kTail = 20;
    std::string shown = name;
    if (name.size() > kHead + kTail + 4) {
        size_t head = kHead, tail = name.size() - kTail;
        while (head > 0 && (name[head] & 0xC0) == 0x80) --head;  // whole UTF-8 characters only
        while (tail < name.size() && (name[tail] & 0xC0) == 0x80) ++tail;
        shown = name.substr(0, head) + "\u2026" + name.substr(tail);
    }
    ShowFightNotice(Say(SaveText::Saved) + shown, FightNoticeTone::Other);
}

std::string ReadFault(ReadResult result) {
    switch (result) {
        case ReadResult::Missing: return Say(SaveText::Missing);
        case ReadResult::TooLarge: return Say(SaveText::TooLarge);
        default: return Say(SaveText::Unreadable);
    }
}

}  // namespace

namespace {

// The save itself; name is the file's name once it is written.
bool SaveNow(std::string& name) {
    Guard guard;
    const std::string refusal = WhyNotNow();
    if (!refusal.empty()) {
        Ui::Get().MessageBox(refusal);
        return false;
    }
    FileQuestion question = Question(FileQuestion::Save, Say(SaveText::SaveEntry));
    question.name = SuggestedSaveName();
    // The saves' folder is made only now that the player asks to save (the dialog opens there).
    std::error_code ec;
    if (!question.folder.empty()) fs::create_directories(question.folder, ec);
    const std::string answer = Ui::Get().services().AskFileName(question);
    if (answer.empty()) return false;
    const std::string path = WithSuffix(answer);
    if (fs::exists(path, ec)) {
        const int choice = AskPlayer(Say(SaveText::ReplaceQuestion) + FileName(path),
                                     {Say(SaveText::Replace), Say(SaveText::Keep)});
        if (choice != 0) return false;
    }
    // The file dialog and the question ran their own loops: the game must still stand between
    // two actions now that it is written (nothing may have opened meanwhile).
    const std::string lateRefusal = WhyNotNow();
    if (!lateRefusal.empty()) {
        Ui::Get().MessageBox(Say(SaveText::NotWritten) + lateRefusal);
        return false;
    }
    const std::string text = SaveFileText(CaptureGame());
    std::string why;
    // Only a file that loads is written: a state the checks do not take is reported, not saved.
    SavedGame check;
    int error = 0;
    if (!ReadSaveText(text, check, why)) {
        Ui::Get().MessageBox(Say(SaveText::NotWritten) + why);
        return false;
    }
    if (!WriteFileAtomically(path, text, error)) {
        Ui::Get().MessageBox(Say(SaveText::NotWritten) + SayWriteFault(error));
        return false;
    }
    name = FileName(path);
    MarkSaved(name);
    return true;
}

}  // namespace

void MarkSaved(const std::string& name) {
    TellSaved(name);
    // The journal now holds the notice too: it is part of the game as saved.
    LastSaved() = SaveFileText(CaptureGame());
}

bool RequestSave() {
    if (Busy()) return false;
    // The player's command itself when no input of his brought it (Ctrl+S, the driver's `save`).
    const input_log::Input input;
    if (input.Outermost() && !input.Write("save")) return false;
    std::string name;
    if (Replay().save) {
        if (!Replay().save(name)) return false;
        MarkSaved(name);
        return true;
    }
    bool saved = false;
    {
        // The file dialog and the questions are outside the game: the record keeps the outcome.
        const input_log::Quiet quiet;
        saved = SaveNow(name);
    }
    input_log::Note(saved ? "saved " + input_log::Word(name) : "notsaved");
    return saved;
}

namespace {

// The game in a file the player names; false (the fault told) when none was chosen or it does
// not load.
bool AskForFile(SavedGame& game) {
    // The menu entry's words, without the sign of its underlined letter, name the dialog.
    std::string dialogTitle = Say(SaveText::LoadEntry);
    std::erase(dialogTitle, '&');
    const std::string path = Ui::Get().services().AskFileName(Question(FileQuestion::Open, dialogTitle));
    if (path.empty()) return false;
    std::string text, why;
    const ReadResult read = ReadWholeFile(path, kLargestSave, text);
    if (read != ReadResult::Read) why = ReadFault(read);
    else ReadSaveText(text, game, why);
    if (!why.empty()) {
        Ui::Get().MessageBox(Say(SaveText::NotLoaded) + FileName(path) + Say(SaveText::Separator) + why);
        return false;
    }
    return true;
}

bool AskForGame(SavedGame& game) {
    if (Replay().load) {
        std::string text, why;
        return Replay().load(text) && ReadSaveText(text, game, why);
    }
    bool loaded = false;
    {
        const input_log::Quiet quiet;
        loaded = AskForFile(game);
    }
    input_log::Note(loaded ? "start save " + OneLine(SaveFileText(game)) : "notloaded");
    return loaded;
}

// Before the game on the board gives way: true when it is saved as it stands, or the player
// saves it now or lets it go; false when the player cancels (or the save asked for fails).
bool SavedOrLetGo(SaveText question, SaveText withoutSaving) {
    if (SaveFileText(CaptureGame()) == LastSaved()) return true;
    int choice = 0;
    {
        Guard guard;
        choice = AskPlayer(Say(question), {Say(SaveText::SaveAndLeave), Say(withoutSaving), Say(SaveText::Cancel)});
    }
    return choice != 2 && (choice != 0 || RequestSave());
}

void GoOnWith(SavedGame game) {
    const std::string loaded = SaveFileText(game);
    ResumeGame(std::move(game));
    LastSaved() = loaded;
}

}  // namespace

void RequestLoad() {
    if (Busy()) return;
    const input_log::Input input;
    if (input.Outermost() && !input.Write("load")) return;
    Guard guard;
    Screen* title = TitleScreen();
    if (!title || Ui::Get().Top() != title || Ui::Get().ModalDepth() > 0) {
        Ui::Get().MessageBox(Say(SaveText::LoadOnTitleOnly));
        return;
    }
    SavedGame game;
    if (!AskForGame(game)) return;
    // As for a new game: the title's music stops and the title closes.
    title->Music().Command("stop");
    title->Music().Command("close");
    Ui::Get().Close(*title);
    GoOnWith(std::move(game));
}

void RequestLoadOnBoard(Screen& board) {
    if (Busy()) return;
    // Between two actions only, as for saving: never over a fight, a shop or a dialog.
    const std::string refusal = WhyNotNow();
    if (!refusal.empty() && refusal != Say(SaveText::NoGame)) {
        Guard guard;
        Ui::Get().MessageBox(refusal);
        return;
    }
    if (!SavedOrLetGo(SaveText::LoadOverQuestion, SaveText::LoadWithoutSaving)) return;
    Guard guard;
    SavedGame game;
    if (!AskForGame(game) || !Ui::Get().IsOpen(&board)) return;
    Ui::Get().Close(board);
    GoOnWith(std::move(game));
}

void SetSaveReplay(SaveReplay replay) { Replay() = std::move(replay); }

bool UnchangedSinceSave() { return Board() && SaveFileText(CaptureGame()) == LastSaved(); }

std::string GameLine() { return OneLine(SaveFileText(CaptureGame())); }

void ResumeRecordedGame(SavedGame game, bool unchangedSinceSave) {
    const std::string text = SaveFileText(game);
    ResumeGame(std::move(game));
    if (unchangedSinceSave) LastSaved() = text;
}

void RequestLeaveBoard(Screen& board) {
    if (Busy()) return;
    if (!SavedOrLetGo(SaveText::LeaveQuestion, SaveText::LeaveWithoutSaving)) return;
    Ui::Get().Close(board);
}

void AddSaveEntry(Screen& board) {
    // A new board is a game not saved yet, whatever was saved or loaded before.
    LastSaved().clear();
    // Beside the three action buttons, where the fourth place is free; in the acting player's colour.
    Control& save = Place(board.Add(Kind::Image, "Sauvegarde"), 748, 323, 32, 32);
    save.picture = "bouton13.bmp";
    save.stretch = true;
    board.On("Sauvegarde_Click", [](const EventArgs&) { RequestSave(); });
    board.On("Form_QueryClose", [&board](const EventArgs&) { RequestLeaveBoard(board); });
    CaptionSaveEntries(board);
}

void AddLoadEntry(Screen& title) {
    Control& load = title.Add(Kind::Menu, "MNU_Load");
    load.parent = "MNU_File";
    title.On("MNU_Load_Click", [](const EventArgs&) { RequestLoad(); });
    CaptionSaveEntries(title);
}

void CaptionSaveEntries(Screen& screen) {
    if (Control* save = screen.Find("Sauvegarde")) save->tooltip = Say(SaveText::SaveEntry) + " (Ctrl+S)";
    if (Control* load = screen.Find("MNU_Load")) load->caption = Say(SaveText::LoadEntry);
}
