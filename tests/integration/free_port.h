#pragma once

#include <QTcpServer>

namespace vz::it {

// A TCP port on 127.0.0.1 that nothing listens on at the moment of the call.
inline int freeLoopbackPort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

} // namespace vz::it
