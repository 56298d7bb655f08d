// The connection to the IRC server.
#pragma once

#include "app/line_assembler.h"
#include "interpret/protocol_host.h"
#include "platform/clock.h"
#include "platform/sockets.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace vz {

class frmMain;

// The server connection: connect, sign on, send, cut received data into lines,
// reconnect after failures with a growing delay.
class Connection final : public ClientSocketEvents, public ServerLink {
public:
    static constexpr int AttemptLimit = 100;

    explicit Connection(frmMain& main);

    // `host` is cut before its first "<" (the caller's variable changes).
    void ConnectToIRC(std::string& host, IrcPort& port);
    void ConnectTo() override;
    void DisconnectToIRC() override;
    void SendData(const std::string& strData);

    // The host and port of the attempt in progress ("" / none without one).
    const std::string& remoteHost() const override { return remoteHost_; }
    const std::optional<IrcPort>& remotePort() const override { return remotePort_; }
    // Bytes of received lines still waiting to be interpreted.
    std::size_t backlogBytes() const;

    void onConnected() override;
    void onDataArrived(const std::string& bytes) override;
    void onError(int number, const std::string& description) override;
    void onClosedByServer() override;
    void onCertificateRejected(const std::string& reason, const std::string& fingerprint) override;

private:
    void startAttempt(const std::string& host, IrcPort port);
    // Leaves the client as a disconnect does, without saying so.
    void endConnection();
    // Forgets what is left of the current connection's received data.
    void dropReceived();
    void scheduleReconnect();
    void cancelReconnect();
    void setConnectionMenus(bool enabled);

    frmMain& main_;
    LineAssembler lines_;
    std::string remoteHost_;
    std::optional<IrcPort> remotePort_;
    // The socket reported the connection; until then nothing is sent.
    bool established_ = false;
    // A QUIT went out on this connection: a close by the server is expected.
    bool quitSent_ = false;
    int failuresInRow_ = 0;
    TimerId reconnectTimer_ = 0;
    bool reconnectPending_ = false;
    // Whole lines not yet interpreted. Lines that arrive while a handler lets
    // events run wait here behind the earlier ones; a new attempt or a
    // disconnect drops them.
    bool interpreting_ = false;
    std::deque<std::string> backlog_;
};

} // namespace vz
