#pragma once

#include "platform/clock.h"
#include "platform/sockets.h"

#include <string>

namespace vz {

class frmMain;

// Answers one RFC 1413 ident query per connection attempt.
class IdentResponder : public IdentSocketEvents {
public:
    static constexpr int ServeTimeoutMs = 10000;

    explicit IdentResponder(frmMain& main);

    // Closes the socket and listens again on [Ident] Port (113 by default).
    void Listen();
    void Close();

    void onConnectionRequest() override;
    void onDataArrived(const std::string& bytes) override;
    void onError(int number, const std::string& description) override;

private:
    frmMain& main_;
    TimerId timeout_ = 0;
};

} // namespace vz
