// The Qt socket the ident responder listens and answers on.
#pragma once

#include "platform/sockets.h"

#include <QTcpServer>

class QTcpSocket;

namespace vz {

// The ident responder's socket: a QTcpServer while listening, then the one
// accepted QTcpSocket while it serves a requester.
class QtIdentSocket : public IdentSocket {
public:
    QtIdentSocket();
    ~QtIdentSocket() override;

    void setEvents(IdentSocketEvents* events) override { events_ = events; }
    void listen(int port) override;
    void close() override;
    void accept() override;
    void send(const std::string& bytes) override;
    int localPort() const override;
    int remotePort() const override;

private:
    void stopListening();
    void dropPeer();
    void reportLater(int number, const QString& description);
    void onPeerError(int error);

    IdentSocketEvents* events_ = nullptr;
    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
    // Counts closes, so that an error reported later is dropped after a close.
    int generation_ = 0;
};

} // namespace vz
