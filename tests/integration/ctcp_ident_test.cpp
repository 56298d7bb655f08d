#include "client_and_peer_fixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vz::it {
namespace {

constexpr int FloodSize = 50;
constexpr int ReplyBurst = 5;

using CtcpTest = ClientAndPeerTest;

TEST_F(CtcpTest, VersionAndPingRequestsGetTheirNoticeReplies) {
    other.say("vuvi", ctcp("VERSION"));
    EXPECT_TRUE(other.waitFor("^:vuvi!\\S+ NOTICE other :\x01VERSION VuviVAZ for Windows\x01$"))
        << other.transcript();
    EXPECT_TRUE(client.waitForStatus("^ other has just requested your client version$"));

    other.say("vuvi", ctcp("PING 1234567890"));
    EXPECT_TRUE(
        other.waitFor("^:vuvi!\\S+ NOTICE other :\x01PING 0 seconds, cause VuviVAZ is elite\x01$"))
        << other.transcript();
    EXPECT_TRUE(client.waitForStatus("^ other has just pinged you$"));
    EXPECT_FALSE(client.hasPrivat("other"));
}

TEST_F(CtcpTest, VersionRequestToAChannelIsAnsweredWithANoticeTheServerDelivers) {
    client.typeInStatus("/join #test");
    ASSERT_TRUE(client.waitUntil([&] { return client.hasChannel("#test"); }));
    ASSERT_TRUE(other.join("#test"));
    other.say("#test", ctcp("VERSION"));
    EXPECT_TRUE(other.waitFor(
        "^:vuvi!\\S+ NOTICE other :\x01VERSION VuviVAZ v1\\.15 for Windows9x, 2000, XP\x01$"))
        << other.transcript();
}

TEST_F(CtcpTest, FloodOfRequestsIsShownButAnsweredOnlyFiveTimes) {
    ASSERT_TRUE(other.becomeUnthrottledOperator()) << other.transcript();
    for (int i = 0; i < FloodSize; ++i)
        other.say("vuvi", ctcp("VERSION"));
    ASSERT_TRUE(client.waitUntil([&] {
        return countLines(client.statusText(), "has just requested your client version$") ==
               FloodSize;
    })) << client.statusTranscript();

    const auto replies = other.collect(" NOTICE other :\x01VERSION ", 1500);
    EXPECT_GE(replies.size(), 1u);
    EXPECT_LE(replies.size(), static_cast<std::size_t>(ReplyBurst));
    EXPECT_TRUE(client.app().globals().Connected);
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
    EXPECT_TRUE(client.waitForStatus("^ \\*\\*\\* IDENT : 6191, 6667$"));
    EXPECT_TRUE(
        client.waitForStatus("^ \\*\\*\\* IDENT reply : 6191, 6667 : USERID : UNIX : VuviVAZ$"));
    EXPECT_TRUE(requester.closedByPeer(DefaultWaitMs));
}

bool canListenOn(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

TEST(IdentTest, ServerAsksTheDefaultPortAndSignsOnWithoutTilde) {
    if (!canListenOn(DefaultIdentPort))
        GTEST_SKIP() << "port " << DefaultIdentPort
                     << " cannot be bound here (not root, or in use): the server's ident "
                        "query cannot reach the client";
    NgircdServer server(NgircdOptions{true});
    ASSERT_TRUE(server.running()) << server.diagnostics();
    ClientUnderTest client{
        ClientSettings{server.port(), "vuvi", "vuvi_", "VuviVAZ Tester", DefaultIdentPort}};

    ASSERT_TRUE(client.signOn()) << client.statusTranscript();
    EXPECT_TRUE(showsLine(client.statusText(),
                          "^ \\*\\*\\* IDENT reply : \\d+ , \\d+ : USERID : UNIX : VuviVAZ$"))
        << client.statusTranscript();
    EXPECT_TRUE(showsLine(client.statusText(), "Welcome to the Internet Relay Network vuvi![^~]"))
        << client.statusTranscript() << server.diagnostics();
}

} // namespace
} // namespace vz::it
