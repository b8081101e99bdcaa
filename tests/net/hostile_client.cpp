// A hostile machine for the host's tests: connects to a hosted game on this machine and sends
// what no honest machine would (random bytes, a huge line, old versions, wrong codes, input out
// of turn, the driver's commands, paths, a flood), each on a connection of its own, and prints
// the host's answers that refuse it. The host must answer each with a refusal and go on.
//     net-hostile PORT CODE NAME SEED
#include <QCoreApplication>
#include <QTcpSocket>
#include <QThread>
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

void Send(QTcpSocket& s, const std::string& bytes) {
    s.write(bytes.data(), static_cast<qint64>(bytes.size()));
    while (s.bytesToWrite() > 0 && s.state() == QAbstractSocket::ConnectedState)
        if (!s.waitForBytesWritten(2000)) break;
}

// Reads the host's answers for a while; counts the refusals, prints them.
int Refusals(QTcpSocket& s, int waitMs, const std::string& what) {
    int refused = 0;
    std::string buffer;
    while (s.waitForReadyRead(waitMs)) {
        buffer += s.readAll().toStdString();
        if (buffer.size() > (1u << 20)) buffer.erase(0, buffer.size() - 4096);
    }
    buffer += s.readAll().toStdString();
    size_t at = 0;
    while ((at = buffer.find("refused ", at)) != std::string::npos) {
        if (at == 0 || buffer[at - 1] == '\n') {
            ++refused;
            if (refused <= 3) std::cout << what << ": " << buffer.substr(at, buffer.find('\n', at) - at) << "\n";
        }
        at += 8;
    }
    std::cout << what << ": " << refused << " refused\n";
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
    int total = 0;
    {
        // Random bytes, zero bytes and line feeds among them.
        QTcpSocket* s = Connect(port);
        std::string noise;
        for (int i = 0; i < 20000; ++i) noise.push_back(static_cast<char>(dice() & 0xff));
        Send(*s, noise + "\n");
        total += Refusals(*s, 300, "noise");
        delete s;
    }
    {
        // A line of 8 MiB.
        QTcpSocket* s = Connect(port);
        Send(*s, std::string(8u << 20, 'x') + "\n");
        total += Refusals(*s, 300, "huge line");
        delete s;
    }
    {
        QTcpSocket* s = Connect(port);
        Send(*s, "hello 0 " + code + " " + name + "\n");
        total += Refusals(*s, 300, "old version");
        delete s;
    }
    {
        QTcpSocket* s = Connect(port);
        for (int i = 0; i < 7; ++i) Send(*s, "hello 1 guess" + std::to_string(i) + " " + name + "\n");
        total += Refusals(*s, 300, "wrong codes");
        delete s;
    }
    {
        // Seated, but its party never plays: out of turn, the driver's commands, paths.
        QTcpSocket* s = Connect(port);
        Send(*s, "hello 1 " + code + " " + name + "\n");
        const std::vector<std::string> lines = {
            "input press frmJeu.Return", "input click frmJeu.EndTurn 0 0 1 0", "input set MovesLeft 99",
            "input rnd 0.99", "input call EndTurn_Click", "input load /etc/passwd", "input replay ../x.qrec",
            "input start save {\"version\":3}", "input computer 1 on", "input menu frmJeu.MNU_JeuSauver",
            "input press frmJeu.Ctrl+S", "input close frmJeu", "set MovesLeft 99", "load ../../etc/passwd",
            "ev 1 press frmJeu.Return", "input click \"frmJeu.EndTurn", "input wait 99999999",
            "input key frmJeu.X " + std::string(5000, 'a'),
        };
        for (const std::string& line : lines) Send(*s, line + "\n");
        total += Refusals(*s, 300, "out of turn");
        // A flood: far more lines than the rate allows.
        std::string flood;
        for (int i = 0; i < 3000; ++i) flood += "input press frmJeu.Return\n";
        Send(*s, flood);
        total += Refusals(*s, 300, "flood");
        delete s;
    }
    std::cout << "hostile: " << total << " refused in all\n";
    return total > 0 ? 0 : 1;
}
