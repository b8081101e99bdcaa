#pragma once
// Playing across machines in the window (docs/network-protocol.md): File ▸ Host a network game
// on the board opens the game as it stands to the machines that join; File ▸ Join a network game
// on the title follows a host's game. On a joined machine the player's inputs go to the host
// when his party is to play (ui/InputLog.h's gate) and come back in the host's order; on the
// host, the player's inputs wait while a remote party plays. The title bar and the plate along
// the map's foot say who plays, and where.
#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>
#include <string>

#include "ui/NetPlay.h"

class QtHost;
namespace wire {
class HostSession;
class JoinSession;
}  // namespace wire

class NetWindow : public QObject {
public:
    explicit NetWindow(QtHost& host);
    ~NetWindow() override;

    // QUELMOR_NET_HOST="PORT CODE SEAT..." (SEAT as the driver's `host`: P=NAME, P=computer) hosts
    // the game once it is on the board; QUELMOR_NET_JOIN="ADDRESS PORT CODE NAME" joins at once.
    // For runs without a person at the menus (tests).
    void StartFromEnvironment();

    void Host(const NetHostAsk& ask);
    void Join(const NetJoinAsk& ask);

private:
    bool HostWith(int port, const std::string& code, const std::string& seats, std::string& why);
    void HostTick();
    void StopHosting(const std::string& why);
    void RunJoin(NetJoinAsk ask);
    bool HostGate(const std::string& line);
    bool JoinGate(const std::string& line);
    // Says on the plate who is to play, once a turn; and sets the windows' titles.
    void SayWhoPlays();
    std::string WhoPlays(bool forTitle) const;
    void Say(const std::string& french, const std::string& english);

    QtHost& host_;
    std::unique_ptr<wire::HostSession> hosted_;
    QTimer hostTimer_;
    wire::JoinSession* joined_ = nullptr;
    std::deque<std::string> inputs_;  // the joined player's inputs for the host
    int saidFor_ = -1;                // the character whose turn the plate last announced
    int awayParty_ = 0;               // the remote party to play whose machine is away, as last said
    long long lastRefusalSaid_ = -1000000;
};
