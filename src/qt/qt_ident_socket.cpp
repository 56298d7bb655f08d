// The Qt socket the ident responder listens and answers on.
#include "qt_ident_socket.h"

#include <QTcpSocket>
#include <QTimer>

namespace vz {

namespace {

constexpr int FlushLimitMs = 10000;

} // namespace

QtIdentSocket::QtIdentSocket() {
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this]() {
        if (events_ != nullptr && server_.isListening())
            events_->onConnectionRequest();
    });
}

QtIdentSocket::~QtIdentSocket() {
    close();
}

void QtIdentSocket::listen(int port) {
    close();
    if (!server_.listen(QHostAddress::Any, static_cast<quint16>(port)))
        reportLater(server_.serverError(), server_.errorString());
}

void QtIdentSocket::reportLater(int number, const QString& description) {
    // Reported from the event loop, like every other socket event, so the
    // caller of listen() finishes its own work first.
    const int generation = generation_;
    QTimer::singleShot(0, &server_, [this, generation, number, description]() {
        if (generation == generation_ && events_ != nullptr)
            events_->onError(number, description.toStdString());
    });
}

void QtIdentSocket::close() {
    ++generation_;
    stopListening();
    dropPeer();
}

void QtIdentSocket::stopListening() {
    server_.close();
    while (server_.hasPendingConnections())
        delete server_.nextPendingConnection();
}

void QtIdentSocket::dropPeer() {
    if (peer_ == nullptr)
        return;
    QTcpSocket* peer = peer_;
    peer_ = nullptr;
    QObject::disconnect(peer, nullptr, nullptr, nullptr);
    if (peer->state() != QAbstractSocket::ConnectedState || peer->bytesToWrite() == 0) {
        peer->abort();
        peer->deleteLater();
        return;
    }
    // The reply just sent still goes out; a requester that does not read it
    // is cut off after a while.
    QObject::connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
    QTimer::singleShot(FlushLimitMs, peer, [peer]() {
        peer->abort();
        peer->deleteLater();
    });
    peer->disconnectFromHost();
}

void QtIdentSocket::accept() {
    dropPeer();
    peer_ = server_.nextPendingConnection();
    stopListening();
    if (peer_ == nullptr)
        return;
    QObject::connect(peer_, &QTcpSocket::readyRead, peer_, [this]() {
        const QByteArray bytes = peer_->readAll();
        if (events_ != nullptr && !bytes.isEmpty())
            events_->onDataArrived(bytes.toStdString());
    });
    QObject::connect(peer_, &QTcpSocket::errorOccurred, peer_,
                     [this](QAbstractSocket::SocketError error) { onPeerError(error); });
}

void QtIdentSocket::onPeerError(int error) {
    // A requester that hangs up after its answer is no error.
    if (error == QAbstractSocket::RemoteHostClosedError || events_ == nullptr)
        return;
    events_->onError(error, peer_->errorString().toStdString());
}

void QtIdentSocket::send(const std::string& bytes) {
    if (peer_ != nullptr)
        peer_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

int QtIdentSocket::localPort() const {
    return peer_ == nullptr ? 0 : peer_->localPort();
}

int QtIdentSocket::remotePort() const {
    return peer_ == nullptr ? 0 : peer_->peerPort();
}

} // namespace vz
