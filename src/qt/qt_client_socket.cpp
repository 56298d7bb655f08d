// The Qt socket to the IRC server.
#include "qt_client_socket.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace vz {

namespace {

// Bytes handed to the logic per event-loop turn, and what the socket buffers
// ahead of it: under a flood the server waits (the connection's own flow
// control) instead of the program holding the whole flood in memory, and
// the windows repaint between chunks.
constexpr qint64 ReadChunk = qint64{64} * 1024;
constexpr qint64 ReadAhead = 4 * ReadChunk;

std::string dottedAddress(const QHostAddress& address) {
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return (isIpv4 ? QHostAddress(ipv4) : address).toString().toStdString();
}

} // namespace

QtClientSocket::~QtClientSocket() {
    close();
}

void QtClientSocket::connectTo(const std::string& host, int port) {
    close();
    socket_ = new QTcpSocket;
    finished_ = false;
    socket_->setReadBufferSize(ReadAhead);
    wire(socket_);
    socket_->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

void QtClientSocket::wire(QTcpSocket* socket) {
    QObject::connect(socket, &QTcpSocket::connected, socket, [this]() {
        if (events_ != nullptr && !finished_)
            events_->onConnected();
    });
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this]() { deliverChunk(); });
    QObject::connect(socket, &QTcpSocket::errorOccurred, socket,
                     [this](QAbstractSocket::SocketError error) { onSocketError(error); });
    QObject::connect(socket, &QTcpSocket::disconnected, socket,
                     [this]() { onSocketDisconnected(); });
}

bool QtClientSocket::deliverData() {
    if (socket_ == nullptr || finished_ || socket_->bytesAvailable() <= 0)
        return false;
    const QByteArray bytes = socket_->read(ReadChunk);
    if (events_ != nullptr)
        events_->onDataArrived(bytes.toStdString());
    return socket_ != nullptr && socket_->bytesAvailable() > 0;
}

// What is left after one chunk is read at the next event-loop turn.
void QtClientSocket::deliverChunk() {
    if (deliverData())
        QMetaObject::invokeMethod(
            socket_, [this]() { deliverChunk(); }, Qt::QueuedConnection);
}

void QtClientSocket::onSocketError(int error) {
    if (error == QAbstractSocket::RemoteHostClosedError) {
        onSocketDisconnected();
        return;
    }
    const std::string description = socket_->errorString().toStdString();
    if (finish() && events_ != nullptr)
        events_->onError(error, description);
}

void QtClientSocket::onSocketDisconnected() {
    // Qt reports an orderly close as an error followed by disconnected();
    // the logic hears of it once, after the last bytes.
    while (deliverData()) {
    }
    if (finish() && events_ != nullptr)
        events_->onClosedByServer();
}

bool QtClientSocket::finish() {
    if (finished_)
        return false;
    finished_ = true;
    return true;
}

void QtClientSocket::close() {
    if (socket_ == nullptr)
        return;
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    finished_ = true;
    QObject::disconnect(socket, nullptr, nullptr, nullptr);
    socket->abort();
    socket->deleteLater();
}

void QtClientSocket::send(const std::string& bytes) {
    if (socket_ == nullptr || !socket_->isOpen())
        return;
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string QtClientSocket::localAddress() const {
    if (socket_ == nullptr)
        return {};
    return dottedAddress(socket_->localAddress());
}

} // namespace vz
