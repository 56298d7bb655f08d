#include "client_under_test.h"
#include "ngircd_server.h"

#include <QTcpServer>

#include <gtest/gtest.h>

namespace vz::it {
namespace {

// The first reply carries our nick at once; the query gets the second one.
TEST(IdentTest, RequesterAtTheConnectionAttemptGetsBothReplies) {
    NgircdServer server;
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientUnderTest client{ClientSettings{server.port()}};
    client.start();
    client.connect();

    LineClient requester;
    ASSERT_TRUE(requester.connectTo(client.identPort())) << client.statusTranscript();
    const std::string local = std::to_string(client.identPort());
    EXPECT_TRUE(requester.waitFor("^" + local + ", \\d+ : USERID : UNIX : vuvi$"))
        << requester.transcript() << client.statusTranscript();
    requester.sendLine("6191, 6667");
    EXPECT_TRUE(requester.waitFor("^6191, 6667 : USERID : UNIX : VuviVAZ$"))
        << requester.transcript() << client.statusTranscript();
    EXPECT_TRUE(requester.closedByPeer(DefaultWaitMs));
}

TEST(IdentTest, ServerAsksTheDefaultPortAndSignsOnWithoutTilde) {
    if (QTcpServer probe; !probe.listen(QHostAddress::AnyIPv4, DefaultIdentPort))
        GTEST_SKIP() << "port " << DefaultIdentPort << " cannot be bound here";
    NgircdServer server(NgircdOptions{true});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientUnderTest client{
        ClientSettings{.serverPort = server.port(), .identPort = DefaultIdentPort}};
    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    EXPECT_GT(countLines(client.statusText(), "Welcome to the Internet Relay Network vuvi![^~]"), 0)
        << client.statusTranscript() << server.diagnostics();
}

} // namespace
} // namespace vz::it
