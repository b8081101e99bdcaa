#pragma once
// The records of the games played in the window, kept as the games go: a record starts when the
// board opens on a game (after set-up, or a loaded game) and ends with it (the end screen, the
// board left), in the saves' folder's "records" folder (see RecordFolder.h), unless the player
// turned the switch off (RecordSwitch.h). The title's "Continue the last game" replays the
// newest unfinished record and the game goes on from where it stood, its record with it.
//
// The record's own writing and replaying is the record's core; the autosave asks it through
// RecordEngine, so that what the autosave decides (when a record starts and ends, which one is
// continued, what the player is told) is the same in the window, the driver and the tests.
#include <ctime>
#include <functional>
#include <string>

namespace record {

// How far a Continue went.
struct ContinueResult {
    enum Kind {
        Resumed,   // to the record's end
        Partly,    // up to its last whole event: the lines after it are cut or damaged
        Refused,   // nothing could be replayed: the game on the screen is as it was
    } kind = Refused;
    long long lastLine = 0;    // the last line applied
    long long faultLine = 0;   // the line at fault (Partly, Refused)
    std::string fault;         // why, in the player's language when the core words it
};

// What the record's core does for the autosave.
struct RecordEngine {
    // Starts writing a new record of the game just opened on the board.
    std::function<bool(const std::string& path, std::string& why)> start;
    // Writes `end REASON` and closes the record.
    std::function<void(const std::string& reason)> stop;
    // Is a record being written?
    std::function<bool()> recording;
    // Goes on writing the record at `path` after its first `validBytes` (a game taken over).
    std::function<bool(const std::string& path, long long validBytes, std::string& why)> writeOn;
    // From the title: replays the record with no window painted, then writes on at its end
    // (after its last whole event). `told` gets how far it went once the replay is over and the
    // windows show the game again, before a dialog left open in the record is handed back to
    // the player (whose answer may take a while).
    std::function<void(const std::string& path, const std::function<void(const ContinueResult&)>& told)> resume;
};

struct AutosaveSetup {
    std::string savesFolder;   // "" for none: nothing is kept, the entries are not shown
    RecordEngine engine;
    std::function<std::time_t()> clock = [] { return std::time(nullptr); };
    // Runs Continue once the title's menu or key has been handled (the window: from its event
    // loop, so that the game taken up is nobody's input in progress and a computer party's
    // dialog left open is answered by the computer). Empty: at once, inside the handler.
    std::function<void(std::function<void()>)> afterInput;
};

// Sets the game's record hooks (ui/GameRecord.h) to keep records as set up here.
void InstallAutosave(AutosaveSetup setup);
// Clears them: nothing is kept any more.
void RemoveAutosave();

// A watched record's game taken over by the player: when records are kept, a new record in the
// records' folder holds the watched record's first `validBytes` and goes on with the game from
// there (the watched file is only read). Its path, "" when none is written.
std::string RecordTakenOverGame(const std::string& watched, long long validBytes);

// The record being written by the autosave ("" when none).
std::string AutosavedRecord();

// The player's message after a Continue ("" when there is nothing to say), in the current
// language.
std::string ContinueMessage(const ContinueResult& result);

}  // namespace record
