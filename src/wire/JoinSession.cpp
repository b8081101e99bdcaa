#include "wire/JoinSession.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <istream>

#include "net/Protocol.h"
#include "net/Turns.h"
#include "record/Replayer.h"
#include "save/SaveCommands.h"
#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "ui/CommandLine.h"
#include "ui/InputCommand.h"
#include "ui/InputLog.h"
#include "ui/Navigation.h"
#include "ui/Ui.h"

namespace wire {

namespace {

long long NowNs() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock.nsecsElapsed();
}

}  // namespace

// The replay reads the host's events through this, a line at a time: it asks for the next line
// only once it has applied the one before, so the messages between (hashes, answers) are taken
// at the right moment of the game.
class JoinSession::Feed : public std::streambuf {
public:
    explicit Feed(JoinSession& session) : session_(session) {}

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        if (!session_.NextRecordLine(line_)) return traits_type::eof();
        line_.push_back('\n');
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    JoinSession& session_;
    std::string line_;
};

JoinSession::JoinSession(std::function<InputNext(std::string&)> nextInput, std::function<void(const std::string&)> log)
    : nextInput_(std::move(nextInput)), log_(std::move(log)) {}

JoinSession::~JoinSession() { input_log::SetHandOverHook(nullptr); }

namespace {
constexpr long long kCatchUpTurnNs = 40'000'000;  // 40 ms
}  // namespace

JoinResult JoinSession::Run(const std::string& address, int port, const std::string& code, const std::string& name) {
    name_ = name;
    address_ = address;
    port_ = port;
    code_ = code;
    if (!Connect()) return result_;
    // This machine's hand-overs, each compared with the host's; the opening of a game (the
    // board drawn again from the host's text) is no hand-over of the host's.
    input_log::SetHandOverHook([this] {
        if (fed_ <= 4) return;
        const net::HashBook::Match m = book_.Mine(net::StateHash(GameLine()));
        if (m == net::HashBook::Match::Differ) AskForGame(book_.LastDifference());
        // The window's log says each check, here or when the host's hash comes after.
        if (m == net::HashBook::Match::Agree && window_) log_("hand-over agreed with the host's");
    });
    while (!over_) {
        // Up to the next game's start, then a replay of it, as long as the host's events last.
        std::string line;
        if (queue_.empty() || !queue_.front().empty()) {
            if (!NextRecordLine(line)) break;
            queue_.push_front(line);
        }
        if (!queue_.empty() && queue_.front().empty()) queue_.pop_front();
        fed_ = 0;
        Feed feed(*this);
        std::istream in(&feed);
        record::Replayer replay(in);
        long long turnAt = NowNs();
        if (window_) {
            replay.ShowScreens(true);
            // The host's time passes here as it passed there, unless more of its events wait:
            // then this machine catches up at once, the window still getting a turn every few
            // hundredths of a second (it draws, shows a menu the game opened, takes keys).
            replay.SetPace(record::ReplayPace{nullptr, [this, &turnAt](long long ms) {
                socket_->Pump(0);
                if (queue_.empty() && !socket_->HasLine() && !leaveAsked_) Sleep(static_cast<int>(ms));
                else if (NowNs() - turnAt > kCatchUpTurnNs) Sleep(0);
                else return;
                turnAt = NowNs();
            }});
        }
        const record::ReplayResult r = replay.Run();
        if (r.stop == record::ReplayResult::Stop::Fault) AskForGame("the host's event was refused here: " + r.message);
        if (r.stop == record::ReplayResult::Stop::Fault || r.stop == record::ReplayResult::Stop::Ended) {
            // Nothing more of this game can be followed: up to the host's next start (its game
            // sent again) or its `end`.
            fed_ = std::max<long long>(fed_, 1);
            std::string rest;
            while (NextRecordLine(rest)) {
            }
        }
    }
    // The player's inputs not sent are left out, up to the end of this machine's part.
    std::string rest;
    while (!inputsOver_ && nextInput_(rest) == InputNext::Line && rest != "leave") {
    }
    input_log::SetHandOverHook(nullptr);
    result_.agreed = book_.agreed();
    result_.differed = book_.differed();
    socket_->Close();
    return result_;
}

bool JoinSession::Connect() {
    auto* socket = new QTcpSocket;
    socket_ = std::make_unique<LineSocket>(socket, net::kLongestHostLine);
    // A host that is still starting (or has not yet seen this machine's last connection close)
    // is tried again for a few seconds.
    QElapsedTimer tried;
    tried.start();
    for (int attempt = 0;; ++attempt) {
        socket->connectToHost(QString::fromStdString(address_), static_cast<quint16>(port_));
        if (window_) {
            // The window goes on meanwhile: it waits in its own event loop.
            QElapsedTimer waited;
            waited.start();
            while (socket->state() != QAbstractSocket::ConnectedState && socket->state() != QAbstractSocket::UnconnectedState &&
                   waited.elapsed() < 5000 && !leaveAsked_)
                Sleep(20);
        } else {
            socket->waitForConnected(5000);
        }
        // A player waits 10 s at most for a host that does not answer.
        if (socket->state() == QAbstractSocket::ConnectedState || attempt >= 50 || leaveAsked_ ||
            (window_ && tried.elapsed() > 10000))
            break;
        socket->abort();
        Sleep(100);
    }
    if (socket->state() != QAbstractSocket::ConnectedState) {
        result_.why = "cannot reach " + address_ + ":" + std::to_string(port_) + ": " + socket->errorString().toStdString();
        return false;
    }
    welcomed_ = false;
    live_ = false;
    socket_->Send(net::HelloLine(code_, name_));
    return true;
}

bool JoinSession::Rejoin() {
    if (result_.rejoins >= kMostRejoins) return false;
    ++result_.rejoins;
    log_("the connection to the host was lost: joining again");
    // An input whose answer did not come may or may not have been taken: the host's events,
    // all sent again, say which.
    inFlight_ = false;
    Sleep(100);
    return Connect();
}

bool JoinSession::OurTurn() const {
    const int party = net::PartyToPlay();
    return party >= 1 && seats_.Plays(name_, party);
}

// Takes the player's next input to send (held until sent); false when there is none now.
bool JoinSession::TakeInput() {
    if (holding_) return true;
    std::string line;
    for (;;) {
        const InputNext next = nextInput_(line);
        if (next == InputNext::NotYet) return false;
        if (next == InputNext::Over || line == "leave") {
            inputsOver_ = true;
            socket_->Send(net::DoneLine());
            return false;
        }
        const CommandLine words = ReadCommandLine(line);
        if (words.Empty()) continue;
        if (!IsInputCommand(words.Command())) {
            log_("not a player's input, left out: " + line);
            continue;
        }
        held_ = std::move(line);
        holding_ = true;
        return true;
    }
}

void JoinSession::SendInput() {
    holding_ = false;
    inFlight_ = true;
    sentAtNs_ = NowNs();
    socket_->Send(net::InputLine(held_));
}

bool JoinSession::Rest(int ms) {
    if (!window_) return socket_->Pump(ms);
    if (!socket_->Pump(0) || socket_->HasLine()) return socket_->Open();
    Sleep(ms);
    return socket_->Pump(0);
}

void JoinSession::Sleep(int ms) {
    if (!window_) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // The window's events go on meanwhile: what the host sends ends the rest early.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (socket_ && socket_->Socket())
        QObject::connect(socket_->Socket(), &QIODevice::readyRead, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

void JoinSession::AskForGame(const std::string& why) {
    log_(why);
    if (askedForGame_) return;
    askedForGame_ = true;
    ++result_.resyncs;
    log_("the host's game is asked for");
    socket_->Send(net::ResyncLine());
}

// Takes the host's lines that have arrived (false when one ends the session).
bool JoinSession::TakeArrived() {
    std::string message;
    bool tooLong = false;
    while (!over_ && socket_->Next(message, tooLong)) {
        result_.bytes += static_cast<long long>(message.size()) + 1;
        if (tooLong) {
            log_("a line from the host longer than the protocol allows: left");
            over_ = true;
            result_.why = "the host sent a line too long";
            return false;
        }
        Handle(message);
    }
    return true;
}

bool JoinSession::MaySendBehindWaits() {
    // In the window the host's time comes as it passes (a wait every quarter of a second while
    // its timers run): this machine, replaying each wait at its pace, is always a wait or two
    // behind. Time alone is no change the player must have seen: his input goes.
    if (!window_ || queue_.empty()) return false;
    socket_->Pump(0);
    if (!TakeArrived()) return false;
    for (const std::string& l : queue_)
        if (!l.starts_with("wait ")) return false;
    return live_ && welcomed_ && !inFlight_ && !inputsOver_ && OurTurn();
}

bool JoinSession::NextRecordLine(std::string& line) {
    for (;;) {
        if (MaySendBehindWaits() && TakeInput() && pace_.Take(NowNs() / 1000000)) SendInput();
        if (!queue_.empty()) {
            if (queue_.front().empty()) {
                // A new game starts: the replay running ends here (one that has read nothing yet
                // is the new game's own).
                if (fed_ > 0) return false;
                queue_.pop_front();
                continue;
            }
            line = std::move(queue_.front());
            queue_.pop_front();
            ++fed_;
            if (fed_ > 4) ++result_.events;
            return true;
        }
        if (over_) return false;
        if (socket_->HasLine()) {
            if (!TakeArrived()) return false;
            continue;
        }
        if (leaveAsked_) {
            over_ = true;
            result_.why = "this machine left the game";
            return false;
        }
        if (live_ && welcomed_ && !inFlight_ && !inputsOver_ && OurTurn()) {
            socket_->Pump(0);
            if (socket_->HasLine()) continue;
            if (TakeInput() && pace_.Take(NowNs() / 1000000)) {
                SendInput();
                continue;
            }
        }
        if (!Rest(20) && !socket_->HasLine()) {
            if (welcomed_ || rejoining_) {
                rejoining_ = true;
                if (Rejoin()) continue;
            }
            over_ = true;
            if (result_.why.empty()) result_.why = "the connection to the host was lost";
            return false;
        }
    }
}

void JoinSession::Handle(const std::string& text) {
    const net::Message m = net::ReadMessage(text);
    const std::vector<std::string>& w = m.words;
    long long n = 0, k = 0;
    if (m.kind == "welcome" && w.size() >= 2) {
        std::string why;
        int version = 0;
        if (!ToWholeNumber(w[1], version) || version != net::kProtocolVersion ||
            !seats_.Read(std::vector<std::string>(w.begin() + 2, w.end()), why)) {
            result_.why = "the host's welcome is not understood: " + text.substr(0, 200);
            over_ = true;
            return;
        }
        welcomed_ = true;
        rejoining_ = false;
        result_.joined = true;
    } else if (m.kind == "refused") {
        const std::string why = w.size() > 1 ? w[1] : "";
        if (!welcomed_) {
            // Coming back, the host may not yet have seen the last connection close: again.
            if (rejoining_ && why.ends_with("is already here")) {
                socket_->Close();
                return;
            }
            result_.why = "refused by the host: " + why;
            log_(result_.why);
            over_ = true;
            return;
        }
        ++result_.refusals;
        if (inFlight_) result_.answerMs.push_back(static_cast<double>(NowNs() - sentAtNs_) / 1e6);
        inFlight_ = false;
        log_("refused: " + why);
    } else if (m.kind == "start" && w.size() == 3 && net::ReadCount(w[1], n) && net::ReadCount(w[2], k)) {
        queue_.push_back("");
        expected_ = n + 1;
        book_.Restart(k);
        askedForGame_ = false;
    } else if (m.kind == "head") {
        queue_.push_back(m.carried);
    } else if (m.kind == "ev" && w.size() == 2 && net::ReadCount(w[1], n)) {
        if (n != expected_) AskForGame("event " + std::to_string(n) + " came where " + std::to_string(expected_) + " was due");
        expected_ = n + 1;
        int ms = 0;
        if (m.carried.starts_with("wait ") && ToWholeNumber(m.carried.substr(5), ms) && ms > 0) result_.clockMs += ms;
        queue_.push_back(m.carried);
    } else if (m.kind == "hash" && w.size() == 3 && net::ReadCount(w[1], k)) {
        uint64_t hash = 0;
        const net::HashBook::Match match = net::ReadHash(w[2], hash) ? book_.Host(k, hash) : net::HashBook::Match::Waiting;
        if (match == net::HashBook::Match::Differ) AskForGame(book_.LastDifference());
        if (match == net::HashBook::Match::Agree && window_) log_("hand-over " + std::to_string(k) + " agreed with the host's");
    } else if (m.kind == "ok") {
        if (inFlight_) result_.answerMs.push_back(static_cast<double>(NowNs() - sentAtNs_) / 1e6);
        inFlight_ = false;
    } else if (m.kind == "live") {
        live_ = true;
    } else if (m.kind == "end") {
        result_.why = "the host ended the game: " + (w.size() > 1 ? w[1] : std::string());
        over_ = true;
    } else {
        log_("a line from the host not understood, left out: " + text.substr(0, 200));
    }
}

}  // namespace wire
