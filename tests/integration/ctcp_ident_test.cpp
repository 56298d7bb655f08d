#include "client_and_peer_fixture.h"

#include <QTcpServer>

namespace vz::it {
namespace {

// Every request is shown; at most five are answered, with the version text.
TEST_F(ClientAndPeerTest, FloodOfRequestsIsShownButAnsweredOnlyFiveTimes) {
    ASSERT_TRUE(other.becomeUnthrottledOperator()) << other.transcript();
    for (int i = 0; i < 50; ++i)
        other.say("vuvi", "\x01VERSION\x01");
    ASSERT_TRUE(waitUntil([&] {
        return countLines(client.statusText(), "has just requested your client version$") == 50;
    })) << client.statusTranscript();

    int replies = 0;
    while (other.waitFor(" NOTICE other :\x01VERSION ", 1500))
        ++replies;
    EXPECT_NE(other.transcript().find(" NOTICE other :\x01VERSION VuviVAZ for Windows\x01\n"),
              std::string::npos);
    EXPECT_GE(replies, 1);
    EXPECT_LE(replies, 5);
    other.sendLine("WHOIS vuvi");
    EXPECT_TRUE(other.waitFor(" 311 other vuvi ")) << other.transcript();
}

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
    ClientUnderTest client{ClientSettings{server.port(), "vuvi", DefaultIdentPort}};
    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    EXPECT_GT(countLines(client.statusText(), "Welcome to the Internet Relay Network vuvi![^~]"), 0)
        << client.statusTranscript() << server.diagnostics();
}

} // namespace
} // namespace vz::it
