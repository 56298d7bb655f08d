#include "scripted_server.h"

#include "line_client.h"

#include <QCoreApplication>

#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <map>

namespace vz::it {

namespace {

// The reply limiter's burst and the seconds it takes to earn one more reply.
constexpr int ReplyBurst = 5;
constexpr int SecondsPerReply = 6;

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The nick of a line's prefix ("" without one) and its command in lower case.
struct LineHead {
    std::string nick;
    std::string command;
};

LineHead headOf(std::string_view line) {
    LineHead head;
    if (line.starts_with(':')) {
        const std::string_view prefix = line.substr(1, line.find(' ') - 1);
        const auto bang = prefix.find('!');
        if (bang != std::string_view::npos)
            head.nick = prefix.substr(0, bang);
        line.remove_prefix(std::min(line.size(), prefix.size() + 2));
    }
    head.command = lowerAscii(std::string(line.substr(0, line.find_first_of(" \r"))));
    return head;
}

std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    for (std::size_t end = bytes.find('\n'); end != std::string_view::npos;
         end = bytes.find('\n')) {
        lines.push_back(bytes.substr(0, end));
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

ScriptedServer::ScriptedServer() {
    listener_.listen(QHostAddress::LocalHost, 0);
}

bool ScriptedServer::acceptClient() {
    if (!waitUntil([&] { return listener_.hasPendingConnections(); }))
        return false;
    if (client_ != nullptr)
        client_->deleteLater();
    client_ = listener_.nextPendingConnection();
    client_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    partial_.clear();
    received_.clear();
    searchFrom_ = 0;
    sent_.clear();
    acceptedAt_ = std::chrono::steady_clock::now();
    if (!waitFor([](const std::string& line) { return line.starts_with("USER "); }))
        return false;
    // The sign-on lines answer the connection, not a line of the script.
    received_.erase(received_.begin(),
                    received_.begin() + static_cast<std::ptrdiff_t>(searchFrom_));
    searchFrom_ = 0;
    return true;
}

void ScriptedServer::send(const std::string& bytes) {
    sent_ += bytes;
    client_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    client_->flush();
}

void ScriptedServer::sendByteByByte(const std::string& bytes) {
    for (const char byte : bytes) {
        send(std::string(1, byte));
        QCoreApplication::processEvents();
    }
}

void ScriptedServer::stall(int ms) {
    waitUntil([] { return false; }, ms);
}

void ScriptedServer::reset() {
    const linger abortive{1, 0};
    ::setsockopt(static_cast<int>(client_->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                 sizeof abortive);
    client_->abort();
}

bool ScriptedServer::answersPing() {
    const std::string token = "probe" + std::to_string(++pings_);
    sendLine("PING :" + token);
    return waitForLine("PONG :" + token);
}

bool ScriptedServer::waitForLine(const std::string& line) {
    return waitFor([&](const std::string& received) { return received == line; });
}

bool ScriptedServer::waitFor(const std::function<bool(const std::string&)>& wanted) {
    return waitUntil([&] {
        takeLines();
        const auto found = std::find_if(
            received_.begin() + static_cast<std::ptrdiff_t>(searchFrom_), received_.end(), wanted);
        if (found == received_.end())
            return false;
        searchFrom_ = static_cast<std::size_t>(found - received_.begin()) + 1;
        return true;
    });
}

void ScriptedServer::takeLines() {
    if (client_ == nullptr)
        return;
    partial_ += client_->readAll().toStdString();
    for (const std::string_view line : linesOf(partial_))
        received_.emplace_back(line);
    partial_.erase(0, partial_.rfind('\n') + 1);
}

std::string ScriptedServer::unaskedLines(const std::string& nick) const {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::steady_clock::now() - acceptedAt_);
    std::map<std::string, int> allowed{
        {"CTCP", ReplyBurst + static_cast<int>(seconds.count()) / SecondsPerReply}};
    for (const std::string_view line : linesOf(sent_)) {
        const LineHead head = headOf(line);
        if (head.command == "ping")
            ++allowed["PONG"];
        else if (head.command == "433")
            ++allowed["NICK"];
        else if (head.command == "join" && lowerAscii(head.nick) == lowerAscii(nick))
            ++allowed["MODE"];
    }
    std::string unasked;
    for (const std::string& line : received_) {
        const bool ctcpReply =
            line.starts_with("NOTICE ") && line.find('\x01') != std::string::npos;
        if (--allowed[ctcpReply ? "CTCP" : line.substr(0, line.find(' '))] < 0)
            unasked += line.substr(0, 200) + "\n";
    }
    if (allowed["PONG"] > 0)
        unasked += std::to_string(allowed["PONG"]) + " PINGs without a PONG\n";
    return unasked;
}

std::string ScriptedServer::transcript() const {
    std::string lines;
    for (const std::string& line : received_)
        lines += line.substr(0, 200) + "\n";
    return lines;
}

} // namespace vz::it
