// The Qt socket to the IRC server.
#pragma once

#include "platform/sockets.h"

#include <QtContainerFwd>

class QSslError;
class QSslSocket;

namespace vz {

// The server connection over QSslSocket, plain or TLS. Each connection gets a
// fresh socket, so a close from inside an event leaves the old socket to
// finish on its own.
class QtClientSocket : public ClientSocket {
public:
    QtClientSocket() = default;
    ~QtClientSocket() override;

    void setEvents(ClientSocketEvents* events) override { events_ = events; }
    void connectTo(const std::string& host, int port) override;
    void connectSecurely(const std::string& host, int port,
                         const std::string& acceptedFingerprint) override;
    void close() override;
    void send(const std::string& bytes) override;
    std::string localAddress() const override;

private:
    void open();
    void wire(QSslSocket* socket);
    void onSslErrors(const QList<QSslError>& errors);
    // Hands the logic one chunk of the bytes that arrived; true when more wait.
    bool deliverData();
    void deliverChunk();
    void onSocketError(int error);
    void onSocketDisconnected();
    // Ends the connection's events: after this nothing more is reported.
    bool finish();

    ClientSocketEvents* events_ = nullptr;
    QSslSocket* socket_ = nullptr;
    bool finished_ = false;
    // The attempt is TLS: it is made once the handshake is over.
    bool tls_ = false;
    std::string acceptedFingerprint_;
    // Reading waits until the server has read more of the lines sent.
    bool paused_ = false;
};

} // namespace vz
