#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vz::it {

constexpr int DefaultWaitMs = 5000;

// A blocking TCP client for line protocols on 127.0.0.1. Every wait is
// bounded and keeps the Qt event loop running, so the client under test in
// the same thread goes on working while a test waits here.
class LineClient {
public:
    LineClient() = default;
    ~LineClient();
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;

    bool connectTo(int port, int timeoutMs = DefaultWaitMs);
    bool isOpen() const { return fd_ >= 0; }
    void close();
    // Sends the text as it is.
    void sendRaw(const std::string& bytes);
    // Sends the line followed by CR LF.
    void sendLine(const std::string& line) { sendRaw(line + "\r\n"); }

    // The first unclaimed received line (without CR LF) whose text contains
    // a match of the ECMAScript `pattern`; it is claimed, so the next wait
    // does not see it again. Nothing after `timeoutMs`.
    std::optional<std::string> waitFor(const std::string& pattern, int timeoutMs = DefaultWaitMs);
    std::optional<std::string> waitFor(const std::function<bool(const std::string&)>& match,
                                       int timeoutMs = DefaultWaitMs);
    // Reads for `ms` milliseconds, then returns the unclaimed lines matching
    // `pattern` and claims them.
    std::vector<std::string> collect(const std::string& pattern, int ms);
    // True when the other side closed the connection (reads until `ms`).
    bool closedByPeer(int ms);
    // Every line received so far, claimed or not, for failure messages.
    std::string transcript() const;

    // Called with every received line as it arrives.
    std::function<void(const std::string&)> onLine;

private:
    // Reads whatever has arrived, waiting up to `ms` for it.
    void readFor(int ms);
    void takeLines();

    int fd_ = -1;
    bool peerClosed_ = false;
    std::string pending_;
    std::deque<std::string> unclaimed_;
    std::vector<std::string> history_;
};

// Runs pending Qt events, when a Qt application exists.
void pumpQtEvents();
// Runs the Qt event loop for `ms` milliseconds.
void runQtEventsFor(int ms);

} // namespace vz::it
