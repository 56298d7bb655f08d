#pragma once

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vz::it {

// Binds a TCP socket to `host`:`port` (0: the kernel picks one), closes it
// and returns the port it got, or 0.
inline int bindAndRelease(std::uint32_t host, int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(host);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t length = sizeof address;
    int bound = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        bound = ntohs(address.sin_port);
    ::close(fd);
    return bound;
}

// A TCP port on 127.0.0.1 that nothing listens on at the moment of the call.
inline int freeLoopbackPort() {
    return bindAndRelease(INADDR_LOOPBACK, 0);
}

// True when a socket can be bound to `port` on every address.
inline bool canListenOn(int port) {
    return bindAndRelease(INADDR_ANY, port) == port;
}

} // namespace vz::it
