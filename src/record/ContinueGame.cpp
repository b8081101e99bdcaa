#include "record/ContinueGame.h"

#include <cstdlib>
#include <fstream>

#include "record/RecordReader.h"
#include "record/Recorder.h"
#include "record/Replayer.h"
#include "save/SaveCommands.h"
#include "save/SavedGame.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace record {

// "line 12: unknown command" → 12 and "unknown command"; a message without its line keeps 0.
void SplitFaultLine(const std::string& message, long long& line, std::string& why) {
    why = message;
    line = 0;
    const std::string head = "line ";
    if (message.rfind(head, 0) != 0) return;
    char* end = nullptr;
    line = std::strtoll(message.c_str() + head.size(), &end, 10);
    why = end;
    if (why.rfind(": ", 0) == 0) why.erase(0, 2);
    else if (why.rfind(" ", 0) == 0) why.erase(0, 1);
}

namespace {

void SplitFault(const std::string& message, long long& line, std::string& why) { SplitFaultLine(message, line, why); }

ContinueResult Refused(const std::string& message) {
    ContinueResult r;
    r.kind = ContinueResult::Refused;
    SplitFault(message, r.faultLine, r.fault);
    if (r.faultLine == 0) r.faultLine = 1;
    return r;
}

}  // namespace

bool UsableRecordStart(const std::string& path, std::string& why) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        why = "line 1: the record cannot be read";
        return false;
    }
    RecordReader reader(file);
    RecordStart start;
    if (!reader.ReadStart(start)) {
        why = reader.Fault();
        return false;
    }
    if (start.from == RecordStart::From::Title) return true;
    SavedGame game;
    std::string fault;
    if (!ReadSaveText(start.game, game, fault)) {
        why = "line " + std::to_string(reader.LineNumber()) + ": the game it starts from is refused: " + fault;
        return false;
    }
    return true;
}

void ContinueRecord(const std::string& path, const ContinueHost& host,
                    const std::function<void(const ContinueResult&)>& told) {
    std::string why;
    if (!UsableRecordStart(path, why)) {
        told(Refused(why));
        return;
    }
    // As for a loaded game: the title's music stops and the title closes.
    if (Screen* title = TitleScreen()) {
        title->Music().Command("stop");
        title->Music().Command("close");
        Ui::Get().Close(*title);
    }
    std::ifstream file(path, std::ios::binary);
    Replayer replay(file);
    bool handedBack = false;
    // The replay is over (or stopped inside a dialog): the player takes the game from here.
    auto handBack = [&] {
        if (handedBack) return;
        handedBack = true;
        const ReplayResult r = replay.SoFar();
        // From here the player's saves and loads are his own, not the record's.
        SetSaveReplay(SaveReplay{});
        if (host.showAgain) host.showAgain();
        ContinueResult result;
        result.lastLine = r.lines;
        if (r.stop == ReplayResult::Stop::Fault || r.stop == ReplayResult::Stop::CutShort) {
            result.kind = ContinueResult::Partly;
            SplitFault(r.message, result.faultLine, result.fault);
            if (result.faultLine > 0) result.lastLine = result.faultLine - 1;
        } else {
            result.kind = ContinueResult::Resumed;
        }
        told(result);
        if (r.stop != ReplayResult::Stop::Ended) {
            std::string fault;
            ContinueRecording(path, r.validBytes, fault);
        }
    };
    // Without a host's own, the dialog goes to the host the screens have again.
    replay.SetDialogLeftOpen([&](Screen& dialog) {
        handBack();
        if (host.dialog) host.dialog(dialog);
        else if (Ui::Get().host()) Ui::Get().host()->RunModal(dialog);
    });
    replay.SetPopupLeftOpen([&](Screen& screen, const std::string& menu, int x, int y) {
        handBack();
        if (host.popup) host.popup(screen, menu, x, y);
        else if (Ui::Get().host()) Ui::Get().host()->RunPopup(screen, menu, x, y);
    });
    replay.Run();
    handBack();
}

RecordEngine CoreEngine(ContinueHost host) {
    RecordEngine e;
    e.start = [](const std::string& path, std::string& why) { return StartRecording(path, why); };
    e.stop = [](const std::string& reason) { StopRecording(reason); };
    e.recording = [] { return Recording(); };
    e.writeOn = [](const std::string& path, long long validBytes, std::string& why) {
        return ContinueRecording(path, validBytes, why);
    };
    e.resume = [host](const std::string& path, const std::function<void(const ContinueResult&)>& told) {
        ContinueRecord(path, host, told);
    };
    return e;
}

}  // namespace record
