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

// The next input of this machine's player: a line, none yet (a person in the window has not
// acted), or none any more (a script ended).
enum class InputNext { Line, NotYet, Over };

class JoinSession {
public:
    // nextInput: the next input of this machine's player; log: the session's lines for this
    // machine's log (refusals, hash differences).
    JoinSession(std::function<InputNext(std::string&)> nextInput, std::function<void(const std::string&)> log);
    ~JoinSession();

    // In the window: the host's screens are shown as they go, the session waits for the network
    // inside the window's event loop (the windows repaint, the player acts), and the game's waits
    // pass in real time as far as nothing else is waiting. Before Run.
    void InWindow() { window_ = true; }
    // The player leaves (the window's menu): Run returns once the event being applied is done.
    void Leave() { leaveAsked_ = true; }

    // What the window shows of the session while Run lasts.
    bool Live() const { return live_ && welcomed_ && !over_; }
    bool OurTurn() const;
    const net::Seats& seats() const { return seats_; }
    const std::string& name() const { return name_; }

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
    bool TakeInput();
    bool MaySendBehindWaits();
    bool TakeArrived();
    void SendInput();
    // Waits up to ms for the host's lines (in the window, inside its event loop).
    bool Rest(int ms);
    void Sleep(int ms);

    std::function<InputNext(std::string&)> nextInput_;
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
    bool window_ = false;
    bool leaveAsked_ = false;
    std::string held_;               // the player's next input, taken and not yet sent
    bool holding_ = false;
};

}  // namespace wire
