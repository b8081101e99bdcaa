#pragma once
// A TCP connection that carries lines (docs/network-protocol.md): whole lines out, whole lines
// in; a line longer than the bound is handed over cut there as soon as it passes it, and the
// rest of it up to its line feed is thrown away. Used without an event loop of its own: Pump moves what arrived into lines.
#include <QTcpSocket>
#include <deque>
#include <memory>
#include <string>

namespace wire {

class LineSocket {
public:
    LineSocket(QTcpSocket* socket, std::size_t longestLine);
    ~LineSocket();
    LineSocket(const LineSocket&) = delete;
    LineSocket& operator=(const LineSocket&) = delete;

    // Reads what has arrived, waiting at most waitMs for something when nothing has; false when
    // the connection is gone (the lines already read can still be taken).
    bool Pump(int waitMs);
    // The next whole line (tooLong: it was cut at the bound); false when none is there.
    bool Next(std::string& line, bool& tooLong);
    bool HasLine() const { return !lines_.empty(); }
    // Bytes received and not yet taken as lines, and bytes still to be sent.
    std::size_t PendingIn() const;
    long long PendingOut() const;
    void Send(const std::string& line);
    // Waits until what was sent has left (at most waitMs).
    void Flush(int waitMs);
    bool Open() const;
    void Close();
    // Ends the connection gently once what was sent has left: this side says it has finished,
    // and what the other side still sends is thrown away (Drain) until it finishes too, so
    // that the last lines sent reach it (a connection closed with input unread is reset, and
    // the other side may lose what it had not read yet).
    void Finish();
    // Throws away what has arrived on a closed connection; false once the other side has
    // finished too.
    bool Drain();
    std::string Peer() const;
    QTcpSocket* Socket() const { return socket_.get(); }

private:
    struct Line {
        std::string text;
        bool tooLong = false;
    };
    void Split(const QByteArray& bytes);

    std::unique_ptr<QTcpSocket> socket_;
    std::size_t longest_;
    std::string partial_;
    bool skipping_ = false;  // inside a line past the bound: thrown away up to its line feed
    bool closed_ = false;    // Close was called: nothing more is sent
    std::deque<Line> lines_;
};

}  // namespace wire
