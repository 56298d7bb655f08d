// The Qt socket to the IRC server.
#include "qt_client_socket.h"

#include <QHostAddress>
#include <QSslSocket>

#include <string>

namespace vz {

namespace {

// Bytes handed to the logic per event-loop turn, and what the socket buffers
// ahead of it: under a flood the server waits (the connection's own flow
// control) instead of the program holding the whole flood in memory, and
// the windows repaint between chunks.
constexpr qint64 ReadChunk = qint64{64} * 1024;
constexpr qint64 ReadAhead = 4 * ReadChunk;
// While the server leaves more than this of the program's lines unread, the
// logic gets no more of its bytes: a server that floods PINGs and never reads
// the PONGs waits on its own full socket instead of the PONGs piling up here.
constexpr qint64 WriteBacklog = qint64{1024} * 1024;

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
    open();
    tls_ = false;
    socket_->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
}

void QtClientSocket::connectSecurely(const std::string& host, int port,
                                     const std::string& acceptedFingerprint) {
    open();
    tls_ = true;
    acceptedFingerprint_ = acceptedFingerprint;
    socket_->connectToHostEncrypted(QString::fromStdString(host), static_cast<quint16>(port));
}

void QtClientSocket::open() {
    close();
    socket_ = new QSslSocket;
    finished_ = false;
    socket_->setReadBufferSize(ReadAhead);
    wire(socket_);
}

void QtClientSocket::wire(QSslSocket* socket) {
    const auto made = [this](bool encrypted) {
        if (events_ != nullptr && !finished_ && encrypted == tls_)
            events_->onConnected();
    };
    QObject::connect(socket, &QSslSocket::connected, socket, [made]() { made(false); });
    QObject::connect(socket, &QSslSocket::encrypted, socket, [made]() { made(true); });
    QObject::connect(socket, &QSslSocket::sslErrors, socket,
                     [this](const QList<QSslError>& errors) { onSslErrors(errors); });
    QObject::connect(socket, &QSslSocket::readyRead, socket, [this]() { deliverChunk(); });
    QObject::connect(socket, &QSslSocket::bytesWritten, socket, [this]() {
        if (paused_)
            deliverChunk();
    });
    QObject::connect(socket, &QSslSocket::errorOccurred, socket,
                     [this](QAbstractSocket::SocketError error) { onSocketError(error); });
    QObject::connect(socket, &QSslSocket::disconnected, socket,
                     [this]() { onSocketDisconnected(); });
}

// Only the certificate the user accepted passes despite the errors.
void QtClientSocket::onSslErrors(const QList<QSslError>& errors) {
    const std::string fingerprint =
        socket_->peerCertificate().digest(QCryptographicHash::Sha256).toHex().toStdString();
    if (!acceptedFingerprint_.empty() && fingerprint == acceptedFingerprint_) {
        socket_->ignoreSslErrors();
        return;
    }
    QStringList reasons;
    for (const QSslError& error : errors)
        reasons << error.errorString();
    if (finish() && events_ != nullptr)
        events_->onCertificateRejected(reasons.join("; ").toStdString(), fingerprint);
}

bool QtClientSocket::deliverData() {
    if (socket_ == nullptr || finished_ || socket_->bytesAvailable() <= 0)
        return false;
    const QByteArray bytes = socket_->read(ReadChunk);
    if (events_ != nullptr)
        events_->onDataArrived(bytes.toStdString());
    return socket_ != nullptr && socket_->bytesAvailable() > 0;
}

// What is left after one chunk is read at the next event-loop turn, or once
// the server has read enough of the program's lines.
void QtClientSocket::deliverChunk() {
    paused_ = socket_ != nullptr && socket_->bytesToWrite() > WriteBacklog;
    if (!paused_ && deliverData())
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
    QSslSocket* socket = socket_;
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
