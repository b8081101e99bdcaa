#include "setup/NetJoin.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "state/GlobalDecl.h"
#include "ui/InputLog.h"
#include "ui/NetPlay.h"
#include "ui/Screen.h"
#include "ui/Ui.h"

namespace {

constexpr const char* kSeparator = "MNU_SepJoin";
constexpr int kWidth = 420, kHeight = 292;
constexpr int kLabelLeft = 16, kLabelWidth = 180, kBoxLeft = 204;
constexpr Rgb kErrorRed{176, 0, 0};

bool English() { return gd.LanguageOffset == 2000; }

// The four fields as they were left at the last opening of this run (the defaults at the first).
struct Typed {
    std::string address = NetJoinAsk{}.address;
    std::string port = std::to_string(NetJoinAsk{}.port);
    std::string code, name;
};
Typed& Last() {
    static Typed last;
    return last;
}

class JoinDialog : public Screen {
public:
    explicit JoinDialog(std::function<void(const NetJoinAsk&)> accepted)
        : Screen("frmRejoindre", kWidth, kHeight), accepted_(std::move(accepted)) {
        const bool english = English();
        caption = english ? "Join a network game" : "Rejoindre une partie en réseau";
        Control& intro = Place(Add(Kind::Label, "lblAide"), kLabelLeft, 12, kWidth - 32, 36);
        intro.wordWrap = true;
        intro.caption = english ? "Ask the host for the address of their machine, the port and the join code."
                                : "Demandez à l'hôte l'adresse de sa machine, le port et le code de la partie.";
        Field("Adresse", 56, 200, english ? "Host's address:" : "Adresse de l'hôte\u00A0:");
        Field("Port", 90, 80, english ? "Port:" : "Port\u00A0:");
        Field("Code", 124, 120, english ? "Join code:" : "Code de la partie\u00A0:");
        Field("Nom", 158, 120,
              english ? "Your party's player name (1 to 10 characters):"
                      : "Nom du joueur de votre groupe (1 à 10 caractères)\u00A0:",
              36);
        Control& error = Place(Add(Kind::Label, "lblErreur"), kLabelLeft, 202, kWidth - 32, 36);
        error.wordWrap = true;
        error.fore = kErrorRed;
        Control& ok = Place(Add(Kind::Button, "cmdOK"), kWidth - 200, 248, 88, 28);
        ok.caption = "OK";
        ok.hotkey = "Return";
        Control& cancel = Place(Add(Kind::Button, "cmdAnnuler"), kWidth - 104, 248, 88, 28);
        cancel.caption = english ? "Cancel" : "Annuler";
        cancel.hotkey = "Esc";

        const Typed& last = Last();
        C("Adresse").text = last.address;
        C("Port").text = last.port;
        C("Code").text = last.code;
        C("Nom").text = last.name;
        // The keyboard starts on the first field left to fill, else on OK.
        focus = "cmdOK";
        for (const char* field : {"Nom", "Code", "Port", "Adresse"})
            if (TrimBlanks(C(field).text).empty()) focus = field;

        On("cmdOK_Click", [this](const EventArgs&) { Accept(); });
        On("cmdAnnuler_Click", [this](const EventArgs&) { Leave(); });
        On("Form_QueryClose", [this](const EventArgs&) { Leave(); });
    }

private:
    // A caption on the left, its text box on the right.
    void Field(const char* name, int top, int boxWidth, const std::string& label, int labelHeight = 18) {
        Control& l = Place(Add(Kind::Label, std::string("lbl") + name), kLabelLeft, top + 3, kLabelWidth, labelHeight);
        l.caption = label;
        l.wordWrap = labelHeight > 18;
        Place(Add(Kind::TextBox, name), kBoxLeft, top, boxWidth, 24);
    }

    // The reason a field is wrong and the field, or "" when all are right (ask filled in).
    std::string Fault(std::string& field) {
        const bool english = English();
        ask_ = NetJoinAsk{};
        NetJoinAsk& ask = ask_;
        ask.address = TrimBlanks(C("Adresse").text);
        ask.code = TrimBlanks(C("Code").text);
        ask.name = TrimBlanks(C("Nom").text);
        if (ask.address.empty() || ask.address.find_first_of(" \t") != std::string::npos) {
            field = "Adresse";
            return english ? "Give the address of the host's machine (a name or a number such as 192.168.1.20)."
                           : "Indiquez l'adresse de la machine de l'hôte (un nom ou un numéro comme 192.168.1.20).";
        }
        if (!ReadNetPort(C("Port").text, ask.port)) {
            field = "Port";
            return english ? "The port is a number from 1 to 65535." : "Le port est un nombre de 1 à 65535.";
        }
        if (ask.code.empty()) {
            field = "Code";
            return english ? "Give the join code the host told you." : "Indiquez le code que l'hôte vous a donné.";
        }
        const int length = CharacterLength(ask.name);
        if (length < 1 || length > kNetLongestName) {
            field = "Nom";
            return english ? "The name has 1 to 10 characters: the player name of your party in the host's game."
                           : "Le nom a de 1 à 10 caractères\u00A0: celui du joueur de votre groupe dans la partie de l'hôte.";
        }
        return "";
    }

    void Remember() { Last() = Typed{C("Adresse").text, C("Port").text, C("Code").text, C("Nom").text}; }

    void Accept() {
        std::string field;
        const std::string why = Fault(field);
        C("lblErreur").caption = why;
        if (!why.empty()) {
            focus = field;
            return;
        }
        Remember();
        Ui::Get().Close(*this);
        if (accepted_) accepted_(ask_);
    }

    void Leave() {
        Remember();
        Ui::Get().Close(*this);
    }

    std::function<void(const NetJoinAsk&)> accepted_;
    NetJoinAsk ask_;
};

}  // namespace

void AddTitleJoinEntry(Screen& title) {
    if (!NetPlay().join) return;
    Control& line = title.Add(Kind::Menu, kSeparator);
    line.parent = "MNU_File";
    line.separator = true;
    line.caption = "-";
    Control& join = title.Add(Kind::Menu, kTitleJoin);
    join.parent = "MNU_File";
    join.programOwn = true;
    title.On(std::string(kTitleJoin) + "_Click", [](const EventArgs&) { OpenJoinDialog(); });
    CaptionTitleJoinEntry(title);
}

void CaptionTitleJoinEntry(Screen& title) {
    if (Control* join = title.Find(kTitleJoin))
        join->caption = English() ? "&Join a network game..." : "Re&joindre une partie en réseau...";
}

std::unique_ptr<Screen> MakeJoinDialog(std::function<void(const NetJoinAsk&)> accepted) {
    return std::make_unique<JoinDialog>(std::move(accepted));
}

void OpenJoinDialog() {
    // What the dialog came to is kept here, as the dialog is gone once closed.
    bool accepted = false;
    NetJoinAsk ask;
    {
        // The dialog is the program's, outside any game: its inputs are no game's record.
        const input_log::Quiet quiet;
        Ui::Get().ShowModal(MakeJoinDialog([&](const NetJoinAsk& a) {
            accepted = true;
            ask = a;
        }));
    }
    if (accepted && NetPlay().join) NetPlay().join(ask);
}
