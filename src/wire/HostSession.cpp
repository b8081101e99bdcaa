#include "wire/HostSession.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>

#include "ai/Computer.h"
#include "net/Protocol.h"
#include "net/Turns.h"
#include "record/Recorder.h"
#include "save/SaveCommands.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "ui/InputLog.h"
#include "ui/Navigation.h"
#include "ui/PlayerInput.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace wire {

namespace {

QElapsedTimer& Clock() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

// The bytes still to send to one machine before it counts as gone (a machine that reads
// nothing): room for a few games' whole texts.
constexpr long long kMostUnsent = 64ll * 1024 * 1024;

}  // namespace

HostSession::HostSession(std::function<void(const std::string&)> log) : log_(std::move(log)) {}

HostSession::~HostSession() {
    if (running_) Stop("the host stopped");
}

long long HostSession::Now() const { return Clock().elapsed(); }

bool HostSession::Start(int port, const std::string& code, const net::Seats& seats, std::string& why) {
    if (running_) {
        why = "a game is already hosted";
        return false;
    }
    if (code.empty() || code.size() > 64) {
        why = "a join code has 1 to 64 characters";
        return false;
    }
    if (port < 1 || port > 65535 || !server_.listen(QHostAddress::Any, static_cast<quint16>(port))) {
        why = "cannot listen on port " + std::to_string(port) + ": " + server_.errorString().toStdString();
        return false;
    }
    std::string head;
    if (!record::StartStreaming([this](const std::string& text) { FromRecord(text); }, [this] { HandOver(); }, head, why)) {
        server_.close();
        return false;
    }
    gate_ = std::make_unique<net::Gate>(code, seats);
    for (int p = 1; p <= gd.PlayerCount && p <= 4; ++p)
        if (gd.ComputerPlayer[p]) gate_->seats().SetComputer(p, true);
    stream_.Restart(Lines(head));
    running_ = true;
    lastActivity_ = Now();
    return true;
}

void HostSession::Stop(const std::string& why) {
    if (!running_) return;
    running_ = false;
    record::StopStreaming();
    Broadcast(net::EndLine(ended_ ? endWhy_ : why));
    for (auto& c : clients_) {
        c->socket->Finish();
        leaving_.push_back(Leaving{std::move(c->socket), Now() + 300});
    }
    clients_.clear();
    DrainLeaving(true);
    server_.close();
}

// A machine sent away has a moment to read its last lines (2 s; 0.3 s when the session ends,
// waited for here).
void HostSession::DrainLeaving(bool all) {
    do {
        std::erase_if(leaving_, [this](Leaving& l) { return !l.socket->Drain() || Now() > l.until; });
        if (all && !leaving_.empty()) QThread::msleep(10);
    } while (all && !leaving_.empty());
}

void HostSession::FromRecord(const std::string& text) {
    for (std::string line : Lines(text)) {
        // No file's name crosses the network.
        if (line.starts_with("saved ")) line = "saved -";
        if (line.starts_with("end ")) {
            ended_ = true;
            endWhy_ = line.substr(4);
        }
        Broadcast(stream_.Event(line));
        if (owed_ && !line.starts_with("wait ")) PayOk();
    }
    lastActivity_ = Now();
}

void HostSession::HandOver() { Broadcast(stream_.Hash(net::StateHash(GameLine()))); }

void HostSession::Broadcast(const std::string& message) {
    for (auto& c : clients_)
        if (c->peer.greeted && !c->gone) c->socket->Send(message);
}

int HostSession::PlayerToPlay() const { return net::PartyToPlay(); }

void HostSession::Owe(Client* client) { owed_ = client; }

void HostSession::PayOk() {
    Client* c = owed_;
    owed_ = nullptr;
    if (c && !c->gone) c->socket->Send(net::OkLine(stream_.events()));
}

void HostSession::Refuse(Client& client, const std::string& why, bool disconnect) {
    ++refusals_;
    log_("refused " + (client.peer.greeted ? client.peer.name : client.socket->Peer()) + ": " + why);
    client.socket->Send(net::RefusedLine(why));
    if (disconnect) {
        client.socket->Finish();
        client.gone = true;
    }
}

void HostSession::Welcome(Client& client) {
    log_(client.peer.name + " joined from " + client.socket->Peer());
    client.socket->Send(net::WelcomeLine(gate_->seats().Text(gd.PlayerCount)));
    for (const std::string& line : stream_.CatchUp()) client.socket->Send(line);
    client.socket->Send(net::LiveLine());
    // A party handed to the computer while its machine was away is that machine's again (an
    // event like any other: every machine's game hands it back at the same point).
    for (int p = 1; p <= gd.PlayerCount && p <= 4; ++p)
        if (gate_->seats().Plays(client.peer.name, p) && gd.ComputerPlayer[p]) giveBack_.push_back(p);
    GiveBack();
}

// A party handed to the computer while its machine was away goes back to it between two actions
// on the board (not in the middle of a fight the computer is playing for it).
void HostSession::GiveBack() {
    if (giveBack_.empty() || record::BoardHead().empty()) return;
    for (const int p : giveBack_) {
        if (!gd.ComputerPlayer[p]) continue;
        record::SetComputerParty(p, 0);
        log_("player " + std::to_string(p) + "'s party is " + gate_->seats().Of(p).name + "'s again");
    }
    giveBack_.clear();
}

void HostSession::Resend(Client& client) {
    const std::string head = record::BoardHead();
    if (head.empty()) return;  // at the next moment between two actions on the board
    client.wantsGame = false;
    log_("the game sent again to " + client.peer.name);
    client.socket->Send(net::StartLine(stream_.events(), stream_.handOvers()));
    for (const std::string& line : Lines(head)) client.socket->Send(net::HeadLine(line));
    client.socket->Send(net::LiveLine());
}

// Applies a remote input with the record's checks: its `ok` when its line is in the stream, or
// the refusal that says why.
bool HostSession::ApplyOwed(Client& client, const CommandLine& line, PopupWait& popup) {
    std::string fault;
    Owe(&client);
    if (!ApplyInput(line, popup, InputCheck::Record, fault)) {
        if (owed_ == &client) owed_ = nullptr;
        Refuse(client, fault.empty() ? "cannot be followed here" : fault, false);
        return false;
    }
    if (owed_ == &client) PayOk();
    return true;
}

void HostSession::ApplyRemote(Client& client, const std::string& text) {
    PopupWait popup = popup_;
    ApplyOwed(client, ReadCommandLine(text), popup);
    if (!popup.screen && popup_.screen) popup_.Clear();
}

HostSession::Client* HostSession::ClientOf(long long id) {
    for (auto& c : clients_)
        if (c->id == id && !c->gone) return c.get();
    return nullptr;
}

void HostSession::Pump() {
    if (!running_) return;
    if (ended_ || !ai::GameRunning()) {
        Stop("the game is over");
        return;
    }
    Poll(0);
    GiveBack();
    if (!pending_.empty() && !applyQueued_ && window_ && window_->later) {
        applyQueued_ = true;
        window_->later([this] { ApplyPending(); });
    }
}

// A remote input in the window, applied as the window applies its own player's: a pop-up menu
// that waits (opened by that player's last input) takes its choice or its dismissal.
void HostSession::ApplyPending() {
    applyQueued_ = false;
    // The host's player has a window of his own open (the help, a question): after it.
    if (pending_.empty() || PlayerWindowOpen() || !running_) return;
    const Pending p = pending_.front();
    pending_.pop_front();
    Client* client = ClientOf(p.client);
    if (!client) return;  // its machine left meanwhile: it sends the input again once back
    const PopupWait popup = window_->popup ? window_->popup() : PopupWait{};
    const CommandLine line = ReadCommandLine(p.line);
    if (popup.screen) {
        if (line.Command() == "close" && line.words.size() == 1) {
            Owe(client);  // paid by the dismissal's line, once the menu has returned
            if (window_->closePopup) window_->closePopup();
            return;
        }
        if (line.Command() != "menu") {
            Refuse(*client, "a pop-up menu waits: choose in it or close it", false);
            return;
        }
        PopupWait waiting = popup;
        if (ApplyOwed(*client, line, waiting) && window_->closePopup) window_->closePopup();
        return;
    }
    if (PopupEntryWithoutPopup(line)) {
        // Chosen in a pop-up menu that the game has since closed (a second click on its
        // machine before the first came back): the menu is gone here.
        Refuse(*client, "the pop-up menu is gone", false);
        return;
    }
    PopupWait none;
    ApplyOwed(*client, line, none);
}

// A `menu` line naming an entry of a pop-up menu (not of a menu bar).
bool HostSession::PopupEntryWithoutPopup(const CommandLine& line) {
    if (line.Command() != "menu" || line.words.size() != 2) return false;
    const ControlPath path = SplitControlPath(line.words[1]);
    Screen* screen = path.screen.empty() ? nullptr : Ui::Get().Find(path.screen);
    const Control* entry = screen ? screen->Find(path.key) : nullptr;
    const Control* parent = entry && !entry->parent.empty() ? screen->Find(entry->parent) : nullptr;
    return parent && parent->popupMenu;
}

bool HostSession::RemoteToPlay() const {
    const int p = PlayerToPlay();
    return running_ && p >= 1 && gate_->seats().Remote(p) && !gd.ComputerPlayer[p];
}

bool HostSession::SeatConnected(int player) const {
    if (!gate_ || !gate_->seats().Remote(player)) return false;
    const std::string& name = gate_->seats().Of(player).name;
    for (const auto& c : clients_)
        if (c->peer.greeted && !c->gone && !c->peer.done && c->peer.name == name) return true;
    return false;
}

int HostSession::AwayParty() const {
    const int p = PlayerToPlay();
    return RemoteToPlay() && !SeatConnected(p) ? p : 0;
}

void HostSession::Handle(Client& client, const std::string& line, bool tooLong) {
    const net::Verdict v = gate_->Check(client.peer, line, tooLong, Now(), PlayerToPlay());
    switch (v.kind) {
        case net::Verdict::Kind::Hello:
            Welcome(client);
            break;
        case net::Verdict::Kind::Input:
            if (window_) {
                pending_.push_back(Pending{client.id, v.line});
            } else {
                ApplyRemote(client, v.line);
            }
            break;
        case net::Verdict::Kind::Done:
            log_(client.peer.name + " is done");
            break;
        case net::Verdict::Kind::Resync:
            client.wantsGame = true;
            Resend(client);
            break;
        case net::Verdict::Kind::Refuse:
            Refuse(client, v.why, false);
            break;
        case net::Verdict::Kind::Disconnect:
            Refuse(client, v.why, true);
            break;
    }
}

bool HostSession::Poll(int waitMs) {
    bool happened = false;
    if (server_.hasPendingConnections() || server_.waitForNewConnection(0)) {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            auto c = std::make_unique<Client>();
            s->setReadBufferSize(static_cast<qint64>(net::kMostPendingBytes));
            c->socket = std::make_unique<LineSocket>(s, net::kLongestClientLine);
            c->since = Now();
            c->id = nextClientId_++;
            clients_.push_back(std::move(c));
            happened = true;
        }
    }
    const int each = clients_.empty() ? 0 : std::max(0, waitMs / static_cast<int>(clients_.size()));
    for (size_t i = 0; i < clients_.size(); ++i) {
        Client& c = *clients_[i];
        if (c.gone) continue;
        const bool open = c.socket->Pump(happened ? 0 : each);
        if (c.socket->PendingIn() > net::kMostPendingBytes * 2 || c.socket->PendingOut() > kMostUnsent) {
            Refuse(c, "too much waiting to be read or sent", true);
            continue;
        }
        std::string line;
        bool tooLong = false;
        while (!c.gone && c.socket->Next(line, tooLong)) {
            happened = true;
            Handle(c, line, tooLong);
        }
        if (!c.gone && !c.peer.greeted && Now() - c.since > net::kHelloSeconds * 1000)
            Refuse(c, "no hello in time", true);
        if (!open && !c.gone) {
            log_((c.peer.greeted ? c.peer.name : c.socket->Peer()) + " left");
            c.gone = true;
        }
        if (c.wantsGame && !c.gone) Resend(c);
    }
    // The machines gone are forgotten (their names free again), but for the one whose input is
    // being applied.
    for (auto it = clients_.begin(); it != clients_.end();) {
        if ((*it)->gone && it->get() != owed_) {
            gate_->Left((*it)->peer);
            if (!(*it)->socket->Open()) leaving_.push_back(Leaving{std::move((*it)->socket), Now() + 2000});
            it = clients_.erase(it);
        } else {
            ++it;
        }
    }
    DrainLeaving(false);
    if (!happened && clients_.empty() && waitMs > 0) server_.waitForNewConnection(waitMs);
    return happened;
}

std::optional<Pause> HostSession::Round(int waitMs) {
    Ui::Get().Idle();
    if (!running_) return Pause{Pause::Why::GameOver, "the session was stopped"};
    if (ended_ || !ai::GameRunning()) return Pause{Pause::Why::GameOver, "the game is over"};
    const int player = PlayerToPlay();
    GiveBack();
    if (ai::ComputerToAct()) {
        Poll(0);
        ai::Decision d = ai::Decide(popup_.screen, popup_.menu);
        PopupWait popup = popup_;
        std::string fault;
        // Followed as the driver's `play` follows it, as a script's line: the game's time
        // passes here only as its lines say (the computer's pause while a fight's message shows
        // is that time), and a pop-up's entry is chosen once the pop-up is let go, as every
        // machine that replays the line will do. A line that cannot be followed does nothing.
        ApplyInput(ReadCommandLine(d.line), popup, InputCheck::Script, fault);
        if (!popup.screen && popup_.screen) popup_.Clear();
        lastActivity_ = Now();
        return std::nullopt;
    }
    if (player >= 1 && !gate_->seats().Remote(player))
        return Pause{Pause::Why::HereToPlay, "player " + std::to_string(player) + " plays here"};
    if (Poll(waitMs)) lastActivity_ = Now();
    if (player >= 1) {
        const std::string& name = gate_->seats().Of(player).name;
        for (auto& c : clients_)
            if (c->peer.greeted && c->peer.name == name && c->peer.done)
                return Pause{Pause::Why::SeatDone, name + " is done and player " + std::to_string(player) + " is to play"};
    }
    return std::nullopt;
}

Pause HostSession::Serve(int idleMs) {
    outer_ = Ui::Get().host();
    Ui::Get().SetHost(this);
    idleMs_ = idleMs;
    lastActivity_ = Now();
    const Pause pause = Until([] { return false; });
    Ui::Get().SetHost(outer_);
    return pause;
}

Pause HostSession::Until(const std::function<bool()>& over) {
    while (!over()) {
        if (std::optional<Pause> p = Round(5)) return Paused(*p);
        if (Now() - lastActivity_ > idleMs_)
            return Paused(Pause{Pause::Why::Idle, "nothing happened for " + std::to_string(idleMs_) + " ms"});
    }
    return Pause{};
}

Pause HostSession::Paused(const Pause& pause) {
    if (onPause_) onPause_(pause);
    return pause;
}

void HostSession::ToOuter(Screen& screen) {
    Ui::Get().SetHost(outer_);
    if (outer_) outer_->RunModal(screen);
    Ui::Get().SetHost(this);
}

void HostSession::RunModal(Screen& screen) {
    // A remote player is answered at once: the dialog its input opened waits for its next.
    if (owed_) PayOk();
    Until([&] { return screen.closed; });
    // The dialog waits for this machine's players (or the session pauses in it): whoever hosted
    // the screens before takes it up.
    if (!screen.closed) ToOuter(screen);
}

void HostSession::RunPopup(Screen& screen, const std::string& menu, int x, int y) {
    if (owed_) PayOk();
    const PopupWait outer = popup_;
    popup_.screen = &screen;
    popup_.menu = menu;
    Until([&] { return !(popup_.screen == &screen && popup_.menu == menu); });
    if (popup_.screen == &screen && popup_.menu == menu) {
        Ui::Get().SetHost(outer_);
        if (outer_) outer_->RunPopup(screen, menu, x, y);
        Ui::Get().SetHost(this);
    }
    popup_ = outer;
}

void HostSession::ScreenClosed(Screen& screen) {
    if (popup_.screen == &screen) popup_.Clear();
}

void HostSession::Quit() {
    if (outer_) outer_->Quit();
}

}  // namespace wire
