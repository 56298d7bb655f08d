#pragma once

#include "line_client.h"

#include <QTcpServer>

namespace vz::it {

// A fake IRC server on a free loopback port, for what ngircd cannot do: it
// takes one client, whose lines the test reads and answers.
class ScriptedServer : private QTcpServer {
public:
    ScriptedServer() { listen(QHostAddress::LocalHost, 0); }
    int port() const { return serverPort(); }

    LineClient client;

private:
    void incomingConnection(qintptr descriptor) override { client.adopt(descriptor); }
};

} // namespace vz::it
