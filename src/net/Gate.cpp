#include "net/Gate.h"

#include <algorithm>
#include <sstream>

#include "net/Protocol.h"
#include "record/RecordReader.h"
#include "ui/CommandLine.h"
#include "ui/InputCommand.h"

namespace net {

namespace {

Verdict Refuse(const std::string& why) { return Verdict{Verdict::Kind::Refuse, why, ""}; }
Verdict Disconnect(const std::string& why) { return Verdict{Verdict::Kind::Disconnect, why, ""}; }

// The screens where a remote player plays; the title, the set-up, the end, the help and the
// journal are the host's own.
bool ScreenOfPlay(const std::string& screen) {
    static const std::set<std::string> play = {"frmJeu",  "Combat",   "ChCmb",  "frmMagic",    "Graveyard",
                                               "Resource", "Detail",  "MsgBox", "ALaMinaNoVoy"};
    return play.count(screen) != 0;
}

bool HasControlCharacter(const std::string& line) {
    return std::any_of(line.begin(), line.end(), [](char ch) {
        const auto u = static_cast<unsigned char>(ch);
        return (u < 0x20 && u != '\t') || u == 0x7f;
    });
}

}  // namespace

bool RateLimit::Take(long long nowMs) {
    if (tokens_ < 0) {
        tokens_ = burst_;
        last_ = nowMs;
    }
    if (nowMs > last_) {
        tokens_ = std::min<double>(burst_, tokens_ + static_cast<double>(nowMs - last_) * perSecond_ / 1000.0);
        last_ = nowMs;
    }
    if (tokens_ >= 1) {
        tokens_ -= 1;
        return true;
    }
    ++over_;
    return false;
}

std::string OutOfReach(const std::string& recordLine) {
    const CommandLine line = ReadCommandLine(recordLine);
    if (line.Empty() || line.quoteLeftOpen) return "not an input line";
    const std::string& cmd = line.Command();
    if (cmd == "wait") return "";
    if (cmd == "close" && line.words.size() == 1) return "";  // the pop-up menu that waits, dismissed
    if (line.words.size() < 2) return cmd + ": names no screen";
    const std::string& target = line.words[1];
    const ControlPath path = SplitControlPath(target);
    const std::string screen = cmd == "close" ? target : path.screen;
    if (screen.empty()) return cmd + ": names no screen";
    if (!ScreenOfPlay(screen)) return "the screen " + screen + " is the host's own";
    if (cmd == "close") {
        if (screen == "frmJeu") return "the board's close box is the host's own";
        return "";
    }
    const std::string& key = path.key;
    if (key == "MenuJeu" || key.starts_with("MNU_Jeu")) return "the game's menu is the host's own";
    if (cmd == "press" || cmd == "presson") {
        if (key.find("Ctrl+") != std::string::npos || key.find("Alt+") != std::string::npos)
            return "the key " + key + " is the host's own";
        if (key.size() >= 2 && key[0] == 'F' && key[1] >= '1' && key[1] <= '9') return "the key " + key + " is the host's own";
        if (screen == "frmJeu" && key == "Esc") return "the game's menu is the host's own";
    }
    return "";
}

Verdict Gate::Check(Peer& peer, const std::string& line, bool tooLong, long long nowMs, int playerToPlay) {
    Verdict v = Judge(peer, line, tooLong, nowMs, playerToPlay);
    // A machine that has not said hello as it should is not listened to any longer.
    if (!peer.greeted && v.kind == Verdict::Kind::Refuse && v.why != "a wrong join code") v.kind = Verdict::Kind::Disconnect;
    return v;
}

Verdict Gate::Judge(Peer& peer, const std::string& line, bool tooLong, long long nowMs, int playerToPlay) {
    if (!peer.rate.Take(nowMs)) {
        if (peer.rate.Over() > kFloodLines) return Disconnect("too many lines too fast");
        return Refuse("too many lines: at most " + std::to_string(kLinesPerSecond) + " a second");
    }
    if (tooLong) return Refuse("a line longer than " + std::to_string(kLongestClientLine) + " bytes");
    if (HasControlCharacter(line)) return Refuse("a line with a control character");
    if (!peer.greeted) return Hello(peer, line);
    const Message m = ReadMessage(line);
    if (m.kind == "input") return Input(peer, m.carried, playerToPlay);
    if (m.kind == "done" && m.words.size() == 1) {
        peer.done = true;
        return Verdict{Verdict::Kind::Done, "", ""};
    }
    if (m.kind == "resync" && m.words.size() == 1) return Verdict{Verdict::Kind::Resync, "", ""};
    if (m.kind == "hello") return Refuse("this machine has already said hello");
    return Refuse("not a message a joined machine sends: " + m.kind.substr(0, 40));
}

Verdict Gate::Hello(Peer& peer, const std::string& line) {
    const Message m = ReadMessage(line);
    if (m.kind != "hello") return Disconnect("the first line must be a hello");
    if (m.quoteLeftOpen || m.words.size() != 4) return Disconnect("a hello is: hello VERSION CODE NAME");
    int version = 0;
    if (!ToWholeNumber(m.words[1], version) || version != kProtocolVersion)
        return Disconnect("protocol version " + m.words[1].substr(0, 20) + ", this host speaks " +
                          std::to_string(kProtocolVersion));
    if (m.words[2] != code_) {
        ++peer.wrongCodes;
        if (peer.wrongCodes >= kMostWrongCodes) return Disconnect("a wrong join code, too many times");
        return Refuse("a wrong join code");
    }
    const std::string& name = m.words[3];
    if (!seats_.Knows(name)) return Disconnect("no party here is played by " + name.substr(0, kLongestName * 4));
    if (connected_.count(name)) return Disconnect(name + " is already here");
    connected_.insert(name);
    peer.greeted = true;
    peer.name = name;
    return Verdict{Verdict::Kind::Hello, "", ""};
}

Verdict Gate::Input(const Peer& peer, const std::string& line, int playerToPlay) const {
    // The record's own reader judges the line's form: its length, no command of the driver's,
    // its arguments.
    std::istringstream in(line + "\n");
    record::RecordReader reader(in);
    CommandLine event;
    std::string raw;
    if (!reader.Next(event, raw)) {
        std::string why = reader.Fault();
        if (why.starts_with("line 1: ")) why = why.substr(8);
        return Refuse(why.empty() ? "an empty input" : why);
    }
    if (!IsInputCommand(event.Command())) return Refuse(event.Command() + " is not a player's input");
    if (peer.done) return Refuse("this machine said it was done");
    if (playerToPlay < 1) return Refuse("no party is playing");
    if (!seats_.Plays(peer.name, playerToPlay)) return Refuse("not your turn");
    const std::string far = OutOfReach(raw);
    if (!far.empty()) return Refuse(far);
    return Verdict{Verdict::Kind::Input, "", raw};
}

void Gate::Left(const Peer& peer) {
    if (peer.greeted) connected_.erase(peer.name);
}

}  // namespace net
