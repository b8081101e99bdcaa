#pragma once
// The host's gate: what a joined machine may send, and when. The host trusts no one: each line
// is checked for its length, the machine's rate, its form and its place in the game before
// anything runs; a line refused changes nothing. Only a player's input line that the record's
// reader accepts, for the party whose turn it is, from the machine whose seat that party is,
// inside the screens that player could reach, passes (docs/network-protocol.md).
#include <set>
#include <string>

#include "net/Protocol.h"
#include "net/Seats.h"

namespace net {

// The lines a machine may send: on average kLinesPerSecond, at once kBurstLines.
class RateLimit {
public:
    RateLimit(int perSecond = kLinesPerSecond, int burst = kBurstLines) : perSecond_(perSecond), burst_(burst) {}
    // Takes one line at time nowMs (a clock that only goes on); false when it is over the rate.
    bool Take(long long nowMs);
    int Over() const { return over_; }

private:
    int perSecond_;
    int burst_;
    double tokens_ = -1;  // not started
    long long last_ = 0;
    int over_ = 0;
};

// One joined machine as the gate knows it.
struct Peer {
    bool greeted = false;
    std::string name;
    int wrongCodes = 0;
    bool done = false;
    RateLimit rate;
};

struct Verdict {
    enum class Kind {
        Hello,       // a hello accepted: the machine is `name`
        Input,       // an input to apply (line): the host applies it with the record's checks
        Done,        // the machine sends no more input
        Resync,      // the machine asks for the host's game
        Refuse,      // refused (why): nothing changes
        Disconnect,  // refused (why), and the connection is closed
    } kind = Kind::Refuse;
    std::string why;
    std::string line;
};

class Gate {
public:
    Gate(std::string code, Seats seats) : code_(std::move(code)), seats_(std::move(seats)) {}

    // A line from a machine (tooLong: it passed kLongestClientLine and was cut there), at time
    // nowMs; playerToPlay: the party whose turn it is (0 when no game is on the board).
    Verdict Check(Peer& peer, const std::string& line, bool tooLong, long long nowMs, int playerToPlay);
    // The machine's connection closed: its name is free again.
    void Left(const Peer& peer);

    const Seats& seats() const { return seats_; }
    Seats& seats() { return seats_; }
    bool Connected(const std::string& name) const { return connected_.count(name) != 0; }

private:
    Verdict Judge(Peer& peer, const std::string& line, bool tooLong, long long nowMs, int playerToPlay);
    Verdict Hello(Peer& peer, const std::string& line);
    Verdict Input(const Peer& peer, const std::string& line, int playerToPlay) const;

    std::string code_;
    Seats seats_;
    std::set<std::string> connected_;
};

// Is this record line (an input) one that a remote player could make on the screens of play?
// "" when it is, else why not.
std::string OutOfReach(const std::string& recordLine);

}  // namespace net
