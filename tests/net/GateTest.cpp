// The host's gate against what a hostile machine may send: wrong codes, old versions, lines too
// long or malformed, input out of turn, the driver's commands, the host's own screens and keys,
// a flood. Each refused line must come back with a reason, and only a player's input for its
// own party's turn passes.
#include <gtest/gtest.h>

#include "net/Gate.h"
#include "net/Protocol.h"

namespace {

net::Gate MakeGate() {
    net::Seats seats;
    std::string why;
    EXPECT_TRUE(seats.Read({"1=Ann", "2=Bob", "3=computer"}, why)) << why;
    return net::Gate("s3cret", seats);
}

using Kind = net::Verdict::Kind;

// A peer that said hello as name, at time 0.
net::Peer Greeted(net::Gate& gate, const std::string& name) {
    net::Peer peer;
    EXPECT_EQ(gate.Check(peer, net::HelloLine("s3cret", name), false, 0, 1).kind, Kind::Hello);
    return peer;
}

TEST(Gate, AHelloMustComeFirstWithTheVersionTheCodeAndASeatedName) {
    net::Gate gate = MakeGate();
    {
        net::Peer p;
        const net::Verdict v = gate.Check(p, "input press frmJeu.Return", false, 0, 1);
        EXPECT_EQ(v.kind, Kind::Disconnect);
        EXPECT_NE(v.why.find("hello"), std::string::npos);
    }
    {
        net::Peer p;
        const net::Verdict v = gate.Check(p, net::HelloLine("s3cret", "Ann", 0), false, 0, 1);
        EXPECT_EQ(v.kind, Kind::Disconnect);
        EXPECT_NE(v.why.find("protocol version 0"), std::string::npos) << v.why;
        EXPECT_FALSE(p.greeted);
    }
    {
        net::Peer p;
        EXPECT_EQ(gate.Check(p, net::HelloLine("s3cret", "Zoe"), false, 0, 1).kind, Kind::Disconnect);
        EXPECT_EQ(gate.Check(p, "hello 1 s3cret", false, 0, 1).kind, Kind::Disconnect);
        EXPECT_EQ(gate.Check(p, "hello 1 \"s3cret Ann", false, 0, 1).kind, Kind::Disconnect);
        EXPECT_FALSE(p.greeted);
    }
    net::Peer ann = Greeted(gate, "Ann");
    EXPECT_TRUE(ann.greeted);
    EXPECT_EQ(ann.name, "Ann");
    EXPECT_TRUE(gate.Connected("Ann"));
    // One machine a name, until it leaves; a second hello is refused.
    net::Peer twin;
    EXPECT_EQ(gate.Check(twin, net::HelloLine("s3cret", "Ann"), false, 0, 1).kind, Kind::Disconnect);
    EXPECT_EQ(gate.Check(ann, net::HelloLine("s3cret", "Ann"), false, 0, 1).kind, Kind::Refuse);
    gate.Left(ann);
    EXPECT_FALSE(gate.Connected("Ann"));
    EXPECT_EQ(gate.Check(twin, net::HelloLine("s3cret", "Ann"), false, 0, 1).kind, Kind::Hello);
}

TEST(Gate, WrongJoinCodesAreRefusedThenTheMachineIsSentAway) {
    net::Gate gate = MakeGate();
    net::Peer p;
    for (int i = 1; i < net::kMostWrongCodes; ++i) {
        const net::Verdict v = gate.Check(p, net::HelloLine("guess" + std::to_string(i), "Ann"), false, 0, 1);
        EXPECT_EQ(v.kind, Kind::Refuse);
        EXPECT_EQ(v.why, "a wrong join code");
    }
    EXPECT_EQ(gate.Check(p, net::HelloLine("again", "Ann"), false, 0, 1).kind, Kind::Disconnect);
    EXPECT_FALSE(p.greeted);
    EXPECT_FALSE(gate.Connected("Ann"));
}

TEST(Gate, OnlyAPlayersInputForItsOwnPartysTurnPasses) {
    net::Gate gate = MakeGate();
    net::Peer ann = Greeted(gate, "Ann");
    const net::Verdict ok = gate.Check(ann, "input click frmJeu.EndTurn 3 4 1 0", false, 1, 1);
    ASSERT_EQ(ok.kind, Kind::Input) << ok.why;
    EXPECT_EQ(ok.line, "click frmJeu.EndTurn 3 4 1 0");
    // Bob's turn, the computer's, no game: Ann's input is out of turn.
    for (int player : {2, 3, 0}) {
        const net::Verdict v = gate.Check(ann, "input press frmJeu.Return", false, 2, player);
        EXPECT_EQ(v.kind, Kind::Refuse) << player;
        EXPECT_FALSE(v.why.empty());
    }
    EXPECT_EQ(gate.Check(ann, "input press frmJeu.Return", false, 3, 2).why, "not your turn");
    // After `done`, nothing more from it.
    EXPECT_EQ(gate.Check(ann, "done", false, 4, 1).kind, Kind::Done);
    EXPECT_EQ(gate.Check(ann, "input press frmJeu.Return", false, 5, 1).kind, Kind::Refuse);
}

TEST(Gate, TheDriversCommandsAndTheRecordsOwnLinesAreRefused) {
    net::Gate gate = MakeGate();
    net::Peer ann = Greeted(gate, "Ann");
    const char* lines[] = {
        "input set MovesLeft 99",       "input rnd 0.99 0.99",        "input call EndTurn_Click",
        "input load /etc/passwd",       "input replay ../game.qrec",  "input record /tmp/x",
        "input snap ../../x",           "input newgame A 1 B 2",      "input quit",
        "input computer 2 on",          "input hurry on",             "input save",
        "input saved /home/x.qsav",     "input start save {}",        "input end won",
        "input unfaithful set",         "input dump",                 "input play 100",
        "input frobnicate 1",           "input",                      "input click \"frmJeu.EndTurn",
        "set MovesLeft 99",             "welcome 1",                  "ev 1 press frmJeu.Return",
    };
    for (const char* line : lines) {
        const net::Verdict v = gate.Check(ann, line, false, 0, 1);
        EXPECT_EQ(v.kind, Kind::Refuse) << line;
        EXPECT_FALSE(v.why.empty()) << line;
    }
    EXPECT_NE(gate.Check(ann, "input set MovesLeft 99", false, 0, 1).why.find("driver"), std::string::npos);
}

TEST(Gate, TheHostsOwnScreensMenusAndKeysAreOutOfReach) {
    net::Gate gate = MakeGate();
    net::Peer ann = Greeted(gate, "Ann");
    const char* far[] = {
        "input menu frmJeu.MNU_JeuSauver",  "input menu frmJeu.MNU_JeuReprendre", "input menu frmJeu.MNU_JeuQuitter",
        "input click frmJeu.MenuJeu 0 0 1 0", "input press frmJeu.Ctrl+S",      "input press frmJeu.Ctrl+O",
        "input presson frmJeu.Alt+F4",      "input press frmJeu.Esc",             "input press frmJeu.F1",
        "input close frmJeu",               "input menu frmBegin.MNU_Load",       "input click FairePerso.cmdOK 0 0 1 0",
        "input click frmFini.Command1 0 0 1 0", "input press frmAide.Return",     "input click EndTurn 0 0 1 0",
    };
    for (const char* line : far) EXPECT_EQ(gate.Check(ann, line, false, 0, 1).kind, Kind::Refuse) << line;
    // The screens of play stay in reach, their Esc and the pop-up's dismissal included.
    const char* near[] = {"input press frmMagic.Esc", "input close", "input close Detail", "input wait 2200",
                          "input click ChCmb.StepPix(0) 5 5 1 0", "input menu frmJeu.MNU_Up"};
    for (const char* line : near) EXPECT_EQ(gate.Check(ann, line, false, 0, 1).kind, Kind::Input) << line;
}

TEST(Gate, LongLinesAndControlCharactersAreRefusedAndTheMachineStays) {
    net::Gate gate = MakeGate();
    net::Peer ann = Greeted(gate, "Ann");
    EXPECT_EQ(gate.Check(ann, "input key frmJeu.X " + std::string(4000, 'a'), true, 0, 1).kind, Kind::Refuse);
    EXPECT_EQ(gate.Check(ann, std::string("input press frmJeu.Ret\0urn", 26), false, 0, 1).kind, Kind::Refuse);
    EXPECT_EQ(gate.Check(ann, "input press frmJeu.Return\r", false, 0, 1).kind, Kind::Refuse);
    EXPECT_EQ(gate.Check(ann, "\x1b[2Jinput press frmJeu.Return", false, 0, 1).kind, Kind::Refuse);
    // A line of the record's longest but a few, with its input, still passes the gate's form.
    EXPECT_EQ(gate.Check(ann, "input press frmJeu.Return", false, 0, 1).kind, Kind::Input);
}

TEST(Gate, AFloodIsRefusedOverTheRateThenSentAway) {
    net::Gate gate = MakeGate();
    net::Peer ann = Greeted(gate, "Ann");  // the hello took one line at time 0
    int accepted = 0;
    for (int i = 0; i < net::kBurstLines; ++i)
        if (gate.Check(ann, "input press frmJeu.Return", false, 0, 1).kind == Kind::Input) ++accepted;
    EXPECT_EQ(accepted, net::kBurstLines - 1);
    const net::Verdict over = gate.Check(ann, "input press frmJeu.Return", false, 0, 1);
    EXPECT_EQ(over.kind, Kind::Refuse);
    EXPECT_NE(over.why.find("too many"), std::string::npos);
    // A second later, a second's worth passes again.
    accepted = 0;
    for (int i = 0; i < net::kLinesPerSecond + 5; ++i)
        if (gate.Check(ann, "input press frmJeu.Return", false, 1000, 1).kind == Kind::Input) ++accepted;
    EXPECT_EQ(accepted, net::kLinesPerSecond);
    // Going on past the flood's bound sends the machine away.
    net::Verdict last;
    for (int i = 0; i < net::kFloodLines + 1 && last.kind != Kind::Disconnect; ++i)
        last = gate.Check(ann, "input press frmJeu.Return", false, 1000, 1);
    EXPECT_EQ(last.kind, Kind::Disconnect);
}

}  // namespace
