#include "save/NetHost.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

#include "state/CharacterRecord.h"
#include "state/GlobalDecl.h"
#include "ui/InputLog.h"
#include "ui/NetPlay.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr int kWidth = 460;
constexpr int kRowsTop = 74, kRowPitch = 32;
constexpr int kLabelLeft = 16, kLabelWidth = 228, kRight = 256, kRightWidth = 188;
constexpr Rgb kErrorRed{176, 0, 0};
const Font kBold{"Arial", 9.75, true, false};

bool English() { return gd.LanguageOffset == 2000; }

// The port typed at the last opening of this run.
std::string& LastPort() {
    static std::string port = std::to_string(kNetDefaultPort);
    return port;
}

// The player's name of party p, as the set-up wrote it in the party's records ("" for none).
std::string PartyName(int p) {
    for (int c = 1; c <= CharacterCount(); ++c)
        if (rec::PlayerNumber(c) == p) return rec::ReadName(c, rec::Name::Player);
    return "";
}

std::string SeatWord(NetSeat seat, bool english) {
    switch (seat) {
        case NetSeat::Remote: return english ? "remote" : "à distance";
        case NetSeat::Computer: return english ? "computer" : "ordinateur";
        case NetSeat::Here: break;
    }
    return english ? "here" : "ici";
}

NetSeat NextSeat(NetSeat seat) {
    switch (seat) {
        case NetSeat::Here: return NetSeat::Remote;
        case NetSeat::Remote: return NetSeat::Computer;
        case NetSeat::Computer: break;
    }
    return NetSeat::Here;
}

class HostDialog : public Screen {
public:
    explicit HostDialog(std::function<void(const NetHostAsk&)> accepted)
        : Screen("frmHeberger", kWidth, Height(Parties())), accepted_(std::move(accepted)), parties_(Parties()) {
        const bool english = English();
        caption = english ? "Host a network game" : "Héberger une partie en réseau";
        Control& intro = Place(Add(Kind::Label, "lblAide"), kLabelLeft, 10, kWidth - 32, 56);
        intro.wordWrap = true;
        intro.caption = english
            ? "Choose how each party is played: here, on this machine; remote, from a friend's machine, "
              "which joins the game with that party's player name; or by the computer."
            : "Choisissez comment se joue chaque groupe\u00A0: ici, sur cette machine\u00A0; à distance, depuis "
              "la machine d'un ami, qui rejoint la partie avec le nom du joueur de ce groupe\u00A0; ou par "
              "l'ordinateur.";
        for (int p = 1; p <= kMaxPlayers; ++p) {
            const int top = kRowsTop + (p - 1) * kRowPitch;
            Control& name = Place(Add(Kind::Label, "lblGroupe", p), kLabelLeft, top + 5, kLabelWidth, 18);
            name.font = kBold;
            Control& seat = Place(Add(Kind::Button, "Siege", p), kRight, top, 150, 26);
            const bool inGame = p <= parties_;
            name.visible = seat.visible = inGame;
            seats_[p] = inGame && gd.ComputerPlayer[static_cast<size_t>(p)] ? NetSeat::Computer : NetSeat::Here;
            const std::string player = inGame ? PartyName(p) : "";
            name.caption = !player.empty() ? player : (english ? "Player " : "Joueur ") + std::to_string(p);
        }
        const int below = kRowsTop + parties_ * kRowPitch + 8;
        Place(Add(Kind::Label, "lblPort"), kLabelLeft, below + 3, kLabelWidth, 18).caption =
            english ? "Port:" : "Port\u00A0:";
        Place(Add(Kind::TextBox, "Port"), kRight, below, 80, 24).text = LastPort();
        Control& codeCaption = Place(Add(Kind::Label, "lblCodeTitre"), kLabelLeft, below + 42, kLabelWidth, 36);
        codeCaption.wordWrap = true;
        codeCaption.caption = english ? "Join code to give your friends:" : "Code à donner à vos amis\u00A0:";
        Control& code = Place(Add(Kind::Label, "Code"), kRight, below + 34, kRightWidth, 34);
        code.font = Font{"Arial", 18, true, false};
        code.caption = NetNewCode();
        Control& again = Place(Add(Kind::Button, "cmdCode"), kRight, below + 72, 150, 26);
        again.caption = english ? "New code" : "Nouveau code";
        again.enabled = static_cast<bool>(NetPlay().newCode);
        Control& error = Place(Add(Kind::Label, "lblErreur"), kLabelLeft, below + 108, kWidth - 32, 36);
        error.wordWrap = true;
        error.fore = kErrorRed;
        Control& ok = Place(Add(Kind::Button, "cmdOK"), kWidth - 200, below + 150, 88, 28);
        ok.caption = "OK";
        ok.hotkey = "Return";
        Control& cancel = Place(Add(Kind::Button, "cmdAnnuler"), kWidth - 104, below + 150, 88, 28);
        cancel.caption = english ? "Cancel" : "Annuler";
        cancel.hotkey = "Esc";
        CaptionSeats();
        focus = "Siege(1)";

        On("Siege_Click", [this](const EventArgs& a) { TurnSeat(a.index); }, "I");
        On("cmdCode_Click", [this](const EventArgs&) { C("Code").caption = NetNewCode(); });
        On("cmdOK_Click", [this](const EventArgs&) { Accept(); });
        On("cmdAnnuler_Click", [this](const EventArgs&) { Leave(); });
        On("Form_QueryClose", [this](const EventArgs&) { Leave(); });
    }

private:
    static int Parties() { return std::clamp(gd.PlayerCount, 0, kMaxPlayers); }
    static int Height(int parties) { return kRowsTop + parties * kRowPitch + 8 + 192; }

    void CaptionSeats() {
        for (int p = 1; p <= kMaxPlayers; ++p) C("Siege", p).caption = SeatWord(seats_[p], English());
    }

    void TurnSeat(int p) {
        if (p < 1 || p > parties_) return;
        seats_[p] = NextSeat(seats_[p]);
        CaptionSeats();
    }

    // The reason the choices cannot be hosted and the control to mend, or "" (ask filled in).
    std::string Fault(std::string& control) {
        const bool english = English();
        ask_ = NetHostAsk{};
        NetHostAsk& ask = ask_;
        if (!ReadNetPort(C("Port").text, ask.port)) {
            control = "Port";
            return english ? "The port is a number from 1 to 65535." : "Le port est un nombre de 1 à 65535.";
        }
        bool remote = false;
        for (int p = 1; p <= kMaxPlayers; ++p) {
            ask.seat[p] = p <= parties_ ? seats_[p] : NetSeat::Here;
            if (ask.seat[p] != NetSeat::Remote) continue;
            remote = true;
            if (PartyName(p).empty()) {
                control = "Siege(" + std::to_string(p) + ")";
                return english ? "Party " + std::to_string(p) + " has no player name: no friend can join as it."
                               : "Le groupe " + std::to_string(p) +
                                     " n'a pas de nom de joueur\u00A0: aucun ami ne peut le rejoindre.";
            }
        }
        if (!remote) {
            control = "Siege(1)";
            return english ? "Set at least one party to remote: without one, play on this machine alone."
                           : "Mettez au moins un groupe à distance\u00A0: sans lui, jouez sur cette seule machine.";
        }
        ask.code = C("Code").caption;
        return "";
    }

    void Accept() {
        std::string control;
        const std::string why = Fault(control);
        C("lblErreur").caption = why;
        if (!why.empty()) {
            focus = control;
            return;
        }
        LastPort() = C("Port").text;
        Ui::Get().Close(*this);
        if (accepted_) accepted_(ask_);
    }

    void Leave() {
        LastPort() = C("Port").text;
        Ui::Get().Close(*this);
    }

    std::function<void(const NetHostAsk&)> accepted_;
    NetHostAsk ask_;
    int parties_;
    NetSeat seats_[kMaxPlayers + 1] = {};
};

}  // namespace

bool BoardNetEntriesOffered() {
    const NetPlayHooks& hooks = NetPlay();
    return hooks.host || hooks.hosting || hooks.joined || hooks.stop;
}

void RefreshBoardNetEntries(Screen& board) {
    Control* host = board.Find(kHostEntry);
    Control* away = board.Find(kAwayEntry);
    Control* end = board.Find(kNetEndEntry);
    Control* line = board.Find(kNetSeparator);
    if (!host || !away || !end || !line) return;
    const bool english = English();
    const bool hosting = NetHosting(), joined = NetJoined();
    host->caption = english ? "&Host a network game..." : "&Héberger une partie en réseau...";
    host->visible = NetPlay().host && !hosting && !joined;
    const int awayParty = hosting ? NetAwayParty() : 0;
    away->caption = english ? "Hand the &away party to the computer" : "Confier à l'ordinateur le groupe &absent";
    away->visible = awayParty > 0 && NetPlay().handToComputer;
    away->note = away->visible ? PartyName(awayParty) : "";
    end->caption = joined ? (english ? "Lea&ve the network game" : "Qui&tter la partie en réseau")
                          : (english ? "S&top hosting" : "Arrê&ter d'héberger");
    end->visible = (hosting || joined) && NetPlay().stop;
    line->visible = host->visible || away->visible || end->visible;
}

bool RunBoardNetEntry(const std::string& name) {
    const NetPlayHooks& hooks = NetPlay();
    if (name == kHostEntry) {
        if (hooks.host && !NetHosting() && !NetJoined()) OpenHostDialog();
    } else if (name == kAwayEntry) {
        // The machine may have come back while the menu was up.
        const int party = NetHosting() ? NetAwayParty() : 0;
        if (party > 0 && hooks.handToComputer) hooks.handToComputer(party);
    } else if (name == kNetEndEntry) {
        if ((NetHosting() || NetJoined()) && hooks.stop) hooks.stop();
    } else {
        return false;
    }
    return true;
}

std::unique_ptr<Screen> MakeHostDialog(std::function<void(const NetHostAsk&)> accepted) {
    return std::make_unique<HostDialog>(std::move(accepted));
}

void OpenHostDialog() {
    // What the dialog came to is kept here, as the dialog is gone once closed.
    bool accepted = false;
    NetHostAsk ask;
    {
        // The dialog is the program's, not the game's: its inputs are no part of the record.
        const input_log::Quiet quiet;
        Ui::Get().ShowModal(MakeHostDialog([&](const NetHostAsk& a) {
            accepted = true;
            ask = a;
        }));
    }
    if (accepted && NetPlay().host) NetPlay().host(ask);
}
