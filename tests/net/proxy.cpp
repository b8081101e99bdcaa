// A bad network between the joined machines and the host, for the host's tests: forwards each
// connection to the host, delaying every piece of it by a random time, passing the bytes a
// little at a time, and cutting connections at random moments (a few in all, so that the game
// goes on).
//     net-proxy LISTEN_PORT HOST_PORT SEED [CUTS]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <deque>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Bytes on their way one direction, each piece due at its time.
struct Piece {
    long long due;
    QByteArray bytes;
};

struct Link {
    std::unique_ptr<QTcpSocket> near, far;  // the machine's end, the host's end
    std::deque<Piece> toFar, toNear;
    long long cutAt = -1;                  // when this connection is cut (-1: never)
    bool dead = false;
};

constexpr int kSliceBytes = 1024;  // passed at most per round and direction: slow

void Pass(QTcpSocket& from, std::deque<Piece>& queue, long long now, std::mt19937_64& dice) {
    const QByteArray bytes = from.readAll();
    for (qsizetype at = 0; at < bytes.size(); at += 256)
        queue.push_back({now + static_cast<long long>(dice() % 25), bytes.mid(at, 256)});
}

void Deliver(std::deque<Piece>& queue, QTcpSocket& to, long long now) {
    int sent = 0;
    while (!queue.empty() && queue.front().due <= now && sent < kSliceBytes) {
        to.write(queue.front().bytes);
        sent += static_cast<int>(queue.front().bytes.size());
        queue.pop_front();
    }
    to.flush();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::cerr << "usage: net-proxy LISTEN_PORT HOST_PORT SEED [CUTS]\n";
        return 2;
    }
    const quint16 hostPort = static_cast<quint16>(std::stoi(argv[2]));
    std::mt19937_64 dice(std::stoull(argv[3]));
    const int cutsAsked = argc > 4 ? std::stoi(argv[4]) : 2;
    int cutsLeft = cutsAsked;
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, static_cast<quint16>(std::stoi(argv[1])))) {
        std::cerr << "net-proxy: cannot listen\n";
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<Link>> links;
    int cuts = 0;
    for (;;) {
        const long long now = clock.elapsed();
        server.waitForNewConnection(links.empty() ? 50 : 0);
        while (QTcpSocket* s = server.nextPendingConnection()) {
            auto link = std::make_unique<Link>();
            link->near.reset(s);
            link->near->setParent(nullptr);
            link->far = std::make_unique<QTcpSocket>();
            // The host may not listen yet: tried again for a while.
            for (int attempt = 0; attempt < 100; ++attempt) {
                link->far->connectToHost(QHostAddress::LocalHost, hostPort);
                if (link->far->waitForConnected(2000)) break;
                link->far->abort();
                QThread::msleep(100);
            }
            if (link->far->state() != QAbstractSocket::ConnectedState) continue;
            // The first CUTS connections are cut, each at a random moment.
            if (static_cast<int>(links.size()) < cutsAsked) link->cutAt = now + 400 + static_cast<long long>(dice() % 2000);
            links.push_back(std::move(link));
        }
        for (auto& l : links) {
            if (l->dead) continue;
            l->near->waitForReadyRead(1);
            l->far->waitForReadyRead(1);
            Pass(*l->near, l->toFar, now, dice);
            Pass(*l->far, l->toNear, now, dice);
            Deliver(l->toFar, *l->far, now);
            Deliver(l->toNear, *l->near, now);
            const bool gone = l->near->state() != QAbstractSocket::ConnectedState ||
                              l->far->state() != QAbstractSocket::ConnectedState;
            if (l->cutAt >= 0 && now >= l->cutAt && cutsLeft > 0) {
                --cutsLeft;
                ++cuts;
                std::cout << "cut a connection at " << now << " ms" << std::endl;
                l->near->abort();
                l->far->abort();
                l->dead = true;
            } else if (gone && l->toFar.empty() && l->toNear.empty()) {
                // One end closed and everything passed: close the other.
                l->near->disconnectFromHost();
                l->far->disconnectFromHost();
                l->dead = true;
            }
        }
        if (!links.empty()) QThread::usleep(200);
        std::cout.flush();
        (void)cuts;
    }
}
