// The lines a connection carries: whole lines however the bytes arrive, and a line past the
// bound handed over at once, cut and marked, its rest thrown away up to its line feed.
#include <gtest/gtest.h>

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

#include "wire/LineSocket.h"

namespace {

struct Pair {
    QTcpServer server;
    QTcpSocket client;
    std::unique_ptr<wire::LineSocket> host;  // the server's end, lines of at most 10 bytes

    Pair() {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        client.connectToHost(QHostAddress::LocalHost, server.serverPort());
        EXPECT_TRUE(client.waitForConnected(5000));
        EXPECT_TRUE(server.waitForNewConnection(5000));
        host = std::make_unique<wire::LineSocket>(server.nextPendingConnection(), 10);
    }
    void Write(const std::string& bytes) {
        client.write(bytes.data(), static_cast<qint64>(bytes.size()));
        client.waitForBytesWritten(5000);
    }
    // The next line, pumping until it is there (or the connection waits for nothing more).
    bool Next(std::string& line, bool& tooLong) {
        for (int i = 0; i < 200 && !host->HasLine(); ++i) host->Pump(20);
        return host->Next(line, tooLong);
    }
};

TEST(LineSocket, GivesWholeLinesHoweverTheBytesArrive) {
    Pair p;
    p.Write("abc\nde");
    std::string line;
    bool tooLong = true;
    ASSERT_TRUE(p.Next(line, tooLong));
    EXPECT_EQ(line, "abc");
    EXPECT_FALSE(tooLong);
    p.host->Pump(20);
    EXPECT_FALSE(p.host->HasLine());  // "de" waits for its line feed
    p.Write("f\n\n");
    ASSERT_TRUE(p.Next(line, tooLong));
    EXPECT_EQ(line, "def");
    ASSERT_TRUE(p.Next(line, tooLong));
    EXPECT_EQ(line, "");
}

TEST(LineSocket, ALineOverTheBoundIsHandedOverAtOnceCut) {
    Pair p;
    p.Write(std::string(25, 'x'));  // no line feed yet: it is already too long
    std::string line;
    bool tooLong = false;
    ASSERT_TRUE(p.Next(line, tooLong));
    EXPECT_TRUE(tooLong);
    EXPECT_EQ(line, std::string(10, 'x'));
    p.Write(std::string(1000, 'y') + "\nok\n");
    ASSERT_TRUE(p.Next(line, tooLong));
    EXPECT_EQ(line, "ok");  // the rest of the long line went
    EXPECT_FALSE(tooLong);
    EXPECT_LT(p.host->PendingIn(), 10u);
}

TEST(LineSocket, SaysWhenTheOtherEndIsGone) {
    Pair p;
    p.Write("last\n");
    p.client.disconnectFromHost();
    bool open = true;
    for (int i = 0; i < 100 && open; ++i) open = p.host->Pump(20);
    EXPECT_FALSE(open);
    std::string line;
    bool tooLong = false;
    ASSERT_TRUE(p.host->Next(line, tooLong));  // what came before stays to be taken
    EXPECT_EQ(line, "last");
}

}  // namespace
