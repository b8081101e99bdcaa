#include "wire/LineSocket.h"

#include <QHostAddress>
#include <sys/socket.h>

namespace wire {

LineSocket::LineSocket(QTcpSocket* socket, std::size_t longestLine) : socket_(socket), longest_(longestLine) {
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

LineSocket::~LineSocket() {
    if (socket_) socket_->abort();
}

bool LineSocket::Pump(int waitMs) {
    socket_->flush();  // what is still to be sent goes as far as it can
    if (socket_->bytesAvailable() == 0 && socket_->state() == QAbstractSocket::ConnectedState)
        socket_->waitForReadyRead(waitMs);
    const QByteArray bytes = socket_->readAll();
    if (!bytes.isEmpty()) Split(bytes);
    return socket_->state() == QAbstractSocket::ConnectedState;
}

void LineSocket::Split(const QByteArray& bytes) {
    for (const char ch : bytes) {
        if (ch == '\n') {
            if (!skipping_) lines_.push_back(Line{partial_, false});
            partial_.clear();
            skipping_ = false;
            continue;
        }
        if (skipping_) continue;
        if (partial_.size() >= longest_) {
            // Said at once, not when (or if ever) its line feed comes.
            lines_.push_back(Line{partial_, true});
            partial_.clear();
            skipping_ = true;
            continue;
        }
        partial_.push_back(ch);
    }
}

bool LineSocket::Next(std::string& line, bool& tooLong) {
    if (lines_.empty()) return false;
    line = std::move(lines_.front().text);
    tooLong = lines_.front().tooLong;
    lines_.pop_front();
    return true;
}

std::size_t LineSocket::PendingIn() const {
    std::size_t n = partial_.size() + static_cast<std::size_t>(socket_->bytesAvailable());
    for (const Line& l : lines_) n += l.text.size() + 1;
    return n;
}

long long LineSocket::PendingOut() const { return socket_->bytesToWrite(); }

void LineSocket::Send(const std::string& line) {
    if (!Open()) return;
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append('\n');
    socket_->write(bytes);
    socket_->flush();
}

void LineSocket::Flush(int waitMs) {
    while (Open() && socket_->bytesToWrite() > 0)
        if (!socket_->waitForBytesWritten(waitMs)) break;
}

bool LineSocket::Open() const { return socket_ && !closed_ && socket_->state() == QAbstractSocket::ConnectedState; }

void LineSocket::Close() {
    Flush(1000);
    socket_->disconnectFromHost();
}

void LineSocket::Finish() {
    if (closed_) return;
    Flush(1000);
    closed_ = true;
    // Only the sending side is shut: the other side reads every line, then the end.
    if (socket_->state() == QAbstractSocket::ConnectedState && socket_->socketDescriptor() >= 0)
        ::shutdown(static_cast<int>(socket_->socketDescriptor()), SHUT_WR);
    else
        socket_->disconnectFromHost();
}

bool LineSocket::Drain() {
    if (socket_->state() != QAbstractSocket::ConnectedState) return false;
    socket_->waitForReadyRead(0);
    socket_->readAll();
    return socket_->state() == QAbstractSocket::ConnectedState;
}

std::string LineSocket::Peer() const {
    return socket_->peerAddress().toString().toStdString() + ":" + std::to_string(socket_->peerPort());
}

}  // namespace wire
