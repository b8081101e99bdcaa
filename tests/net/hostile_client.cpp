// A hostile machine for the host's tests: connects to a hosted game on this machine and sends
// what no honest machine would (random bytes, a huge line, old versions, wrong codes, input out
// of turn, the driver's commands, paths, a flood), each on a connection of its own, and prints
// the host's answers that refuse it. The host must answer each with a refusal and go on.
//     net-hostile PORT CODE NAME SEED
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

QTcpSocket* Connect(int port) {
    auto* s = new QTcpSocket;
    for (int attempt = 0; attempt < 100; ++attempt) {
        s->connectToHost("127.0.0.1", static_cast<quint16>(port));
        if (s->waitForConnected(2000)) return s;
        s->abort();
        QThread::msleep(100);
    }
    return s;
}

// One attack: a connection of its own, what it sends, what the host answered.
struct Attack {
    std::string what;
    std::string payload;
    QTcpSocket* socket = nullptr;
    size_t sent = 0;
    std::string answers;
};

// The host's answers that refuse: counted, the first few printed with their reasons.
int Refusals(const Attack& a) {
    int refused = 0;
    size_t at = 0;
    while ((at = a.answers.find("refused ", at)) != std::string::npos) {
        if (at == 0 || a.answers[at - 1] == '\n') {
            ++refused;
            if (refused <= 3) std::cout << a.what << ": " << a.answers.substr(at, a.answers.find('\n', at) - at) << "\n";
        }
        at += 8;
    }
    std::cout << a.what << ": " << refused << " refused\n";
    return refused;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::cerr << "usage: net-hostile PORT CODE NAME SEED\n";
        return 2;
    }
    const int port = std::stoi(argv[1]);
    const std::string code = argv[2], name = argv[3];
    std::mt19937_64 dice(std::stoull(argv[4]));
    std::vector<Attack> attacks;
    {
        // Random bytes, zero bytes and line feeds among them.
        std::string noise;
        for (int i = 0; i < 20000; ++i) noise.push_back(static_cast<char>(dice() & 0xff));
        attacks.push_back(Attack{"noise", noise + "\n", nullptr, 0, ""});
    }
    attacks.push_back(Attack{"huge line", std::string(8u << 20, 'x') + "\n", nullptr, 0, ""});
    attacks.push_back(Attack{"old version", "hello 0 " + code + " " + name + "\n", nullptr, 0, ""});
    {
        std::string guesses;
        for (int i = 0; i < 7; ++i) guesses += "hello 1 guess" + std::to_string(i) + " " + name + "\n";
        attacks.push_back(Attack{"wrong codes", guesses, nullptr, 0, ""});
    }
    {
        // Seated, but its party never plays: out of turn, the driver's commands, paths, then a
        // flood far over the rate.
        std::string lines = "hello 1 " + code + " " + name + "\n";
        for (const std::string& line : std::vector<std::string>{
                 "input press frmJeu.Return", "input click frmJeu.EndTurn 0 0 1 0", "input set MovesLeft 99",
                 "input rnd 0.99", "input call EndTurn_Click", "input load /etc/passwd", "input replay ../x.qrec",
                 "input start save {\"version\":3}", "input computer 1 on", "input menu frmJeu.MNU_JeuSauver",
                 "input press frmJeu.Ctrl+S", "input close frmJeu", "set MovesLeft 99", "load ../../etc/passwd",
                 "ev 1 press frmJeu.Return", "input click \"frmJeu.EndTurn", "input wait 99999999",
                 "input key frmJeu.X " + std::string(5000, 'a')})
            lines += line + "\n";
        for (int i = 0; i < 3000; ++i) lines += "input press frmJeu.Return\n";
        attacks.push_back(Attack{"seated", lines, nullptr, 0, ""});
    }
    // All at once, while the game goes on; the flood first, so that the host has judged it
    // before the game its scripts play is over, however slowly the noise and the huge line go.
    std::rotate(attacks.begin(), attacks.end() - 1, attacks.end());
    // The answers are taken as they come: a host that sends a machine away closes the
    // connection right after its last answer, and what is still unread then is lost.
    for (Attack& a : attacks) {
        a.socket = Connect(port);
        QObject::connect(a.socket, &QTcpSocket::readyRead, [&a] {
            a.answers += a.socket->readAll().toStdString();
            if (a.answers.size() > (1u << 20)) a.answers.erase(0, a.answers.size() - 65536);
        });
    }
    QElapsedTimer clock;
    clock.start();
    bool busy = true;
    while (busy && clock.elapsed() < 10000) {
        busy = false;
        for (Attack& a : attacks) {
            if (a.socket->state() != QAbstractSocket::ConnectedState) continue;
            if (a.sent < a.payload.size()) {
                const qint64 n = a.socket->write(a.payload.data() + a.sent,
                                                 static_cast<qint64>(std::min<size_t>(a.payload.size() - a.sent, 65536)));
                if (n > 0) a.sent += static_cast<size_t>(n);
                busy = true;
            }
            a.socket->waitForBytesWritten(5);
            if (a.socket->waitForReadyRead(5)) busy = true;
        }
    }
    // The last answers: a host slowed by a loaded machine may still be reading the flood.
    for (Attack& a : attacks) {
        while (a.socket->state() == QAbstractSocket::ConnectedState && a.socket->waitForReadyRead(2000)) {
        }
        if (a.socket->isOpen()) a.answers += a.socket->readAll().toStdString();
    }
    int total = 0;
    for (const Attack& a : attacks) total += Refusals(a);
    const std::string& seated = attacks.front().answers;
    for (const char* reason : {"not your turn", "driver's scripts", "the host's own", "too many lines"})
        if (seated.find(reason) != std::string::npos) std::cout << "seated: refused for " << reason << "\n";
    std::cout << "hostile: " << total << " refused in all\n";
    for (Attack& a : attacks) delete a.socket;
    return total > 0 ? 0 : 1;
}
