#pragma once

#include <deque>
#include <optional>
#include <string>

namespace vz::it {

constexpr int DefaultWaitMs = 5000;

// A blocking TCP client for line protocols on 127.0.0.1 that answers a PING
// by itself. Every wait is bounded and keeps the Qt event loop running, so
// the client under test in the same thread goes on working meanwhile.
class LineClient {
public:
    LineClient() = default;
    ~LineClient();
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;

    bool connectTo(int port);
    // Sends the line followed by CR LF.
    void sendLine(const std::string& line);
    // The first unclaimed received line (without CR LF) that contains a
    // match of the ECMAScript `pattern`; it is claimed, so the next wait does
    // not see it again. Nothing after `timeoutMs`.
    std::optional<std::string> waitFor(const std::string& pattern, int timeoutMs = DefaultWaitMs);
    // True when the other side closed the connection (reads until `ms`).
    bool closedByPeer(int ms);
    // Every line received so far, claimed or not, for failure messages.
    const std::string& transcript() const { return history_; }

private:
    // Reads whatever arrives within `ms` and splits it into lines.
    void readFor(int ms);

    int fd_ = -1;
    bool peerClosed_ = false;
    std::string pending_;
    std::deque<std::string> unclaimed_;
    std::string history_;
};

// Runs pending Qt events, when a Qt application exists.
void pumpQtEvents();
// Runs the Qt event loop for `ms` milliseconds.
void runQtEventsFor(int ms);

} // namespace vz::it
