#pragma once
// Joining a hosted game (docs/network-protocol.md): this machine follows the host's game,
// replaying the host's events in order through the same code that replays a record; its
// player's inputs go to the host when its party is to play, and are applied here only when
// they come back, ordered, like everyone else's. At each hand-over the game's hash is compared
// with the host's; on a difference the fault is logged and the host's game is taken instead.
#include <deque>
#include <functional>
#include <memory>
#include <streambuf>
#include <string>
#include <vector>

#include "net/Gate.h"
#include "net/Seats.h"
#include "net/Stream.h"
#include "wire/LineSocket.h"

namespace wire {

struct JoinResult {
    bool joined = false;      // the host welcomed this machine
    std::string why;          // how it ended: the host's end, a refusal, the connection lost
    long long events = 0;     // the host's events applied
    long long agreed = 0;     // hand-overs whose hash agreed with the host's
    long long differed = 0;   // ... and differed
    long long resyncs = 0;    // times the host's game was taken instead of this one
    long long refusals = 0;   // this machine's inputs the host refused
    long long rejoins = 0;    // times the connection was lost and made again
    // Each input's answer: the milliseconds from sending it to the host's `ok` or `refused`.
    std::vector<double> answerMs;
    long long bytes = 0;      // bytes received from the host
    long long clockMs = 0;    // the game's time those events cover (their waits)
};

class JoinSession {
public:
    // nextInput: the next input of this machine's player, false when there is none any more;
    // log: the session's lines for this machine's log (refusals, hash differences).
    JoinSession(std::function<bool(std::string&)> nextInput, std::function<void(const std::string&)> log);
    ~JoinSession();

    // Connects, says hello, and follows the host's game until the host ends the session or
    // the connection is lost.
    JoinResult Run(const std::string& address, int port, const std::string& code, const std::string& name);

    // Times a lost connection is made again before the machine gives up.
    static constexpr int kMostRejoins = 20;

private:
    class Feed;
    bool Connect();
    bool Rejoin();
    // The next record line for the replay, in the host's order; false at the end of this
    // replay (the session is over, or a new game starts).
    bool NextRecordLine(std::string& line);
    void Handle(const std::string& message);
    void AskForGame(const std::string& why);
    bool OurTurn() const;
    void SendInput();

    std::function<bool(std::string&)> nextInput_;
    std::function<void(const std::string&)> log_;
    std::unique_ptr<LineSocket> socket_;
    std::string address_, code_, name_;
    int port_ = 0;
    bool rejoining_ = false;         // the connection was lost: joining again
    net::Seats seats_;
    net::HashBook book_;
    JoinResult result_;
    std::deque<std::string> queue_;  // record lines to replay; "" marks a new game's start
    long long fed_ = 0;              // lines fed to the replay running (a new game's first four included)
    long long expected_ = 1;         // the next event's number
    bool welcomed_ = false;
    bool live_ = false;
    bool inFlight_ = false;          // an input sent, its answer not yet here
    long long sentAtNs_ = 0;         // when it was sent
    // This machine keeps under the host's rate by itself (a script sends as fast as it may).
    net::RateLimit pace_{net::kLinesPerSecond / 2, net::kBurstLines / 4};
    bool inputsOver_ = false;        // this machine's player has no more input (`done` sent)
    bool askedForGame_ = false;
    bool over_ = false;
};

}  // namespace wire
