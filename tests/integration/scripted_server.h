#pragma once

#include "line_client.h"

#include <QTcpServer>

#include <chrono>
#include <memory>
#include <string>

namespace vz::it {

// A fake IRC server on a free loopback port, scripted by the test: it sends
// any bytes the test gives it, as they are, to the one client it serves, and
// keeps the lines that client sends. Its waits run the Qt event loop, so the
// client under test in the same thread goes on working meanwhile.
class ScriptedServer : private QTcpServer {
public:
    ScriptedServer() { listen(QHostAddress::LocalHost, 0); }

    int port() const { return serverPort(); }
    // Waits for the client's next connection and its USER line; what was sent
    // and received before is forgotten.
    bool acceptClient();

    void send(const std::string& bytes) {
        sent_ += bytes;
        client_->send(bytes);
    }
    void sendLine(const std::string& line) { send(line + "\r\n"); }
    void reset() { client_->reset(); }

    // Whether the client sends a line that matches `pattern`.
    bool waitFor(const std::string& pattern) { return client_->waitFor(pattern).has_value(); }
    // What the client sent that the lines sent to it did not ask for: more
    // PONGs than PINGs, more NICKs than "433" replies, more MODEs than own
    // JOINs of `nick` (in lower case), more CTCP replies than the reply limit
    // allows, or any other line; and PINGs left without a PONG. Empty when
    // there was none.
    std::string unaskedLines(const std::string& nick) const;
    // The client's lines, for failure messages.
    std::string transcript() const { return client_ ? client_->transcript() : ""; }

private:
    void incomingConnection(qintptr socket) override { pending_ = socket; }

    qintptr pending_ = -1;
    std::unique_ptr<LineClient> client_;
    std::size_t signOnBytes_ = 0;
    std::string sent_;
    std::chrono::steady_clock::time_point acceptedAt_;
};

} // namespace vz::it
