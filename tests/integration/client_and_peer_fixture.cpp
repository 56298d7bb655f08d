#include "client_and_peer_fixture.h"

namespace vz::it {

void ClientAndPeerTest::SetUp() {
    ASSERT_TRUE(server.running()) << server.diagnostics();
    client.start();
    client.connect();
    ASSERT_TRUE(other.signOn(server.port())) << other.transcript();
    ASSERT_TRUE(client.waitForWelcome()) << client.statusTranscript();
}

} // namespace vz::it
