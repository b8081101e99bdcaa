#include "record/Recorder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "record/RecordFormat.h"
#include "save/SaveCommands.h"
#include "setup/FairePerso.h"
#include "state/GlobalDecl.h"
#include "state/Random.h"
#include "ui/InputLog.h"
#include "ui/Navigation.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace record {

namespace {

struct Writer {
    int fd = -1;
    Stream stream;               // the lines go to a listener too (or alone, with no file)
    std::function<void()> streamHandOver;  // the listener's own hand-over

    bool seedFixedHere = false;  // the record fixed the seed: it is let go with the record
    bool afterStart = false;     // the last line started a game (a load closes the board next)
};

Writer& W() {
    static Writer w;
    return w;
}

// The file alone is closed where it stands; with no stream beside it, the record stops.
void DropFile() {
    Writer& w = W();
    if (!w.stream) {
        StopRecording("");
        return;
    }
    if (w.fd >= 0) ::close(w.fd);
    w.fd = -1;
}

// One write(2) a line: a process killed loses at most the line being written.
void WriteFile(const std::string& text) {
    Writer& w = W();
    if (w.fd < 0) return;
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(w.fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // The disk is full or gone: the file stops where it is, the game (and a stream
            // beside it) goes on.
            DropFile();
            return;
        }
        done += static_cast<size_t>(n);
    }
}

// A line of the record: to the stream and to the file.
void Append(const std::string& text) {
    if (W().stream) {
        const Stream out = W().stream;
        out(text);
    }
    WriteFile(text);
}

void Line(const std::string& line) {
    W().afterStart = line.starts_with("start ");
    Append(line + "\n");
}

void Sync() {
    if (W().fd >= 0) ::fdatasync(W().fd);
}

// At each hand-over the file is made safe on disk, and a stream's listener told.
void HandOver() {
    Sync();
    if (W().stream && W().streamHandOver) {
        const std::function<void()> told = W().streamHandOver;
        told();
    }
}

// The game's end, known by its screens: the end screen opens, or the board closes (but for a
// game loaded in its place).
void Watch(const Screen& screen, bool opened) {
    if (opened && screen.Name() == "frmFini") StopRecording("won");
    else if (!opened && screen.Name() == "frmJeu" && !W().afterStart) StopRecording("left");
}

bool Open(const std::string& path, int flags, std::string& why) {
    if (W().fd >= 0) {
        why = "a record is already being written";
        return false;
    }
    const int fd = ::open(path.c_str(), flags | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    W().fd = fd;
    return true;
}

void Listen() {
    input_log::SetSink(Line);
    input_log::SetHandOverHook(HandOver);
    input_log::SetScreenHook(Watch);
}

}  // namespace

namespace {

// The first four lines for a record started here, the seed fixed for it; "" when no record can
// start here.
std::string Head(std::string& why) {
    Ui& ui = Ui::Get();
    Screen* top = ui.Top();
    const bool between = top && ui.ModalDepth() == 0;
    const bool atTitle = between && top == TitleScreen() && !Board();
    const bool onBoard = between && top == Board();
    if (!atTitle && !onBoard) {
        why = "a record starts on the title screen or on the board between two actions";
        return "";
    }
    uint64_t seed = 0;
    // A seed fixed already (the driver's, or a record's beside this one) is kept.
    if (!rnd::FixedSeed(seed)) {
        W().seedFixedHere = true;
        seed = rnd::ClockSeed();
    }
    // The game's next seeding takes this seed; a game under way keeps its dice as they stand.
    const rnd::Position dice = rnd::Where();
    rnd::FixSeed(seed);
    if (onBoard) rnd::Restore(dice);
    std::string head = std::string(kRecordMagic) + " " + std::to_string(kRecordVersion) + "\n";
    head += "seed " + std::to_string(seed) + "\n";
    head += std::string("lang ") + (gd.LanguageOffset == 2000 ? "en" : "fr") + "\n";
    if (atTitle) head += "start new\n";
    else head += std::string(UnchangedSinceSave() ? "start save " : "start game ") + GameLine() + "\n";
    return head;
}

bool Startable(std::string& why) {
    Ui& ui = Ui::Get();
    Screen* top = ui.Top();
    const bool between = top && ui.ModalDepth() == 0;
    if (between && ((top == TitleScreen() && !Board()) || top == Board())) return true;
    why = "a record starts on the title screen or on the board between two actions";
    return false;
}

}  // namespace

bool StartRecording(const std::string& path, std::string& why) {
    if (!Startable(why)) return false;
    if (!Open(path, O_CREAT | O_TRUNC, why)) return false;
    const std::string head = Head(why);
    WriteFile(head);  // a stream beside it started with its own head
    Sync();
    if (W().fd < 0) {
        why = path + ": cannot be written";
        return false;
    }
    Listen();
    return true;
}

bool StartStreaming(Stream out, std::function<void()> onHandOver, std::string& head, std::string& why) {
    Writer& w = W();
    if (w.stream) {
        why = "a record is already being streamed";
        return false;
    }
    if (!Startable(why)) return false;
    head = Head(why);
    w.stream = std::move(out);
    w.streamHandOver = std::move(onHandOver);
    Listen();
    return true;
}

void StopStreaming() {
    Writer& w = W();
    if (!w.stream) return;
    if (w.fd >= 0) {
        // The file goes on alone, the time so far written to both first.
        input_log::WriteWait();
        w.stream = nullptr;
        w.streamHandOver = nullptr;
        return;
    }
    StopRecording("");
}

std::string BoardHead() {
    Ui& ui = Ui::Get();
    if (!Board() || ui.Top() != Board() || ui.ModalDepth() != 0) return "";
    uint64_t seed = 0;
    if (!rnd::FixedSeed(seed)) return "";
    std::string head = std::string(kRecordMagic) + " " + std::to_string(kRecordVersion) + "\n";
    head += "seed " + std::to_string(seed) + "\n";
    head += std::string("lang ") + (gd.LanguageOffset == 2000 ? "en" : "fr") + "\n";
    return head + "start game " + GameLine() + "\n";
}

bool ContinueRecording(const std::string& path, long long validBytes, std::string& why) {
    if (!Open(path, 0, why)) return false;
    if (::ftruncate(W().fd, validBytes) != 0 || ::lseek(W().fd, 0, SEEK_END) < 0) {
        why = path + ": " + std::strerror(errno);
        ::close(W().fd);
        W().fd = -1;
        return false;
    }
    W().seedFixedHere = false;
    Listen();
    return true;
}

void StopRecording(const std::string& reason) {
    Writer& w = W();
    if (!Recording()) return;
    input_log::WriteWait();  // the time since the last input counts: timers fired in it
    if (!Recording()) return;  // the wait could not be written: already stopped
    input_log::SetSink(nullptr);
    input_log::SetHandOverHook(nullptr);
    input_log::SetScreenHook(nullptr);
    if (!reason.empty()) Append("end " + reason + "\n");
    // The stream and the file end together (a file whose end could not be written is closed
    // already).
    w.stream = nullptr;
    w.streamHandOver = nullptr;
    if (w.fd >= 0) {
        Sync();
        ::close(w.fd);
        w.fd = -1;
    }
    if (w.seedFixedHere) rnd::UnfixSeed();
    w.seedFixedHere = false;
}

bool Recording() { return W().fd >= 0 || W().stream != nullptr; }

void SetComputerParty(int player, int level) {
    if (player < 1 || player > kMaxPlayers || (level != 0 && !computer_level::Valid(level))) return;
    if (Screen* setup = Ui::Get().Find("FairePerso")) {
        if (level == 0) SetSetupComputer(*setup, player, false);
        else SetSetupComputerLevel(*setup, player, level);
    } else {
        gd.ComputerPlayer[player] = level != 0;
        if (level != 0) gd.ComputerLevel[player] = level;
    }
    input_log::Note("computer " + std::to_string(player) + " " + ComputerPartyWordOf(level));
}

const char* ComputerPartyWordOf(int level) {
    // The hard level is written "on", as it was before the computer had levels.
    static const char* const kWords[] = {"off", "easy", "normal", "on"};
    return level == 0 || computer_level::Valid(level) ? kWords[level] : "on";
}

int ComputerPartyWord(const std::string& word) {
    if (word == "off") return 0;
    if (word == "on" || word == "hard") return computer_level::kHard;
    if (word == "easy") return computer_level::kEasy;
    if (word == "normal") return computer_level::kNormal;
    return -1;
}

void MarkUnfaithful(const std::string& command) { input_log::Note("unfaithful " + input_log::Word(command)); }

}  // namespace record
