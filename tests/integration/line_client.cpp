#include "line_client.h"

#include <QEventLoop>
#include <QTimer>

#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <regex>

namespace vz::it {

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Without delay, so bytes sent one at a time arrive one at a time.
void LineClient::adopt(qintptr descriptor) {
    socket_.setSocketDescriptor(descriptor);
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

bool LineClient::signOn(int port, const std::string& nick, const std::string& password) {
    // On the loopback the kernel accepts (or refuses) a connection at once,
    // so blocking here does not hold up the client under test.
    socket_.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    if (!socket_.waitForConnected(DefaultWaitMs))
        return false;
    if (!password.empty())
        sendLine("PASS " + password);
    sendLine("NICK " + nick);
    sendLine("USER " + nick + " 0 * :Scripted " + nick);
    return waitFor(" 001 " + nick + " ").has_value();
}

void LineClient::send(const std::string& bytes) {
    socket_.write(QByteArray::fromStdString(bytes));
    socket_.flush();
}

void LineClient::reset() {
    const linger abortive{1, 0};
    ::setsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                 sizeof abortive);
    socket_.abort();
}

std::optional<std::string> LineClient::waitFor(const std::string& pattern, int timeoutMs) {
    const std::regex expression(pattern);
    std::optional<std::string> found;
    waitUntil(
        [&] {
            takeLines();
            const auto match =
                std::find_if(unclaimed_.begin(), unclaimed_.end(),
                             [&](const auto& l) { return std::regex_search(l, expression); });
            if (match == unclaimed_.end())
                return false;
            found = *match;
            unclaimed_.erase(match);
            return true;
        },
        timeoutMs);
    return found;
}

void LineClient::takeLines() {
    // A last line without its line end still counts once the peer is gone.
    const bool closed = socket_.state() == QAbstractSocket::UnconnectedState;
    while (socket_.canReadLine() || (closed && socket_.bytesAvailable() > 0)) {
        std::string line = socket_.readLine().toStdString();
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (line.starts_with("PING "))
            sendLine("PONG " + line.substr(5));
        history_ += line + "\n";
        unclaimed_.push_back(line);
    }
}

} // namespace vz::it
