// The protocol's lines, the seats, the host's stream for late comers and the hash comparison.
#include <gtest/gtest.h>

#include "net/Protocol.h"
#include "net/Seats.h"
#include "net/Stream.h"

namespace {

TEST(Protocol, TheRecordsLineRidesUntouchedInsideAnEvent) {
    const std::string line = "key FairePerso.ReponseDuNom \"Ann \\\"the\\\" Bold\"";
    const net::Message m = net::ReadMessage(net::EventLine(42, line));
    EXPECT_EQ(m.kind, "ev");
    ASSERT_EQ(m.words.size(), 2u);
    EXPECT_EQ(m.words[1], "42");
    EXPECT_EQ(m.carried, line);
    EXPECT_EQ(net::ReadMessage(net::InputLine(line)).carried, line);
    EXPECT_EQ(net::ReadMessage(net::HeadLine("start game {\"a\": 1}")).carried, "start game {\"a\": 1}");
    const net::Message refused = net::ReadMessage(net::RefusedLine("not your turn"));
    ASSERT_EQ(refused.words.size(), 2u);
    EXPECT_EQ(refused.words[1], "not your turn");
    const net::Message hello = net::ReadMessage(net::HelloLine("a b", "Jean Luc"));
    ASSERT_EQ(hello.words.size(), 4u);
    EXPECT_EQ(hello.words[2], "a b");
    EXPECT_EQ(hello.words[3], "Jean Luc");
    EXPECT_TRUE(net::ReadMessage("").kind.empty());
}

TEST(Protocol, HashesAndCountsAreReadBackExactlyAndNothingElseIs) {
    for (uint64_t h : {0ull, 1ull, 0xfedcba9876543210ull, ~0ull}) {
        uint64_t back = 7;
        ASSERT_TRUE(net::ReadHash(net::HashText(h), back));
        EXPECT_EQ(back, h);
    }
    uint64_t h = 0;
    EXPECT_FALSE(net::ReadHash("123", h));
    EXPECT_FALSE(net::ReadHash("0123456789abcdefg", h));
    EXPECT_FALSE(net::ReadHash("zz23456789abcdef", h));
    EXPECT_NE(net::StateHash("a game"), net::StateHash("a gamf"));
    long long n = 0;
    EXPECT_TRUE(net::ReadCount("0", n));
    EXPECT_TRUE(net::ReadCount("123456", n));
    EXPECT_EQ(n, 123456);
    for (const char* bad : {"", "-1", "+1", "1x", "99999999999999999999"}) EXPECT_FALSE(net::ReadCount(bad, n)) << bad;
}

TEST(Seats, AreWrittenAsTheyAreReadAndRefuseWhatIsMalformed) {
    net::Seats seats;
    std::string why;
    ASSERT_TRUE(seats.Read({"2=Ann Lee", "3=computer", "4=Bob"}, why));
    EXPECT_EQ(seats.Text(4), "1=here \"2=Ann Lee\" 3=computer 4=Bob");
    EXPECT_TRUE(seats.Plays("Ann Lee", 2));
    EXPECT_FALSE(seats.Plays("Ann Lee", 4));
    EXPECT_FALSE(seats.Plays("", 1));
    EXPECT_TRUE(seats.Knows("Bob"));
    EXPECT_FALSE(seats.Knows("here"));
    seats.SetComputer(2, true);  // a machine's party stays its own
    EXPECT_TRUE(seats.Remote(2));
    // Names are counted in characters, as the set-up counts them.
    net::Seats accented;
    EXPECT_TRUE(accented.Read({"1=Éléonore", "2=ÉéèêëàâäôÖ"}, why)) << why;
    EXPECT_TRUE(accented.Plays("ÉéèêëàâäôÖ", 2));
    for (const char* bad : {"5=Ann", "0=Ann", "x=Ann", "1Ann", "1=", "1=ElevenChars", "1=ÉéèêëàâäôÖü"}) {
        net::Seats s;
        EXPECT_FALSE(s.Read({bad}, why)) << bad;
        EXPECT_FALSE(why.empty());
    }
    net::Seats twice;
    EXPECT_FALSE(twice.Read({"1=Ann", "1=Bob"}, why));
}

TEST(HostStream, ALateComerGetsTheStartAndEveryEventAndHashSince) {
    net::HostStream stream;
    stream.Restart({"quelmor-record 1", "seed 7", "lang fr", "start new"});
    EXPECT_EQ(stream.Event("menu frmBegin.MNU_New"), "ev 1 menu frmBegin.MNU_New");
    EXPECT_EQ(stream.Hash(0xabc), "hash 1 0000000000000abc");
    stream.Event("wait 40");
    const std::vector<std::string> expected = {"start 0 0",          "head quelmor-record 1", "head seed 7",
                                               "head lang fr",       "head start new",        "ev 1 menu frmBegin.MNU_New",
                                               "hash 1 0000000000000abc", "ev 2 wait 40"};
    EXPECT_EQ(stream.CatchUp(), expected);
    // Started again later, the numbers go on.
    stream.Restart({"quelmor-record 1", "seed 7", "lang fr", "start game {}"});
    EXPECT_EQ(stream.CatchUp().front(), "start 2 1");
    EXPECT_EQ(stream.StartMessages().size(), 5u);
    EXPECT_EQ(stream.Event("press frmJeu.Return"), "ev 3 press frmJeu.Return");
}

TEST(HashBook, ComparesEachHandOverWhicheverSideComesFirst) {
    net::HashBook book;
    EXPECT_EQ(book.Mine(10), net::HashBook::Match::Waiting);
    EXPECT_EQ(book.Host(1, 10), net::HashBook::Match::Agree);
    EXPECT_EQ(book.Host(2, 20), net::HashBook::Match::Waiting);
    EXPECT_EQ(book.Mine(21), net::HashBook::Match::Differ);
    EXPECT_NE(book.LastDifference().find("hand-over 2"), std::string::npos);
    EXPECT_EQ(book.agreed(), 1);
    EXPECT_EQ(book.differed(), 1);
    // The host's game taken at its 7th hand-over: the next of this machine is the 8th.
    book.Restart(7);
    EXPECT_EQ(book.Host(8, 5), net::HashBook::Match::Waiting);
    EXPECT_EQ(book.Mine(5), net::HashBook::Match::Agree);
}

}  // namespace
