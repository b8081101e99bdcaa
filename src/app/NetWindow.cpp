#include "app/NetWindow.h"

#include <QRandomGenerator>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "board/HandOver.h"
#include "net/Gate.h"
#include "net/Seats.h"
#include "net/Turns.h"
#include "record/Recorder.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "ui/CommandLine.h"
#include "ui/InputCommand.h"
#include "ui/InputLog.h"
#include "ui/Navigation.h"
#include "ui/PlayerInput.h"
#include "ui/Screen.h"
#include "ui/Ui.h"
#include "view/InputHook.h"
#include "view/QtHost.h"
#include "wire/HostSession.h"
#include "wire/JoinSession.h"

namespace {

bool English() { return gd.LanguageOffset == 2000; }

std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    return s;
}

// The name the set-up gave a party's player.
std::string PartyName(int player) {
    for (int c = 1; c <= 16; ++c)
        if (rec::Owner(c) == player) {
            const std::string name = Trimmed(rec::PlayerNameField(c));
            if (!name.empty()) return name;
        }
    return (English() ? "Player " : "Joueur ") + std::to_string(player);
}

// How a joined game ended, in the player's words (the session's own are the log's).
std::string EndedWords(const std::string& why, bool english) {
    auto after = [&why](const std::string& head) { return why.substr(head.size()); };
    if (why.starts_with("the host ended the game: "))
        return english ? "the host ended the game" : "l'hôte a mis fin à la partie";
    if (why == "this machine left the game") return english ? "you left the game" : "vous avez quitté la partie";
    if (why == "the connection to the host was lost")
        return english ? "the connection to the host was lost" : "la connexion à l'hôte est perdue";
    if (why.starts_with("cannot reach "))
        return english ? why : "l'hôte ne répond pas (" + after("cannot reach ") + ")";
    if (why.starts_with("refused by the host: "))
        return english ? why : "l'hôte a refusé : " + after("refused by the host: ");
    return why;
}

void Log(const std::string& text) {
    std::fprintf(stderr, "net: %s\n", text.c_str());
    std::fflush(stderr);
}

// The menu entry of a screen whose shortcut a key is.
std::string EntryOfKey(const std::string& screen, const std::string& key) {
    if (Screen* s = Ui::Get().Find(screen))
        for (const Control& c : s->Controls())
            if (c.kind == Kind::Menu && c.shortcut == key) return c.Key();
    return "";
}

}  // namespace

NetWindow::NetWindow(QtHost& host) : host_(host) {
    hostTimer_.setInterval(20);
    connect(&hostTimer_, &QTimer::timeout, this, [this] { HostTick(); });
    NetPlayHooks hooks;
    hooks.join = [this](const NetJoinAsk& ask) { Join(ask); };
    hooks.host = [this](const NetHostAsk& ask) { Host(ask); };
    hooks.newCode = [] {
        static const char kLetters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
        std::string code;
        for (int i = 0; i < 6; ++i) code.push_back(kLetters[QRandomGenerator::system()->bounded(32)]);
        return code;
    };
    hooks.hosting = [this] { return hosted_ && hosted_->Running(); };
    hooks.joined = [this] { return joined_ != nullptr; };
    hooks.stop = [this] {
        if (joined_) joined_->Leave();
        if (hosted_ && hosted_->Running()) QTimer::singleShot(0, this, [this] { StopHosting("the host stopped"); });
    };
    hooks.awayParty = [this] { return hosted_ && hosted_->Running() ? hosted_->AwayParty() : 0; };
    hooks.handToComputer = [this](int player) {
        if (!hosted_ || !hosted_->Running() || player < 1 || player > gd.PlayerCount) return;
        // Until its machine joins again: the session gives the party back then.
        QTimer::singleShot(0, this, [player] {
            Log("player " + std::to_string(player) + "'s party is handed to the computer until its machine comes back");
            record::SetComputerParty(player, gd.ComputerLevel[player] ? gd.ComputerLevel[player] : 3);
        });
    };
    SetNetPlayHooks(std::move(hooks));
    SetTitleNoteHook([this](const Screen& screen) {
        if (screen.Name() != "frmJeu" || (!joined_ && !(hosted_ && hosted_->Running()))) return std::string();
        const std::string who = WhoPlays(true);
        return who.empty() ? std::string() : " \u2014 " + who;
    });
}

NetWindow::~NetWindow() {
    SetTitleNoteHook(nullptr);
    SetNetPlayHooks(NetPlayHooks{});
    input_log::SetPlayerGate(nullptr);
    if (joined_) joined_->Leave();
    if (hosted_ && hosted_->Running()) hosted_->Stop("the host stopped");
}

void NetWindow::Say(const std::string& french, const std::string& english) {
    if (Board()) ShowComputerSaying(English() ? english : french);
}

std::string NetWindow::WhoPlays(bool forTitle) const {
    const int p = net::PartyToPlay();
    if (p < 1) return "";
    const std::string name = PartyName(p);
    net::Where where = net::Where::HereOnHost;
    std::string machine;
    if (gd.ComputerPlayer[p]) {
        where = net::Where::Computer;
    } else if (joined_) {
        const net::Seat& seat = joined_->seats().Of(p);
        machine = seat.name;
        where = seat.kind != net::Seat::Kind::Remote ? net::Where::OnHost
                : seat.name == joined_->name()        ? net::Where::ThisMachine
                                                      : net::Where::Machine;
    } else if (hosted_ && hosted_->seats().Remote(p)) {
        machine = hosted_->seats().Of(p).name;
        where = hosted_->SeatConnected(p) ? net::Where::Machine : net::Where::Away;
    }
    return net::WhoPlays(where, name, machine, English(), forTitle);
}

void NetWindow::SayWhoPlays() {
    const int c = Board() ? gd.CurrentCharacter : 0;
    if (c == saidFor_) return;
    saidFor_ = c;
    const std::string who = WhoPlays(false);
    if (!who.empty()) {
        Say(who, who);
        Log("turn: " + who);
    }
    if (::Host* h = Ui::Get().host()) h->Changed();  // the title bar
}

// ---- hosting -------------------------------------------------------------------------------

void NetWindow::Host(const NetHostAsk& ask) {
    std::vector<std::string> words;
    for (int p = 1; p <= gd.PlayerCount && p <= 4; ++p) {
        if (ask.seat[p] == NetSeat::Remote) words.push_back(input_log::Word(std::to_string(p) + "=" + PartyName(p)));
        if (ask.seat[p] == NetSeat::Computer && !gd.ComputerPlayer[p]) record::SetComputerParty(p, 3);
        if (ask.seat[p] != NetSeat::Computer && gd.ComputerPlayer[p]) record::SetComputerParty(p, 0);
    }
    // Once the dialog and the menu that opened it are gone: the board alone, between two actions.
    const int port = ask.port;
    const std::string code = ask.code;
    QTimer::singleShot(0, this, [this, port, code, words] {
        std::string why;
        std::ostringstream joined;
        for (const std::string& w : words) joined << w << ' ';
        if (!HostWith(port, code, joined.str(), why))
            Ui::Get().MessageBox(English() ? "The game cannot be hosted: " + why + "." : "La partie ne peut pas être hébergée : " + why + ".");
    });
}

bool NetWindow::HostWith(int port, const std::string& code, const std::string& seatText, std::string& why) {
    if (joined_ || (hosted_ && hosted_->Running())) {
        why = English() ? "a network game is already under way" : "une partie en réseau est déjà en cours";
        return false;
    }
    // Words as the driver's (a name with blanks in quotes).
    const CommandLine read = ReadCommandLine("host " + seatText);
    const std::vector<std::string> words(read.words.begin() + 1, read.words.end());
    net::Seats seats;
    if (!seats.Read(words, why)) return false;
    for (int p = 1; p <= gd.PlayerCount && p <= 4; ++p)
        if (seats.Of(p).kind == net::Seat::Kind::Computer && !gd.ComputerPlayer[p]) record::SetComputerParty(p, 3);
    auto session = std::make_unique<wire::HostSession>(Log);
    wire::HostSession::WindowHooks hooks;
    hooks.later = [this](std::function<void()> work) { QTimer::singleShot(0, this, std::move(work)); };
    hooks.popup = [this] { return PopupWait{host_.popupScreen(), host_.popupMenu()}; };
    hooks.closePopup = [this] { host_.ClosePopup(); };
    session->InWindow(std::move(hooks));
    if (!session->Start(port, code, seats, why)) return false;
    hosted_ = std::move(session);
    input_log::SetPlayerGate([this](const std::string& line) { return HostGate(line); });
    hostTimer_.start();
    // A pop-up that a remote player's input opened (the host's own player's opens his own).
    host_.SetPopupForOthers([this] { return hosted_ && hosted_->RemoteToPlay() && !PlayerWindowOpen(); });
    saidFor_ = -1;
    Log("hosting on port " + std::to_string(port) + " with the join code " + code + ", seats " + seats.Text(gd.PlayerCount));
    Say("Partie hébergée : port " + std::to_string(port) + ", code " + code + ".",
        "Game hosted: port " + std::to_string(port) + ", code " + code + ".");
    if (::Host* h = Ui::Get().host()) h->Changed();
    return true;
}

void NetWindow::HostTick() {
    if (!hosted_) return;
    // The time the game's timers ran with no input (a fight going on by itself) reaches the
    // machines that follow, a quarter of a second at a time.
    input_log::WriteWaitIfOver(250);
    hosted_->Pump();
    if (!hosted_->Running()) {
        StopHosting("");
        return;
    }
    SayWhoPlays();
    const int away = hosted_->AwayParty();
    if (away != awayParty_) {
        awayParty_ = away;
        saidFor_ = -1;  // said again: the machine left or came back
    }
}

void NetWindow::StopHosting(const std::string& why) {
    hostTimer_.stop();
    input_log::SetPlayerGate(nullptr);
    host_.SetPopupForOthers(nullptr);
    if (hosted_ && hosted_->Running()) hosted_->Stop(why.empty() ? "the host stopped" : why);
    Log("hosting ended");
    Say("La partie n'est plus hébergée : elle se joue sur cette machine.", "The game is no longer hosted: it is played on this machine.");
    if (::Host* h = Ui::Get().host()) h->Changed();
}

bool NetWindow::HostGate(const std::string& line) {
    if (!hosted_ || !hosted_->RemoteToPlay() || !net::OutOfReach(line).empty()) return true;
    if (ReadCommandLine(line).Command() == "move") return false;
    Say(WhoPlays(false), WhoPlays(false));
    return false;
}

// ---- joining -------------------------------------------------------------------------------

void NetWindow::Join(const NetJoinAsk& ask) {
    // Once the dialog and the title's menu are gone, from the event loop.
    QTimer::singleShot(0, this, [this, ask] { RunJoin(ask); });
}

void NetWindow::RunJoin(NetJoinAsk ask) {
    if (joined_ || (hosted_ && hosted_->Running())) return;
    inputs_.clear();
    wire::JoinSession session(
        [this](std::string& line) {
            if (inputs_.empty()) return wire::InputNext::NotYet;
            line = std::move(inputs_.front());
            inputs_.pop_front();
            return wire::InputNext::Line;
        },
        [this](const std::string& text) {
            Log(text);
            // The host refused the player's choice in a pop-up still up: it takes one again
            // (not for a key refused while that pop-up waited, nor for a menu already gone).
            if (text.starts_with("refused: ") && !text.starts_with("refused: a pop-up menu waits") &&
                !text.starts_with("refused: the pop-up menu is gone"))
                host_.TakeWatchedChoiceAgain();
        });
    session.InWindow();
    joined_ = &session;
    saidFor_ = -1;
    host_.Follow(true);
    input_log::SetPlayerGate([this](const std::string& line) { return JoinGate(line); });
    QTimer sayer;
    connect(&sayer, &QTimer::timeout, this, [this] { SayWhoPlays(); });
    sayer.start(100);
    Log("joining " + ask.address + ":" + std::to_string(ask.port) + " as " + ask.name);
    const wire::JoinResult r = session.Run(ask.address, ask.port, ask.code, ask.name);
    sayer.stop();
    input_log::SetPlayerGate(nullptr);
    joined_ = nullptr;
    inputs_.clear();
    Log("the network game ended here: " + r.why + "; " + std::to_string(r.agreed) + " hand-overs agreed, " +
        std::to_string(r.differed) + " differed, " + std::to_string(r.resyncs) + " resyncs");
    host_.Follow(false);
    // Back to the title, which says how the game ended.
    if (!Ui::Get().Find("frmBegin")) {
        Ui::Get().CloseGameScreens();
        Ui::Get().Idle();
        OpenTitleScreen();
    }
    const std::string text = r.joined ? (English() ? "The network game is over here: " : "La partie en réseau s'arrête ici : ")
                                      : (English() ? "The game could not be joined: " : "La partie n'a pas pu être rejointe : ");
    Ui::Get().MessageBox(text + EndedWords(r.why, English()) + ".");
}

bool NetWindow::JoinGate(const std::string& text) {
    const CommandLine line = ReadCommandLine(text);
    if (line.Command() == "move") return false;  // the pointer's moves stay with the host's game
    if (!joined_) return true;
    // The board's close box leaves the network game (the host's game goes on without this machine).
    if (line.Command() == "close" && line.words.size() == 2 && line.words[1] == "frmJeu") {
        joined_->Leave();
        return false;
    }
    if (net::StaysOnJoinedMachine(text, EntryOfKey)) {
        // Run here with the window as the screens' host: what it opens (the help, the journal,
        // the game's menu) is this machine's own, not a dialog of the host's events.
        ::Host* replay = Ui::Get().host();
        Ui::Get().SetHost(&host_);
        PopupWait none;
        std::string fault;
        ApplyInput(line, none, InputCheck::Script, fault);
        Ui::Get().SetHost(replay);
        return false;
    }
    if (!net::OutOfReach(text).empty()) {
        Say("Dans une partie en réseau, cela se fait sur la machine hôte.", "In a network game, that is done on the host's machine.");
        return false;
    }
    if (!joined_->Live()) {
        Say("La partie se met à jour : un instant.", "The game is catching up: a moment.");
        return false;
    }
    if (!joined_->OurTurn()) {
        const std::string who = WhoPlays(false);
        Say(who, who);
        return false;
    }
    inputs_.push_back(text);
    return false;
}

// ---- for runs without a person at the menus --------------------------------------------------

void NetWindow::StartFromEnvironment() {
    if (const char* join = std::getenv("QUELMOR_NET_JOIN")) {
        const CommandLine w = ReadCommandLine(std::string("join ") + join);
        NetJoinAsk ask;
        if (w.words.size() == 5 && w.Number(2, ask.port)) {
            ask.address = w.words[1];
            ask.code = w.words[3];
            ask.name = w.words[4];
            Join(ask);
        }
    }
    if (const char* hostWords = std::getenv("QUELMOR_NET_HOST")) {
        const std::string words = hostWords;
        auto* waiting = new QTimer(this);
        connect(waiting, &QTimer::timeout, this, [this, waiting, words] {
            // Once the game is on the board with nothing over it.
            if (!Board() || Ui::Get().ModalDepth() > 0 || Ui::Get().Top() != Ui::Get().Find("frmJeu")) return;
            waiting->stop();
            waiting->deleteLater();
            std::istringstream in(words);
            int port = 0;
            std::string code, rest, why;
            in >> port >> code;
            std::getline(in, rest);
            if (!HostWith(port, code, rest, why)) Log("cannot host: " + why);
        });
        waiting->start(200);
    }
}
