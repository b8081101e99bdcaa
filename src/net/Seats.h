#pragma once
// Which parties are whose: each player's party is played on the host (by its players or by the
// computer, as the game says) or from the machine that joined under a name. The host's
// `host PORT CODE 2=Ann 3=Bob` and the `welcome` line's seats are written alike.
#include <array>
#include <string>
#include <vector>

namespace net {

struct Seat {
    enum class Kind { Here, Computer, Remote } kind = Kind::Here;
    std::string name;  // Remote: the name its machine joins under
};

class Seats {
public:
    // Words "P=NAME" (a remote machine), "P=here", "P=computer"; players not named stay here.
    // False with why for a malformed word, a player out of 1 to 4, a name too long or given twice
    // for one player.
    bool Read(const std::vector<std::string>& words, std::string& why);
    // "1=here 2=Ann 3=computer" for the players 1 to count.
    std::string Text(int count) const;

    const Seat& Of(int player) const;
    void SetComputer(int player, bool on);
    // Does any seat belong to a machine of this name? Is this player's party its?
    bool Knows(const std::string& name) const;
    bool Plays(const std::string& name, int player) const;
    bool Remote(int player) const { return Of(player).kind == Seat::Kind::Remote; }

private:
    std::array<Seat, 5> seats_{};  // 1 to 4
};

}  // namespace net
