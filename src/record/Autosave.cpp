#include "record/Autosave.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "record/RecordFolder.h"
#include "record/RecordSwitch.h"
#include "record/Replayer.h"
#include "state/GlobalDecl.h"
#include "ui/GameRecord.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace fs = std::filesystem;

namespace record {

namespace {

struct Autosave {
    AutosaveSetup setup;
    std::string folder;      // the records' folder
    std::string settings;    // the switch's file
    bool on = true;          // the switch, read once at start
    std::string writing;     // the record this autosave writes
    bool replaying = false;  // a Continue runs: the games it opens are not new games
};

Autosave& State() {
    static Autosave state;
    return state;
}

bool English() { return gd.LanguageOffset == 2000; }

bool Writing() {
    Autosave& a = State();
    if (a.writing.empty()) return false;
    if (a.setup.engine.recording && !a.setup.engine.recording()) a.writing.clear();  // the core stopped it
    return !a.writing.empty();
}

void StartRecord() {
    Autosave& a = State();
    // A replayed game (Continue, a replay watched or the driver's) is no new game.
    if (!a.on || a.replaying || ReplayRunning() || a.folder.empty() || !a.setup.engine.start) return;
    if (Writing() || (a.setup.engine.recording && a.setup.engine.recording())) return;
    std::error_code ec;
    fs::create_directories(a.folder, ec);
    const std::string path = NewRecordPath(a.folder, a.setup.clock());
    if (path.empty()) return;
    std::string why;
    // A record that cannot be written takes nothing from the game: it goes on unrecorded.
    if (!a.setup.engine.start(path, why)) return;
    a.writing = path;
    PruneRecords(a.folder, kRecordsKept, path);
}

void EndRecord(const std::string& reason) {
    Autosave& a = State();
    if (a.replaying || !Writing()) return;
    a.writing.clear();
    if (a.setup.engine.stop) a.setup.engine.stop(reason);
}

// The board open with nothing over it: a record can start from the game as it stands.
bool BoardBetweenActions() {
    Screen* board = Board();
    return board && Ui::Get().Top() == board && board->visible && Ui::Get().ModalDepth() == 0;
}

void SetSwitch(bool on) {
    Autosave& a = State();
    if (a.on == on) return;
    a.on = on;
    int error = 0;
    WriteRecordingSwitch(a.settings, on, error);  // unwritten, it holds for this run
    if (!on) EndRecord("left");
    else if (BoardBetweenActions()) StartRecord();
}

void Continue() {
    Autosave& a = State();
    if (!a.on || !a.setup.engine.resume || Writing()) return;
    const std::string path = LastUnfinishedRecord(a.folder);
    if (path.empty()) return;
    a.replaying = true;
    bool told = false;
    a.setup.engine.resume(path, [&a, &told, &path](const ContinueResult& result) {
        if (told) return;
        told = true;
        a.replaying = false;
        // The core writes on at the record's end once the player is told (the message box's
        // own OK is no input of the game's).
        if (result.kind != ContinueResult::Refused) a.writing = path;
        const std::string message = ContinueMessage(result);
        if (!message.empty()) Ui::Get().MessageBox(message);
    });
    a.replaying = false;
}

}  // namespace

void InstallAutosave(AutosaveSetup setup) {
    Autosave& a = State();
    a = Autosave{};
    a.folder = RecordsFolder(setup.savesFolder);
    a.settings = SettingsPath(setup.savesFolder);
    a.on = ReadRecordingSwitch(a.settings);
    const bool keeps = !a.folder.empty();
    a.setup = std::move(setup);
    GameRecordHooks hooks;
    if (keeps) {
        hooks.recordingOn = [] { return State().on; };
        hooks.setRecordingOn = SetSwitch;
        hooks.canContinue = [] {
            const Autosave& s = State();
            return s.on && !Writing() && !LastUnfinishedRecord(s.folder).empty();
        };
        hooks.continueLast = [] {
            if (State().setup.afterInput) State().setup.afterInput(Continue);
            else Continue();
        };
        hooks.gameStarted = StartRecord;
    }
    SetGameRecordHooks(std::move(hooks));
}

void RemoveAutosave() {
    SetGameRecordHooks({});
    State() = Autosave{};
}

namespace {

bool CopyStart(const std::string& from, const std::string& to, long long bytes) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    if (!in || !out) return false;
    char buffer[65536];
    while (bytes > 0 && in) {
        in.read(buffer, static_cast<std::streamsize>(std::min<long long>(bytes, sizeof buffer)));
        out.write(buffer, in.gcount());
        bytes -= in.gcount();
    }
    out.flush();
    return bytes == 0 && static_cast<bool>(out);
}

}  // namespace

std::string RecordTakenOverGame(const std::string& watched, long long validBytes) {
    Autosave& a = State();
    if (!a.on || a.folder.empty() || !a.setup.engine.writeOn || Writing()) return "";
    if (a.setup.engine.recording && a.setup.engine.recording()) return "";
    std::error_code ec;
    fs::create_directories(a.folder, ec);
    const std::string path = NewRecordPath(a.folder, a.setup.clock());
    if (path.empty()) return "";
    std::string why;
    if (!CopyStart(watched, path, validBytes) || !a.setup.engine.writeOn(path, validBytes, why)) {
        fs::remove(path, ec);
        return "";
    }
    a.writing = path;
    PruneRecords(a.folder, kRecordsKept, path);
    return path;
}

std::string AutosavedRecord() { return Writing() ? State().writing : ""; }

std::string ContinueMessage(const ContinueResult& r) {
    const std::string line = std::to_string(r.faultLine), last = std::to_string(r.lastLine);
    switch (r.kind) {
        case ContinueResult::Resumed: return "";
        case ContinueResult::Partly:
            return English() ? "The record of the last game is cut or damaged at line " + line + " (" + r.fault +
                                   "): the game goes on from line " + last + ", its last whole event."
                             : "L'enregistrement de la dernière partie est coupé ou abîmé à la ligne " + line + " (" +
                                   r.fault + ") : la partie reprend à la ligne " + last +
                                   ", son dernier événement entier.";
        case ContinueResult::Refused:
            return English() ? "The last game cannot be continued: line " + line + ", " + r.fault + "."
                             : "La dernière partie ne peut pas reprendre : ligne " + line + ", " + r.fault + ".";
    }
    return "";
}

}  // namespace record
