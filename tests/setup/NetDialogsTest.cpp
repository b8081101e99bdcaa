// The screens of network play: the title's Join dialog, the board's Host dialog and the board's
// entries, which exist only where the program offers network play.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "save/NetHost.h"
#include "setup/NetJoin.h"
#include "state/CharacterRecord.h"
#include "state/Classes.h"
#include "support/Game.h"
#include "ui/NetPlay.h"
#include "view/Render.h"

namespace {

// What the program's side saw of the screens, and the network game's state it answers with.
struct Net {
    bool hosting = false, joined = false;
    int away = 0, codes = 0, stops = 0;
    std::vector<NetJoinAsk> joins;
    std::vector<NetHostAsk> hosts;
    std::vector<int> handed;
};

NetPlayHooks HooksOf(Net& net) {
    NetPlayHooks hooks;
    hooks.join = [&net](const NetJoinAsk& ask) { net.joins.push_back(ask); };
    hooks.host = [&net](const NetHostAsk& ask) { net.hosts.push_back(ask); };
    hooks.newCode = [&net] { return "K" + std::to_string(++net.codes) + "Q"; };
    hooks.hosting = [&net] { return net.hosting; };
    hooks.joined = [&net] { return net.joined; };
    hooks.stop = [&net] { ++net.stops; };
    hooks.awayParty = [&net] { return net.away; };
    hooks.handToComputer = [&net](int p) { net.handed.push_back(p); };
    return hooks;
}

constexpr const char* kNewGame = "rnd 0\nnewgame \"Ann\" 1,2,3,4,5,6 \"Bob\" 7,8,9,10,11,12\n";

// A game of `players` parties written straight into the records, the player names given.
void PartiesOf(const std::vector<std::string>& names) {
    gd.PlayerCount = static_cast<int>(names.size());
    const int per = CharactersPerPlayer();
    for (int p = 1; p <= gd.PlayerCount; ++p)
        for (int k = 1; k <= per; ++k)
            gd.CharacterRecords[(p - 1) * per + k] = rec::Make(p, names[p - 1], k, "Perso", classes::Template(k));
}

class NetScreens : public ::testing::Test {
protected:
    void SetUp() override {
        FreshProcess();
        SetNetPlayHooks({});
    }
    void TearDown() override {
        SetNetPlayHooks({});
        FreshProcess();
    }
    Net net;
};

// The join dialog opened on its own, its OK handing the ask over here.
Screen& OpenJoin(std::vector<NetJoinAsk>& accepted) {
    return Ui::Get().Show(MakeJoinDialog([&accepted](const NetJoinAsk& a) { accepted.push_back(a); }));
}

Screen& OpenHost(std::vector<NetHostAsk>& accepted) {
    return Ui::Get().Show(MakeHostDialog([&accepted](const NetHostAsk& a) { accepted.push_back(a); }));
}

void Fill(Screen& d, const std::string& address, const std::string& port, const std::string& code,
          const std::string& name) {
    d.Type("Adresse", address);
    d.Type("Port", port);
    d.Type("Code", code);
    d.Type("Nom", name);
}

}  // namespace

TEST_F(NetScreens, WithoutTheHooksNoEntryExistsOnTheTitleOrTheBoard) {
    Session s;
    Screen& title = *s.screen("frmBegin");
    EXPECT_EQ(title.Find(kTitleJoin), nullptr);
    EXPECT_EQ(title.Find("MNU_SepJoin"), nullptr);
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    Screen& board = *s.screen("frmJeu");
    for (const char* name : {kHostEntry, kAwayEntry, kNetEndEntry, kNetSeparator})
        EXPECT_EQ(board.Find(name), nullptr) << name;
    EXPECT_FALSE(BoardNetEntriesOffered());
}

TEST_F(NetScreens, TheTitleOffersJoinUnderFileBeforeQuitInEitherLanguage) {
    SetNetPlayHooks(HooksOf(net));
    Session s;
    Screen& title = *s.screen("frmBegin");
    Control* join = title.Find(kTitleJoin);
    ASSERT_NE(join, nullptr);
    EXPECT_EQ(join->parent, "MNU_File");
    EXPECT_TRUE(join->visible);
    EXPECT_TRUE(join->programOwn);
    EXPECT_EQ(join->caption, "Re&joindre une partie en réseau...");
    // In its own group: a separator before it, Quit after it.
    EXPECT_LT(title.C("MNU_SepJoin").order, join->order);
    EXPECT_GT(title.C("MNU_Sep").order, join->order);
    EXPECT_GT(join->order, title.C("MNU_Watch").order);
    ASSERT_EQ(s.Run("menu lang(1)\n"), 0) << s.err();
    EXPECT_EQ(join->caption, "&Join a network game...");
}

TEST_F(NetScreens, JoinRefusesAWrongFieldSaysWhyAndStaysOpen) {
    struct Case {
        const char *address, *port, *code, *name;
        const char* field;  // where the keyboard goes
        const char* why;    // a piece of the French reason
    };
    const Case cases[] = {
        {"", "28657", "K7", "Ann", "Adresse", "adresse"},
        {"my host", "28657", "K7", "Ann", "Adresse", "adresse"},
        {"10.0.0.5", "0", "K7", "Ann", "Port", "1 à 65535"},
        {"10.0.0.5", "65536", "K7", "Ann", "Port", "1 à 65535"},
        {"10.0.0.5", "28a57", "K7", "Ann", "Port", "1 à 65535"},
        {"10.0.0.5", "", "K7", "Ann", "Port", "1 à 65535"},
        {"10.0.0.5", "28657", "  ", "Ann", "Code", "code"},
        {"10.0.0.5", "28657", "K7", " ", "Nom", "1 à 10"},
        // Eleven letters: one too many, though the name of ten accented ones below is longer in bytes.
        {"10.0.0.5", "28657", "K7", "Abcdefghijk", "Nom", "1 à 10"},
    };
    for (const Case& c : cases) {
        std::vector<NetJoinAsk> accepted;
        Screen& d = OpenJoin(accepted);
        Fill(d, c.address, c.port, c.code, c.name);
        d.Click("cmdOK");
        EXPECT_TRUE(accepted.empty()) << c.address << "|" << c.port << "|" << c.name;
        EXPECT_TRUE(Ui::Get().IsOpen(&d)) << c.field;
        EXPECT_NE(d.C("lblErreur").caption.find(c.why), std::string::npos) << d.C("lblErreur").caption;
        EXPECT_EQ(d.focus, c.field);
        d.Click("cmdAnnuler");
        EXPECT_FALSE(Ui::Get().IsOpen(&d));
        EXPECT_TRUE(accepted.empty());
    }
}

TEST_F(NetScreens, JoinHandsOverTheValuesWithoutTheirBlanksAndOffersThemAgain) {
    std::vector<NetJoinAsk> accepted;
    Screen& d = OpenJoin(accepted);
    // Ten letters, accented: twelve bytes, yet a name of the set-up's length.
    Fill(d, " 192.168.1.20 ", " 4000 ", " K7Q2 ", " Éléonoréà ");
    d.Click("cmdOK");
    ASSERT_EQ(accepted.size(), 1u) << d.C("lblErreur").caption;
    EXPECT_FALSE(Ui::Get().IsOpen(&d));
    EXPECT_EQ(accepted[0].address, "192.168.1.20");
    EXPECT_EQ(accepted[0].port, 4000);
    EXPECT_EQ(accepted[0].code, "K7Q2");
    EXPECT_EQ(accepted[0].name, "Éléonoréà");

    // The next opening shows what was typed; a cancelled one keeps its changes too.
    Screen& again = OpenJoin(accepted);
    EXPECT_EQ(again.C("Adresse").text, " 192.168.1.20 ");
    EXPECT_EQ(again.C("Port").text, " 4000 ");
    EXPECT_EQ(again.C("Nom").text, " Éléonoréà ");
    EXPECT_EQ(again.focus, "cmdOK");  // nothing left to fill
    again.Type("Code", "");
    again.Click("cmdAnnuler");
    Screen& third = OpenJoin(accepted);
    EXPECT_EQ(third.C("Code").text, "");
    EXPECT_EQ(third.focus, "Code");
    third.Click("cmdAnnuler");
    EXPECT_EQ(accepted.size(), 1u);
}

TEST_F(NetScreens, JoinTakesReturnForOkAndEscapeForCancel) {
    std::vector<NetJoinAsk> accepted;
    Screen& d = OpenJoin(accepted);
    Fill(d, "host.lan", "28657", "K7", "Ann");
    // Return from any field, a text box included, is OK.
    d.focus = "Code";
    EXPECT_TRUE(Ui::Get().PressKey(d, "Return"));
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].address, "host.lan");

    Screen& other = OpenJoin(accepted);
    other.Type("Nom", "Bob");
    EXPECT_TRUE(Ui::Get().PressKey(other, "Esc"));
    EXPECT_FALSE(Ui::Get().IsOpen(&other));
    EXPECT_EQ(accepted.size(), 1u);

    // Tab walks the fields in their order, then the buttons.
    Screen& walk = OpenJoin(accepted);
    walk.focus = "Adresse";
    std::vector<std::string> seen;
    for (int k = 0; k < 5; ++k) {
        walk.PressKey(Screen::kFocusNextKey);
        seen.push_back(walk.focus);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Port", "Code", "Nom", "cmdOK", "cmdAnnuler"}));
    walk.Click("cmdAnnuler");
}

TEST_F(NetScreens, JoinFromTheTitleCallsTheHookOnceTheDialogIsRight) {
    SetNetPlayHooks(HooksOf(net));
    Session s;
    ASSERT_EQ(s.Run("menu MNU_Join\n"
                    "key frmRejoindre.Adresse host.lan\nkey frmRejoindre.Port 99999\n"
                    "key frmRejoindre.Code K7Q2\nkey frmRejoindre.Nom Ann\n"
                    "click frmRejoindre.cmdOK\nscreen\n"
                    "key frmRejoindre.Port 4000\nclick frmRejoindre.cmdOK\nscreen\n"),
              0)
        << s.err();
    // The wrong port kept the dialog open; the right one closed it and joined.
    EXPECT_NE(s.out().find("frmBegin frmRejoindre\nfrmBegin\n"), std::string::npos) << s.out();
    ASSERT_EQ(net.joins.size(), 1u);
    EXPECT_EQ(net.joins[0].address, "host.lan");
    EXPECT_EQ(net.joins[0].port, 4000);
    EXPECT_EQ(net.joins[0].code, "K7Q2");
    EXPECT_EQ(net.joins[0].name, "Ann");
}

TEST_F(NetScreens, HostShowsEachPartyByItsPlayerAndCyclesItsSeat) {
    SetNetPlayHooks(HooksOf(net));
    PartiesOf({"Ann", "Bob", "Cid"});
    gd.ComputerPlayer[3] = true;
    std::vector<NetHostAsk> accepted;
    Screen& d = OpenHost(accepted);
    EXPECT_EQ(d.caption, "Héberger une partie en réseau");
    EXPECT_EQ(d.C("lblGroupe", 1).caption, "Ann");
    EXPECT_EQ(d.C("lblGroupe", 3).caption, "Cid");
    EXPECT_FALSE(d.Shown(d.C("Siege", 4)));
    EXPECT_FALSE(d.Shown(d.C("lblGroupe", 4)));
    // A party the computer plays starts as the computer's, the others here.
    EXPECT_EQ(d.C("Siege", 1).caption, "ici");
    EXPECT_EQ(d.C("Siege", 3).caption, "ordinateur");
    std::vector<std::string> seen;
    for (int k = 0; k < 3; ++k) {
        d.Click("Siege(1)");
        seen.push_back(d.C("Siege", 1).caption);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"à distance", "ordinateur", "ici"}));
    // Space turns the seat the keyboard is on; the dialog starts on the first.
    EXPECT_EQ(d.focus, "Siege(1)");
    Ui::Get().PressKey(d, Screen::kFocusClickKey);
    EXPECT_EQ(d.C("Siege", 1).caption, "à distance");
    EXPECT_EQ(d.C("Siege", 2).caption, "ici");
    d.Click("cmdAnnuler");
    EXPECT_TRUE(accepted.empty());
}

TEST_F(NetScreens, HostNeedsAPortAndARemotePartyWithAName) {
    SetNetPlayHooks(HooksOf(net));
    PartiesOf({"Ann", ""});
    std::vector<NetHostAsk> accepted;
    Screen& d = OpenHost(accepted);
    EXPECT_EQ(d.C("lblGroupe", 2).caption, "Joueur 2");
    d.Type("Port", "5000");
    d.Click("cmdOK");
    EXPECT_TRUE(Ui::Get().IsOpen(&d));
    EXPECT_NE(d.C("lblErreur").caption.find("à distance"), std::string::npos) << d.C("lblErreur").caption;
    // The nameless party cannot be joined: nobody could name it.
    d.Click("Siege(2)");
    d.Click("cmdOK");
    EXPECT_TRUE(Ui::Get().IsOpen(&d));
    EXPECT_NE(d.C("lblErreur").caption.find("nom"), std::string::npos) << d.C("lblErreur").caption;
    EXPECT_EQ(d.focus, "Siege(2)");
    d.Click("Siege(2)");
    d.Click("Siege(2)");  // back to here
    d.Click("Siege(1)");  // Ann's, remote
    d.Type("Port", "70000");
    d.Click("cmdOK");
    EXPECT_TRUE(Ui::Get().IsOpen(&d));
    EXPECT_EQ(d.C("lblErreur").caption, "Le port est un nombre de 1 à 65535.");
    EXPECT_EQ(d.focus, "Port");
    EXPECT_TRUE(accepted.empty());
    d.Type("Port", "5000");
    EXPECT_TRUE(Ui::Get().PressKey(d, "Return"));
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_FALSE(Ui::Get().IsOpen(&d));
    EXPECT_EQ(accepted[0].port, 5000);
    EXPECT_EQ(accepted[0].seat[1], NetSeat::Remote);
    EXPECT_EQ(accepted[0].seat[2], NetSeat::Here);
    EXPECT_EQ(accepted[0].code, "K1Q");
}

TEST_F(NetScreens, HostShowsAFreshCodeAndHandsOverTheOneShown) {
    SetNetPlayHooks(HooksOf(net));
    PartiesOf({"Ann", "Bob"});
    gd.LanguageOffset = 2000;
    std::vector<NetHostAsk> accepted;
    Screen& d = OpenHost(accepted);
    EXPECT_EQ(d.caption, "Host a network game");
    EXPECT_EQ(d.C("cmdCode").caption, "New code");
    EXPECT_EQ(d.C("Siege", 2).caption, "here");
    EXPECT_EQ(d.C("Code").caption, "K1Q");
    d.Click("cmdCode");
    EXPECT_EQ(d.C("Code").caption, "K2Q");
    d.Click("Siege(2)");
    EXPECT_EQ(d.C("Siege", 2).caption, "remote");
    d.Type("Port", "28700");
    d.Click("cmdOK");
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].code, "K2Q");
    EXPECT_EQ(accepted[0].seat[2], NetSeat::Remote);
    // The port is offered again; without a code hook the code is empty and cannot be renewed.
    NetPlayHooks hooks = HooksOf(net);
    hooks.newCode = nullptr;
    SetNetPlayHooks(hooks);
    Screen& again = OpenHost(accepted);
    EXPECT_EQ(again.C("Port").text, "28700");
    EXPECT_EQ(again.C("Code").caption, "");
    EXPECT_FALSE(again.C("cmdCode").enabled);
    EXPECT_TRUE(Ui::Get().PressKey(again, "Esc"));
    EXPECT_FALSE(Ui::Get().IsOpen(&again));
    EXPECT_EQ(accepted.size(), 1u);
}

TEST_F(NetScreens, TheBoardsEntriesFollowTheNetworkGame) {
    SetNetPlayHooks(HooksOf(net));
    Session s;
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    Screen& board = *s.screen("frmJeu");
    auto shown = [&board](const char* name) { return board.C(name).visible; };
    // Opening the menu brings its entries up to date.
    auto open = [&s] { ASSERT_EQ(s.Run("press Esc\nclose\n"), 0) << s.err(); };

    open();
    EXPECT_TRUE(shown(kHostEntry));
    EXPECT_FALSE(shown(kAwayEntry));
    EXPECT_FALSE(shown(kNetEndEntry));
    EXPECT_TRUE(shown(kNetSeparator));
    EXPECT_EQ(board.C(kHostEntry).caption, "&Héberger une partie en réseau...");

    net.hosting = true;
    open();
    EXPECT_FALSE(shown(kHostEntry));
    EXPECT_FALSE(shown(kAwayEntry));
    EXPECT_EQ(board.C(kNetEndEntry).caption, "Arrê&ter d'héberger");
    net.away = 2;
    open();
    EXPECT_TRUE(shown(kAwayEntry));
    EXPECT_EQ(board.C(kAwayEntry).note, "Bob");
    ASSERT_EQ(s.Run("press Esc\nmenu MNU_JeuAbsent\n"), 0) << s.err();
    EXPECT_EQ(net.handed, (std::vector<int>{2}));
    ASSERT_EQ(s.Run("press Esc\nmenu MNU_JeuReseauFin\n"), 0) << s.err();
    EXPECT_EQ(net.stops, 1);

    net.hosting = false;
    net.joined = true;
    ASSERT_EQ(s.Run("press Esc\nmenu MNU_JeuLangue(1)\n"), 0) << s.err();
    EXPECT_FALSE(shown(kHostEntry));
    EXPECT_FALSE(shown(kAwayEntry));
    EXPECT_TRUE(shown(kNetEndEntry));
    EXPECT_EQ(board.C(kNetEndEntry).caption, "Lea&ve the network game");

    // No longer hosting: a party away is no one's business here.
    net.joined = false;
    open();
    EXPECT_TRUE(shown(kHostEntry));
    EXPECT_FALSE(shown(kAwayEntry));
    EXPECT_FALSE(shown(kNetEndEntry));
    EXPECT_EQ(board.C(kHostEntry).caption, "&Host a network game...");
}

TEST_F(NetScreens, HostFromTheBoardsMenuCallsTheHookWithTheSeats) {
    SetNetPlayHooks(HooksOf(net));
    Session s;
    ASSERT_EQ(s.Run(kNewGame), 0) << s.err();
    ASSERT_EQ(s.Run("press Esc\nmenu MNU_JeuHeberger\n"
                    "click frmHeberger.Siege(2)\nkey frmHeberger.Port 28660\nclick frmHeberger.cmdOK\nscreen\n"),
              0)
        << s.err();
    EXPECT_NE(s.out().find("frmJeu\n"), std::string::npos) << s.out();
    ASSERT_EQ(net.hosts.size(), 1u);
    EXPECT_EQ(net.hosts[0].port, 28660);
    EXPECT_EQ(net.hosts[0].seat[1], NetSeat::Here);
    EXPECT_EQ(net.hosts[0].seat[2], NetSeat::Remote);
    EXPECT_EQ(net.hosts[0].code, "K1Q");
}

namespace {

// The font the view paints a control's text in (points at 96 pixels per inch).
QFont ViewFont(const Control& c) {
    QFont font(QString::fromStdString(c.font.family));
    font.setPixelSize(static_cast<int>(std::lround(c.font.size * 96.0 / 72.0)));
    font.setBold(c.font.bold);
    return font;
}

// Every caption shown on the dialog fits its control: wrapped labels in their height, other
// labels and buttons on their one line.
void ExpectCaptionsFit(Screen& d, const std::string& when) {
    for (Control& c : d.Controls()) {
        if (!d.Shown(c) || c.caption.empty() || (c.kind != Kind::Label && c.kind != Kind::Button)) continue;
        const QFontMetrics metrics(ViewFont(c));
        const QString text = QString::fromStdString(c.caption);
        if (c.kind == Kind::Label && c.wordWrap) {
            const QRect box = metrics.boundingRect(QRect(0, 0, c.width, 100000), Qt::AlignTop | Qt::TextWordWrap, text);
            EXPECT_LE(box.height(), c.height) << when << " " << c.Key() << ": " << c.caption;
        } else {
            const int room = c.kind == Kind::Button ? c.width - 12 : c.width;
            EXPECT_LE(metrics.horizontalAdvance(text), room) << when << " " << c.Key() << ": " << c.caption;
        }
    }
}

// With QUELMOR_SNAP_DIR set, the dialog's picture is written there to be looked at.
void Keep(Screen& d, const std::string& name) {
    if (const char* dir = std::getenv("QUELMOR_SNAP_DIR"))
        RenderScreen(d).save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}

}  // namespace

TEST_F(NetScreens, EveryCaptionAndReasonFitsInBothLanguages) {
    NetPlayHooks hooks = HooksOf(net);
    hooks.newCode = [] { return std::string("MWMWMW"); };
    SetNetPlayHooks(hooks);
    PartiesOf({"Wilhelmina", "", "Maximilien", "Bob"});
    for (int offset : {1000, 2000}) {
        gd.LanguageOffset = offset;
        const std::string language = offset == 2000 ? "en" : "fr";
        std::vector<NetJoinAsk> joins;
        Screen& join = OpenJoin(joins);
        EXPECT_EQ(join.caption, offset == 2000 ? "Join a network game" : "Rejoindre une partie en réseau");
        EXPECT_EQ(join.C("cmdAnnuler").caption, offset == 2000 ? "Cancel" : "Annuler");
        ExpectCaptionsFit(join, language);
        for (const char* field : {"Adresse", "Port", "Code", "Nom"}) {
            Fill(join, "h", "1", "c", "n");
            join.Type(field, field == std::string("Port") ? "0" : "");
            join.Click("cmdOK");
            ASSERT_FALSE(join.C("lblErreur").caption.empty()) << field;
            ExpectCaptionsFit(join, language + " " + field);
            Keep(join, "rejoindre_" + language + "_" + field);
        }
        join.Click("cmdAnnuler");

        std::vector<NetHostAsk> hosts;
        Screen& host = OpenHost(hosts);
        for (int p = 1; p <= 4; ++p)
            for (int turn = 0; turn < 3; ++turn) {
                host.Click("Siege(" + std::to_string(p) + ")");
                ExpectCaptionsFit(host, language + " seats");
            }
        host.Type("Port", "0");
        host.Click("cmdOK");
        ExpectCaptionsFit(host, language + " port");
        host.Type("Port", "1");
        host.Click("cmdOK");
        ExpectCaptionsFit(host, language + " no remote");
        host.Click("Siege(2)");
        host.Click("cmdOK");
        ExpectCaptionsFit(host, language + " no name");
        Keep(host, "heberger_" + language);
        host.Click("cmdAnnuler");
    }
}
