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
    if (fd_ >= 0)
        ::close(fd_);
}

// On the loopback the kernel accepts (or refuses) a connection at once and
// takes the few lines a test sends, so connect and send need not wait.
bool LineClient::connectTo(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    return fd_ >= 0 && ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

void LineClient::sendLine(const std::string& line) {
    const std::string bytes = line + "\r\n";
    ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

std::optional<std::string> LineClient::waitFor(const std::string& pattern, int timeoutMs) {
    const std::regex expression(pattern);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        for (auto it = unclaimed_.begin(); it != unclaimed_.end(); ++it) {
            if (std::regex_search(*it, expression)) {
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

bool LineClient::closedByPeer(int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (!peerClosed_ && Clock::now() < deadline)
        readFor(SliceMs);
    return peerClosed_;
}

void LineClient::readFor(int ms) {
    pumpQtEvents();
    pollfd waiting{fd_, POLLIN, 0};
    if (fd_ < 0 || peerClosed_ || ::poll(&waiting, 1, ms) <= 0)
        return;
    char buffer[8192];
    ssize_t n;
    while ((n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
        pending_.append(buffer, static_cast<std::size_t>(n));
    // A last line without its line end still counts once the peer is gone.
    peerClosed_ = n == 0 || (errno != EAGAIN && errno != EINTR);
    if (peerClosed_ && !pending_.empty())
        pending_ += '\n';
    std::size_t end;
    while ((end = pending_.find('\n')) != std::string::npos) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("PING ", 0) == 0)
            sendLine("PONG " + line.substr(5));
        history_ += line + "\n";
        unclaimed_.push_back(line);
    }
}

} // namespace vz::it
