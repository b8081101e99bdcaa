#include "net/Seats.h"

#include "net/Protocol.h"
#include "ui/InputLog.h"

namespace net {

namespace {
const Seat kNone{};

// Characters, not bytes: the set-up's names are counted so ("Éléonore" is 8).
std::size_t Characters(const std::string& text) {
    std::size_t n = 0;
    for (const char ch : text)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}
}  // namespace

bool Seats::Read(const std::vector<std::string>& words, std::string& why) {
    std::array<bool, 5> given{};
    for (const std::string& word : words) {
        const size_t eq = word.find('=');
        if (eq != 1 || word[0] < '1' || word[0] > '4') {
            why = "a seat is P=NAME with P a player from 1 to 4, not " + word;
            return false;
        }
        const int p = word[0] - '0';
        if (given[static_cast<size_t>(p)]) {
            why = "player " + std::to_string(p) + " is seated twice";
            return false;
        }
        given[static_cast<size_t>(p)] = true;
        const std::string who = word.substr(2);
        Seat& seat = seats_[static_cast<size_t>(p)];
        if (who == "here") seat = Seat{Seat::Kind::Here, ""};
        else if (who == "computer") seat = Seat{Seat::Kind::Computer, ""};
        else if (who.empty() || Characters(who) > kLongestName) {
            why = "a machine's name has 1 to " + std::to_string(kLongestName) + " characters: " + word;
            return false;
        } else {
            seat = Seat{Seat::Kind::Remote, who};
        }
    }
    return true;
}

std::string Seats::Text(int count) const {
    std::string text;
    for (int p = 1; p <= count && p <= 4; ++p) {
        const Seat& seat = Of(p);
        const std::string who = seat.kind == Seat::Kind::Here       ? "here"
                                : seat.kind == Seat::Kind::Computer ? "computer"
                                                                    : seat.name;
        text += (text.empty() ? "" : " ") + input_log::Word(std::to_string(p) + "=" + who);
    }
    return text;
}

const Seat& Seats::Of(int player) const {
    if (player < 1 || player > 4) return kNone;
    return seats_[static_cast<size_t>(player)];
}

void Seats::SetComputer(int player, bool on) {
    if (player < 1 || player > 4) return;
    Seat& seat = seats_[static_cast<size_t>(player)];
    if (seat.kind == Seat::Kind::Remote) return;  // a machine's party stays its own
    seat.kind = on ? Seat::Kind::Computer : Seat::Kind::Here;
}

bool Seats::Knows(const std::string& name) const {
    for (int p = 1; p <= 4; ++p)
        if (Plays(name, p)) return true;
    return false;
}

bool Seats::Plays(const std::string& name, int player) const {
    const Seat& seat = Of(player);
    return seat.kind == Seat::Kind::Remote && seat.name == name;
}

}  // namespace net
