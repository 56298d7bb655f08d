#pragma once

#include <QTcpServer>
#include <QTcpSocket>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vz::it {

// A fake IRC server on a free loopback port, scripted by the test: it sends
// any bytes the test gives it, as they are, to the one client it serves, and
// keeps the lines that client sends. Its waits run the Qt event loop, so the
// client under test in the same thread goes on working meanwhile.
class ScriptedServer {
public:
    ScriptedServer();

    int port() const { return listener_.serverPort(); }
    // Waits for the client's next connection and its USER line; what was sent
    // and received before is forgotten.
    bool acceptClient();

    void send(const std::string& bytes);
    void sendLine(const std::string& line) { send(line + "\r\n"); }
    // One byte per write, with a turn of the event loop after each, so the
    // client reads them one at a time.
    void sendByteByByte(const std::string& bytes);
    // Sends nothing for `ms` milliseconds.
    void stall(int ms);
    // Ends the connection with a TCP reset.
    void reset();

    // Whether the client answers a PING with a new token by its PONG.
    bool answersPing();
    // Whether the client sends `line` (after the line found by the last wait).
    bool waitForLine(const std::string& line);
    // What the client sent that the lines sent to it did not ask for: more
    // PONGs than PINGs, more NICKs than "433" replies, more MODEs than own
    // JOINs of `nick`, more CTCP replies than the reply limit allows, or any
    // other line; and PINGs left without a PONG. Empty when there was none.
    std::string unaskedLines(const std::string& nick) const;
    // The client's lines, for failure messages.
    std::string transcript() const;

private:
    bool waitFor(const std::function<bool(const std::string&)>& wanted);
    void takeLines();

    QTcpServer listener_;
    QTcpSocket* client_ = nullptr;
    std::string partial_;
    std::vector<std::string> received_;
    std::size_t searchFrom_ = 0;
    std::string sent_;
    std::chrono::steady_clock::time_point acceptedAt_;
    int pings_ = 0;
};

} // namespace vz::it
