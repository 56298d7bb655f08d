#include "line_client.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <regex>
#include <sys/socket.h>
#include <unistd.h>

namespace vz::it {
namespace {

constexpr int SliceMs = 5;

using Clock = std::chrono::steady_clock;

Clock::time_point deadlineAfter(int ms) {
    return Clock::now() + std::chrono::milliseconds(ms);
}

} // namespace

void pumpQtEvents() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void runQtEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

LineClient::~LineClient() {
    close();
}

bool LineClient::connectTo(int port, int timeoutMs) {
    close();
    peerClosed_ = false;
    pending_.clear();
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (fd_ < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return true;
    const auto deadline = deadlineAfter(timeoutMs);
    while (errno == EINPROGRESS && Clock::now() < deadline) {
        pumpQtEvents();
        pollfd waiting{fd_, POLLOUT, 0};
        if (::poll(&waiting, 1, SliceMs) <= 0)
            continue;
        int error = 0;
        socklen_t length = sizeof error;
        ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length);
        if (error == 0)
            return true;
        break;
    }
    close();
    return false;
}

void LineClient::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void LineClient::sendRaw(const std::string& bytes) {
    std::size_t sent = 0;
    const auto deadline = deadlineAfter(DefaultWaitMs);
    while (fd_ >= 0 && sent < bytes.size() && Clock::now() < deadline) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0)
            sent += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        else
            readFor(SliceMs);
    }
}

std::optional<std::string> LineClient::waitFor(const std::string& pattern, int timeoutMs) {
    const std::regex expression(pattern);
    return waitFor([&](const std::string& line) { return std::regex_search(line, expression); },
                   timeoutMs);
}

std::optional<std::string> LineClient::waitFor(const std::function<bool(const std::string&)>& match,
                                               int timeoutMs) {
    const auto deadline = deadlineAfter(timeoutMs);
    while (true) {
        for (auto it = unclaimed_.begin(); it != unclaimed_.end(); ++it) {
            if (match(*it)) {
                std::string line = *it;
                unclaimed_.erase(it);
                return line;
            }
        }
        if (Clock::now() >= deadline)
            return std::nullopt;
        readFor(SliceMs);
    }
}

std::vector<std::string> LineClient::collect(const std::string& pattern, int ms) {
    const auto deadline = deadlineAfter(ms);
    while (Clock::now() < deadline)
        readFor(SliceMs);
    const std::regex expression(pattern);
    std::vector<std::string> found;
    for (auto it = unclaimed_.begin(); it != unclaimed_.end();) {
        if (std::regex_search(*it, expression)) {
            found.push_back(*it);
            it = unclaimed_.erase(it);
        } else {
            ++it;
        }
    }
    return found;
}

bool LineClient::closedByPeer(int ms) {
    const auto deadline = deadlineAfter(ms);
    while (!peerClosed_ && Clock::now() < deadline)
        readFor(SliceMs);
    return peerClosed_;
}

std::string LineClient::transcript() const {
    std::string text;
    for (const auto& line : history_)
        text += line + "\n";
    return text;
}

void LineClient::readFor(int ms) {
    pumpQtEvents();
    if (fd_ < 0 || peerClosed_)
        return;
    pollfd waiting{fd_, POLLIN, 0};
    if (::poll(&waiting, 1, ms) <= 0)
        return;
    char buffer[8192];
    while (true) {
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n > 0) {
            pending_.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            peerClosed_ = true;
        break;
    }
    // A last line without its line end still counts once the peer is gone.
    if (peerClosed_ && !pending_.empty())
        pending_ += '\n';
    takeLines();
}

void LineClient::takeLines() {
    std::size_t end;
    while ((end = pending_.find('\n')) != std::string::npos) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        history_.push_back(line);
        unclaimed_.push_back(line);
        if (onLine)
            onLine(line);
    }
}

} // namespace vz::it
