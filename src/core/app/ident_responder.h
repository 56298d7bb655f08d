// The ident responder that tells the IRC server who the user is.
#pragma once

#include "platform/clock.h"
#include "platform/sockets.h"

#include <string>

namespace vz {

class frmMain;

// Answers one RFC 1413 ident query per connection attempt. The accepted
// requester is served from the normal event loop until its query has been
// answered or ServeTimeoutMs have passed; then the socket closes and stays
// closed until the next Listen().
class IdentResponder : public IdentSocketEvents {
public:
    static constexpr int ServeTimeoutMs = 10000;
    static constexpr int StandardPort = 113;

    explicit IdentResponder(frmMain& main);

    // Closes the socket and listens again on [Ident] Port (113 by default).
    void Listen();
    // Stops listening or serving; nothing happens until the next Listen().
    void Close();

    void onConnectionRequest() override;
    void onDataArrived(const std::string& bytes) override;
    void onError(int number, const std::string& description) override;

private:
    enum class State { Closed, Listening, Serving };

    int listenPort();
    // Sends one reply line when the automatic-reply limiter allows it;
    // false when the reply was held back.
    bool sendReply(const std::string& reply);
    void cancelTimeout();

    frmMain& main_;
    State state_ = State::Closed;
    TimerId timeout_ = 0;
};

} // namespace vz
