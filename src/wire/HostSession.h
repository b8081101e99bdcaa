#pragma once
// Hosting a game over TCP (docs/network-protocol.md): the game runs here; its record is
// streamed, event by event, to the machines that joined; their players' inputs pass the gate
// (net/Gate.h) and are applied here, in order, like any input; the computer's parties play here.
// While it serves, the session is the screens' host: a dialog that a remote input or the
// computer opens is played from here too.
#include <QTcpServer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/Gate.h"
#include "net/Stream.h"
#include "ui/Host.h"
#include "ui/InputCommand.h"
#include "wire/LineSocket.h"

namespace wire {

struct Pause {
    enum class Why {
        HereToPlay,  // a party played on this machine is to play: its players (the script) act
        SeatDone,    // a remote party is to play and its machine said it was done
        GameOver,    // the game was won or left
        Idle,        // nothing happened for the time asked
    } why = Why::Idle;
    std::string message;
};

class HostSession : public Host {
public:
    // log: the session's own lines for the host's log (a refusal, a machine joined or left).
    explicit HostSession(std::function<void(const std::string&)> log);
    ~HostSession() override;

    // Listens on port (every address of this machine) and starts streaming the game as it
    // stands (on the title or the board between two actions). False with why when it cannot.
    bool Start(int port, const std::string& code, const net::Seats& seats, std::string& why);
    // Serves the joined machines and plays the computer's parties until the game needs this
    // machine's players, a party whose machine is done is to play, the game ends, or idleMs pass
    // with nothing happening.
    Pause Serve(int idleMs);
    // Ends the session: `end WHY` to every machine, the connections closed, the stream stopped.
    void Stop(const std::string& why);
    bool Running() const { return running_; }
    // Told each time the serving pauses: at the end of Serve, or inside a dialog that is then
    // handed to this machine's players.
    void SetOnPause(std::function<void(const Pause&)> onPause) { onPause_ = std::move(onPause); }

    // In the window: the window keeps the game's time, plays the computer's parties at its own
    // pace and stays the screens' host; the session is pumped by the window's timer, and a
    // remote input is applied later, out of the pump, once no window of the host's player is
    // open (an input may open a dialog, whose own loop must go on pumping). Before Start.
    struct WindowHooks {
        std::function<void(std::function<void()>)> later;  // runs work once the event under way is handled
        std::function<PopupWait()> popup;                   // the window's pop-up menu waiting, if any
        std::function<void()> closePopup;                  // closes it
    };
    void InWindow(WindowHooks hooks) { window_ = std::move(hooks); }
    // One round in the window: new machines, their lines; the game's end ends the session.
    void Pump();
    // The party whose turn it is (0: none); is it played from a machine that joined? is that
    // machine here (connected and not done)?
    int PlayerToPlay() const;
    bool RemoteToPlay() const;
    bool SeatConnected(int player) const;
    // The party to play is a remote one whose machine is away (0: none).
    int AwayParty() const;
    const net::Seats& seats() const { return gate_->seats(); }

    long long Events() const { return stream_.events(); }
    long long HandOvers() const { return stream_.handOvers(); }
    long long Refusals() const { return refusals_; }

    // Host, while serving.
    void ScreenOpened(Screen&) override {}
    void ScreenClosed(Screen& screen) override;
    void Changed() override {}
    void RunModal(Screen& screen) override;
    void RunPopup(Screen& screen, const std::string& menu, int x, int y) override;
    void TimersChanged() override {}
    void Quit() override;

private:
    struct Client {
        std::unique_ptr<LineSocket> socket;
        net::Peer peer;
        long long since = 0;     // when it connected (ms)
        bool wantsGame = false;  // asked for the host's game
        bool gone = false;
        long long id = 0;
    };
    // Remote inputs passed by the gate, to apply (the window).
    struct Pending {
        long long client = 0;
        std::string line;
    };
    std::deque<Pending> pending_;
    bool applyQueued_ = false;
    std::optional<WindowHooks> window_;
    long long nextClientId_ = 1;
    // One round: new connections, the machines' lines, the computer's move. Empty when the game
    // goes on, else why it pauses.
    std::optional<Pause> Round(int waitMs);
    // Rounds until over() or a pause (empty Pause when over).
    Pause Until(const std::function<bool()>& over);
    Pause Paused(const Pause& pause);
    bool Poll(int waitMs);
    void Handle(Client& client, const std::string& line, bool tooLong);
    void ApplyRemote(Client& client, const std::string& line);
    bool ApplyOwed(Client& client, const CommandLine& line, PopupWait& popup);
    void Welcome(Client& client);
    void GiveBack();
    std::vector<int> giveBack_;  // parties to give back to their machines, come back
    void Resend(Client& client);
    void Broadcast(const std::string& message);
    void FromRecord(const std::string& text);
    void HandOver();
    void Refuse(Client& client, const std::string& why, bool disconnect);
    void Owe(Client* client);
    void PayOk();
    long long Now() const;
    void ApplyPending();
    static bool PopupEntryWithoutPopup(const CommandLine& line);
    Client* ClientOf(long long id);
    // Hands a dialog that this session cannot play (this machine's players', the game's end)
    // to whoever hosted the screens before.
    void ToOuter(Screen& screen);

    std::function<void(const std::string&)> log_;
    QTcpServer server_;
    std::vector<std::unique_ptr<Client>> clients_;
    // Machines sent away: their connections finish gently (LineSocket::Finish) before they go.
    struct Leaving {
        std::unique_ptr<LineSocket> socket;
        long long until = 0;
    };
    std::vector<Leaving> leaving_;
    void DrainLeaving(bool all);
    std::unique_ptr<net::Gate> gate_;
    net::HostStream stream_;
    Host* outer_ = nullptr;
    PopupWait popup_;
    bool running_ = false;
    int idleMs_ = 30000;
    std::function<void(const Pause&)> onPause_;
    bool ended_ = false;
    std::string endWhy_;
    Client* owed_ = nullptr;   // a remote input being applied: its `ok` is sent at its line
    long long refusals_ = 0;
    long long lastActivity_ = 0;
};

}  // namespace wire
