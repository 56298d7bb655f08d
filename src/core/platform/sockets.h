// The server socket and the ident socket, with the events they report.
#pragma once

#include <string>

namespace vz {

// Receives the events of the server connection.
class ClientSocketEvents {
public:
    virtual ~ClientSocketEvents() = default;
    virtual void onConnected() = 0;
    virtual void onDataArrived(const std::string& bytes) = 0;
    virtual void onError(int number, const std::string& description) = 0;
    // The server closed the connection in an orderly way.
    virtual void onClosedByServer() = 0;
    // The server's certificate failed verification and was not the accepted
    // one: the attempt is over. `fingerprint` is the certificate's SHA-256
    // in 64 lower-case hexadecimal digits.
    virtual void onCertificateRejected(const std::string& reason,
                                       const std::string& fingerprint) = 0;
};

// The TCP connection to the IRC server, plain or TLS. Bytes go through
// unchanged.
class ClientSocket {
public:
    ClientSocket() = default;
    ClientSocket(const ClientSocket&) = delete;
    ClientSocket& operator=(const ClientSocket&) = delete;
    virtual ~ClientSocket() = default;

    virtual void setEvents(ClientSocketEvents* events) = 0;
    // Asynchronous: the outcome arrives as onConnected or onError.
    virtual void connectTo(const std::string& host, int port) = 0;
    // The same over TLS, with the system's certificate authorities and the
    // host name verified; the connection counts as made once the handshake
    // is over. A certificate that fails verification is still taken when its
    // SHA-256 fingerprint is `acceptedFingerprint`; otherwise the attempt
    // ends with onCertificateRejected.
    virtual void connectSecurely(const std::string& host, int port,
                                 const std::string& acceptedFingerprint) = 0;
    // Closing in any state is allowed; no event follows a close.
    virtual void close() = 0;
    virtual void send(const std::string& bytes) = 0;
    // The local IP address of the established connection, dotted form.
    virtual std::string localAddress() const = 0;
};

// Receives the events of the ident responder's socket.
class IdentSocketEvents {
public:
    virtual ~IdentSocketEvents() = default;
    // A requester is waiting; accept() takes it.
    virtual void onConnectionRequest() = 0;
    virtual void onDataArrived(const std::string& bytes) = 0;
    virtual void onError(int number, const std::string& description) = 0;
};

// One listening socket that serves one accepted requester at a time.
class IdentSocket {
public:
    IdentSocket() = default;
    IdentSocket(const IdentSocket&) = delete;
    IdentSocket& operator=(const IdentSocket&) = delete;
    virtual ~IdentSocket() = default;

    virtual void setEvents(IdentSocketEvents* events) = 0;
    // A refused bind is reported through onError.
    virtual void listen(int port) = 0;
    // Stops listening and drops an accepted requester.
    virtual void close() = 0;
    // Accepts the pending requester and stops listening.
    virtual void accept() = 0;
    virtual void send(const std::string& bytes) = 0;
    virtual int localPort() const = 0;
    virtual int remotePort() const = 0;
};

} // namespace vz
