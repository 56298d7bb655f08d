#pragma once

#include <QTcpServer>

namespace vz::it {

// A TCP port on 127.0.0.1 that nothing listens on at the moment of the call.
inline int freeLoopbackPort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// True when a socket can be bound to `port` on every address.
inline bool canListenOn(int port) {
    QTcpServer probe;
    return probe.listen(QHostAddress::AnyIPv4, static_cast<quint16>(port));
}

} // namespace vz::it
