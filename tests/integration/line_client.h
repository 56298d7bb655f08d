#pragma once

#include <QTcpSocket>

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace vz::it {

constexpr int DefaultWaitMs = 5000;

// Runs the Qt event loop until `condition` holds or `timeoutMs` passed.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = DefaultWaitMs);

// A TCP client for line protocols on 127.0.0.1 that answers a PING by
// itself: a scripted IRC user or a scripted server's one client. Its waits
// run the Qt event loop, so the client under test in the same thread goes on
// working meanwhile.
class LineClient {
public:
    // Takes over a connection a server accepted.
    void adopt(qintptr descriptor);
    // Sends the bytes as they are, at once.
    void send(const std::string& bytes);
    void sendLine(const std::string& line) { send(line + "\r\n"); }
    // Signs on as an IRC user: PASS (with a password), NICK and USER, then
    // waits for the welcome; the sign-on PING is answered on the way.
    bool signOn(int port, const std::string& nick, const std::string& password = "");
    // Ends the connection with a TCP reset.
    void reset();
    // The first unclaimed received line (without CR LF) that contains a
    // match of the ECMAScript `pattern`; it is claimed, so the next wait does
    // not see it again. Nothing after `timeoutMs`.
    std::optional<std::string> waitFor(const std::string& pattern, int timeoutMs = DefaultWaitMs);
    // Every line received so far, claimed or not, for failure messages.
    const std::string& transcript() const { return history_; }

private:
    void takeLines();

    QTcpSocket socket_;
    std::deque<std::string> unclaimed_;
    std::string history_;
};

} // namespace vz::it
